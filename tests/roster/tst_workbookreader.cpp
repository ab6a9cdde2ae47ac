#include "roster/workbookreader.h"

#include "../support/testenvironment.h"
#include "../support/workbookfiles.h"

#include <QBuffer>
#include <QFile>

Q_DECLARE_METATYPE(WorkbookReader::Error)

namespace {

// The rows as "ID|name", which QCOMPARE prints readably.
QStringList rowTexts(const std::vector<WorkbookRow> &rows)
{
    QStringList texts;
    for (const WorkbookRow &row : rows)
        texts << row.id + QLatin1Char('|') + row.name;
    return texts;
}

bool readWorkbook(const QByteArray &bytes, WorkbookReader &reader)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return reader.read(buffer);
}

const QString kSheet = QString::fromLatin1(WorkbookFiles::kFirstSheet);

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// A worksheet part whose first column holds these number texts as a writer
// stored them, each beside the name "n".
QByteArray numberSheet(const QStringList &values)
{
    QByteArray xml = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    for (const QString &value : values)
        xml += "<row><c><v>" + value.toUtf8() + "</v></c><c t=\"inlineStr\"><is><t>n</t></is></c></row>";
    return xml + "</sheetData></worksheet>";
}

// Where the worksheet entry's local header (signature PK 3 4, name at 30)
// or central header (PK 1 2, name at 46) starts.
int sheetEntryHeader(const QByteArray &zip, const QByteArray &signature, int nameOffset)
{
    const QByteArray name = kSheet.toLatin1();
    for (int at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 1)) {
        if (zip.mid(at + nameOffset, name.size()) == name)
            return at;
    }
    qFatal("no worksheet entry in the zip");
}

const QByteArray kLocalHeader("PK\x03\x04", 4);
const QByteArray kCentralHeader("PK\x01\x02", 4);

// The zip with the uncompressed size of the worksheet entry given as size
// in both its headers.
QByteArray withClaimedSheetSize(QByteArray zip, quint32 size)
{
    const int local = sheetEntryHeader(zip, kLocalHeader, 30);
    const int central = sheetEntryHeader(zip, kCentralHeader, 46);
    for (int k = 0; k < 4; ++k) {
        zip[local + 22 + k] = char((size >> (8 * k)) & 0xff);
        zip[central + 24 + k] = char((size >> (8 * k)) & 0xff);
    }
    return zip;
}

// The zip with the compressed data of the worksheet entry scrambled.
QByteArray withScrambledSheet(QByteArray zip)
{
    const int header = sheetEntryHeader(zip, kLocalHeader, 30);
    const int nameLength = uchar(zip[header + 26]) | uchar(zip[header + 27]) << 8;
    const int extraLength = uchar(zip[header + 28]) | uchar(zip[header + 29]) << 8;
    const int data = header + 30 + nameLength + extraLength;
    for (int k = 2; k < 40; ++k)
        zip[data + k] = char(zip[data + k] ^ 0x5a);
    return zip;
}

}

class TestWorkbookReader : public QObject
{
    Q_OBJECT

private slots:
    void readsTheStudentRows_data()
    {
        QTest::addColumn<QByteArray>("workbook");
        QTest::addColumn<QStringList>("rows");

        QTest::newRow("header row below a merged title")
            << WorkbookFiles::schoolClassList() << QStringList{"20230101|张伟", "20230102|李娜", "20230103|王芳"};
        QTest::newRow("number IDs")
            << WorkbookFiles::fromRows({{"ID", "Name"},
                                        {1001, "Tom"},
                                        {20230101, "Ann"},
                                        {123456789012345678.0, "Big"},
                                        {1e20, "Huge"},
                                        {-7, "Negative"},
                                        {1001.5, "Half"}})
            << QStringList{"1001|Tom", "20230101|Ann", "123456789012345700|Big", "100000000000000000000|Huge",
                           "-7|Negative", "1001.5|Half"};
        QTest::newRow("shared strings, headers in any case")
            << WorkbookFiles::fromRows({{" student id ", "NAME "}, {"0012", "Tom Smith"}, {"S01", "Ann"}})
            << QStringList{"0012|Tom Smith", "S01|Ann"};
        QTest::newRow("inline strings")
            << WorkbookFiles::build(
                   [](lxw_workbook *, lxw_worksheet *sheet) {
                       worksheet_write_string(sheet, 0, 0, "No.", nullptr);
                       worksheet_write_string(sheet, 0, 1, "Student Name", nullptr);
                       worksheet_write_string(sheet, 1, 0, "20230101", nullptr);
                       worksheet_write_string(sheet, 1, 1, "王芳", nullptr);
                   },
                   true)
            << QStringList{"20230101|王芳"};
        QTest::newRow("no header: the first two non-empty cells")
            << WorkbookFiles::fromRows({{QVariant(), 1001, QVariant(), "Tom"}, {}, {"1002"}, {" ", "1003", "Ann", "x"}})
            << QStringList{"1001|Tom", "1002|", "1003|Ann"};
        QTest::newRow("a title and an ID heading alone are no header")
            << WorkbookFiles::fromRows({{"花名册"}, {"学号"}, {1001, "Tom"}})
            << QStringList{"花名册|", "学号|", "1001|Tom"};
        QTest::newRow("name column before the ID column")
            << WorkbookFiles::fromRows({{"名字", "性别", "考号"}, {"王芳", "女", 1001}, {"李娜", "女", 1002}})
            << QStringList{"1001|王芳", "1002|李娜"};
        QTest::newRow("an empty ID cell skips the row")
            << WorkbookFiles::fromRows({{"编号", "姓名"}, {QVariant(), "Nobody"}, {"  ", "Blank"}, {1, ""}})
            << QStringList{"1|"};
        QTest::newRow("rich text")
            << WorkbookFiles::build([](lxw_workbook *workbook, lxw_worksheet *sheet) {
                   lxw_format *bold = workbook_add_format(workbook);
                   format_set_bold(bold);
                   lxw_rich_string_tuple family{bold, const_cast<char *>("张")};
                   lxw_rich_string_tuple given{nullptr, const_cast<char *>("伟")};
                   lxw_rich_string_tuple *name[] = {&family, &given, nullptr};
                   worksheet_write_string(sheet, 0, 0, "学号", nullptr);
                   worksheet_write_string(sheet, 0, 1, "姓名", nullptr);
                   worksheet_write_number(sheet, 1, 0, 1001, nullptr);
                   worksheet_write_rich_string(sheet, 1, 1, name, nullptr);
               })
            << QStringList{"1001|张伟"};
        QTest::newRow("phonetic guide left out")
            << WorkbookFiles::withParts(WorkbookFiles::fromRows({{"ID", "Name"}, {1, "x"}}),
                         {{QStringLiteral("xl/sharedStrings.xml"),
                           "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                           "<si><t>ID</t></si><si><t>Name</t></si><si><r><t>山</t></r><r><rPr><b/></rPr>"
                           "<t>田</t></r><rPh sb=\"0\" eb=\"2\"><t>やまだ</t></rPh><phoneticPr fontId=\"1\"/></si>"
                           "</sst>"}})
            << QStringList{"1|山田"};
        QTest::newRow("a character XML cannot hold")
            << WorkbookFiles::fromRows({{1, QString::fromUtf8("A\x01" "B")}}) << QStringList{"1|A\x01" "B"};
        QTest::newRow("number texts of other writers")
            << WorkbookFiles::withParts(WorkbookFiles::fromRows({{1}}),
                         {{kSheet, numberSheet({"2.0230101E7", "20230101.0", "1.2345678901234567E+17", "-0",
                                                 "1.5E-3", "0.25", "007", "1E99999"})}})
            << QStringList{"20230101|n", "20230101|n", "123456789012345670|n", "0|n", "1.5E-3|n", "0.25|n",
                           "7|n", "1E99999|n"};
        QTest::newRow("学生学号 and 学生姓名 after a running count")
            << WorkbookFiles::fromRows({{"序号", "学生学号", "学生姓名"}, {1, 20230101, "张伟"}, {2, 20230102, "李娜"}})
            << QStringList{"20230101|张伟", "20230102|李娜"};
        QTest::newRow("headings spaced out and with a colon")
            << WorkbookFiles::fromRows({{"序号", QString::fromUtf8("学\u3000 号："), "姓  名:"}, {1, 1001, "Tom"}})
            << QStringList{"1001|Tom"};
        QTest::newRow("学号 before 编号") << WorkbookFiles::fromRows({{"编号", "学号", "姓名"}, {1, 20230101, "张伟"}})
                                          << QStringList{"20230101|张伟"};
        QTest::newRow("Student ID before No.")
            << WorkbookFiles::fromRows({{"No.", "Student ID", "Name"}, {1, 20230101, "Tom"}})
            << QStringList{"20230101|Tom"};
        QTest::newRow("考号 before 学籍号")
            << WorkbookFiles::fromRows({{"学籍号", "准考证号", "姓名"}, {"G1101", 880101, "张伟"}})
            << QStringList{"880101|张伟"};
        QTest::newRow("学籍号 before ID")
            << WorkbookFiles::fromRows({{"ID", "学籍号", "Full Name"}, {1, 30101, "Tom Lee"}})
            << QStringList{"30101|Tom Lee"};
        QTest::newRow("编号 before 序号")
            << WorkbookFiles::fromRows({{"序号", "姓名", "编号"}, {1, "张伟", 501}}) << QStringList{"501|张伟"};
        QTest::newRow("formulas with their values") << WorkbookFiles::build([](lxw_workbook *, lxw_worksheet *sheet) {
            worksheet_write_string(sheet, 0, 0, "学号", nullptr);
            worksheet_write_string(sheet, 0, 1, "姓名", nullptr);
            worksheet_write_formula_num(sheet, 1, 0, "=20230100+1", nullptr, 20230101);
            worksheet_write_formula_str(sheet, 1, 1, "=\"张\"&\"伟\"", nullptr, "张伟");
        }) << QStringList{"20230101|张伟"};
    }

    void readsTheStudentRows()
    {
        QFETCH(QByteArray, workbook);
        QFETCH(QStringList, rows);
        WorkbookReader reader;
        QVERIFY(readWorkbook(workbook, reader));
        QCOMPARE(reader.error(), WorkbookReader::NoError);
        QCOMPARE(rowTexts(reader.rows()), rows);
    }

    void readsTheFirstSheetInWorkbookOrder()
    {
        // The sheet listed first is stored as the second worksheet part.
        const QByteArray base = WorkbookFiles::fromRows({{1, "Back"}});
        QMap<QString, QByteArray> parts = WorkbookFiles::parts(base);
        QByteArray workbook = parts.value(QStringLiteral("xl/workbook.xml"));
        workbook.replace("<sheets>", "<sheets><sheet name=\"Front\" sheetId=\"2\" r:id=\"rId99\"/>");
        QByteArray relationships = parts.value(QStringLiteral("xl/_rels/workbook.xml.rels"));
        relationships.replace("</Relationships>",
                              "<Relationship Id=\"rId99\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
                              "2006/relationships/worksheet\" Target=\"/xl/worksheets/front.xml\"/></Relationships>");
        const QByteArray front = numberSheet({"2"});
        WorkbookReader reader;
        QVERIFY(readWorkbook(WorkbookFiles::withParts(base, {{QStringLiteral("xl/workbook.xml"), workbook},
                                              {QStringLiteral("xl/_rels/workbook.xml.rels"), relationships},
                                              {QStringLiteral("xl/worksheets/front.xml"), front}}),
                             reader));
        QCOMPARE(rowTexts(reader.rows()), QStringList{"2|n"});
    }

    void everyHeadingIsRecognised_data()
    {
        QTest::addColumn<QString>("idHeading");
        QTest::addColumn<QString>("nameHeading");
        for (const char *heading : {"学号", "学生学号", "学籍号", "考号", "准考证号", "编号", "ID", "Student ID",
                                    "Student No.", "Number", "student id", "NUMBER"})
            QTest::newRow(heading) << QString::fromUtf8(heading) << QStringLiteral("姓名");
        for (const char *heading : {"姓名", "学生姓名", "名字", "Name", "Student Name", "Full Name", "full name"})
            QTest::newRow(heading) << QStringLiteral("学号") << QString::fromUtf8(heading);
    }

    // With the heading found, the title row and a numbered row above the
    // header are passed over; without it they would be students.
    void everyHeadingIsRecognised()
    {
        QFETCH(QString, idHeading);
        QFETCH(QString, nameHeading);
        WorkbookReader reader;
        QVERIFY(
            readWorkbook(WorkbookFiles::fromRows(
                             {{"2023 Class 3", "list"}, {7, "x"}, {"序号", idHeading, nameHeading}, {1, 1001, "Tom"}}),
                         reader));
        QCOMPARE(rowTexts(reader.rows()), QStringList{"1001|Tom"});
    }

    void readsTheClassListSheet_data()
    {
        QTest::addColumn<QByteArray>("workbook");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("sheetName");
        QTest::addColumn<int>("sheetCount");
        const QVector<QVariantList> classList{{"学号", "姓名"}, {20230101, "张伟"}, {20230102, "李娜"}};
        const QStringList students{"20230101|张伟", "20230102|李娜"};
        const WorkbookFiles::Sheet dropDowns{"lists", true, {{"示例学生"}, {"男"}, {"女"}}};
        const WorkbookFiles::Sheet sample{"sample", true, {{"学号", "姓名"}, {1, "示例学生"}}};

        QTest::newRow("hidden drop-down lists first")
            << WorkbookFiles::withSheets({dropDowns, {"名单", false, classList}}) << students << "名单" << 2;
        QTest::newRow("a hidden sample with a header first")
            << WorkbookFiles::withSheets({sample, {"名单", false, classList}}) << students << "名单" << 2;
        QByteArray veryHidden = WorkbookFiles::withSheets({sample, {"名单", false, classList}});
        QMap<QString, QByteArray> parts = WorkbookFiles::parts(veryHidden);
        QByteArray workbook = parts.value(QStringLiteral("xl/workbook.xml"));
        QVERIFY(workbook.contains("state=\"hidden\""));
        workbook.replace("state=\"hidden\"", "state=\"veryHidden\"");
        QTest::newRow("a very hidden sample first")
            << WorkbookFiles::withParts(veryHidden, {{QStringLiteral("xl/workbook.xml"), workbook}}) << students
            << "名单" << 2;
        QTest::newRow("an empty sheet first")
            << WorkbookFiles::withSheets({{"Sheet1", false, {}}, {"Sheet2", false, classList}}) << students << "Sheet2"
            << 2;
        QTest::newRow("subjects first") << WorkbookFiles::withSheets(
            {{"科目", false, {{"语文"}, {"数学"}, {"英语"}}}, {"学生", false, {{1001, "Tom"}, {1002, "Ann"}}}})
                                        << QStringList{"1001|Tom", "1002|Ann"} << "学生" << 2;
        QTest::newRow("a header row before two filled columns")
            << WorkbookFiles::withSheets({{"成绩", false, {{"语文", 90}, {"数学", 80}}}, {"名单", false, classList}})
            << students << "名单" << 2;
        QTest::newRow("two filled columns when no sheet has a header row") << WorkbookFiles::withSheets(
            {{"科目", false, {{"语文"}}}, {"A", false, {{1001, "Tom"}}}, {"B", false, {{1002, "Ann"}}}})
                                                                           << QStringList{"1001|Tom"} << "A" << 3;
        QTest::newRow("the first visible sheet when none has two filled columns")
            << WorkbookFiles::withSheets({dropDowns, {"IDs", false, {{1001}, {1002}}}, {"more", false, {{"x"}}}})
            << QStringList{"1001|", "1002|"} << "IDs" << 3;
        QTest::newRow("one sheet") << WorkbookFiles::fromRows(classList) << students << "Sheet1" << 1;
    }

    void readsTheClassListSheet()
    {
        QFETCH(QByteArray, workbook);
        QFETCH(QStringList, rows);
        QFETCH(QString, sheetName);
        QFETCH(int, sheetCount);
        WorkbookReader reader;
        QVERIFY(readWorkbook(workbook, reader));
        QCOMPARE(rowTexts(reader.rows()), rows);
        QCOMPARE(reader.sheetName(), sheetName);
        QCOMPARE(reader.sheetCount(), sheetCount);
    }

    void rowsWhoseIdCannotBeTakenAreSkippedWithTheirReason()
    {
        WorkbookReader reader;
        QVERIFY(readWorkbook(WorkbookFiles::fromRows({{"花名册"},
                                                      {"学号", "姓名"},
                                                      {"32010220090101601X", "Lee"},
                                                      {"G110101200901010001", "Wu"},
                                                      {20230101, "Tom"},
                                                      {"S01", "Ann"},
                                                      {"9223372036854775808", "Beyond"},
                                                      {320102200901016011.0, "Rounded"},
                                                      {1001.5, "Half"},
                                                      {1e20, "Huge"},
                                                      {"3.20102200901016E+17", "Typed"},
                                                      {"班主任：张老师", ""},
                                                      {123456789012345.0, "Fifteen digits"}}),
                             reader));
        const ImportedStudents read = reader.students();
        QStringList students;
        for (const ImportedStudent &student : read.students)
            students << QString::number(student.id) + QLatin1Char('|') + student.name;
        QCOMPARE(students, (QStringList{"20230101|Tom", "123456789012345|Fifteen digits"}));
        QStringList skipped;
        for (const SkippedStudent &row : read.skipped)
            skipped << QString::number(row.number) + (row.reason == SkippedStudent::RoundedNumber ? "rounded" : "");
        QCOMPARE(skipped, (QStringList{"3", "4", "6", "7", "8rounded", "9", "10rounded", "11rounded"}));
    }

    void studentsAreTheRowsWithAnId()
    {
        WorkbookReader reader;
        QVERIFY(readWorkbook(WorkbookFiles::fromRows({{"学号", "姓名"},
                                                      {"0012", "Tom"},
                                                      {"S01", "Ann"},
                                                      {" +5 ", "Bob"},
                                                      {1001.5, "Half"},
                                                      {"9223372036854775808", "Beyond"},
                                                      {20230101, "张伟"}}),
                             reader));
        const std::vector<ImportedStudent> students = reader.students().students;
        QStringList texts;
        for (const ImportedStudent &student : students)
            texts << QString::number(student.id) + QLatin1Char('|') + student.name;
        QCOMPARE(texts, (QStringList{"12|Tom", "5|Bob", "20230101|张伟"}));
    }

    void badInputIsRefusedWithItsReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<WorkbookReader::Error>("error");
        const QByteArray good = WorkbookFiles::fromRows({{"学号", "姓名"}, {1001, "张伟"}});

        QTest::newRow("old .xls or encrypted workbook")
            << WorkbookFiles::compoundFile() << WorkbookReader::NotAWorkbook;
        QTest::newRow("renamed text file") << QByteArray("1001 Tom\n1002 Ann\n") << WorkbookReader::NotAWorkbook;
        QTest::newRow("empty file") << QByteArray() << WorkbookReader::NotAWorkbook;
        QTest::newRow("zip of something else")
            << WorkbookFiles::zip({{QStringLiteral("readme.txt"), "hello"}}) << WorkbookReader::NotAWorkbook;
        QTest::newRow("cut short") << good.left(good.size() / 2) << WorkbookReader::DamagedWorkbook;
        QTest::newRow("scrambled worksheet data") << withScrambledSheet(WorkbookFiles::zip(WorkbookFiles::parts(good)))
                                                  << WorkbookReader::DamagedWorkbook;
        QTest::newRow("worksheet not XML")
            << WorkbookFiles::withParts(good, {{kSheet, "<worksheet><sheetData><row><c><v>1"}})
                                           << WorkbookReader::DamagedWorkbook;
        // Ten thousand million laughs, were the entities expanded.
        QByteArray laughs = "<!DOCTYPE worksheet [<!ENTITY a \"haha\">";
        for (char level = 'b'; level <= 'j'; ++level) {
            const QByteArray previous = QByteArray("&") + char(level - 1) + ';';
            laughs += QByteArray("<!ENTITY ") + level + " \"" + previous.repeated(10) + "\">";
        }
        laughs += "]><worksheet><sheetData><row><c t=\"inlineStr\"><is><t>&j;</t></is></c></row></sheetData>"
                  "</worksheet>";
        QTest::newRow("entities that expand without end") << WorkbookFiles::withParts(good, {{kSheet, laughs}})
                                                          << WorkbookReader::DamagedWorkbook;
        QTest::newRow("worksheet missing")
            << WorkbookFiles::withParts(good, {}, {kSheet}) << WorkbookReader::MissingWorksheet;
        QTest::newRow("workbook relationships missing")
            << WorkbookFiles::withParts(good, {}, {QStringLiteral("xl/_rels/workbook.xml.rels")})
            << WorkbookReader::MissingWorksheet;
        QTest::newRow("shared strings missing")
            << WorkbookFiles::withParts(good, {}, {QStringLiteral("xl/sharedStrings.xml")})
            << WorkbookReader::MissingWorksheet;
        QTest::newRow("no sheet listed")
            << WorkbookFiles::withParts(good, {{QStringLiteral("xl/workbook.xml"),
                                 "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                                 "<sheets/></workbook>"}})
            << WorkbookReader::MissingWorksheet;
        QTest::newRow("formulas never calculated")
            << WorkbookFiles::withoutCachedValues(WorkbookFiles::build([](lxw_workbook *, lxw_worksheet *sheet) {
                   worksheet_write_string(sheet, 0, 0, "学号", nullptr);
                   worksheet_write_string(sheet, 0, 1, "姓名", nullptr);
                   worksheet_write_formula(sheet, 1, 0, "=20230100+1", nullptr);
                   worksheet_write_string(sheet, 1, 1, "张伟", nullptr);
               }))
            << WorkbookReader::UncomputedFormulas;
        // Written as openpyxl writes a formula: an empty value, no type.
        QTest::newRow("names joined by formulas never calculated")
            << fileBytes(QStringLiteral(ROSTER_TEST_DATA_DIR "/formulas-not-calculated.xlsx"))
            << WorkbookReader::UncomputedFormulas;
        const QByteArray bomb = WorkbookFiles::withHugeWorksheet(good);
        QTest::newRow("worksheet beyond 64 MiB") << bomb << WorkbookReader::TooLarge;
        QTest::newRow("worksheet beyond 64 MiB claiming 100 bytes") << withClaimedSheetSize(bomb, 100)
                                                                   << WorkbookReader::TooLarge;
        QTest::newRow("file beyond 64 MiB") << QByteArray("PK\x03\x04", 4) + QByteArray(65 * 1024 * 1024, '\0')
                                            << WorkbookReader::TooLarge;
    }

    void badInputIsRefusedWithItsReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(WorkbookReader::Error, error);
        WorkbookReader reader;
        QVERIFY(!readWorkbook(bytes, reader));
        QCOMPARE(reader.error(), error);
        QVERIFY(reader.rows().empty());
        QVERIFY(!reader.errorMessage().isEmpty());
    }

    void workbooksAreToldFromTextFiles_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<bool>("workbook");
        QTest::newRow("xlsx") << "xlsx" << QByteArray("1001 Tom\n") << true;
        QTest::newRow("XLSX") << "XLSX" << QByteArray() << true;
        QTest::newRow("zip named .csv") << "csv" << QByteArray("PK\x03\x04\x14\0", 6) << true;
        QTest::newRow("compound file named .xls") << "xls" << WorkbookFiles::compoundFile() << true;
        QTest::newRow("text named .xls") << "xls" << QByteArray("1001\tTom\n") << false;
        QTest::newRow("text") << "txt" << QByteArray("PK 1001\n") << false;
    }

    void workbooksAreToldFromTextFiles()
    {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, start);
        QFETCH(bool, workbook);
        QBuffer buffer;
        buffer.setData(start);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(WorkbookReader::isWorkbook(suffix, buffer), workbook);
        QCOMPARE(buffer.pos(), qint64(0));
    }
};

ZANDREL_TEST_MAIN(TestWorkbookReader)
#include "tst_workbookreader.moc"
