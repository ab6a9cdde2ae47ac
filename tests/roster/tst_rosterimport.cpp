#include "roster/rosterimport.h"

#include "../support/testenvironment.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

// Students as "ID|name".
ImportedStudents imported(const QStringList &students, const QStringList &skipped)
{
    ImportedStudents read;
    for (const QString &student : students)
        read.students.push_back(
            {student.section(QLatin1Char('|'), 0, 0).toLongLong(), student.section(QLatin1Char('|'), 1)});
    // "7" is a line or row whose ID is no whole number, "12~" one whose ID
    // was rounded.
    for (QString number : skipped) {
        const bool rounded = number.endsWith(QLatin1Char('~'));
        number.remove(QLatin1Char('~'));
        read.skipped.push_back(
            {rounded ? SkippedStudent::RoundedNumber : SkippedStudent::NotWholeNumber, number.toInt()});
    }
    return read;
}

}

class TestRosterImport : public QObject
{
    Q_OBJECT

private slots:
    void summaries_data()
    {
        QTest::addColumn<QStringList>("tableIds");
        QTest::addColumn<QStringList>("tableNames");
        QTest::addColumn<QStringList>("students");
        QTest::addColumn<QStringList>("skipped");
        QTest::addColumn<bool>("lines");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("filled");

        QTest::newRow("added") << QStringList{} << QStringList{} << QStringList{"1001|Tom", "1002|Ann"} << QStringList{}
                               << true << ""
                               << "2 record added in this file!" << QStringList{"1001|Tom", "1002|Ann"}
                               << QStringList{};
        QTest::newRow("all there, names kept") << QStringList{"1001", "1002"} << QStringList{"Tom", "Ann"}
                                               << QStringList{"1001|Tim", "1002|Ada"} << QStringList{} << true << ""
                                               << "0 record added in this file!" << QStringList{} << QStringList{};
        QTest::newRow("nothing recognised")
            << QStringList{"5"} << QStringList{""} << QStringList{} << QStringList{} << true << ""
            << "Sorry, no ID and Name recognized in this file!" << QStringList{} << QStringList{};
        QTest::newRow("the same new ID twice counts once")
            << QStringList{} << QStringList{} << QStringList{"12|Bob", "12|Ben", "13|Cy"} << QStringList{} << true << ""
            << "2 record added in this file!" << QStringList{"12|Bob", "13|Cy"} << QStringList{};
        QTest::newRow("a file of one ID twice")
            << QStringList{"12"} << QStringList{"Bob"} << QStringList{"12|Ben", "12|Bo"} << QStringList{} << true << ""
            << "0 record added in this file!" << QStringList{} << QStringList{};
        QTest::newRow("empty names filled in")
            << QStringList{"1001", " 1002 ", "1003", "1004"} << QStringList{"", "", "Cy", " "}
            << QStringList{"1001|Tom", "1002|Ann", "1003|Carl", "1004|Dee", "1005|Eve"} << QStringList{} << true << ""
            << "1 record added in this file!\n3 names filled in." << QStringList{"1005|Eve"}
            << QStringList{"0|Tom", "1|Ann", "3|Dee"};
        QTest::newRow("one name filled in")
            << QStringList{"7"} << QStringList{""} << QStringList{"007|Ann"} << QStringList{} << true << ""
            << "0 record added in this file!\n1 name filled in." << QStringList{} << QStringList{"0|Ann"};
        QTest::newRow("a nameless line fills nothing")
            << QStringList{"7"} << QStringList{""} << QStringList{"7|", "7|Ann"} << QStringList{} << true << ""
            << "0 record added in this file!" << QStringList{} << QStringList{};
        QTest::newRow("the first of two rows with the ID")
            << QStringList{"7", "007"} << QStringList{"Al", ""} << QStringList{"7|Ann"} << QStringList{} << true << ""
            << "0 record added in this file!" << QStringList{} << QStringList{};
        QTest::newRow("rows skipped") << QStringList{} << QStringList{} << QStringList{"1|A"}
                                      << QStringList{"7", "12~", "19"} << false << ""
                                      << "1 record added in this file!\n"
                                         "2 rows skipped: the ID is not a whole number (rows 7, 19).\n"
                                         "1 row skipped: the ID was stored as a rounded number (row 12); store "
                                         "IDs as text in the spreadsheet."
                                      << QStringList{"1|A"} << QStringList{};
        QTest::newRow("lines skipped, three shown")
            << QStringList{} << QStringList{} << QStringList{} << QStringList{"2~", "3~", "5~", "8~", "9"} << true << ""
            << "Sorry, no ID and Name recognized in this file!\n"
               "1 line skipped: the ID is not a whole number (line 9).\n"
               "4 lines skipped: the ID was stored as a rounded number (lines 2, 3, 5, …); store IDs as text in "
               "the spreadsheet."
            << QStringList{} << QStringList{};
        QTest::newRow("the sheet read") << QStringList{"1"} << QStringList{""} << QStringList{"1|A"} << QStringList{"4"}
                                        << false << "名单"
                                        << "0 record added in this file!\n1 name filled in.\n"
                                           "1 row skipped: the ID is not a whole number (row 4).\n"
                                           "Read the sheet 名单."
                                        << QStringList{} << QStringList{"0|A"};
    }

    void summaries()
    {
        QFETCH(QStringList, tableIds);
        QFETCH(QStringList, tableNames);
        QFETCH(QStringList, students);
        QFETCH(QStringList, skipped);
        QFETCH(bool, lines);
        QFETCH(QString, sheet);
        QFETCH(QString, summary);
        QFETCH(QStringList, added);
        QFETCH(QStringList, filled);
        const RosterImport rosterImport(tableIds, tableNames, imported(students, skipped));
        QCOMPARE(rosterImport.summary(lines, sheet), summary);
        QStringList addedRows;
        for (int i = 0; i < rosterImport.addedIds().size(); ++i)
            addedRows << rosterImport.addedIds().at(i) + QLatin1Char('|') + rosterImport.addedNames().at(i);
        QCOMPARE(addedRows, added);
        QStringList filledRows;
        for (const auto &name : rosterImport.filledNames())
            filledRows << QString::number(name.first) + QLatin1Char('|') + name.second;
        QCOMPARE(filledRows, filled);
    }

    void summariesAreTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("summary");
        QTest::newRow("simplified Chinese")
            << "simplify"
            << QString::fromUtf8("已从此文件添加 1 条记录！\n已填入 1 个姓名。\n"
                                 "跳过 2 行：学号不是整数（第 7、19 行）。\n读取了工作表 名单。");
        QTest::newRow("traditional Chinese")
            << "traditional"
            << QString::fromUtf8("已從此檔案新增 1 筆記錄！\n已填入 1 個姓名。\n"
                                 "略過 2 列：學號不是整數（第 7、19 列）。\n讀取了工作表 名單。");
        QTest::newRow("English") << "english"
                                 << "1 record added in this file!\n1 name filled in.\n"
                                    "2 rows skipped: the ID is not a whole number (rows 7, 19).\nRead the sheet 名单.";
    }

    void summariesAreTranslated()
    {
        QFETCH(QString, language);
        QFETCH(QString, summary);
        QTranslator translator;
        QVERIFY(translator.load(language, QCoreApplication::applicationDirPath()));
        QCoreApplication::installTranslator(&translator);
        const RosterImport rosterImport({"5"}, {""}, imported({"5|Al", "6|Bo"}, {"7", "19"}));
        const QString text =
            rosterImport.summary(false, QString::fromUtf8(language == "traditional" ? "名單" : "名单"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(text, summary);
    }
};

ZANDREL_TEST_MAIN(TestRosterImport)
#include "tst_rosterimport.moc"
