#include "roster/importfilecheck.h"
#include "roster/importreader.h"

#include "../support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QTextCodec>

#include <sys/stat.h>

class TestImportReader : public QObject
{
    Q_OBJECT

private:
    static QByteArray gb18030(const char *utf8)
    {
        return QTextCodec::codecForName("GB18030")->fromUnicode(QString::fromUtf8(utf8));
    }

    // The file names 1001 张伟 and 1002 李娜.
    static void verifyBothStudents(const QByteArray &bytes)
    {
        const std::vector<ImportedStudent> students = readImportFile(bytes, true).students;
        QCOMPARE(students.size(), size_t(2));
        QCOMPARE(students[0].id, qint64(1001));
        QCOMPARE(students[0].name, QString::fromUtf8("张伟"));
        QCOMPARE(students[1].id, qint64(1002));
        QCOMPARE(students[1].name, QString::fromUtf8("李娜"));
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void lines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("csv");
        QTest::addColumn<bool>("recognised");
        QTest::addColumn<qint64>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("space") << "1001 Tom" << false << true << qint64(1001) << "Tom";
        QTest::newRow("comma after ID") << "1001, Tom" << false << true << qint64(1001) << "Tom";
        QTest::newRow("lone comma") << "1001 , Tom" << false << true << qint64(1001) << "Tom";
        QTest::newRow("tab") << "1001\tTom" << false << true << qint64(1001) << "Tom";
        QTest::newRow("lone point") << "1001 . Tom" << false << true << qint64(1001) << "Tom";
        QTest::newRow("glued comma is the name's") << "1001,Tom" << false << true << qint64(1001) << ",Tom";
        QTest::newRow("semicolon") << "1001;Tom" << false << true << qint64(1001) << ";Tom";
        QTest::newRow("first word only") << "1001 Tom Smith" << false << true << qint64(1001) << "Tom";
        QTest::newRow("no name") << "1001" << false << true << qint64(1001) << "";
        QTest::newRow("lone comma, no name") << "1001 ," << false << true << qint64(1001) << "";
        QTest::newRow("leading zeros") << "007 Ann" << false << true << qint64(7) << "Ann";
        QTest::newRow("plus sign") << "+12 Bob" << false << true << qint64(12) << "Bob";
        QTest::newRow("minus sign") << "  -12 Bob" << false << true << qint64(-12) << "Bob";
        QTest::newRow("CR before the line end") << "1001 Tom\r" << false << true << qint64(1001) << "Tom";
        QTest::newRow("unicode space inside the name is simplified")
            << QString::fromUtf8("1001 张\u00a0伟") << false << true << qint64(1001) << QString::fromUtf8("张 伟");
        QTest::newRow("largest 64-bit") << "9223372036854775807 Max" << false << true
                                        << qint64(9223372036854775807LL) << "Max";
        QTest::newRow("smallest 64-bit") << "-9223372036854775808 Min" << false << true
                                         << qint64(-9223372036854775807LL - 1) << "Min";
        QTest::newRow("beyond 64 bits") << "9223372036854775808 Tom" << false << false << qint64(0) << "";
        QTest::newRow("far beyond 64 bits") << "99999999999999999999999 Tom" << false << false << qint64(0) << "";
        QTest::newRow("name first") << "Tom 1001" << false << false << qint64(0) << "";
        QTest::newRow("header") << "ID,Name" << true << false << qint64(0) << "";
        QTest::newRow("empty") << "" << false << false << qint64(0) << "";
        QTest::newRow("sign alone") << "- 5 Tom" << false << false << qint64(0) << "";
        QTest::newRow("full-width digits") << QString::fromUtf8("１００１ Tom") << false << false << qint64(0) << "";

        QTest::newRow("csv comma") << "1001,Tom" << true << true << qint64(1001) << "Tom";
        QTest::newRow("csv quoted name") << QString::fromUtf8("20230101,\"张伟\"\r") << true << true
                                         << qint64(20230101) << QString::fromUtf8("张伟");
        QTest::newRow("csv quoted ID and name") << "\"007\",\"Ann\"" << true << true << qint64(7) << "Ann";
        QTest::newRow("csv whole field") << "1001,Tom  Smith,extra" << true << true << qint64(1001) << "Tom Smith";
        QTest::newRow("csv quoted comma and quote") << "1001,\"Smith, \"\"Tom\"\"\",x" << true << true
                                                    << qint64(1001) << "Smith, \"Tom\"";
        QTest::newRow("csv spaces around") << " 1001 , Tom " << true << true << qint64(1001) << "Tom";
        QTest::newRow("csv empty name") << "1001," << true << true << qint64(1001) << "";
        QTest::newRow("csv line without comma keeps the plain rule") << "1001 Tom Smith" << true << true
                                                                     << qint64(1001) << "Tom";
        QTest::newRow("csv ID with text keeps the plain rule") << "1001a,Tom" << true << true << qint64(1001)
                                                               << "a,Tom";
        QTest::newRow("csv semicolon keeps the plain rule") << "1001;Tom" << true << true << qint64(1001) << ";Tom";
        QTest::newRow("csv ID beyond 64 bits") << "9223372036854775808,Tom" << true << false << qint64(0) << "";
    }

    void lines()
    {
        QFETCH(QString, line);
        QFETCH(bool, csv);
        QFETCH(bool, recognised);
        QFETCH(qint64, id);
        QFETCH(QString, name);
        ImportedStudent student;
        QCOMPARE(readImportLine(line, csv, student), recognised);
        if (recognised) {
            QCOMPARE(student.id, id);
            QCOMPARE(student.name, name);
        }
    }

    void encodings_data()
    {
        const QString names = QString::fromUtf8("1001,张伟\n1002,李娜\n");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8") << names.toUtf8();
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF") + names.toUtf8();
        QTest::newRow("GB18030") << QTextCodec::codecForName("GB18030")->fromUnicode(names);
        QTest::newRow("GBK") << QTextCodec::codecForName("GBK")->fromUnicode(names);
        QTest::newRow("UTF-16 with byte-order mark") << QTextCodec::codecForName("UTF-16LE")->fromUnicode(
            QChar(QChar::ByteOrderMark) + names);
        // Each line is decoded on its own, so one line in another encoding
        // garbles no other.
        QTest::newRow("UTF-8, then a GB18030 line")
            << QString::fromUtf8("1001,张伟\n").toUtf8() + gb18030("1002,李娜\n");
        QTest::newRow("GB18030, then a UTF-8 line")
            << gb18030("1001,张伟\n") + QString::fromUtf8("1002,李娜").toUtf8();
    }

    void encodings()
    {
        QFETCH(QByteArray, bytes);
        verifyBothStudents(bytes);
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("LF") << QByteArray("1001,张伟\n1002,李娜\n");
        QTest::newRow("CR LF") << QByteArray("1001,张伟\r\n1002,李娜\r\n");
        QTest::newRow("CR alone, as spreadsheets on a Mac write") << QByteArray("1001,张伟\r1002,李娜\r");
        QTest::newRow("CR alone, GB18030") << gb18030("1001,张伟\r1002,李娜");
        QTest::newRow("mixed, with empty lines") << QByteArray("\r\r\n1001,张伟\r\n\n\r1002,李娜");
        QTest::newRow("CR alone, UTF-16") << QTextCodec::codecForName("UTF-16LE")->fromUnicode(
            QChar(QChar::ByteOrderMark) + QString::fromUtf8("1001,张伟\r1002,李娜\r"));
    }

    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        verifyBothStudents(bytes);
    }

    void filesKeepTheirOrderAndSkipWhatIsNotAStudent()
    {
        const QByteArray bytes("ID,Name\r\n1001, Tom\r\n\r\nnotes\r\n1002, Ann\r\n1001 Tom again");
        const std::vector<ImportedStudent> students = readImportFile(bytes, false).students;
        QCOMPARE(students.size(), size_t(3));
        QCOMPARE(students[0].name, QStringLiteral("Tom"));
        QCOMPARE(students[1].id, qint64(1002));
        QCOMPARE(students[2].id, qint64(1001));
    }

    void idsThatCannotBeTaken_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("ID ending in X") << "32010220090101601X" << "not whole";
        QTest::newRow("letters first") << "G110101200901010001" << "not whole";
        QTest::newRow("class code") << "S01" << "not whole";
        QTest::newRow("beyond 64 bits") << "9223372036854775808" << "not whole";
        QTest::newRow("fraction") << "1001.5" << "not whole";
        QTest::newRow("rounded") << "3.20102200901016E+17" << "rounded";
        QTest::newRow("rounded, lower case, no point") << " 3e17 " << "rounded";
        QTest::newRow("an ID") << " 1001 " << "";
        QTest::newRow("a heading") << "ID" << "";
        QTest::newRow("a title with a digit") << QString::fromUtf8("高一(3)班") << "";
        QTest::newRow("words") << "Class 3" << "";
        QTest::newRow("empty") << "" << "";
    }

    void idsThatCannotBeTaken()
    {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        SkippedStudent::Reason found = SkippedStudent::NotWholeNumber;
        const bool skipped = unreadableIdReason(text, found);
        QCOMPARE(skipped ? (found == SkippedStudent::RoundedNumber ? "rounded" : "not whole") : "", reason);
    }

    void filesTellTheLinesWhoseIdCannotBeTaken_data()
    {
        QTest::addColumn<bool>("csv");
        QTest::newRow("text") << false;
        QTest::newRow("CSV") << true;
    }

    void filesTellTheLinesWhoseIdCannotBeTaken()
    {
        QFETCH(bool, csv);
        const QByteArray bytes("高一(3)班\r\nID,Name\r\nS01,Ann\r\n1001,Tom\r\n\r\n"
                               "99999999999999999999,Big\r\n3.20102200901016E+17,Wu\r\n3.2E+17 Li\r\n1002 Bo");
        const ImportedStudents read = readImportFile(bytes, csv);
        QCOMPARE(read.students.size(), size_t(2));
        QCOMPARE(read.students[0].id, qint64(1001));
        QCOMPARE(read.students[1].id, qint64(1002));
        QStringList skipped;
        for (const SkippedStudent &line : read.skipped)
            skipped << QString::number(line.number) + (line.reason == SkippedStudent::RoundedNumber ? "~" : "");
        QCOMPARE(skipped, (QStringList{"3", "6", "7~", "8~"}));
    }

    void filesThatCannotBeImportedSayWhy_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a class list") << "file" << "";
        QTest::newRow("just at the size limit") << "limit" << "";
        QTest::newRow("over the size limit") << "large" << " is larger than 64 MB, far more than any class list.";
        QTest::newRow("a folder") << "folder" << " is a folder.";
        QTest::newRow("a pipe") << "fifo" << " is not an ordinary file.";
        QTest::newRow("vanished after choosing") << "missing" << " no longer exists.";
        QTest::newRow("unreadable") << "unreadable" << " cannot be read (Permission denied).";
    }

    void filesThatCannotBeImportedSayWhy()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString path = TestEnvironment::homePath() + QStringLiteral("/list.txt");
        QFile file(path);
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == QLatin1String("fifo")) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind != QLatin1String("missing")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("1001 Tom\n");
            // Sparse: the size counts, not the disk it takes.
            if (kind != QLatin1String("file"))
                QVERIFY(file.resize(ImportFileCheck::kLargestFile + (kind == QLatin1String("large") ? 1 : 0)));
            file.close();
            if (kind == QLatin1String("unreadable")) {
                QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
                if (file.open(QIODevice::ReadOnly))
                    QSKIP("permission bits do not stop this process from reading (running as root)");
            }
        }
        const QString problem = ImportFileCheck::open(file);
        QCOMPARE(problem, reason.isEmpty() ? QString() : QStringLiteral("Nothing was imported: ") + path + reason);
        QCOMPARE(file.isOpen(), reason.isEmpty());
    }

    void badInputIsReadWithoutHarm()
    {
        QByteArray binary;
        for (int i = 0; i < 1 << 16; ++i)
            binary.append(char((i * 7919 + i / 13) & 0xff));
        readImportFile(binary, true);
        readImportFile(binary, false);

        const QByteArray longName(1 << 20, 'x');
        std::vector<ImportedStudent> students =
            readImportFile("5 " + longName + "\n" + QByteArray(1 << 20, '9'), true).students;
        QCOMPARE(students.size(), size_t(1));
        QCOMPARE(students[0].name.size(), 1 << 20);

        QByteArray many;
        for (int i = 0; i < 100000; ++i)
            many += QByteArray::number(i) + ",Name" + QByteArray::number(i) + "\n";
        students = readImportFile(many, true).students;
        QCOMPARE(students.size(), size_t(100000));
        QCOMPARE(students.back().name, QStringLiteral("Name99999"));
    }
};

ZANDREL_TEST_MAIN(TestImportReader)
#include "tst_importreader.moc"
