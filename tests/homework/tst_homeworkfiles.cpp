#include "homework/homeworkfiles.h"

#include "../support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

class TestHomeworkFiles : public QObject
{
    Q_OBJECT

private:
    static QString root() { return TestEnvironment::homePath(); }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
        file.write(bytes);
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Whether permission bits keep this process from writing into a
    // directory; they do not for root.
    static bool permissionsStopWrites(const QString &dir)
    {
        const QString probe = dir + QStringLiteral("/probe");
        QFile file(probe);
        const bool written = file.open(QIODevice::WriteOnly);
        file.close();
        QFile::remove(probe);
        return !written;
    }

    // Which file a path names: the same number after a move means it was
    // renamed, not copied.
    static ino_t fileInode(const QString &path)
    {
        struct stat status {};
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
    }

    static dev_t deviceOf(const QString &path)
    {
        struct stat status {};
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_dev : 0;
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void studentIdIsTheLeadingNumber_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("id");
        QTest::newRow("id, chapter, question") << "10322015_2_5.txt" << "10322015";
        QTest::newRow("id and extension") << "10322015.doc" << "10322015";
        QTest::newRow("id only") << "10322015" << "10322015";
        QTest::newRow("leading zeros dropped") << "0012_a.txt" << "12";
        QTest::newRow("zeros only") << "000_a.txt" << "0";
        QTest::newRow("no digits") << "homework.txt" << "0";
        QTest::newRow("empty") << "" << "0";
        QTest::newRow("white space skipped") << " \t\n42_x.txt" << "42";
        QTest::newRow("plus sign") << "+7_x.txt" << "7";
        QTest::newRow("minus sign") << "-0012_x.txt" << "-12";
        QTest::newRow("minus zero") << "-0_x.txt" << "0";
        QTest::newRow("sign without digits") << "-_x.txt" << "0";
        QTest::newRow("blank after sign") << "- 5.txt" << "0";
        QTest::newRow("stops at first non-digit") << "12a34.txt" << "12";
        QTest::newRow("decimal point") << "12.5_x.txt" << "12";
        QTest::newRow("hex is not read") << "0x1A.txt" << "0";
        QTest::newRow("other scripts' digits") << QString::fromUtf8("١٢_x.txt") << "0";
        QTest::newRow("full-width digits") << QString::fromUtf8("１２_x.txt") << "0";
        QTest::newRow("largest 32-bit") << "2147483647_x" << "2147483647";
        QTest::newRow("beyond 32 bits") << "2147483648_x" << "2147483648";
        QTest::newRow("twelve digits") << "202312345678_x" << "202312345678";
        QTest::newRow("beyond 64 bits") << "123456789012345678901234_x" << "123456789012345678901234";
    }

    void studentIdIsTheLeadingNumber()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, id);
        QCOMPARE(homeworkStudentId(fileName), id);
    }

    void destinationStaysInsideTheDataDirectory_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("toStudent");
        QTest::addColumn<QString>("destination");
        QTest::newRow("class") << "Maths" << "12" << false << "/data/Maths";
        QTest::newRow("student") << "Maths" << "12" << true << "/data/Maths/12";
        QTest::newRow("class with blanks") << "Class 1" << "-12" << true << "/data/Class 1/-12";
        QTest::newRow("parent class") << ".." << "12" << false << "";
        QTest::newRow("this class") << "." << "12" << true << "";
        QTest::newRow("separator in class") << "a/b" << "12" << true << "";
        QTest::newRow("backslash in class") << "a\\b" << "12" << false << "";
        QTest::newRow("no class") << "" << "12" << false << "";
    }

    void destinationStaysInsideTheDataDirectory()
    {
        QFETCH(QString, className);
        QFETCH(QString, id);
        QFETCH(bool, toStudent);
        QFETCH(QString, destination);
        QCOMPARE(homeworkDestinationDirectory(QStringLiteral("/data"), className, id, toStudent),
                 destination);
    }

    void transferCopiesOrMovesWhole_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray large(300 * 1024 + 17, 'h');
        QTest::newRow("copy") << false << QByteArray("chapter 2");
        QTest::newRow("move") << true << QByteArray("chapter 2");
        QTest::newRow("move empty file") << true << QByteArray();
        QTest::newRow("move large file") << true << large;
        QTest::newRow("copy large file") << false << large;
    }

    void transferCopiesOrMovesWhole()
    {
        QFETCH(bool, move);
        QFETCH(QByteArray, bytes);
        const QString source = root() + QStringLiteral("/12_2_5.txt");
        const QString destination = root() + QStringLiteral("/Maths/12_2_5.txt");
        QVERIFY(QDir().mkdir(root() + QStringLiteral("/Maths")));
        writeFile(source, bytes);

        QVERIFY(transferHomeworkFile(source, destination, move));
        QCOMPARE(contents(destination), bytes);
        QCOMPARE(QFileInfo::exists(source), !move);
        if (!move)
            QCOMPARE(contents(source), bytes);
    }

    void transfersKeepTheModificationTime_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("otherFileSystem");
        QTest::newRow("copy") << false << false;
        QTest::newRow("move") << true << false;
        QTest::newRow("move to another file system") << true << true;
    }

    void transfersKeepTheModificationTime()
    {
        QFETCH(bool, move);
        QFETCH(bool, otherFileSystem);
        // Memory-backed, so on another file system than the temporary home.
        QTemporaryDir elsewhere(QStringLiteral("/dev/shm/zandrel-XXXXXX"));
        if (otherFileSystem && (!elsewhere.isValid() || deviceOf(elsewhere.path()) == deviceOf(root())))
            QSKIP("no second file system to move to");
        const QString downloads = otherFileSystem ? elsewhere.path() : root();
        const QString source = downloads + QStringLiteral("/12_2_5.txt");
        const QString destination = root() + QStringLiteral("/Maths/12_2_5.txt");
        QVERIFY(QDir().mkdir(root() + QStringLiteral("/Maths")));
        writeFile(source, "handed in on time");
        const QDateTime handedIn(QDate(2023, 9, 1), QTime(8, 0, 0, 250));
        {
            QFile file(source);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(handedIn, QFileDevice::FileModificationTime));
        }
        const ino_t inode = fileInode(source);

        QVERIFY(transferHomeworkFile(source, destination, move));
        QCOMPARE(QFileInfo(destination).lastModified(), handedIn);
        QCOMPARE(contents(destination), QByteArray("handed in on time"));
        QCOMPARE(QFileInfo::exists(source), !move);
        if (move && !otherFileSystem)
            QCOMPARE(fileInode(destination), inode);
        if (!move)
            QCOMPARE(QFileInfo(source).lastModified(), handedIn);
    }

    void failedTransferLosesNothing_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("reason");
        for (bool move : {false, true}) {
            const char *verb = move ? "move: " : "copy: ";
            QTest::newRow(QByteArray(verb).append("destination exists").constData())
                << move << "exists" << int(TransferProblem::AlreadyThere);
            QTest::newRow(QByteArray(verb).append("no directory").constData())
                << move << "missing" << int(TransferProblem::NoFolder);
            QTest::newRow(QByteArray(verb).append("directory is a file").constData())
                << move << "file" << int(TransferProblem::NoFolder);
            QTest::newRow(QByteArray(verb).append("write-protected directory").constData())
                << move << "protected" << int(TransferProblem::CannotWrite);
        }
        QTest::newRow("move: download folder write-protected")
            << true << "source protected" << int(TransferProblem::CannotRemove);
    }

    void failedTransferLosesNothing()
    {
        QFETCH(bool, move);
        QFETCH(QString, obstacle);
        QFETCH(int, reason);
        const QString downloads = root() + QStringLiteral("/downloads");
        const QString classDir = root() + QStringLiteral("/Maths");
        const QString source = downloads + QStringLiteral("/12_2_5.txt");
        const QString destination = classDir + QStringLiteral("/12_2_5.txt");
        QVERIFY(QDir().mkdir(downloads));
        writeFile(source, "new homework");

        if (obstacle == QLatin1String("file")) {
            writeFile(classDir, "not a directory");
        } else if (obstacle != QLatin1String("missing")) {
            QVERIFY(QDir().mkdir(classDir));
        }
        if (obstacle == QLatin1String("exists"))
            writeFile(destination, "old homework");
        const QString locked = obstacle == QLatin1String("protected")          ? classDir
                               : obstacle == QLatin1String("source protected") ? downloads
                                                                               : QString();
        if (!locked.isEmpty()) {
            QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (!permissionsStopWrites(locked)) {
                QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ExeOwner);
                QSKIP("permission bits do not stop this process from writing (running as root)");
            }
        }

        TransferProblem problem;
        const bool transferred = transferHomeworkFile(source, destination, move, &problem);
        if (!locked.isEmpty())
            QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ExeOwner);
        QVERIFY(!transferred);
        QCOMPARE(int(problem.reason), reason);
        // Only a problem the system reported comes with its words.
        QCOMPARE(problem.systemError.isEmpty(),
                 reason == TransferProblem::AlreadyThere || reason == TransferProblem::NoFolder);
        QCOMPARE(contents(source), QByteArray("new homework"));
        if (obstacle == QLatin1String("exists"))
            QCOMPARE(contents(destination), QByteArray("old homework"));
        else
            QVERIFY(!QFileInfo::exists(destination));
    }
};

ZANDREL_TEST_MAIN(TestHomeworkFiles)
#include "tst_homeworkfiles.moc"
