#ifndef STRINGWHEELWIDGET_H
#define STRINGWHEELWIDGET_H

#include "displays/abstractwheelwidget.h"

#include <QStringList>

// A wheel of strings, each drawn as its trailing show-chars characters.
class StringWheelWidget : public AbstractWheelWidget
{
    Q_OBJECT

public:
    explicit StringWheelWidget(bool touch);

    void paintItem(QPainter *painter, int index, const QRect &rect) override;
    int itemHeight() const override;
    int itemCount() const override;

    // Keeps the current item unless the new list is too short for it.
    void setItems(const QStringList &items);
    void setShowChars(int count);
    QString currentText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void currentItemChanged() override;

private:
    QStringList m_items;
    // Until the owner sets it, every string is drawn whole.
    int m_showChars = -1;
};

#endif // STRINGWHEELWIDGET_H
