#include "roster/historyfile.h"

#include "roster/datapaths.h"
#include "roster/scorefiles.h"

#include <QIODevice>

#include <csv.h>

#include <array>

namespace {
const int kFieldCount = 6;
const qint64 kReadChunk = 1 << 20;
const QByteArray kByteOrderMark("\xEF\xBB\xBF");

using Fields = std::array<QString, kFieldCount>;

const Fields &headerFields()
{
    static const Fields header{QStringLiteral("Time"), QStringLiteral("Event"), QStringLiteral("Display"),
                               QStringLiteral("ID"),   QStringLiteral("Name"),  QStringLiteral("Score")};
    return header;
}

struct Collector
{
    std::vector<HistoryEntry> entries;
    Fields fields;
    int field = 0;
    bool firstLine = true;
};

void collectField(void *text, size_t length, void *data)
{
    auto *collector = static_cast<Collector *>(data);
    if (collector->field < kFieldCount)
        collector->fields[size_t(collector->field)] = QString::fromUtf8(static_cast<const char *>(text), int(length));
    ++collector->field;
}

void collectLine(int, void *data)
{
    auto *collector = static_cast<Collector *>(data);
    const bool header = collector->firstLine && collector->fields == headerFields();
    collector->firstLine = false;
    if (!header) {
        Fields &f = collector->fields;
        collector->entries.push_back({f[0], f[1], f[2], f[3], f[4], f[5]});
    }
    collector->fields = Fields();
    collector->field = 0;
}

// Blanks around a field are part of it: a name may begin with one.
int noSpace(unsigned char)
{
    return 0;
}
}

QString historyFilePath(const QString &dataDir, const QString &className)
{
    const QString base = classDirectoryPath(dataDir, className);
    return base.isEmpty() ? QString() : base + QStringLiteral("_history.csv");
}

QString historyTime(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QByteArray historyFileStart()
{
    QByteArray start = kByteOrderMark;
    for (const QString &field : headerFields())
        start += field.toUtf8() + ',';
    start.chop(1);
    return start + "\r\n";
}

QByteArray historyLine(const HistoryEntry &entry)
{
    QByteArray line;
    for (const QString *field : {&entry.time, &entry.event, &entry.display, &entry.id, &entry.name, &entry.score})
        line += csvField(field->toUtf8()) + ',';
    line.chop(1);
    return line + "\r\n";
}

std::vector<HistoryEntry> readHistory(QIODevice &device)
{
    csv_parser parser;
    if (csv_init(&parser, 0) != 0)
        return {};
    csv_set_space_func(&parser, noSpace);
    Collector collector;
    bool atStart = true;
    while (true) {
        QByteArray chunk = device.read(kReadChunk);
        if (chunk.isEmpty())
            break;
        if (atStart && chunk.startsWith(kByteOrderMark))
            chunk.remove(0, kByteOrderMark.size());
        atStart = false;
        if (csv_parse(&parser, chunk.constData(), size_t(chunk.size()), collectField, collectLine, &collector)
            != size_t(chunk.size()))
            break;
    }
    csv_fini(&parser, collectField, collectLine, &collector);
    csv_free(&parser);
    return std::move(collector.entries);
}
