#include "roster/importreader.h"

#include <QTextCodec>

#include <limits>

namespace {

// The white space that separates words in a class list line: the ASCII set
// of a C stream, so that a CR before the line end separates too.
bool isSeparatorSpace(QChar c)
{
    const ushort u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\v' || u == '\f' || u == '\r';
}

bool isDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

int skipSpace(const QString &line, int pos)
{
    while (pos < line.size() && isSeparatorSpace(line.at(pos)))
        ++pos;
    return pos;
}

// Reads an optional sign and decimal digits at pos; false when there are no
// digits or the number leaves the 64-bit range. pos ends after the digits.
bool readNumber(const QString &line, int &pos, qint64 &value)
{
    int i = pos;
    bool negative = false;
    if (i < line.size() && (line.at(i) == QLatin1Char('+') || line.at(i) == QLatin1Char('-'))) {
        negative = line.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i >= line.size() || !isDigit(line.at(i)))
        return false;
    // Accumulated as a negative number, whose range reaches one further.
    const qint64 lowest = std::numeric_limits<qint64>::min();
    qint64 accumulated = 0;
    for (; i < line.size() && isDigit(line.at(i)); ++i) {
        const int digit = line.at(i).unicode() - '0';
        if (accumulated < (lowest + digit) / 10)
            return false;
        accumulated = accumulated * 10 - digit;
    }
    if (!negative && accumulated == lowest)
        return false;
    value = negative ? accumulated : -accumulated;
    pos = i;
    return true;
}

QString readWord(const QString &line, int &pos)
{
    const int start = skipSpace(line, pos);
    int end = start;
    while (end < line.size() && !isSeparatorSpace(line.at(end)))
        ++end;
    pos = end;
    return line.mid(start, end - start);
}

bool readPlainLine(const QString &line, ImportedStudent &student)
{
    int pos = skipSpace(line, 0);
    if (!readNumber(line, pos, student.id))
        return false;
    QString name = readWord(line, pos);
    if (name == QLatin1String(",") || name == QLatin1String("."))
        name = readWord(line, pos);
    student.name = name.simplified();
    return true;
}

// One CSV field starting at pos (spaces before it skipped); pos ends on the
// comma after it or at the line end. A quoted field keeps commas, and a
// doubled quote inside it is one quote.
QString readCsvField(const QString &line, int &pos)
{
    int i = pos;
    while (i < line.size() && (line.at(i) == QLatin1Char(' ') || line.at(i) == QLatin1Char('\t')))
        ++i;
    QString field;
    if (i < line.size() && line.at(i) == QLatin1Char('"')) {
        for (++i; i < line.size(); ++i) {
            if (line.at(i) == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                    continue;
                }
                ++i;
                break;
            }
            field += line.at(i);
        }
        while (i < line.size() && line.at(i) != QLatin1Char(','))
            ++i;
    } else {
        const int start = i;
        while (i < line.size() && line.at(i) != QLatin1Char(','))
            ++i;
        field = line.mid(start, i - start);
    }
    pos = i;
    return field;
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Hands each line of bytes or text to visit, without its line end.
template<typename Text, typename Visit>
void forEachLine(const Text &text, Visit visit)
{
    const int size = text.size();
    int start = 0;
    for (int i = 0; i < size; ++i) {
        if (!isLineEnd(text.at(i)))
            continue;
        visit(text.mid(start, i - start));
        if (text.at(i) == '\r' && i + 1 < size && text.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        visit(text.mid(start));
}

// A number as a spreadsheet writes one it rounded: digits, an optional
// point and more digits, then an exponent (3.20102200901016E+17).
bool isExponentNumber(const QString &text)
{
    const int size = text.size();
    int i = 0;
    const auto skipDigits = [&]() {
        const int start = i;
        while (i < size && isDigit(text.at(i)))
            ++i;
        return i - start;
    };
    const auto skipSign = [&]() {
        if (i < size && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            ++i;
    };
    skipSign();
    int digits = skipDigits();
    if (i < size && text.at(i) == QLatin1Char('.')) {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0 || i >= size || (text.at(i) != QLatin1Char('e') && text.at(i) != QLatin1Char('E')))
        return false;
    ++i;
    skipSign();
    return skipDigits() > 0 && i == size;
}

bool looksLikeId(const QString &text)
{
    bool digit = false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (isDigit(c))
            digit = true;
        else if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '+' || u == '-' || u == '.'))
            return false;
    }
    return digit;
}

// The text where a line keeps its ID: the first word of its first field,
// inside its quotes if it has them.
QString leadingIdText(const QString &line)
{
    int start = skipSpace(line, 0);
    const bool quoted = start < line.size() && line.at(start) == QLatin1Char('"');
    start += quoted ? 1 : 0;
    int end = start;
    while (end < line.size() && !isSeparatorSpace(line.at(end)) && line.at(end) != QLatin1Char(',')
           && line.at(end) != QLatin1Char('"'))
        ++end;
    return line.mid(start, end - start);
}

bool readCsvLine(const QString &line, ImportedStudent &student)
{
    int pos = 0;
    const QString idField = readCsvField(line, pos);
    if (pos >= line.size())
        return false;
    qint64 id = 0;
    if (!readStudentId(idField, id))
        return false;
    ++pos;
    student.id = id;
    student.name = readCsvField(line, pos).simplified();
    return true;
}

}

QStringList importFileLines(const QByteArray &bytes)
{
    QStringList lines;
    if (QTextCodec *marked = QTextCodec::codecForUtfText(bytes, nullptr)) {
        // Some codecs hand the mark on as a character; it is not the ID's.
        QString text = marked->toUnicode(bytes);
        if (text.startsWith(QChar(QChar::ByteOrderMark)))
            text.remove(0, 1);
        forEachLine(text, [&lines](const QString &line) { lines.append(line); });
        return lines;
    }
    QTextCodec *utf8 = QTextCodec::codecForMib(106);
    QTextCodec *chinese = QTextCodec::codecForName("GB18030");
    // No byte of a GB18030 character is a CR or an LF, so the bytes can be
    // split into lines before they are decoded.
    forEachLine(bytes, [&](const QByteArray &line) {
        QTextCodec::ConverterState state;
        const QString text = utf8->toUnicode(line.constData(), line.size(), &state);
        const bool validUtf8 = state.invalidChars == 0 && state.remainingChars == 0;
        lines.append(validUtf8 || !chinese ? text : chinese->toUnicode(line));
    });
    return lines;
}

bool readStudentId(const QString &text, qint64 &id)
{
    const QString idText = text.trimmed();
    int idEnd = 0;
    return readNumber(idText, idEnd, id) && idEnd == idText.size();
}

bool unreadableIdReason(const QString &text, SkippedStudent::Reason &reason)
{
    qint64 id = 0;
    if (readStudentId(text, id))
        return false;
    const QString trimmed = text.trimmed();
    if (isExponentNumber(trimmed)) {
        reason = SkippedStudent::RoundedNumber;
        return true;
    }
    if (looksLikeId(trimmed)) {
        reason = SkippedStudent::NotWholeNumber;
        return true;
    }
    return false;
}

bool readImportLine(const QString &line, bool csv, ImportedStudent &student)
{
    return (csv && readCsvLine(line, student)) || readPlainLine(line, student);
}

ImportedStudents readImportFile(const QByteArray &bytes, bool csv)
{
    ImportedStudents read;
    ImportedStudent student;
    int number = 0;
    for (const QString &line : importFileLines(bytes)) {
        ++number;
        const QString idText = leadingIdText(line);
        SkippedStudent::Reason reason = SkippedStudent::RoundedNumber;
        // Read by the plain rule, a rounded number would give every student
        // the ID of its first digit.
        if (isExponentNumber(idText))
            read.skipped.push_back({reason, number});
        else if (readImportLine(line, csv, student))
            read.students.push_back(student);
        else if (unreadableIdReason(idText, reason))
            read.skipped.push_back({reason, number});
    }
    return read;
}
