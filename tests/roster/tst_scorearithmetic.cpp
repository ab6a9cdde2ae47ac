#include "roster/averagescores.h"
#include "roster/rosterorder.h"
#include "roster/scorefiles.h"

#include "../support/testenvironment.h"

Q_DECLARE_METATYPE(ScoreRounding)

class TestScoreArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void averages_data()
    {
        QTest::addColumn<QString>("scores");
        QTest::addColumn<double>("aScore");
        QTest::addColumn<double>("fScore");
        QTest::addColumn<ScoreRounding>("rounding");
        QTest::addColumn<double>("average");
        QTest::newRow("AB rounds off") << "AB" << 30.0 << 10.0 << RoundOff << 28.0;
        QTest::newRow("AB keeps one decimal") << "AB" << 30.0 << 10.0 << KeepFloat << 28.3;
        QTest::newRow("CDF rounds off") << "CDF" << 30.0 << 10.0 << RoundOff << 19.0;
        QTest::newRow("CDF integer only") << "CDF" << 30.0 << 10.0 << IntegerOnly << 18.0;
        QTest::newRow("CDF cuts the second decimal") << "CDF" << 30.0 << 10.0 << KeepFloat << 18.8;
        QTest::newRow("F alone is a step above F's score") << "F" << 30.0 << 10.0 << RoundOff << 13.0;
        QTest::newRow("E cuts 16.66 to 16.6") << "E" << 30.0 << 10.0 << KeepFloat << 16.6;
        QTest::newRow("lower case counts") << "ab" << 30.0 << 10.0 << RoundOff << 28.0;
        QTest::newRow("no letter is worth A") << "xyz 9!" << 30.0 << 10.0 << IntegerOnly << 30.0;
        QTest::newRow("empty is worth A") << "" << 30.0 << 10.0 << KeepFloat << 30.0;
        QTest::newRow("other characters ignored") << QString::fromUtf8("ÀaGb") << 30.0 << 10.0 << KeepFloat << 28.3;
        QTest::newRow("exact 50 stays 50") << "D" << 100.0 << 0.0 << IntegerOnly << 50.0;
        QTest::newRow("exact 80.0 stays 80.0") << "BF" << 100.0 << 60.0 << KeepFloat << 80.0;
        QTest::newRow("exact 4.5 rounds up") << "ABBB" << 5.0 << 1.0 << RoundOff << 5.0;
        QTest::newRow("A below F rises") << "F" << 10.0 << 30.0 << RoundOff << 27.0;
        QTest::newRow("A below F exact") << "D" << 1.0 << 3.0 << IntegerOnly << 2.0;
    }

    void averages()
    {
        QFETCH(QString, scores);
        QFETCH(double, aScore);
        QFETCH(double, fScore);
        QFETCH(ScoreRounding, rounding);
        QFETCH(double, average);
        std::vector<double> averages{1.0, 2.0, 3.0};
        computeAverages({scores}, aScore, fScore, rounding, averages);
        QCOMPARE(averages.size(), size_t(1));
        QCOMPARE(averages[0], average);
    }

    void averagesFollowTheStudentsInOrder()
    {
        std::vector<double> averages{7.0};
        computeAverages({}, 30, 10, RoundOff, averages);
        QVERIFY(averages.empty());
        computeAverages({"A", "F", "AB"}, 30, 10, IntegerOnly, averages);
        QCOMPARE(averages, (std::vector<double>{30, 13, 28}));
    }

    void averageFormats_data()
    {
        QTest::addColumn<double>("average");
        QTest::addColumn<ScoreRounding>("rounding");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("whole keep float") << 30.0 << KeepFloat << QByteArray("30");
        QTest::newRow("one decimal") << 16.6 << KeepFloat << QByteArray("16.6");
        QTest::newRow("six digits") << 123456.7 << KeepFloat << QByteArray("123457");
        QTest::newRow("exponent past six digits") << 1234567.8 << KeepFloat << QByteArray("1.23457e+06");
        QTest::newRow("round off") << 28.0 << RoundOff << QByteArray("28");
        QTest::newRow("integer only") << 18.0 << IntegerOnly << QByteArray("18");
        QTest::newRow("zero") << 0.0 << IntegerOnly << QByteArray("0");
    }

    void averageFormats()
    {
        QFETCH(double, average);
        QFETCH(ScoreRounding, rounding);
        QFETCH(QByteArray, text);
        QCOMPARE(formatAverage(average, rounding), text);
    }

    void scoreFileContents_data()
    {
        QTest::addColumn<ScoreRounding>("rounding");
        QTest::addColumn<bool>("csv");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text, round off") << RoundOff << false
                                         << QByteArray("1001 28\r\n1002 19\r\n 1003 30\r\n张伟 17\r\n");
        QTest::newRow("csv, round off") << RoundOff << true
                                        << QByteArray("1001, 28\r\n1002, 19\r\n 1003, 30\r\n张伟, 17\r\n");
        QTest::newRow("csv, keep float") << KeepFloat << true
                                         << QByteArray("1001, 28.3\r\n1002, 18.8\r\n 1003, 30\r\n张伟, 16.6\r\n");
    }

    void scoreFileContents()
    {
        QFETCH(ScoreRounding, rounding);
        QFETCH(bool, csv);
        QFETCH(QByteArray, content);
        const QStringList ids{"1001", "1002", " 1003", QString::fromUtf8("张伟")};
        const QStringList scores{"AB", "CDF", "", "E"};
        QCOMPARE(scoreFileContent(ids, scores, 30, 10, rounding, csv), content);
        QCOMPARE(scoreFileContent({}, {}, 30, 10, rounding, csv), QByteArray());
    }

    void csvQuotesOnlyIdsThatNeedIt_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << "1001" << QByteArray("1001, 30\r\n");
        QTest::newRow("spaces stay unquoted") << " 10 01 " << QByteArray(" 10 01 , 30\r\n");
        QTest::newRow("comma") << "10,01" << QByteArray("\"10,01\", 30\r\n");
        QTest::newRow("quote") << "a\"b" << QByteArray("\"a\"\"b\", 30\r\n");
        QTest::newRow("line break") << "a\nb" << QByteArray("\"a\nb\", 30\r\n");
    }

    void csvQuotesOnlyIdsThatNeedIt()
    {
        QFETCH(QString, id);
        QFETCH(QByteArray, line);
        QCOMPARE(scoreFileContent({id}, {QString()}, 30, 10, RoundOff, true), line);
        QCOMPARE(scoreFileContent({id}, {QString()}, 30, 10, RoundOff, false), id.toUtf8() + " 30\r\n");
    }

    void scoreFilePaths_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<bool>("csv");
        QTest::addColumn<QString>("path");
        QTest::newRow("text") << "Class 1" << false << "/data/Class 1_score100.txt";
        QTest::newRow("csv, not ASCII") << QString::fromUtf8("三年级") << true
                                        << QString::fromUtf8("/data/三年级_score100.csv");
        // Only a name that would leave the data directory or cannot be part
        // of a file name is refused; the suffix keeps every other inside.
        QTest::newRow("parent") << ".." << false << "/data/.._score100.txt";
        QTest::newRow("dot") << "." << true << "/data/._score100.csv";
        QTest::newRow("empty") << "" << false << "/data/_score100.txt";
        QTest::newRow("slash") << "a/b" << false << "";
        QTest::newRow("backslash") << "a\\b" << true << "";
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << false << "";
    }

    void scoreFilePaths()
    {
        QFETCH(QString, className);
        QFETCH(bool, csv);
        QFETCH(QString, path);
        QCOMPARE(scoreFilePath(QStringLiteral("/data"), className, csv), path);
    }

    void sortOrderTogglesWhenSorted_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("unsorted ascends") << QList<int>{3, 1, 2} << QList<int>{1, 2, 0};
        QTest::newRow("equal keys keep their order") << QList<int>{2, 1, 2, 1} << QList<int>{1, 3, 0, 2};
        QTest::newRow("sorted turns round") << QList<int>{1, 2, 2, 3} << QList<int>{3, 2, 1, 0};
        QTest::newRow("descending ascends") << QList<int>{3, 2, 1} << QList<int>{2, 1, 0};
        QTest::newRow("empty") << QList<int>{} << QList<int>{};
    }

    void sortOrderTogglesWhenSorted()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, order);
        const std::vector<int> result = toggledSortOrder(std::vector<int>(keys.cbegin(), keys.cend()));
        QCOMPARE(QList<int>(result.cbegin(), result.cend()), order);
    }
};

ZANDREL_TEST_MAIN(TestScoreArithmetic)
#include "tst_scorearithmetic.moc"
