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
#include <memory>

namespace {

const qint64 kLargestPart = 64 * 1024 * 1024;
const QByteArray kZipSignature("PK\x03\x04", 4);
const QByteArray kEmptyZipSignature("PK\x05\x06", 4);
const QByteArray kCompoundFileSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

const char *const kIdHeaders[] = {"学号", "编号", "考号", "ID", "Student ID", "No.", "Number"};
const char *const kNameHeaders[] = {"姓名", "名字", "Name", "Student Name"};

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

// The relationship ID of the first sheet in workbook order, empty when the
// workbook lists none.
bool readFirstSheetId(const QByteArray &xml, QString &id)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd() && id.isEmpty()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("sheet"))
            continue;
        for (const QXmlStreamAttribute &attribute : reader.attributes())
            if (attribute.name() == QLatin1String("id") && !attribute.namespaceUri().isEmpty())
                id = attribute.value().toString();
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
        QString value;
        QString inlineText;
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("v"))
                value = reader.readElementText();
            else if (reader.name() == QLatin1String("is"))
                inlineText = readStringItem(reader);
            else
                reader.skipCurrentElement();
        }
        cells.push_back({column, cellText(attributes.value(QLatin1String("t")), value, inlineText, sharedStrings)});
    }
    std::stable_sort(cells.begin(), cells.end(), [](const Cell &a, const Cell &b) { return a.column < b.column; });
}

template<size_t N>
bool namesColumn(const QString &text, const char *const (&names)[N])
{
    const QString trimmed = text.trimmed();
    return std::any_of(std::begin(names), std::end(names), [&trimmed](const char *name) {
        return trimmed.compare(QString::fromUtf8(name), Qt::CaseInsensitive) == 0;
    });
}

// Takes the sheet's rows in order and keeps the student rows: those below
// the header row once there is one, and until then the first two non-empty
// cells of every row, which are the answer when no header row comes.
class StudentRows
{
public:
    void addRow(const std::vector<Cell> &cells)
    {
        if (m_idColumn >= 0) {
            addHeadedRow(cells);
            return;
        }
        int idColumn = -1;
        int nameColumn = -1;
        for (const Cell &cell : cells) {
            if (idColumn < 0 && namesColumn(cell.text, kIdHeaders))
                idColumn = cell.column;
            else if (nameColumn < 0 && namesColumn(cell.text, kNameHeaders))
                nameColumn = cell.column;
        }
        if (idColumn >= 0 && nameColumn >= 0) {
            m_idColumn = idColumn;
            m_nameColumn = nameColumn;
            m_rows.clear();
            return;
        }
        WorkbookRow row;
        for (const Cell &cell : cells) {
            const QString text = cell.text.trimmed();
            if (text.isEmpty())
                continue;
            if (!row.id.isEmpty()) {
                row.name = text;
                break;
            }
            row.id = text;
        }
        if (!row.id.isEmpty())
            m_rows.push_back(row);
    }

    std::vector<WorkbookRow> takeRows() { return std::move(m_rows); }

private:
    // Of two cells that claim one column the first counts.
    static QString columnText(const std::vector<Cell> &cells, int column)
    {
        const auto found = std::find_if(cells.cbegin(), cells.cend(),
                                        [column](const Cell &cell) { return cell.column == column; });
        return found == cells.cend() ? QString() : found->text.trimmed();
    }

    void addHeadedRow(const std::vector<Cell> &cells)
    {
        const QString id = columnText(cells, m_idColumn);
        if (!id.isEmpty())
            m_rows.push_back({id, columnText(cells, m_nameColumn)});
    }

    int m_idColumn = -1;
    int m_nameColumn = -1;
    std::vector<WorkbookRow> m_rows;
};

bool readSheet(const QByteArray &xml, const QStringList &sharedStrings, StudentRows &rows)
{
    QXmlStreamReader reader(xml);
    std::vector<Cell> cells;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("row")) {
            readRow(reader, sharedStrings, cells);
            rows.addRow(cells);
        }
    }
    return !reader.hasError();
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
    return false;
}

bool WorkbookReader::read(QIODevice &device)
{
    m_error = NoError;
    m_rows.clear();
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
    QString sheetId;
    if (!readFirstSheetId(bytes, sheetId))
        return fail(DamagedWorkbook);
    if (sheetId.isEmpty())
        return fail(MissingWorksheet);

    part = readPart(root, relationshipsPath(workbookPath), bytes);
    if (part != ZipPart::Read)
        return fail(partError(part));
    relationships.clear();
    if (!readRelationships(bytes, relationships))
        return fail(DamagedWorkbook);
    const QString sheetPath = partPath(workbookPath, relationships.value(sheetId).target);
    const QString sharedStringsTarget = targetOfType(relationships, QStringLiteral("/sharedStrings"));

    QStringList sharedStrings;
    if (!sharedStringsTarget.isEmpty()) {
        part = readPart(root, partPath(workbookPath, sharedStringsTarget), bytes);
        if (part != ZipPart::Read)
            return fail(partError(part));
        if (!readSharedStrings(bytes, sharedStrings))
            return fail(DamagedWorkbook);
    }

    part = readPart(root, sheetPath, bytes);
    if (part != ZipPart::Read)
        return fail(partError(part));
    StudentRows rows;
    if (!readSheet(bytes, sharedStrings, rows))
        return fail(DamagedWorkbook);
    m_rows = rows.takeRows();
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
    }
    return QString();
}

std::vector<ImportedStudent> WorkbookReader::students() const
{
    std::vector<ImportedStudent> students;
    for (const WorkbookRow &row : m_rows) {
        ImportedStudent student;
        if (readStudentId(row.id, student.id)) {
            student.name = row.name;
            students.push_back(student);
        }
    }
    return students;
}
