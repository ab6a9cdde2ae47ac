#ifndef STUDENTIDCHECK_H
#define STUDENTIDCHECK_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Which IDs a class can use. An ID is a whole number (a signed 64-bit
// decimal number, surrounding white space ignored), kept as typed, so 0012
// stays 0012; two IDs of one number are one student to the draw, which
// keeps the first.
class StudentIdCheck
{
    Q_DECLARE_TR_FUNCTIONS(StudentIdCheck)

public:
    static bool isWholeNumber(const QString &id);

    // The rows of the first ID that more than one row holds, all of them;
    // empty when every row has an ID of its own. IDs that are not whole
    // numbers are compared as text.
    static QList<int> firstRepeatedId(const QStringList &ids);

    // The IDs that no draw reaches, each once, in roster order: those that
    // are not whole numbers and those whose number an earlier ID has.
    static QStringList undrawable(const QStringList &ids);

    // What the teacher is told of them; empty when every ID can be drawn.
    static QString undrawableMessage(const QStringList &ids);
    static QString notAnIdMessage(const QString &id);
    static QString usedTwiceMessage(const QString &id);
};

#endif // STUDENTIDCHECK_H
