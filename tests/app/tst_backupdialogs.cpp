#include "app/backupdialog.h"
#include "app/interfacelanguage.h"
#include "app/restoredialog.h"
#include "common/settingsmap.h"
#include "roster/backuparchive.h"
#include "roster/rosterbackups.h"
#include "roster/rosterstore.h"

#include "../support/modalanswerer.h"
#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

// The teacher's way to the backups: Back Up Everything..., Restore from
// Backup... and Restore an Earlier Day....
class TestBackupDialogs : public QObject
{
    Q_OBJECT

private:
    QStringList m_started;
    QDateTime m_now;

    static QString dataDir() { return TestEnvironment::homePath() + QStringLiteral("/Brimvale"); }
    static QString rosterFile() { return TestEnvironment::settingsFile(QStringLiteral("Zandrel_ClassSetting")); }

    static QByteArray contentOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QPushButton *okButton(QDialog &dialog)
    {
        return findByName<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
    }

    static QString cell(QDialog &dialog, int row, int column)
    {
        return findByName<QTableWidget>(dialog, "tableWidget_compare")->item(row, column)->text();
    }

    static QString backupOfTwoClasses()
    {
        seedRoster({{QStringLiteral("A"), {"1", "2"}, {}, {"AB", "C"}}, {QStringLiteral("B"), {"3"}, {}, {}}});
        const QString zip = TestEnvironment::homePath() + QStringLiteral("/term.zip");
        BackupArchive archive;
        if (!archive.write(zip, dataDir(), false))
            qWarning("%s", qPrintable(archive.errorMessage()));
        return zip;
    }

    static void enterFile(QDialog &dialog, const QString &file)
    {
        auto *path = findByName<QLineEdit>(dialog, "lineEdit_file");
        path->setText(file);
        QTest::keyClick(path, Qt::Key_Return);
    }

private slots:
    void init()
    {
        TestEnvironment::clearUserData();
        QDir().mkpath(dataDir());
        m_started.clear();
        InterfaceLanguage::setProgramStarter([this](const QString &program) {
            m_started << program;
            return true;
        });
        m_now = QDateTime(QDate(2026, 3, 2), QTime(8, 0));
        RosterBackups::setClock([this] { return m_now; });
    }

    void cleanup()
    {
        InterfaceLanguage::setProgramStarter(nullptr);
        RosterBackups::setClock(nullptr);
        // A restore asks the application to quit, which leaves every later
        // event loop (a message box, a modal answerer's wait) ending at
        // once; running the application's own loop clears that.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    void backingUpWritesTheFileTheTeacherChose()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {"A"}}});
        QDir().mkpath(dataDir() + QStringLiteral("/A/1"));
        QFile homework(dataDir() + QStringLiteral("/A/1/1_2_5.txt"));
        QVERIFY(homework.open(QIODevice::WriteOnly));
        homework.close();

        BackupDialog dialog(dataDir());
        dialog.show();
        auto *path = findByName<QLineEdit>(dialog, "lineEdit_file");
        QCOMPARE(path->text(),
                 QDir::home().filePath(QStringLiteral("Zandrel-backup-%1.zip")
                                           .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")))));
        const QString chosen = TestEnvironment::homePath() + QStringLiteral("/usb/backup");
        QDir().mkpath(QFileInfo(chosen).path());
        path->setText(chosen);
        findByName<QCheckBox>(dialog, "checkBox_includeHomework")->setChecked(true);

        ModalAnswerer answerer;
        okButton(dialog)->click();
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Back Up Everything"));
        QVERIFY(answerer.text().contains(chosen + QStringLiteral(".zip")));
        QVERIFY(!dialog.isVisible());

        BackupArchive archive;
        QVERIFY(archive.open(chosen + QStringLiteral(".zip")));
        QVERIFY(archive.manifest().homework);
        QCOMPARE(archive.manifest().counts.scores, 1);
    }

    void aBackupIsShownBesideTodayAndRestoredAfterAsking()
    {
        const QString zip = backupOfTwoClasses();
        const QByteArray roster = contentOf(rosterFile());
        seedRoster({{QStringLiteral("New"), {"9"}, {}, {"ABCDEF"}}});

        RestoreDialog dialog(RestoreDialog::BackupFile, dataDir());
        dialog.show();
        QVERIFY(!okButton(dialog)->isEnabled());
        enterFile(dialog, zip);
        QCOMPARE(cell(dialog, 1, 0), QStringLiteral("2"));
        QCOMPARE(cell(dialog, 2, 0), QStringLiteral("3"));
        QCOMPARE(cell(dialog, 3, 0), QStringLiteral("3"));
        QCOMPARE(cell(dialog, 1, 1), QStringLiteral("1"));
        QCOMPARE(cell(dialog, 3, 1), QStringLiteral("6"));
        QVERIFY(!cell(dialog, 0, 0).isEmpty());
        QVERIFY(okButton(dialog)->isEnabled());

        {
            ModalAnswerer no(QDialogButtonBox::No);
            okButton(dialog)->click();
            QVERIFY(no.answered());
        }
        QCOMPARE(storedRoster().first().name, QStringLiteral("New"));
        QVERIFY(m_started.isEmpty());

        ModalAnswerer yes(QDialogButtonBox::Yes);
        okButton(dialog)->click();
        QVERIFY(yes.answered());
        QCOMPARE(contentOf(rosterFile()), roster);
        QCOMPARE(m_started, QStringList{QCoreApplication::applicationFilePath()});
        QVERIFY(QFile::exists(BackupArchive::keptStatePath(m_now)));
    }

    void aFileThatIsNoBackupIsRefusedWithOneMessage()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {"A"}}});
        const QByteArray roster = contentOf(rosterFile());
        const QString file = TestEnvironment::homePath() + QStringLiteral("/list.zip");
        QFile list(file);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("PK\x03\x04 this is no zip at all");
        list.close();

        RestoreDialog dialog(RestoreDialog::BackupFile, dataDir());
        dialog.show();
        ModalAnswerer answerer;
        enterFile(dialog, file);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.text(),
                 QStringLiteral("This backup is damaged and cannot be restored. Nothing was changed."));
        QVERIFY(!okButton(dialog)->isEnabled());
        QCOMPARE(cell(dialog, 1, 0), QStringLiteral("-"));
        QCOMPARE(contentOf(rosterFile()), roster);
        QVERIFY(m_started.isEmpty());
    }

    void anEarlierDaySaysHowManyScoresItTakesBack()
    {
        seedRoster({{QStringLiteral("A"), {"1", "2"}, {}, {}}});
        RosterStore store(dataDir());
        store.loadClasses();
        store.selectClass(QStringLiteral("A"));
        const QByteArray firstMorning = contentOf(rosterFile());
        store.appendScore(QStringLiteral("1"), 'A');
        store.appendScore(QStringLiteral("2"), 'B');
        m_now = m_now.addDays(1);
        store.appendScore(QStringLiteral("1"), 'C');
        store.appendScore(QStringLiteral("2"), 'D');

        RestoreDialog dialog(RestoreDialog::EarlierDay, dataDir());
        dialog.show();
        auto *days = findByName<QComboBox>(dialog, "comboBox_day");
        QCOMPARE(days->count(), 2);
        QVERIFY(!findByName<QLineEdit>(dialog, "lineEdit_file")->isVisible());
        QCOMPARE(findByName<QLabel>(dialog, "label_note")->text(),
                 QStringLiteral("Scores given since then that the restore takes back: 2"));
        days->setCurrentIndex(1);
        QCOMPARE(cell(dialog, 3, 0), QStringLiteral("0"));
        QCOMPARE(cell(dialog, 3, 1), QStringLiteral("4"));
        QCOMPARE(findByName<QLabel>(dialog, "label_note")->text(),
                 QStringLiteral("Scores given since then that the restore takes back: 4"));

        ModalAnswerer yes(QDialogButtonBox::Yes);
        okButton(dialog)->click();
        QVERIFY(yes.answered());
        QCOMPARE(contentOf(rosterFile()), firstMorning);
        QCOMPARE(m_started.size(), 1);
    }
};

ZANDREL_TEST_MAIN(TestBackupDialogs)
#include "tst_backupdialogs.moc"
