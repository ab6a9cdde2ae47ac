#ifndef REFUSINGITEMDELEGATE_H
#define REFUSINGITEMDELEGATE_H

#include "roster/truncatingitemdelegate.h"

#include <functional>

// Takes a text typed into a cell only when the check accepts it; a refused
// text never reaches the model, which keeps what it held, and the reason is
// told by the signal. A cell left as it was is never checked.
class RefusingItemDelegate : public TruncatingItemDelegate
{
    Q_OBJECT

public:
    // The reason a text is refused for the cell, or empty when it is taken.
    using Check = std::function<QString(const QModelIndex &index, const QString &text)>;

    RefusingItemDelegate(Check check, QObject *parent);

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

signals:
    void refused(const QString &reason) const;

private:
    Check m_check;
};

#endif // REFUSINGITEMDELEGATE_H
