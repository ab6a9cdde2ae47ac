#include "homework/movehomeworkdialog.h"

#include "../support/modalanswerer.h"
#include "../support/recordingservices.h"
#include "../support/testenvironment.h"
#include "../support/urlrecorder.h"
#include "../support/widgetlookup.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTextCursor>
#include <QTextEdit>

#include <map>
#include <optional>
#include <set>

class TestMoveHomeworkDialog : public QObject
{
    Q_OBJECT

private:
    std::optional<RecordingServices> m_services;
    // The classes the main window knows, and the students in each; the
    // services answer from these.
    std::map<QString, std::set<QString>> m_roster;
    bool m_everyoneIsAStudent = false;

    static QString dataDir() { return TestEnvironment::homePath() + QStringLiteral("/Brimvale"); }
    static QString downloads() { return TestEnvironment::homePath() + QStringLiteral("/downloads"); }
    static QString classDir() { return dataDir() + QStringLiteral("/Maths"); }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(bytes);
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static QStringList entries(const QString &dir)
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    static QVariant storedSetting(const char *key)
    {
        return QSettings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel")).value(QLatin1String(key));
    }

    // The class Maths with students 1001, 1002 and 0012, their directories as
    // the main window creates them, and a download folder.
    void makeClass()
    {
        m_roster[QStringLiteral("Maths")] = {QStringLiteral("1001"), QStringLiteral("1002"), QStringLiteral("0012")};
        for (const char *id : {"1001", "1002", "0012"})
            QDir().mkpath(classDir() + QLatin1Char('/') + QLatin1String(id));
        QDir().mkpath(downloads());
    }

    static void scan(QWidget &dialog, const QString &path)
    {
        auto *field = findByName<QLineEdit>(dialog, "lineEdit");
        field->clear();
        QTest::keyClicks(field, path);
        QTest::mouseClick(findByName<QPushButton>(dialog, "pushButton_2"), Qt::LeftButton);
    }

    // A check box takes clicks on its box and text only, not on the empty
    // rest of its row.
    static void tick(QCheckBox *box)
    {
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    }

    static QString logLine(const QString &verb, const QString &fileName, const QString &dir)
    {
        return verb + QLatin1Char(' ') + fileName + QStringLiteral(" to ") + dir + QStringLiteral("\n\n");
    }

    static QString leftLine(const QString &fileName, const QString &why)
    {
        return QStringLiteral("Could not move ") + fileName + QStringLiteral(": ") + why + QStringLiteral("\n\n");
    }

    static QString movedSummary(int moved, int left)
    {
        return QStringLiteral("%1 files moved successfully! %2 files could not be moved and are still in the "
                              "download folder.")
            .arg(moved)
            .arg(left);
    }

private slots:
    void initTestCase()
    {
        m_services.emplace();
        m_services->studentOfClass = [this](const QString &className, const QString &id) {
            const auto found = m_roster.find(className);
            return m_everyoneIsAStudent || (found != m_roster.end() && found->second.count(id) > 0);
        };
    }
    void cleanupTestCase() { m_services.reset(); }

    void init()
    {
        TestEnvironment::clearUserData();
        QDir::setCurrent(TestEnvironment::homePath());
        m_services->dataDir = dataDir();
        m_roster.clear();
        m_services->studentQuestions.clear();
        m_everyoneIsAStudent = false;
    }

    void firstOpeningShowsTheDefaults()
    {
        MoveHomeworkDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Move Homework to Class Directory"));
        QCOMPARE(dialog.size(), QSize(531, 438));
        QVERIFY(!dialog.windowIcon().isNull());
        QCOMPARE(findByName<QLineEdit>(dialog, "lineEdit")->text(), QStringLiteral("0"));
        QVERIFY(!findByName<QCheckBox>(dialog, "checkBox")->isChecked());
        QVERIFY(findByName<QCheckBox>(dialog, "checkBox_2")->isChecked());
        QVERIFY(!findByName<QLineEdit>(dialog, "lineEdit_2")->isEnabled());
        QVERIFY(findByName<QTextEdit>(dialog, "textEdit")->isReadOnly());
    }

    void invalidDownloadPathWarns_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("first opening") << "0";
        QTest::newRow("missing folder") << "/no/such/folder";
        QTest::newRow("a file") << "notes.txt";
    }

    void invalidDownloadPathWarns()
    {
        QFETCH(QString, path);
        writeFile(TestEnvironment::homePath() + QStringLiteral("/notes.txt"), "not a folder");
        MoveHomeworkDialog dialog;
        dialog.setClassName(QStringLiteral("Maths"));
        dialog.show();
        ModalAnswerer answerer;
        scan(dialog, path);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Warning"));
        QCOMPARE(answerer.text(), QStringLiteral("\nInvalid Download Path!\n\n"));
        QVERIFY(findByName<QTextEdit>(dialog, "textEdit")->toPlainText().isEmpty());
    }

    void optionsAreStoredWhenClickedAndReadBack()
    {
        {
            MoveHomeworkDialog dialog;
            dialog.show();
            tick(findByName<QCheckBox>(dialog, "checkBox"));
            QCOMPARE(storedSetting("Homework_Copy"), QVariant(true));
            tick(findByName<QCheckBox>(dialog, "checkBox_2"));
            QCOMPARE(storedSetting("Homework_ToStudentDir"), QVariant(false));
        }
        MoveHomeworkDialog reopened;
        QVERIFY(findByName<QCheckBox>(reopened, "checkBox")->isChecked());
        QVERIFY(!findByName<QCheckBox>(reopened, "checkBox_2")->isChecked());
    }

    void chosenFolderIsStoredAndShown_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }

    void chosenFolderIsStoredAndShown()
    {
        QFETCH(bool, accept);
        QDir().mkpath(downloads());
        MoveHomeworkDialog dialog;
        dialog.show();
        QString caption;
        ModalAnswerer answerer([&](QWidget *modal) {
            auto *chooser = qobject_cast<QFileDialog *>(modal);
            caption = modal->windowTitle();
            chooser->setDirectory(downloads());
            auto *nameField = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            nameField->clear();
            // QFileDialog hides accept(); QDialog's reaches its override.
            QDialog *asDialog = chooser;
            accept ? asDialog->accept() : asDialog->reject();
        });
        QTest::mouseClick(findByName<QPushButton>(dialog, "pushButton"), Qt::LeftButton);
        QVERIFY(answerer.answered());
        QCOMPARE(caption, QStringLiteral("Set Download Directory"));
        QCOMPARE(findByName<QLineEdit>(dialog, "lineEdit")->text(), accept ? downloads() : QStringLiteral("0"));
        QCOMPARE(storedSetting("Homework_DownloadPath"), accept ? QVariant(downloads()) : QVariant());

        MoveHomeworkDialog reopened;
        QCOMPARE(findByName<QLineEdit>(reopened, "lineEdit")->text(), accept ? downloads() : QStringLiteral("0"));
    }

    void classPathShowsAndOpensTheClassDirectory()
    {
        UrlRecorder recorder;
        MoveHomeworkDialog dialog;
        dialog.show();
        dialog.setClassName(QStringLiteral("Maths"));
        QCOMPARE(findByName<QLineEdit>(dialog, "lineEdit_2")->text(), classDir());
        QTest::mouseClick(findByName<QPushButton>(dialog, "pushButton_3"), Qt::LeftButton);
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(classDir())});
    }

    void classPathShowsTheDataDirectoryAndTheName_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<bool>("opens");
        QTest::newRow("a class") << "Maths" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("separator") << "../downloads" << false;
    }

    void classPathShowsTheDataDirectoryAndTheName()
    {
        QFETCH(QString, className);
        QFETCH(bool, opens);
        UrlRecorder recorder;
        MoveHomeworkDialog dialog;
        dialog.setClassName(className);
        QCOMPARE(findByName<QLineEdit>(dialog, "lineEdit_2")->text(), dataDir() + QLatin1Char('/') + className);
        dialog.show();
        QTest::mouseClick(findByName<QPushButton>(dialog, "pushButton_3"), Qt::LeftButton);
        QCOMPARE(recorder.urls.size(), opens ? 1 : 0);
    }

    void homeworkOfStudentsIsCollected_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::addColumn<bool>("toStudent");
        QTest::newRow("move to student directories") << false << true;
        QTest::newRow("move to class directory") << false << false;
        QTest::newRow("copy to student directories") << true << true;
        QTest::newRow("copy to class directory") << true << false;
    }

    void homeworkOfStudentsIsCollected()
    {
        QFETCH(bool, copy);
        QFETCH(bool, toStudent);
        makeClass();
        const QStringList handled{"1001_2_5.txt", "1001_3_1.txt", "1002.doc"};
        // 0012 reads as student 12, abc as student 0; neither is in the class.
        const QStringList others{".1001_hidden.txt", "0012_a.txt", "9999_x.txt", "abc.txt"};
        for (const QString &name : handled + others)
            writeFile(downloads() + QLatin1Char('/') + name, name.toUtf8());
        QDir().mkpath(downloads() + QStringLiteral("/1001_sub"));
        writeFile(downloads() + QStringLiteral("/1001_sub/1001_inner.txt"), "inside");

        MoveHomeworkDialog dialog;
        dialog.setClassName(QStringLiteral("Maths"));
        dialog.show();
        if (copy)
            tick(findByName<QCheckBox>(dialog, "checkBox"));
        if (!toStudent)
            tick(findByName<QCheckBox>(dialog, "checkBox_2"));
        scan(dialog, downloads());

        QString expectedLog;
        for (const QString &name : handled) {
            const QString dir = toStudent ? classDir() + QLatin1Char('/') + name.left(4) : classDir();
            QCOMPARE(contents(dir + QLatin1Char('/') + name), name.toUtf8());
            expectedLog += logLine(copy ? QStringLiteral("Copy") : QStringLiteral("Move"), name, dir);
        }
        expectedLog += copy ? QStringLiteral("3 files copied successfully!")
                            : QStringLiteral("3 files moved successfully!");
        QCOMPARE(findByName<QTextEdit>(dialog, "textEdit")->toPlainText(), expectedLog);

        QStringList left = others + QStringList{"1001_sub"};
        if (copy)
            left += handled;
        left.sort();
        QCOMPARE(entries(downloads()), left);
        QCOMPARE(entries(downloads() + QStringLiteral("/1001_sub")), QStringList{"1001_inner.txt"});
        QCOMPARE(entries(classDir() + QStringLiteral("/0012")), QStringList());

        QVERIFY(m_services->studentQuestions.contains({QStringLiteral("Maths"), QStringLiteral("12")}));
        QVERIFY(m_services->studentQuestions.contains({QStringLiteral("Maths"), QStringLiteral("0")}));
        QVERIFY(!m_services->studentQuestions.contains({QStringLiteral("Maths"), QStringLiteral("1001_sub")}));
    }

    void existingHomeworkIsNeverOverwritten()
    {
        makeClass();
        writeFile(downloads() + QStringLiteral("/1001_2_5.txt"), "second try");
        writeFile(downloads() + QStringLiteral("/1001_3_1.txt"), "chapter 3");
        writeFile(classDir() + QStringLiteral("/1001/1001_2_5.txt"), "first try");

        MoveHomeworkDialog dialog;
        dialog.setClassName(QStringLiteral("Maths"));
        dialog.show();
        scan(dialog, downloads());

        QCOMPARE(contents(downloads() + QStringLiteral("/1001_2_5.txt")), QByteArray("second try"));
        QCOMPARE(contents(classDir() + QStringLiteral("/1001/1001_2_5.txt")), QByteArray("first try"));
        QCOMPARE(contents(classDir() + QStringLiteral("/1001/1001_3_1.txt")), QByteArray("chapter 3"));
        const QString studentDir = classDir() + QStringLiteral("/1001");
        QCOMPARE(findByName<QTextEdit>(dialog, "textEdit")->toPlainText(),
                 leftLine(QStringLiteral("1001_2_5.txt"),
                          studentDir + QStringLiteral(" already holds a file of that name"))
                     + logLine(QStringLiteral("Move"), QStringLiteral("1001_3_1.txt"), studentDir)
                     + movedSummary(1, 1));
    }

    void unwritableDestinationLosesNothing_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("student directory is a file") << "file";
        QTest::newRow("student directory missing") << "missing";
        QTest::newRow("student directory write-protected") << "protected";
    }

    void unwritableDestinationLosesNothing()
    {
        QFETCH(QString, obstacle);
        makeClass();
        const QString studentDir = classDir() + QStringLiteral("/1001");
        writeFile(downloads() + QStringLiteral("/1001_2_5.txt"), "homework");
        if (obstacle == QLatin1String("file")) {
            QDir(studentDir).removeRecursively();
            writeFile(studentDir, "in the way");
        } else if (obstacle == QLatin1String("missing")) {
            QDir(studentDir).removeRecursively();
        } else {
            QFile::setPermissions(studentDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            QFile probe(studentDir + QStringLiteral("/probe"));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QSKIP("permission bits do not stop this process from writing (running as root)");
            }
        }

        MoveHomeworkDialog dialog;
        dialog.setClassName(QStringLiteral("Maths"));
        dialog.show();
        scan(dialog, downloads());
        if (obstacle == QLatin1String("protected"))
            QFile::setPermissions(studentDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ExeOwner);

        QCOMPARE(contents(downloads() + QStringLiteral("/1001_2_5.txt")), QByteArray("homework"));
        QVERIFY(!QFile::exists(studentDir + QStringLiteral("/1001_2_5.txt")));
        const QString log = findByName<QTextEdit>(dialog, "textEdit")->toPlainText();
        if (obstacle == QLatin1String("protected"))
            QVERIFY2(log.startsWith(QStringLiteral("Could not move 1001_2_5.txt: it cannot be written to ")),
                     qPrintable(log));
        else
            QCOMPARE(log, leftLine(QStringLiteral("1001_2_5.txt"), QStringLiteral("there is no folder ") + studentDir)
                              + movedSummary(0, 1));
        QVERIFY(log.endsWith(movedSummary(0, 1)));
    }

    void classNamesThatLeadOutsideWriteNothing_data()
    {
        QTest::addColumn<QString>("className");
        QTest::newRow("parent") << "..";
        QTest::newRow("separator") << "../downloads";
        QTest::newRow("empty") << "";
    }

    void classNamesThatLeadOutsideWriteNothing()
    {
        QFETCH(QString, className);
        m_everyoneIsAStudent = true;
        QDir().mkpath(dataDir());
        QDir().mkpath(downloads());
        writeFile(downloads() + QStringLiteral("/1001_2_5.txt"), "homework");

        MoveHomeworkDialog dialog;
        dialog.setClassName(className);
        dialog.show();
        tick(findByName<QCheckBox>(dialog, "checkBox_2"));
        scan(dialog, downloads());

        QCOMPARE(entries(TestEnvironment::homePath()), (QStringList{"Brimvale", "downloads"}));
        QCOMPARE(entries(dataDir()), QStringList());
        QCOMPARE(entries(downloads()), QStringList{"1001_2_5.txt"});
        QCOMPARE(findByName<QTextEdit>(dialog, "textEdit")->toPlainText(),
                 leftLine(QStringLiteral("1001_2_5.txt"),
                          QStringLiteral("the class name or the student ID cannot be a folder name"))
                     + movedSummary(0, 1));
    }

    void typedPathIsScannedButNotStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("blanks around") << "  " + downloads() + "\t";
        QTest::newRow("empty names the current directory") << "";
    }

    void typedPathIsScannedButNotStored()
    {
        QFETCH(QString, typed);
        makeClass();
        QDir::setCurrent(downloads());
        writeFile(downloads() + QStringLiteral("/1002_1_1.txt"), "homework");

        MoveHomeworkDialog dialog;
        dialog.setClassName(QStringLiteral("Maths"));
        dialog.show();
        scan(dialog, typed);

        QCOMPARE(contents(classDir() + QStringLiteral("/1002/1002_1_1.txt")), QByteArray("homework"));
        QCOMPARE(entries(downloads()), QStringList());
        QCOMPARE(storedSetting("Homework_DownloadPath"), QVariant());
    }

    void logGrowsOverScans()
    {
        makeClass();
        MoveHomeworkDialog dialog;
        dialog.setClassName(QStringLiteral("Maths"));
        dialog.show();
        scan(dialog, downloads());
        tick(findByName<QCheckBox>(dialog, "checkBox"));
        // A name that looks like markup is logged as it is written.
        const QString markup = QStringLiteral("1002_<b>R&amp;D.txt");
        writeFile(downloads() + QLatin1Char('/') + markup, "homework");
        writeFile(downloads() + QStringLiteral("/1002_a.txt"), "homework");
        scan(dialog, downloads());

        const QString studentDir = classDir() + QStringLiteral("/1002");
        QCOMPARE(findByName<QTextEdit>(dialog, "textEdit")->toPlainText(),
                 QStringLiteral("0 files moved successfully!\n")
                     + logLine(QStringLiteral("Copy"), markup, studentDir)
                     + logLine(QStringLiteral("Copy"), QStringLiteral("1002_a.txt"), studentDir)
                     + QStringLiteral("2 files copied successfully!"));
    }

    void summaryIsInViewAfterALongScan()
    {
        makeClass();
        for (int question = 1; question <= 40; ++question)
            writeFile(downloads() + QStringLiteral("/1001_1_%1.txt").arg(question), "homework");
        MoveHomeworkDialog dialog;
        dialog.setClassName(QStringLiteral("Maths"));
        dialog.show();
        scan(dialog, downloads());

        auto *log = findByName<QTextEdit>(dialog, "textEdit");
        QVERIFY(log->toPlainText().endsWith(QStringLiteral("\n40 files moved successfully!")));
        QVERIFY(log->verticalScrollBar()->maximum() > 0);
        QTextCursor summary(log->document());
        summary.movePosition(QTextCursor::End);
        QVERIFY(log->viewport()->rect().contains(log->cursorRect(summary)));
    }
};

ZANDREL_TEST_MAIN(TestMoveHomeworkDialog)
#include "tst_movehomeworkdialog.moc"
