#ifndef ABOUTBOX_H
#define ABOUTBOX_H

#include <QCoreApplication>
#include <QString>

class QWidget;

// Help > About: the program's version as the build names it, its licence and
// where to write to, in the interface language.
class AboutBox
{
    Q_DECLARE_TR_FUNCTIONS(AboutBox)

public:
    static QString title();
    // Rich text.
    static QString text();
    static void show(QWidget *parent);
};

#endif // ABOUTBOX_H
