#ifndef DISPLAYPANEL_H
#define DISPLAYPANEL_H

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

// A panel of the main window's shape for one display: 541 x 241 in the
// window's 9-point font, the display beside a 1-pixel label 200 high, a
// button row below.
class DisplayPanel : public QWidget
{
public:
    template<typename Display>
    Display *add()
    {
        resize(541, 241);
        QFont windowFont = font();
        windowFont.setPointSize(9);
        setFont(windowFont);
        auto *column = new QVBoxLayout(this);
        column->setSpacing(6);
        column->setContentsMargins(0, 0, 0, 0);
        auto *row = new QHBoxLayout;
        row->setSpacing(1);
        row->setContentsMargins(-1, -1, -1, 0);
        auto *strut = new QLabel(this);
        strut->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        strut->setFixedHeight(200);
        strut->setMaximumWidth(1);
        row->addWidget(strut);
        auto *display = new Display(this);
        row->addWidget(display);
        column->addLayout(row);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(new QPushButton(QStringLiteral("Start"), this));
        column->addLayout(buttons);
        show();
        return display;
    }
};

#endif // DISPLAYPANEL_H
