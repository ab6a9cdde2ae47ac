#include "roster/truncatingitemdelegate.h"

namespace {
const int kLongestPaintedText = 1000;
}

void TruncatingItemDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() > kLongestPaintedText)
        option->text.truncate(kLongestPaintedText);
}
