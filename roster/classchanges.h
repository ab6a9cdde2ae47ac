#ifndef CLASSCHANGES_H
#define CLASSCHANGES_H

#include <QHash>
#include <QString>
#include <QStringList>

// How the class names changed between two saves of the roster. What is
// kept under a class's name outside the roster (its round, its absent
// marks, its history file) follows these, so that it stays with the class
// and never passes to another class that takes the name later.
struct ClassChanges
{
    // Old name to new name; two classes may have swapped their names.
    QHash<QString, QString> renamed;
    // Names of classes deleted.
    QStringList removed;

    bool isEmpty() const { return renamed.isEmpty() && removed.isEmpty(); }
};

#endif // CLASSCHANGES_H
