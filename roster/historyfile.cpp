#include "roster/historyfile.h"

#include "common/datapaths.h"
#include "roster/scorefiles.h"

#include <QIODevice>

#include <csv.h>

#include <algorithm>

namespace {
const int kFieldCount = 6;
const qint64 kReadChunk = 1 << 20;
// A history line is some 50 bytes; reserving for lines of 40 avoids the
// copies of a growing list, up to a size no real history reaches.
const qint64 kShortestLine = 40;
const qint64 kLargestReserve = 1000000;
const QByteArray kByteOrderMark("\xEF\xBB\xBF");
// Far longer than any field the program writes; a damaged file may hold a
// quote that is never closed, which makes the rest of the file one field.
const size_t kLongestField = 1 << 16;

QString HistoryEntry::*const kColumns[kFieldCount] = {&HistoryEntry::time, &HistoryEntry::event,
                                                      &HistoryEntry::display, &HistoryEntry::id,
                                                      &HistoryEntry::name, &HistoryEntry::score};

const char *const kHeader[kFieldCount] = {"Time", "Event", "Display", "ID", "Name", "Score"};

struct Collector
{
    std::vector<HistoryEntry> entries;
    int field = 0;
    bool lineOpen = false;
    bool firstLine = true;
    // The last text of each column, shared by the next line when it is the
    // same: the events, displays and names repeat all the time.
    QByteArray lastBytes[kFieldCount];
    QString lastText[kFieldCount];
};

void openLine(Collector &collector)
{
    if (!collector.lineOpen)
        collector.entries.emplace_back();
    collector.lineOpen = true;
}

void collectField(void *text, size_t length, void *data)
{
    auto &collector = *static_cast<Collector *>(data);
    openLine(collector);
    const int k = collector.field++;
    if (k >= kFieldCount)
        return;
    const QByteArray bytes = QByteArray::fromRawData(static_cast<const char *>(text),
                                                     int(std::min(length, kLongestField)));
    if (bytes != collector.lastBytes[k]) {
        // A deep copy: the parser reuses its buffer for the next field.
        collector.lastBytes[k] = QByteArray(bytes.constData(), bytes.size());
        collector.lastText[k] = QString::fromUtf8(bytes);
    }
    collector.entries.back().*kColumns[k] = collector.lastText[k];
}

bool isHeader(const HistoryEntry &entry)
{
    for (int k = 0; k < kFieldCount; ++k) {
        if (entry.*kColumns[k] != QLatin1String(kHeader[k]))
            return false;
    }
    return true;
}

void collectLine(int, void *data)
{
    auto &collector = *static_cast<Collector *>(data);
    openLine(collector);
    if (collector.firstLine && isHeader(collector.entries.back()))
        collector.entries.pop_back();
    collector.firstLine = false;
    collector.lineOpen = false;
    collector.field = 0;
}

// Blanks around a field are part of it: a name may begin with one.
int noSpace(unsigned char)
{
    return 0;
}
}

QString historyFilePath(const QString &dataDir, const QString &className)
{
    return classFilePath(dataDir, className, QStringLiteral("_history.csv"));
}

QString historyTime(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QByteArray historyFileStart()
{
    QByteArray start = kByteOrderMark;
    for (const char *field : kHeader)
        start += QByteArray(field) + ',';
    start.chop(1);
    return start + "\r\n";
}

QByteArray historyLine(const HistoryEntry &entry)
{
    QByteArray line;
    for (QString HistoryEntry::*column : kColumns)
        line += csvField((entry.*column).toUtf8()) + ',';
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
    const qint64 expected = std::max<qint64>(device.size() - device.pos(), 0) / kShortestLine;
    collector.entries.reserve(size_t(std::min(expected, kLargestReserve)));
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
