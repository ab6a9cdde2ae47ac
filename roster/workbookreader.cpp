#include "roster/workbookreader.h"

#include "roster/zippart.h"

// KZip first: the entry headers expect KArchive declared.
#include <KZip>
#include <KArchiveDirectory>
#include <KArchiveFile>

#include <QDir>
#include <QHash>
#include <QIODevice>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>
#include <cctype>
#include <limits>
#include <memory>

namespace {

const qint64 kLargestPart = 64 * 1024 * 1024;
const QByteArray kZipSignature("PK\x03\x04", 4);
const QByteArray kEmptyZipSignature("PK\x05\x06", 4);
const QByteArray kCompoundFileSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

// The headings of an ID column, written as headerKey gives them, by rank:
// where a header row has several, the lowest rank is the ID. A running
// count (序号, No.) is the ID only when nothing else is.
struct IdHeading
{
    const char *key;
    int rank;
};
const IdHeading kIdHeadings[] = {{"学号", 0},   {"学生学号", 0}, {"studentid", 0}, {"studentno.", 0},
                                 {"考号", 1},   {"准考证号", 1}, {"学籍号", 2},    {"编号", 3},
                                 {"number", 3}, {"id", 3},       {"序号", 4},      {"no.", 4}};
const char *const kNameHeadings[] = {"姓名", "学生姓名", "名字", "name", "studentname", "fullname"};

// The words of a heading as they are compared: without white space (a
// centred 学  号 and a full-width space are common) and a trailing colon,
// in lower case.
QString headerKey(const QString &text)
{
    QString key;
    key.reserve(text.size());
    for (const QChar c : text)
        if (!c.isSpace())
            key += c;
    if (key.endsWith(QLatin1Char(':')) || key.endsWith(QChar(0xFF1A)))
        key.chop(1);
    return key.toLower();
}

// The rank of an ID heading; -1 when the text is none.
int idHeadingRank(const QString &key)
{
    for (const IdHeading &heading : kIdHeadings)
        if (key == QString::fromUtf8(heading.key))
            return heading.rank;
    return -1;
}

bool isNameHeading(const QString &key)
{
    return std::any_of(std::begin(kNameHeadings), std::end(kNameHeadings),
                       [&key](const char *heading) { return key == QString::fromUtf8(heading); });
}

WorkbookReader::Error partError(ZipPart part)
{
    switch (part) {
    case ZipPart::Read:
        break;
    case ZipPart::Missing:
        return WorkbookReader::MissingWorksheet;
    case ZipPart::TooLarge:
        return WorkbookReader::TooLarge;
    case ZipPart::Damaged:
        return WorkbookReader::DamagedWorkbook;
    }
    return WorkbookReader::NoError;
}

ZipPart readPart(const KArchiveDirectory *root, const QString &path, QByteArray &bytes)
{
    return readZipPart(root, path, bytes, kLargestPart);
}

// Where a relationship's target lies in the package, seen from the part
// that names it; empty when it points outside the package.
QString partPath(const QString &sourcePart, const QString &target)
{
    if (target.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(target.mid(1));
    const QString path = QDir::cleanPath(sourcePart.left(sourcePart.lastIndexOf(QLatin1Char('/')) + 1) + target);
    return path == QLatin1String("..") || path.startsWith(QLatin1String("../")) ? QString() : path;
}

// The part that holds the relationships of sourcePart ("" for the package).
QString relationshipsPath(const QString &sourcePart)
{
    const int slash = sourcePart.lastIndexOf(QLatin1Char('/'));
    return sourcePart.left(slash + 1) + QStringLiteral("_rels/") + sourcePart.mid(slash + 1)
        + QStringLiteral(".rels");
}

struct Relationship
{
    QString type;
    QString target;
};

bool readRelationships(const QByteArray &xml, QHash<QString, Relationship> &relationships)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("Relationship"))
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (attributes.value(QLatin1String("TargetMode")) == QLatin1String("External"))
            continue;
        relationships.insert(attributes.value(QLatin1String("Id")).toString(),
                             {attributes.value(QLatin1String("Type")).toString(),
                              attributes.value(QLatin1String("Target")).toString()});
    }
    return !reader.hasError();
}

// The target of the relationship of a type (a workbook has one of each it
// uses); transitional and strict workbooks name the types in different
// namespaces with the same ending.
QString targetOfType(const QHash<QString, Relationship> &relationships, const QString &typeEnding)
{
    for (const Relationship &relationship : relationships)
        if (relationship.type.endsWith(typeEnding))
            return relationship.target;
    return QString();
}

struct Sheet
{
    QString name;
    QString relationshipId;
    bool hidden;
};

// The sheets in workbook order, the order of their tabs.
bool readSheets(const QByteArray &xml, std::vector<Sheet> &sheets)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("sheet"))
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        Sheet sheet{attributes.value(QLatin1String("name")).toString(), QString(),
                    attributes.value(QLatin1String("state")) == QLatin1String("hidden")
                        || attributes.value(QLatin1String("state")) == QLatin1String("veryHidden")};
        for (const QXmlStreamAttribute &attribute : attributes)
            if (attribute.name() == QLatin1String("id") && !attribute.namespaceUri().isEmpty())
                sheet.relationshipId = attribute.value().toString();
        if (!sheet.relationshipId.isEmpty())
            sheets.push_back(sheet);
    }
    return !reader.hasError();
}

// Spreadsheets write a character that XML cannot hold as _xHHHH_, and a
// literal "_x" sequence with its underscore written so (_x005F_).
QString unescapeCharacters(const QString &text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    const auto isEscape = [&text](int i) {
        if (i + 7 > text.size() || text.midRef(i, 2) != QLatin1String("_x") || text.at(i + 6) != QLatin1Char('_'))
            return false;
        for (int k = i + 2; k < i + 6; ++k)
            if (!isxdigit(text.at(k).unicode() < 0x80 ? text.at(k).unicode() : 0))
                return false;
        return true;
    };
    QString plain;
    int i = 0;
    while (i < text.size()) {
        if (isEscape(i)) {
            plain += QChar(text.midRef(i + 2, 4).toUShort(nullptr, 16));
            i += 7;
        } else {
            plain += text.at(i);
            ++i;
        }
    }
    return plain;
}

// The plain text of a string item (shared or inline) whose start element
// the reader has just read: its text runs in order, without the phonetic
// guide that East Asian spreadsheets keep beside the text.
QString readStringItem(QXmlStreamReader &reader)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == QLatin1String("rPh"))
                reader.skipCurrentElement();
            else if (reader.name() == QLatin1String("t"))
                text += unescapeCharacters(reader.readElementText());
            else
                ++depth;
        } else if (reader.isEndElement()) {
            --depth;
        }
    }
    return text;
}

bool readSharedStrings(const QByteArray &xml, QStringList &strings)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("si"))
            strings.append(readStringItem(reader));
    }
    return !reader.hasError();
}

bool isDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// A number cell as the teacher typed it: a whole number as its digits,
// without the ".0" or the exponent a writer may store (2.0230101E7 is
// 20230101), worked out on the text so no digit is lost; any other value
// keeps its text.
QString numberText(const QString &value)
{
    const QString text = value.trimmed();
    int i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+')))
        ++i;
    QString digits;
    int point = -1;
    for (; i < text.size(); ++i) {
        if (isDigit(text.at(i)))
            digits += text.at(i);
        else if (text.at(i) == QLatin1Char('.') && point < 0)
            point = digits.size();
        else
            break;
    }
    if (digits.isEmpty())
        return text;
    if (point < 0)
        point = digits.size();
    if (i < text.size()) {
        if (text.at(i) != QLatin1Char('e') && text.at(i) != QLatin1Char('E'))
            return text;
        bool ok = false;
        const int exponent = text.mid(i + 1).toInt(&ok, 10);
        // No double has an exponent beyond a few hundred.
        if (!ok || qAbs(exponent) > 400)
            return text;
        point += exponent;
    }
    for (int k = std::max(point, 0); k < digits.size(); ++k)
        if (digits.at(k) != QLatin1Char('0'))
            return text;
    QString whole = digits.left(std::max(point, 0));
    if (point > digits.size())
        whole += QString(point - digits.size(), QLatin1Char('0'));
    int firstNonZero = 0;
    while (firstNonZero < whole.size() && whole.at(firstNonZero) == QLatin1Char('0'))
        ++firstNonZero;
    whole.remove(0, firstNonZero);
    if (whole.isEmpty())
        return QStringLiteral("0");
    return negative ? QLatin1Char('-') + whole : whole;
}

// The zero-based column of a cell reference like "B3"; -1 when it names none.
int referenceColumn(QStringRef reference)
{
    int column = 0;
    int letters = 0;
    for (const QChar c : reference) {
        ushort u = c.unicode();
        if (u >= 'a' && u <= 'z')
            u -= 'a' - 'A';
        if (u < 'A' || u > 'Z')
            break;
        // Three letters reach beyond the last column there is.
        if (++letters > 3)
            return -1;
        column = column * 26 + (u - 'A' + 1);
    }
    return letters == 0 ? -1 : column - 1;
}

QString cellText(QStringRef type, const QString &value, const QString &inlineText, const QStringList &sharedStrings)
{
    if (type == QLatin1String("s")) {
        bool ok = false;
        const int index = value.trimmed().toInt(&ok, 10);
        return ok && index >= 0 && index < sharedStrings.size() ? sharedStrings.at(index) : QString();
    }
    if (type == QLatin1String("inlineStr"))
        return inlineText;
    if (type.isEmpty() || type == QLatin1String("n"))
        return numberText(value);
    return value;
}

struct Cell
{
    int column;
    QString text;
    bool number;
    // A formula whose value was never calculated: the cell shows as empty
    // though it is not.
    bool uncomputed;
};

// The cells of the row whose start element the reader has just read, in
// column order.
void readRow(QXmlStreamReader &reader, const QStringList &sharedStrings, std::vector<Cell> &cells)
{
    cells.clear();
    int column = -1;
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("c")) {
            reader.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes attributes = reader.attributes();
        const int referenced = referenceColumn(attributes.value(QLatin1String("r")));
        column = referenced >= 0 ? referenced : column + 1;
        const QStringRef type = attributes.value(QLatin1String("t"));
        QString value;
        QString inlineText;
        bool formula = false;
        bool hasValue = false;
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("v")) {
                value = reader.readElementText();
                hasValue = true;
            } else if (reader.name() == QLatin1String("is")) {
                inlineText = readStringItem(reader);
            } else {
                formula = formula || reader.name() == QLatin1String("f");
                reader.skipCurrentElement();
            }
        }
        // A formula whose text result is empty keeps an empty value.
        const bool uncomputed = formula && (!hasValue || (value.isEmpty() && type != QLatin1String("str")));
        const bool number = (type.isEmpty() || type == QLatin1String("n")) && !value.isEmpty();
        cells.push_back({column, cellText(type, value, inlineText, sharedStrings), number, uncomputed});
    }
    std::stable_sort(cells.begin(), cells.end(), [](const Cell &a, const Cell &b) { return a.column < b.column; });
}

// Takes a sheet's rows in order and keeps the student rows: those below the
// header row once there is one, and until then the first two non-empty
// cells of every row, which are the answer when no header row comes.
class StudentRows
{
public:
    void addRow(int number, const std::vector<Cell> &cells)
    {
        if (hasHeader()) {
            addHeadedRow(number, cells);
            return;
        }
        int idColumn = -1;
        int idRank = std::numeric_limits<int>::max();
        int nameColumn = -1;
        for (const Cell &cell : cells) {
            const QString key = headerKey(cell.text);
            const int rank = idHeadingRank(key);
            if (rank >= 0 && rank < idRank) {
                idColumn = cell.column;
                idRank = rank;
            } else if (nameColumn < 0 && isNameHeading(key)) {
                nameColumn = cell.column;
            }
        }
        if (idColumn >= 0 && nameColumn >= 0) {
            m_idColumn = idColumn;
            m_nameColumn = nameColumn;
            m_rows.clear();
            m_uncomputed = false;
            return;
        }
        WorkbookRow row;
        row.number = number;
        int filled = 0;
        for (const Cell &cell : cells) {
            m_uncomputed = m_uncomputed || cell.uncomputed;
            const QString text = cell.text.trimmed();
            if (text.isEmpty())
                continue;
            if (++filled == 1) {
                row.id = text;
                row.numberId = cell.number;
            } else if (filled == 2) {
                row.name = text;
            }
        }
        m_twoFilledColumns = m_twoFilledColumns || filled >= 2;
        if (!row.id.isEmpty())
            m_rows.push_back(row);
    }

    bool hasHeader() const { return m_idColumn >= 0; }
    bool hasTwoFilledColumns() const { return m_twoFilledColumns; }
    // Whether a cell the rows are taken from is a formula never calculated.
    bool hasUncomputedFormula() const { return m_uncomputed; }
    std::vector<WorkbookRow> takeRows() { return std::move(m_rows); }

private:
    // Of two cells that claim one column the first counts.
    static const Cell *columnCell(const std::vector<Cell> &cells, int column)
    {
        const auto found = std::find_if(cells.cbegin(), cells.cend(),
                                        [column](const Cell &cell) { return cell.column == column; });
        return found == cells.cend() ? nullptr : &*found;
    }

    void addHeadedRow(int number, const std::vector<Cell> &cells)
    {
        const Cell *id = columnCell(cells, m_idColumn);
        const Cell *name = columnCell(cells, m_nameColumn);
        m_uncomputed = m_uncomputed || (id && id->uncomputed) || (name && name->uncomputed);
        const QString idText = id ? id->text.trimmed() : QString();
        if (!idText.isEmpty())
            m_rows.push_back({idText, name ? name->text.trimmed() : QString(), number, id->number});
    }

    int m_idColumn = -1;
    int m_nameColumn = -1;
    bool m_twoFilledColumns = false;
    bool m_uncomputed = false;
    std::vector<WorkbookRow> m_rows;
};

bool readSheet(const QByteArray &xml, const QStringList &sharedStrings, StudentRows &rows)
{
    QXmlStreamReader reader(xml);
    std::vector<Cell> cells;
    int number = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("row")) {
            // Rows without cells may be left out, so the row counts itself
            // where it says.
            bool ok = false;
            const int said = reader.attributes().value(QLatin1String("r")).toInt(&ok);
            number = ok && said > 0 ? said : number + 1;
            readRow(reader, sharedStrings, cells);
            rows.addRow(number, cells);
        }
    }
    return !reader.hasError();
}

// A whole number cell with more digits than a spreadsheet keeps (15): the
// digits beyond them were rounded away before the file was written.
bool lostDigits(const QString &numberText)
{
    int digits = 0;
    for (const QChar c : numberText) {
        if (!isDigit(c) && c != QLatin1Char('-'))
            return false;
        digits += isDigit(c) ? 1 : 0;
    }
    return digits > 15;
}
}

bool WorkbookReader::isWorkbook(const QString &suffix, QIODevice &device)
{
    if (suffix.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0)
        return true;
    const QByteArray start = device.peek(kCompoundFileSignature.size());
    return start.startsWith(kZipSignature) || start.startsWith(kEmptyZipSignature)
        || start == kCompoundFileSignature;
}

bool WorkbookReader::fail(Error error)
{
    m_error = error;
    m_rows.clear();
    m_sheetName.clear();
    m_sheetCount = 0;
    return false;
}

bool WorkbookReader::read(QIODevice &device)
{
    // Nothing of an earlier file stays.
    fail(NoError);
    if (device.size() > kLargestPart)
        return fail(TooLarge);
    const QByteArray start = device.peek(kZipSignature.size());
    if (start != kZipSignature && start != kEmptyZipSignature)
        return fail(NotAWorkbook);
    KZip zip(&device);
    if (!zip.open(QIODevice::ReadOnly))
        return fail(DamagedWorkbook);
    const KArchiveDirectory *root = zip.directory();

    QByteArray bytes;
    QHash<QString, Relationship> relationships;
    // Every writer puts the workbook there; the package's own relationship,
    // when present, says so for certain.
    QString workbookPath = QStringLiteral("xl/workbook.xml");
    ZipPart part = readPart(root, relationshipsPath(QString()), bytes);
    if (part == ZipPart::Read) {
        if (!readRelationships(bytes, relationships))
            return fail(DamagedWorkbook);
        const QString target = targetOfType(relationships, QStringLiteral("/officeDocument"));
        if (!target.isEmpty())
            workbookPath = partPath(QString(), target);
    } else if (part != ZipPart::Missing) {
        return fail(partError(part));
    }

    part = readPart(root, workbookPath, bytes);
    if (part == ZipPart::Missing)
        return fail(NotAWorkbook);
    if (part != ZipPart::Read)
        return fail(partError(part));
    std::vector<Sheet> sheets;
    if (!readSheets(bytes, sheets))
        return fail(DamagedWorkbook);
    if (sheets.empty())
        return fail(MissingWorksheet);

    part = readPart(root, relationshipsPath(workbookPath), bytes);
    if (part != ZipPart::Read)
        return fail(partError(part));
    relationships.clear();
    if (!readRelationships(bytes, relationships))
        return fail(DamagedWorkbook);
    const QString sharedStringsTarget = targetOfType(relationships, QStringLiteral("/sharedStrings"));

    QStringList sharedStrings;
    if (!sharedStringsTarget.isEmpty()) {
        part = readPart(root, partPath(workbookPath, sharedStringsTarget), bytes);
        if (part != ZipPart::Read)
            return fail(partError(part));
        if (!readSharedStrings(bytes, sharedStrings))
            return fail(DamagedWorkbook);
    }

    // A hidden sheet holds what the teacher does not see: the lists behind
    // drop-downs, a template's sample. Of the visible sheets the class list
    // is the first with a header row, else the first with two filled
    // columns, else the first.
    std::vector<const Sheet *> candidates;
    for (const Sheet &sheet : sheets)
        if (!sheet.hidden)
            candidates.push_back(&sheet);
    if (candidates.empty())
        candidates.push_back(&sheets.front());
    const Sheet *chosen = nullptr;
    StudentRows chosenRows;
    for (const Sheet *sheet : candidates) {
        part = readPart(root, partPath(workbookPath, relationships.value(sheet->relationshipId).target), bytes);
        if (part != ZipPart::Read)
            return fail(partError(part));
        StudentRows rows;
        if (!readSheet(bytes, sharedStrings, rows))
            return fail(DamagedWorkbook);
        const bool better = !chosen || (!chosenRows.hasTwoFilledColumns() && rows.hasTwoFilledColumns());
        if (better || rows.hasHeader()) {
            chosen = sheet;
            chosenRows = std::move(rows);
        }
        if (chosenRows.hasHeader())
            break;
    }
    if (chosenRows.hasUncomputedFormula())
        return fail(UncomputedFormulas);
    m_rows = chosenRows.takeRows();
    m_sheetName = chosen->name;
    m_sheetCount = int(sheets.size());
    return true;
}

QString WorkbookReader::errorMessage() const
{
    switch (m_error) {
    case NoError:
        break;
    case NotAWorkbook:
        return tr("This file is not an Excel workbook (.xlsx). A workbook in the old .xls format or one "
                  "protected by a password cannot be read: save it in Excel as an .xlsx workbook without a "
                  "password, then import it again.");
    case DamagedWorkbook:
        return tr("This Excel workbook is damaged and cannot be read.");
    case MissingWorksheet:
        return tr("This Excel workbook has no worksheet that can be read: parts of it are missing.");
    case TooLarge:
        return tr("This Excel workbook is too large to be a class list (more than 64 MiB).");
    case UncomputedFormulas:
        return tr("This Excel workbook holds formulas whose values were never calculated, as programs that "
                  "write workbooks leave them: open it in a spreadsheet program (Excel, WPS or LibreOffice) and "
                  "save it once, then import it again.");
    }
    return QString();
}

ImportedStudents WorkbookReader::students() const
{
    ImportedStudents read;
    for (const WorkbookRow &row : m_rows) {
        ImportedStudent student;
        SkippedStudent::Reason reason = SkippedStudent::RoundedNumber;
        if (row.numberId && lostDigits(row.id)) {
            read.skipped.push_back({reason, row.number});
        } else if (readStudentId(row.id, student.id)) {
            student.name = row.name;
            read.students.push_back(student);
        } else if (row.numberId || unreadableIdReason(row.id, reason)) {
            // A number cell that is no whole number (1001.5) holds no ID.
            read.skipped.push_back({row.numberId ? SkippedStudent::NotWholeNumber : reason, row.number});
        }
    }
    return read;
}
