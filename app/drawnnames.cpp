#include "app/drawnnames.h"

namespace {
const QString kEntrySeparator = QStringLiteral("  ");

// The entries packed into lines of at most width, each line as full as it goes.
QStringList packedLines(const QStringList &entries, int width, const std::function<int(const QString &line)> &lineWidth)
{
    QStringList lines;
    for (const QString &entry : entries) {
        if (!lines.isEmpty() && lineWidth(lines.last() + kEntrySeparator + entry) <= width)
            lines.last() += kEntrySeparator + entry;
        else
            lines << entry;
    }
    return lines;
}
}

QStringList drawnNamesEntries(const std::vector<QString> &ids, const std::function<QString(const QString &id)> &nameOf)
{
    QStringList entries;
    for (const QString &id : ids) {
        if (id.isEmpty())
            continue;
        const QString name = nameOf(id);
        entries << (name.isEmpty() ? id : id + QLatin1Char(' ') + name);
    }
    return entries;
}

NamesLayout fittedNamesLayout(const QStringList &entries, int largest, int smallest, const QSize &room,
                              const std::function<int(int pointSize, const QString &line)> &lineWidth,
                              const std::function<int(int pointSize)> &lineHeight)
{
    QStringList lines;
    int size = largest;
    for (;; --size) {
        const auto width = [&](const QString &line) { return lineWidth(size, line); };
        lines = packedLines(entries, room.width(), width);
        bool fits = lines.size() * lineHeight(size) <= room.height();
        for (const QString &line : qAsConst(lines))
            fits = fits && width(line) <= room.width();
        if (fits || size <= smallest)
            break;
    }
    return {lines.join(QLatin1Char('\n')), size};
}
