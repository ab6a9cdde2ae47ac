#include "roster/studentids.h"

#include <map>

qint64 studentIdValue(const QString &id)
{
    bool ok = false;
    const qint64 value = id.trimmed().toLongLong(&ok, 10);
    return ok ? value : 0;
}

std::vector<QString> sortedUniqueIds(const std::vector<QString> &ids)
{
    std::map<qint64, size_t> positionByValue;
    for (size_t i = 0; i < ids.size(); ++i)
        positionByValue.emplace(studentIdValue(ids[i]), i);

    std::vector<QString> sorted;
    sorted.reserve(positionByValue.size());
    for (const auto &entry : positionByValue)
        sorted.push_back(ids[entry.second]);
    return sorted;
}

QString announcementText(const QString &id)
{
    return id.right(4);
}
