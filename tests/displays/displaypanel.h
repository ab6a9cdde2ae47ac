#ifndef DISPLAYPANEL_H
#define DISPLAYPANEL_H

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

// A display placed as the main window places it: in a 541 x 241 panel at a
// fixed place in the window (so the panel keeps its size whatever the
// display asks for), in the window's 9-point font, beside a 1-pixel label
// 200 high, with a button row below.
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
        m_area = new QWidget(this);
        m_area->setGeometry(0, 0, 541, 241);
        auto *column = new QVBoxLayout(m_area);
        column->setSpacing(6);
        column->setContentsMargins(0, 0, 0, 0);
        auto *row = new QHBoxLayout;
        row->setSpacing(1);
        row->setContentsMargins(-1, -1, -1, 0);
        auto *strut = new QLabel(m_area);
        strut->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        strut->setFixedHeight(200);
        strut->setMaximumWidth(1);
        row->addWidget(strut);
        auto *display = new Display(m_area);
        row->addWidget(display);
        column->addLayout(row);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(new QPushButton(QStringLiteral("Start"), m_area));
        column->addLayout(buttons);
        show();
        settle();
        return display;
    }

    // Lets the toolkit show new controls and lay them out, as the event
    // loop does between a user's actions.
    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

private:
    QWidget *m_area = nullptr;
};

#endif // DISPLAYPANEL_H
