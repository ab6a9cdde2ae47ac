#include "roster/historysummary.h"

#include <QHash>

std::vector<StudentHistory> summarizeHistory(const std::vector<HistoryEntry> &entries, const QStringList &ids,
                                             const QStringList &names)
{
    std::vector<StudentHistory> students;
    QHash<QString, size_t> index;
    auto studentOf = [&](const QString &id, const QString &name) -> StudentHistory & {
        const auto found = index.constFind(id);
        if (found != index.cend())
            return students[*found];
        index.insert(id, students.size());
        StudentHistory student;
        student.id = id;
        student.name = name;
        students.push_back(student);
        return students.back();
    };
    for (int i = 0; i < ids.size(); ++i)
        studentOf(ids.at(i), names.value(i));
    const size_t classSize = students.size();

    for (const HistoryEntry &entry : entries) {
        StudentHistory &student = studentOf(entry.id, entry.name);
        if (index.value(entry.id) >= classSize && !entry.name.isEmpty())
            student.name = entry.name;
        if (entry.event == QLatin1String(kHistoryDraw)) {
            ++student.timesDrawn;
            student.lastDrawn = entry.time;
        } else if (entry.event == QLatin1String(kHistoryScore)) {
            student.lettersGiven += entry.score;
        } else if (entry.event == QLatin1String(kHistoryUndo) && !entry.score.isEmpty()) {
            const int at = student.lettersGiven.lastIndexOf(entry.score);
            if (at >= 0)
                student.lettersGiven.remove(at, entry.score.size());
        }
    }
    return students;
}
