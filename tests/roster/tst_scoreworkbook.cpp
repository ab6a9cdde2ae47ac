#include "roster/scoreworkbook.h"
#include "roster/workbookreader.h"

#include "../support/libreoffice.h"
#include "../support/testenvironment.h"
#include "../support/workbookfiles.h"

#include <QXmlStreamReader>

Q_DECLARE_METATYPE(ScoreRounding)

namespace {

const QString kEighteenDigits = QStringLiteral("202301011234567890");
const QStringList kIds{"0012", kEighteenDigits, "1001"};
const QStringList kNames{QString::fromUtf8("张伟"), "Tom", ""};
const QStringList kScores{"AB", "cdf", ""};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString exportPath()
{
    return TestEnvironment::homePath() + QStringLiteral("/Maths_score100.xlsx");
}

// The attributes of the first element of that name in a part.
QXmlStreamAttributes firstElement(const QByteArray &xml, const QString &name)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == name)
            return reader.attributes();
    }
    return QXmlStreamAttributes();
}

// The width the worksheet gives its column (zero-based).
double columnWidth(const QByteArray &sheet, int column)
{
    QXmlStreamReader reader(sheet);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("col"))
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (attributes.value(QLatin1String("min")).toInt() <= column + 1
            && attributes.value(QLatin1String("max")).toInt() >= column + 1)
            return attributes.value(QLatin1String("width")).toDouble();
    }
    return 0;
}

}

class TestScoreWorkbook : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void cellsHoldIdsAsTextAndAveragesAsNumbers_data()
    {
        QTest::addColumn<ScoreRounding>("rounding");
        QTest::addColumn<QStringList>("averages");
        QTest::newRow("round off") << RoundOff << QStringList{"28", "19", "30"};
        QTest::newRow("integer only") << IntegerOnly << QStringList{"28", "18", "30"};
        QTest::newRow("keep float") << KeepFloat << QStringList{"28.3", "18.8", "30"};
    }

    void cellsHoldIdsAsTextAndAveragesAsNumbers()
    {
        QFETCH(ScoreRounding, rounding);
        QFETCH(QStringList, averages);
        QVERIFY(ScoreWorkbook::write(exportPath(), QStringLiteral("Maths"), kIds, kNames, kScores, 30, 10, rounding));
        const QMap<QString, WorkbookFiles::Cell> cells = WorkbookFiles::sheetCells(fileBytes(exportPath()));

        const QStringList header{"ID", "Name", "Scores", "A", "B", "C", "D", "E", "F", "Count", "Average"};
        for (int column = 0; column < header.size(); ++column) {
            const QString reference = QChar('A' + column) + QStringLiteral("1");
            QCOMPARE(cells.value(reference).type, QStringLiteral("s"));
            QCOMPARE(cells.value(reference).text, header[column]);
        }
        const QStringList letterCounts[] = {{"1", "1", "0", "0", "0", "0", "2"},
                                            {"0", "0", "1", "1", "0", "1", "3"},
                                            {"0", "0", "0", "0", "0", "0", "0"}};
        for (int i = 0; i < kIds.size(); ++i) {
            const QString row = QString::number(i + 2);
            QCOMPARE(cells.value(QStringLiteral("A") + row).type, QStringLiteral("s"));
            QCOMPARE(cells.value(QStringLiteral("A") + row).text, kIds[i]);
            QCOMPARE(cells.value(QStringLiteral("B") + row).text, kNames[i]);
            QCOMPARE(cells.value(QStringLiteral("C") + row).text, kScores[i]);
            for (int k = 0; k < 7; ++k) {
                const WorkbookFiles::Cell count = cells.value(QChar('D' + k) + row);
                QCOMPARE(count.type, QString());
                QCOMPARE(count.text, letterCounts[i][k]);
            }
            QCOMPARE(cells.value(QStringLiteral("K") + row).type, QString());
            QCOMPARE(cells.value(QStringLiteral("K") + row).text, averages[i]);
        }
        QVERIFY(!cells.contains(QStringLiteral("A5")));
    }

    void headerIsBoldFrozenAndColumnsFitTheirText()
    {
        QVERIFY(ScoreWorkbook::write(exportPath(), QString::fromUtf8("三年级 2"), kIds, kNames, kScores, 30, 10,
                                     RoundOff));
        const QMap<QString, QByteArray> parts = WorkbookFiles::parts(fileBytes(exportPath()));
        QCOMPARE(firstElement(parts.value(QStringLiteral("xl/workbook.xml")), QStringLiteral("sheet"))
                     .value(QLatin1String("name"))
                     .toString(),
                 QString::fromUtf8("三年级 2"));
        const QByteArray sheet = parts.value(QStringLiteral("xl/worksheets/sheet1.xml"));
        const QXmlStreamAttributes pane = firstElement(sheet, QStringLiteral("pane"));
        QCOMPARE(pane.value(QLatin1String("ySplit")).toString(), QStringLiteral("1"));
        QCOMPARE(pane.value(QLatin1String("state")).toString(), QStringLiteral("frozen"));

        // The header cells carry a style whose font is bold; the others none.
        const QXmlStreamAttributes headerCell = firstElement(sheet, QStringLiteral("c"));
        const int style = headerCell.value(QLatin1String("s")).toInt();
        QVERIFY(style > 0);
        QXmlStreamReader styles(parts.value(QStringLiteral("xl/styles.xml")));
        QList<bool> boldFonts;
        QList<int> cellFonts;
        bool inCellStyles = false;
        while (!styles.atEnd()) {
            styles.readNext();
            if (styles.isStartElement() && styles.name() == QLatin1String("font"))
                boldFonts << false;
            else if (styles.isStartElement() && styles.name() == QLatin1String("b"))
                boldFonts.last() = true;
            else if (styles.isStartElement() && styles.name() == QLatin1String("cellXfs"))
                inCellStyles = true;
            else if (styles.isStartElement() && styles.name() == QLatin1String("xf") && inCellStyles)
                cellFonts << styles.attributes().value(QLatin1String("fontId")).toInt();
        }
        QVERIFY(boldFonts.value(cellFonts.value(style)));

        QVERIFY(columnWidth(sheet, 0) >= kEighteenDigits.size());
        QVERIFY(columnWidth(sheet, 1) >= 4);
        QVERIFY(columnWidth(sheet, 10) >= QStringLiteral("Average").size());
    }

    void sheetIsNamedAfterTheClass_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("as it is") << QString::fromUtf8("高一(3)班") << QString::fromUtf8("高一(3)班");
        QTest::newRow("characters a sheet cannot have") << "Class [A]: 1/2?*\\" << "Class A 12";
        QTest::newRow("cut to 31") << QString(40, QLatin1Char('x')) << QString(31, QLatin1Char('x'));
        QTest::newRow("no half character") << QString(30, QLatin1Char('x')) + QString::fromUtf8("😀")
                                           << QString(30, QLatin1Char('x'));
        QTest::newRow("apostrophes at the ends") << "'Maths'" << "Maths";
        QTest::newRow("control characters") << "A\tB\nC" << "ABC";
        QTest::newRow("nothing left") << "[?]" << "";
    }

    void sheetIsNamedAfterTheClass()
    {
        QFETCH(QString, className);
        QFETCH(QString, sheet);
        QCOMPARE(ScoreWorkbook::sheetName(className), sheet);
        QVERIFY(ScoreWorkbook::write(exportPath(), className, kIds, kNames, kScores, 30, 10, RoundOff));
        const QByteArray workbook
            = WorkbookFiles::parts(fileBytes(exportPath())).value(QStringLiteral("xl/workbook.xml"));
        QCOMPARE(firstElement(workbook, QStringLiteral("sheet")).value(QLatin1String("name")).toString(),
                 sheet.isEmpty() ? QStringLiteral("Sheet1") : sheet);
    }

    void pathFollowsTheScoreFiles()
    {
        QCOMPARE(ScoreWorkbook::path(QStringLiteral("/data"), QString::fromUtf8("三年级")),
                 QString::fromUtf8("/data/三年级_score100.xlsx"));
        QCOMPARE(ScoreWorkbook::path(QStringLiteral("/data"), QStringLiteral("..")), QStringLiteral("/data/.._score100.xlsx"));
        QCOMPARE(ScoreWorkbook::path(QStringLiteral("/data"), QStringLiteral("a/b")), QString());
    }

    void overlongTextsAreCutToWhatACellHolds()
    {
        const QString longName(40000, QLatin1Char('n'));
        QVERIFY(ScoreWorkbook::write(exportPath(), QStringLiteral("Maths"), {"1"}, {longName}, {"A"}, 30, 10,
                                     RoundOff));
        QCOMPARE(WorkbookFiles::sheetCells(fileBytes(exportPath())).value(QStringLiteral("B2")).text,
                 longName.left(32767));
    }

    void failedWriteLeavesNoFile()
    {
        const QString path = TestEnvironment::homePath() + QStringLiteral("/missing/Maths_score100.xlsx");
        QVERIFY(!ScoreWorkbook::write(path, QStringLiteral("Maths"), kIds, kNames, kScores, 30, 10, RoundOff));
        QVERIFY(!QFile::exists(path));
    }

    void importReadsTheExportBack()
    {
        QVERIFY(ScoreWorkbook::write(exportPath(), QStringLiteral("Maths"), kIds, kNames, kScores, 30, 10, RoundOff));
        QFile file(exportPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        WorkbookReader reader;
        QVERIFY(reader.read(file));
        QStringList rows;
        for (const WorkbookRow &row : reader.rows())
            rows << row.id + QLatin1Char('|') + row.name;
        QCOMPARE(rows,
                 (QStringList{QString::fromUtf8("0012|张伟"), kEighteenDigits + QStringLiteral("|Tom"), "1001|"}));
    }

    void spreadsheetKeepsTheIds()
    {
        if (LibreOffice::program().isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
        QVERIFY(ScoreWorkbook::write(exportPath(), QStringLiteral("Maths"), kIds, kNames, kScores, 30, 10, KeepFloat));
        const LibreOffice::Conversion conversion = LibreOffice::convert(
            exportPath(), {}, QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"), QStringLiteral("csv"));
        const QString csv = QString::fromUtf8(conversion.output);
        QVERIFY2(!csv.isEmpty(), conversion.log.constData());
        QStringList ids;
        QStringList averages;
        for (const QString &line : csv.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList fields = line.trimmed().split(QLatin1Char(','));
            ids << fields.value(0);
            averages << fields.value(10);
        }
        QCOMPARE(ids, (QStringList{"ID", "0012", kEighteenDigits, "1001"}));
        QCOMPARE(averages, (QStringList{"Average", "28.3", "18.8", "30"}));
    }
};

ZANDREL_TEST_MAIN(TestScoreWorkbook)
#include "tst_scoreworkbook.moc"
