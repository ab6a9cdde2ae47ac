#ifndef TRUNCATINGITEMDELEGATE_H
#define TRUNCATINGITEMDELEGATE_H

#include <QStyledItemDelegate>

// Paints at most the first thousand characters of a cell. Eliding a text of
// a megabyte (a name read from a damaged class list) took seconds for every
// repaint of the table; the data itself stays whole.
class TruncatingItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

#endif // TRUNCATINGITEMDELEGATE_H
