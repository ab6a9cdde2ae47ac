#include "app/drawnnames.h"

#include <QStringList>

QString drawnNamesText(const std::vector<QString> &ids, const std::function<QString(const QString &id)> &nameOf)
{
    QStringList entries;
    for (const QString &id : ids) {
        if (id.isEmpty())
            continue;
        const QString name = nameOf(id);
        entries << (name.isEmpty() ? id : id + QLatin1Char(' ') + name);
    }
    return entries.join(QStringLiteral("  "));
}

int fittedNamesPointSize(int largest, int smallest, int width, const std::function<int(int pointSize)> &textWidth)
{
    int size = largest;
    while (size > smallest && textWidth(size) > width)
        --size;
    return size;
}
