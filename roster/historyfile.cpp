#include "roster/historyfile.h"

#include "common/datapaths.h"
#include "roster/scorefiles.h"

#include <QFile>
#include <QIODevice>

#include <csv.h>

#include <algorithm>

namespace {
const char *const kHistorySuffix = "_history.csv";
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
    // A record has begun and not yet ended: inside a quoted field, its line
    // breaks are part of the field.
    bool recordOpen = false;
    bool firstLine = true;
    int damaged = 0;
    // The last text of each column, shared by the next line when it is the
    // same: the events, displays and names repeat all the time.
    QByteArray lastBytes[kFieldCount];
    QString lastText[kFieldCount];
};

void openLine(Collector &collector)
{
    if (collector.field == 0)
        collector.entries.emplace_back();
    collector.recordOpen = true;
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
        collector.lastText[k] = QString::fromUtf8(csvFieldText(collector.lastBytes[k]));
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

void endRecord(Collector &collector, bool damaged)
{
    if (collector.field > 0 && (damaged || collector.field != kFieldCount)) {
        collector.entries.pop_back();
        ++collector.damaged;
    } else if (collector.field > 0 && collector.firstLine && isHeader(collector.entries.back())) {
        collector.entries.pop_back();
    } else if (collector.field == 0 && damaged) {
        ++collector.damaged;
    }
    collector.firstLine = false;
    collector.recordOpen = false;
    collector.field = 0;
}

void collectLine(int, void *data)
{
    endRecord(*static_cast<Collector *>(data), false);
}

// Blanks around a field are part of it: a name may begin with one.
int noSpace(unsigned char)
{
    return 0;
}

// Every record the program writes begins with its time, "yyyy-MM-dd HH:mm:ss,".
bool startsRecord(const char *line, qint64 length)
{
    static const char pattern[] = "0000-00-00 00:00:00,";
    const qint64 patternLength = qint64(sizeof pattern) - 1;
    if (length < patternLength)
        return false;
    for (qint64 i = 0; i < patternLength; ++i) {
        const bool digit = line[i] >= '0' && line[i] <= '9';
        if (pattern[i] == '0' ? !digit : line[i] != pattern[i])
            return false;
    }
    return true;
}

bool isBlank(const char *line, qint64 length)
{
    return std::all_of(line, line + length, [](char c) { return c == '\r' || c == '\n'; });
}

class HistoryParser
{
public:
    explicit HistoryParser(Collector &collector)
        : m_collector(collector)
    {
        start();
    }
    ~HistoryParser() { csv_free(&m_parser); }
    HistoryParser(const HistoryParser &) = delete;
    HistoryParser &operator=(const HistoryParser &) = delete;

    bool isValid() const { return m_valid; }

    // One line of the file, with its line break unless it is the last.
    void feedLine(const char *line, qint64 length)
    {
        // A quote left open by a damaged line would take every later line
        // into its field; a line that begins as a record ends it there.
        if (m_collector.recordOpen && startsRecord(line, length))
            dropOpenRecord();
        if (!isBlank(line, length))
            m_collector.recordOpen = true;
        csv_parse(&m_parser, line, size_t(length), collectField, collectLine, &m_collector);
    }

    // The end of the file; a quote still open after the last line break
    // was never closed.
    void finish(bool endsWithLineBreak)
    {
        if (m_collector.recordOpen && endsWithLineBreak)
            dropOpenRecord();
        csv_fini(&m_parser, collectField, collectLine, &m_collector);
    }

private:
    void start()
    {
        m_valid = csv_init(&m_parser, 0) == 0;
        csv_set_space_func(&m_parser, noSpace);
    }

    void dropOpenRecord()
    {
        endRecord(m_collector, true);
        csv_free(&m_parser);
        start();
    }

    Collector &m_collector;
    csv_parser m_parser;
    bool m_valid = false;
};
}

QString historyFilePath(const QString &dataDir, const QString &className)
{
    return classFilePath(dataDir, className, QLatin1String(kHistorySuffix));
}

namespace {
// Renames without ever replacing a file; a taken name gets "-2", "-3" and
// so on before its extension.
bool renameToFreeName(const QString &from, const QString &base, const QString &extension)
{
    for (int n = 1;; ++n) {
        const QString to = base + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + extension;
        if (QFile::rename(from, to))
            return true;
        if (!QFile::exists(to))
            return false;
    }
}

void moveAside(const QString &dataDir, const QString &className, const QString &stamp)
{
    const QString path = historyFilePath(dataDir, className);
    const QString base = classFilePath(dataDir, className, QStringLiteral("_history-deleted-") + stamp);
    if (!path.isEmpty() && !base.isEmpty() && QFile::exists(path))
        renameToFreeName(path, base, QStringLiteral(".csv"));
}
}

void moveHistoryFiles(const QString &dataDir, const ClassChanges &changes, const QDateTime &now)
{
    const QString stamp = now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
    for (const QString &className : changes.removed)
        moveAside(dataDir, className, stamp);

    // Every file first steps aside under a name of its own, so that two
    // classes that swapped their names swap their files too.
    struct Move
    {
        QString from;
        QString through;
        QString className;
    };
    std::vector<Move> moves;
    for (auto renamed = changes.renamed.cbegin(); renamed != changes.renamed.cend(); ++renamed) {
        const QString from = historyFilePath(dataDir, renamed.key());
        if (from.isEmpty() || historyFilePath(dataDir, renamed.value()).isEmpty() || !QFile::exists(from))
            continue;
        for (int n = 1;; ++n) {
            const QString through = from + QStringLiteral(".moving-%1").arg(n);
            if (QFile::rename(from, through)) {
                moves.push_back({from, through, renamed.value()});
                break;
            }
            if (!QFile::exists(through))
                break;
        }
    }
    for (const Move &move : moves) {
        moveAside(dataDir, move.className, stamp);
        if (!QFile::rename(move.through, historyFilePath(dataDir, move.className)))
            QFile::rename(move.through, move.from);
    }
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

std::vector<HistoryEntry> readHistory(QIODevice &device, int *damagedLines)
{
    Collector collector;
    HistoryParser parser(collector);
    if (!parser.isValid())
        return {};
    const qint64 expected = std::max<qint64>(device.size() - device.pos(), 0) / kShortestLine;
    collector.entries.reserve(size_t(std::min(expected, kLargestReserve)));
    QByteArray pending;
    bool atStart = true;
    while (true) {
        const QByteArray chunk = device.read(kReadChunk);
        if (chunk.isEmpty())
            break;
        pending += chunk;
        if (atStart && pending.startsWith(kByteOrderMark))
            pending.remove(0, kByteOrderMark.size());
        atStart = false;
        int begin = 0;
        for (int end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n', begin)) {
            parser.feedLine(pending.constData() + begin, end + 1 - begin);
            begin = end + 1;
        }
        pending.remove(0, begin);
    }
    if (!pending.isEmpty())
        parser.feedLine(pending.constData(), pending.size());
    parser.finish(pending.isEmpty());
    if (damagedLines)
        *damagedLines = collector.damaged;
    return std::move(collector.entries);
}
