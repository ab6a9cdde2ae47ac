#include "workbookfiles.h"

// KZip first: the entry headers expect KArchive declared.
#include <KZip>
#include <KArchiveDirectory>
#include <KArchiveFile>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QXmlStreamReader>

namespace WorkbookFiles {

namespace {

QByteArray write(const std::function<void(lxw_workbook *)> &fill, bool constantMemory)
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/workbook-XXXXXX.xlsx"));
    if (!file.open())
        qFatal("no temporary file for a workbook");
    file.close();
    const QByteArray path = QFile::encodeName(file.fileName());
    lxw_workbook_options options = {};
    options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
    lxw_workbook *workbook = workbook_new_opt(path.constData(), &options);
    fill(workbook);
    if (workbook_close(workbook) != LXW_NO_ERROR)
        qFatal("libxlsxwriter could not write %s", path.constData());
    QFile written(file.fileName());
    if (!written.open(QIODevice::ReadOnly))
        qFatal("cannot read %s back", path.constData());
    return written.readAll();
}

void writeRows(lxw_worksheet *sheet, const QVector<QVariantList> &rows)
{
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            const QVariant &cell = rows[row][column];
            if (cell.type() == QVariant::String)
                worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), cell.toString().toUtf8().constData(),
                                       nullptr);
            else if (cell.isValid())
                worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), cell.toDouble(), nullptr);
        }
    }
}

}

QByteArray build(const std::function<void(lxw_workbook *, lxw_worksheet *)> &fill, bool constantMemory)
{
    return write([&fill](lxw_workbook *workbook) { fill(workbook, workbook_add_worksheet(workbook, nullptr)); },
                 constantMemory);
}

QByteArray fromRows(const QVector<QVariantList> &rows)
{
    return build([&rows](lxw_workbook *, lxw_worksheet *sheet) { writeRows(sheet, rows); });
}

QByteArray withSheets(const QVector<Sheet> &sheets)
{
    return write(
        [&sheets](lxw_workbook *workbook) {
            bool activated = false;
            for (const Sheet &each : sheets) {
                lxw_worksheet *sheet = workbook_add_worksheet(workbook, each.name.toUtf8().constData());
                writeRows(sheet, each.rows);
                // The sheet shown on opening cannot be hidden.
                if (each.hidden) {
                    worksheet_hide(sheet);
                } else if (!activated) {
                    worksheet_activate(sheet);
                    worksheet_set_first_sheet(sheet);
                    activated = true;
                }
            }
        },
        false);
}

QByteArray withoutCachedValues(const QByteArray &workbook)
{
    QMap<QString, QByteArray> changed;
    const QMap<QString, QByteArray> all = parts(workbook);
    for (auto part = all.cbegin(); part != all.cend(); ++part) {
        if (part.key().startsWith(QLatin1String("xl/worksheets/")))
            changed.insert(part.key(),
                           QString::fromUtf8(part.value())
                               .replace(QRegularExpression(QStringLiteral("</f><v>[^<]*</v>")), QStringLiteral("</f>"))
                               .toUtf8());
    }
    return withParts(workbook, changed);
}

QByteArray schoolClassList()
{
    return build([](lxw_workbook *, lxw_worksheet *sheet) {
        worksheet_merge_range(sheet, 0, 0, 0, 2, "高一(3)班花名册", nullptr);
        const char *const header[] = {"序号", "学号", "姓名"};
        for (int column = 0; column < 3; ++column)
            worksheet_write_string(sheet, 1, lxw_col_t(column), header[column], nullptr);
        const char *const names[] = {"张伟", "  李娜 ", "王芳"};
        for (int i = 0; i < 3; ++i) {
            worksheet_write_number(sheet, lxw_row_t(2 + i), 0, i + 1, nullptr);
            worksheet_write_number(sheet, lxw_row_t(2 + i), 1, 20230101 + i, nullptr);
            worksheet_write_string(sheet, lxw_row_t(2 + i), 2, names[i], nullptr);
        }
    });
}

namespace {

void collectParts(const KArchiveDirectory *directory, const QString &prefix, QMap<QString, QByteArray> &parts)
{
    for (const QString &name : directory->entries()) {
        const KArchiveEntry *entry = directory->entry(name);
        if (entry->isDirectory())
            collectParts(static_cast<const KArchiveDirectory *>(entry), prefix + name + QLatin1Char('/'), parts);
        else
            parts.insert(prefix + name, static_cast<const KArchiveFile *>(entry)->data());
    }
}

}

QMap<QString, QByteArray> parts(const QByteArray &workbook)
{
    QBuffer buffer;
    buffer.setData(workbook);
    KZip zip(&buffer);
    if (!zip.open(QIODevice::ReadOnly))
        qFatal("not a zip file: %s", qPrintable(zip.errorString()));
    QMap<QString, QByteArray> found;
    collectParts(zip.directory(), QString(), found);
    return found;
}

QByteArray zip(const QMap<QString, QByteArray> &parts)
{
    QBuffer buffer;
    {
        KZip zip(&buffer);
        if (!zip.open(QIODevice::WriteOnly))
            qFatal("cannot write a zip file");
        for (auto part = parts.cbegin(); part != parts.cend(); ++part)
            zip.writeFile(part.key(), part.value());
        zip.close();
    }
    return buffer.data();
}

QByteArray withParts(const QByteArray &workbook, const QMap<QString, QByteArray> &changed,
                     const QStringList &removed)
{
    QMap<QString, QByteArray> all = parts(workbook);
    for (auto part = changed.cbegin(); part != changed.cend(); ++part)
        all.insert(part.key(), part.value());
    for (const QString &name : removed)
        all.remove(name);
    return zip(all);
}

QByteArray withHugeWorksheet(const QByteArray &workbook)
{
    return withParts(workbook, {{QString::fromLatin1(kFirstSheet),
                                 "<worksheet><sheetData>" + QByteArray(65 * 1024 * 1024, ' ')
                                     + "</sheetData></worksheet>"}});
}

QByteArray compoundFile()
{
    return QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(4088, '\0');
}

QMap<QString, Cell> sheetCells(const QByteArray &workbook)
{
    const QMap<QString, QByteArray> all = parts(workbook);
    QStringList sharedStrings;
    QXmlStreamReader strings(all.value(QStringLiteral("xl/sharedStrings.xml")));
    while (!strings.atEnd()) {
        strings.readNext();
        if (strings.isStartElement() && strings.name() == QLatin1String("t"))
            sharedStrings << strings.readElementText();
    }
    QMap<QString, Cell> cells;
    QXmlStreamReader sheet(all.value(QString::fromLatin1(kFirstSheet)));
    QString reference;
    QString type;
    while (!sheet.atEnd()) {
        sheet.readNext();
        if (!sheet.isStartElement())
            continue;
        if (sheet.name() == QLatin1String("c")) {
            reference = sheet.attributes().value(QLatin1String("r")).toString();
            type = sheet.attributes().value(QLatin1String("t")).toString();
        } else if (sheet.name() == QLatin1String("v")) {
            const QString value = sheet.readElementText();
            cells.insert(reference, {type, type == QLatin1String("s") ? sharedStrings.value(value.toInt()) : value});
        }
    }
    if (strings.hasError() || sheet.hasError())
        qFatal("the workbook's sheet cannot be read");
    return cells;
}

} // namespace WorkbookFiles
