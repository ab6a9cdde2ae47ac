#ifndef WIDGETLOOKUP_H
#define WIDGETLOOKUP_H

#include <QObject>
#include <QString>
#include <QtGlobal>

// The named child of a window or dialog. A missing one ends the program:
// it means the form changed, and every later check on it would only fail
// with a null pointer.
template<typename T>
T *findByName(QObject &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

template<typename T>
T *findByName(QObject &parent, const char *name)
{
    return findByName<T>(parent, QString::fromLatin1(name));
}

#endif // WIDGETLOOKUP_H
