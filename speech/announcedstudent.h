#ifndef ANNOUNCEDSTUDENT_H
#define ANNOUNCEDSTUDENT_H

#include <QMetaType>
#include <QString>
#include <QVector>

// One drawn student as an announcement reads it: the ID's announcement text
// and the student's name, empty when the roster has none.
struct AnnouncedStudent
{
    QString announcedId;
    QString name;

    bool operator==(const AnnouncedStudent &other) const
    {
        return announcedId == other.announcedId && name == other.name;
    }
};

using AnnouncedStudents = QVector<AnnouncedStudent>;
Q_DECLARE_METATYPE(AnnouncedStudents)

#endif // ANNOUNCEDSTUDENT_H
