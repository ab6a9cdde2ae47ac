#include "roster/refusingitemdelegate.h"

#include <QMetaProperty>
#include <QWidget>

RefusingItemDelegate::RefusingItemDelegate(Check check, QObject *parent)
    : TruncatingItemDelegate(parent)
    , m_check(std::move(check))
{
}

void RefusingItemDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const QMetaProperty property = editor->metaObject()->userProperty();
    const QString text = property.read(editor).toString();
    if (text != index.data(Qt::EditRole).toString()) {
        const QString reason = m_check(index, text);
        if (!reason.isEmpty()) {
            emit refused(reason);
            return;
        }
    }
    TruncatingItemDelegate::setModelData(editor, model, index);
}
