#include "app/mainwindow.h"

#include "../support/modalanswerer.h"
#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"
#include "../support/urlrecorder.h"
#include "../support/widgetlookup.h"
#include "../support/workbookfiles.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLCDNumber>
#include <QLabel>
#include <QCheckBox>
#include <QLineEdit>
#include <QSettings>
#include <QToolButton>
#include <QPushButton>
#include <QStatusBar>

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    static QString dataDir() { return TestEnvironment::homePath() + QStringLiteral("/Brimvale"); }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void firstStartShowsClassOneAndTheClock()
    {
        MainWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Zandrel v2.0"));
        auto *chooser = findByName<QComboBox>(window, "comboBox");
        QCOMPARE(chooser->count(), 1);
        QCOMPARE(chooser->currentText(), QStringLiteral("Class 1"));
        QCOMPARE(findByName<QLabel>(window, "label_3")->text(), QStringLiteral("0 Students"));
        QVERIFY(!findByName<QPushButton>(window, "pushButton")->isEnabled());
        QVERIFY(QDir(dataDir() + QStringLiteral("/Class 1")).exists());
        QCOMPARE(window.height(), 400);
        QVERIFY(window.width() >= 500 && window.width() <= 540);

        const QList<QLabel *> labels = window.statusBar()->findChildren<QLabel *>();
        const bool clockShown = std::any_of(labels.cbegin(), labels.cend(), [](QLabel *label) {
            return QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d $")).match(label->text()).hasMatch();
        });
        QVERIFY(clockShown);
    }

    void idsAreOrderedByValueAndDeduplicated()
    {
        seedRoster({{QStringLiteral("Maths"),
                     {"10", "9", "011", "007", "7", "abc", "x"}, {}, {}}});
        MainWindow window;
        QCOMPARE(findByName<QLabel>(window, "label_3")->text(), QStringLiteral("5 Students"));
        // The first ID by value is "abc" (0), which the display shows as 0.
        QCOMPARE(findByName<QLCDNumber>(window, "lcdNumber")->value(), 0.0);
        const QString classDir = dataDir() + QStringLiteral("/Maths");
        for (const char *kept : {"10", "9", "011", "007", "abc"})
            QVERIFY2(QDir(classDir + QLatin1Char('/') + QLatin1String(kept)).exists(), kept);
        for (const char *dropped : {"7", "x"})
            QVERIFY2(!QDir(classDir + QLatin1Char('/') + QLatin1String(dropped)).exists(), dropped);
        QVERIFY(findByName<QPushButton>(window, "pushButton")->isEnabled());
    }

    void choosingAnotherClassRefreshesEverything()
    {
        seedRoster({{QStringLiteral("A"), {"3", "1", "2"}, {}, {}},
                    {QStringLiteral("B"), {"42"}, {}, {}}});
        MainWindow window;
        auto *chooser = findByName<QComboBox>(window, "comboBox");
        QCOMPARE(findByName<QLCDNumber>(window, "lcdNumber")->intValue(), 1);
        chooser->setCurrentIndex(1);
        QCOMPARE(findByName<QLabel>(window, "label_3")->text(), QStringLiteral("1 Students"));
        QCOMPARE(findByName<QLCDNumber>(window, "lcdNumber")->intValue(), 42);
        QVERIFY(QDir(dataDir() + QStringLiteral("/B/42")).exists());
    }

    void chosenClassIsKeptAfterClassSettings()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}}, {QStringLiteral("B"), {"2"}, {}, {}}});
        MainWindow window;
        auto *chooser = findByName<QComboBox>(window, "comboBox");
        chooser->setCurrentIndex(1);

        seedRoster({{QStringLiteral("C"), {"3"}, {}, {}}, {QStringLiteral("B"), {"2"}, {}, {}}});
        {
            ModalAnswerer answerer([](QWidget *dialog) { dialog->close(); });
            findByName<QAction>(window, "actionClass_Settings")->trigger();
            QVERIFY(answerer.answered());
        }
        QCOMPARE(chooser->currentText(), QStringLiteral("B"));
        QCOMPARE(chooser->currentIndex(), 1);

        seedRoster({{QStringLiteral("D"), {"4"}, {}, {}}});
        {
            ModalAnswerer answerer([](QWidget *dialog) { dialog->close(); });
            findByName<QAction>(window, "actionClass_Settings")->trigger();
        }
        QCOMPARE(chooser->currentText(), QStringLiteral("D"));
        QCOMPARE(findByName<QLCDNumber>(window, "lcdNumber")->intValue(), 4);
    }

    void modeActionsShowTheirPanel_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("panel");
        QTest::newRow("wheel") << "actionWheel" << "widget_2";
        QTest::newRow("micro tile") << "actionMicro_Tile" << "widget_3";
        QTest::newRow("tv roller") << "actionTV_Roller" << "widget_4";
        QTest::newRow("led") << "actionLED" << "widget";
    }

    void modeActionsShowTheirPanel()
    {
        QFETCH(QString, action);
        QFETCH(QString, panel);
        seedRoster({{QStringLiteral("A"), {"1", "2"}, {}, {}}});
        MainWindow window;
        window.show();
        const QPoint ledPosition = findByName<QWidget>(window, "widget")->pos();
        if (action == QLatin1String("actionLED"))
            findByName<QAction>(window, "actionWheel")->trigger();
        findByName<QAction>(window, action.toLatin1().constData())->trigger();

        for (const char *name : {"widget", "widget_2", "widget_3", "widget_4"}) {
            QWidget *each = findByName<QWidget>(window, name);
            QCOMPARE(each->isVisible(), panel == QLatin1String(name));
        }
        QCOMPARE(findByName<QWidget>(window, panel.toLatin1().constData())->pos(), ledPosition);
        for (const char *name : {"actionLED", "actionWheel", "actionMicro_Tile", "actionTV_Roller"})
            QCOMPARE(findByName<QAction>(window, name)->isChecked(), action == QLatin1String(name));
    }

    void namesThatLeadOutsideTheDataDirectoryCreateNothing()
    {
        seedRoster({{QStringLiteral(".."), {"1"}, {}, {}},
                    {QStringLiteral("a/b"), {"2"}, {}, {}},
                    {QStringLiteral("Safe"), {"../../escape", "3"}, {}, {}}});
        MainWindow window;
        auto *chooser = findByName<QComboBox>(window, "comboBox");
        ModalAnswerer notDrawn;
        for (int i = 0; i < chooser->count(); ++i)
            chooser->setCurrentIndex(i);
        QVERIFY(notDrawn.answered());

        QCOMPARE(QDir(TestEnvironment::homePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Brimvale")});
        QCOMPARE(QDir(dataDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Safe")});
        QCOMPARE(QDir(dataDir() + QStringLiteral("/Safe")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("3")});
    }

    void studentsNoDrawReachesAreListedOnceWhenTheClassIsChosen()
    {
        seedRoster({{QStringLiteral("A"), {"1", "S01", "7", "007"}, {}, {}},
                    {QStringLiteral("B"), {"1", "2"}, {}, {}},
                    {QStringLiteral("C"), {"5", "abc"}, {}, {}}});
        const QString listed =
            QStringLiteral("%1 students cannot be drawn: their IDs are not whole numbers or are used "
                           "twice: %2");
        ModalAnswerer atStart;
        MainWindow window;
        window.show();
        QTRY_VERIFY(atStart.answered());
        QCOMPARE(atStart.text(), listed.arg(2).arg(QStringLiteral("S01, 007")));

        auto *chooser = findByName<QComboBox>(window, "comboBox");
        {
            ModalAnswerer answerer;
            chooser->setCurrentIndex(2);
            QVERIFY(answerer.answered());
            QCOMPARE(answerer.text(),
                     QStringLiteral("1 student cannot be drawn: their IDs are not whole numbers or "
                                    "are used twice: abc"));
        }
        ModalAnswerer again(QDialogButtonBox::Ok, 300);
        chooser->setCurrentIndex(1);
        chooser->setCurrentIndex(0);
        chooser->setCurrentIndex(2);
        QTest::qWait(400);
        QVERIFY(!again.answered());
    }

    void openDirectoryOpensTheDataDirectory()
    {
        UrlRecorder recorder;
        MainWindow window;
        findByName<QAction>(window, "actionOpen_Directory")->trigger();
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(dataDir())});
    }

    void moveHomeworkWorksOnTheChosenClass()
    {
        seedRoster({{QStringLiteral("A"), {"1"}, {}, {}}, {QStringLiteral("B"), {"10322015"}, {}, {}}});
        const QString downloads = TestEnvironment::homePath() + QStringLiteral("/Downloads");
        QDir().mkpath(downloads);
        QFile homework(downloads + QStringLiteral("/10322015_2_5.txt"));
        QVERIFY(homework.open(QIODevice::WriteOnly));
        homework.write("answer");
        homework.close();

        MainWindow window;
        findByName<QComboBox>(window, "comboBox")->setCurrentIndex(1);
        ModalAnswerer answerer([&downloads](QWidget *dialog) {
            auto *path = dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"));
            path->setText(downloads);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pushButton_2")), Qt::LeftButton);
            dialog->close();
        });
        findByName<QAction>(window, "actionMove_Homework")->trigger();
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Move Homework to Class Directory"));
        QVERIFY(QFile::exists(dataDir() + QStringLiteral("/B/10322015/10322015_2_5.txt")));
        QVERIFY(!QFile::exists(downloads + QStringLiteral("/10322015_2_5.txt")));
    }

    void voiceSwitchTurnsSpeechOnAndOff()
    {
        MainWindow window;
        window.show();
        auto *voiceSwitch = window.statusBar()->findChild<QPushButton *>();
        QVERIFY(voiceSwitch->isChecked());
        QCOMPARE(voiceSwitch->toolTip(), QStringLiteral("Voice Opened"));
        QSettings speech(QStringLiteral("Velmor"), QStringLiteral("Speech"));
        QCOMPARE(speech.value(QStringLiteral("Enable")).toBool(), true);

        QTest::mouseClick(voiceSwitch, Qt::LeftButton);
        QVERIFY(!voiceSwitch->isChecked());
        QCOMPARE(voiceSwitch->toolTip(), QStringLiteral("Voice Closed"));
        speech.sync();
        QCOMPARE(speech.value(QStringLiteral("Enable")).toBool(), false);

        // Turning speech on in the speech settings moves the switch but leaves
        // its tool tip as it was.
        ModalAnswerer answerer([](QWidget *dialog) {
            dialog->findChild<QCheckBox *>(QStringLiteral("checkBox_2"))->click();
            dialog->close();
        });
        findByName<QAction>(window, "actionSetting")->trigger();
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Speech Setting"));
        QVERIFY(voiceSwitch->isChecked());
        QCOMPARE(voiceSwitch->toolTip(), QStringLiteral("Voice Closed"));
    }

    void averageScoresAreWrittenForTheChosenClass()
    {
        seedRoster({{QStringLiteral("Other"), {"1"}, {}, {"F"}},
                    {QStringLiteral("Maths"), {"1001", "1002"}, {}, {"AB", "CDF"}}});
        MainWindow window;
        findByName<QComboBox>(window, "comboBox")->setCurrentIndex(1);
        QString told;
        ModalAnswerer answerer([&told](QWidget *dialog) {
            ModalAnswerer written;
            QTest::mouseClick(dialog->findChild<QToolButton *>(QStringLiteral("toolButton")), Qt::LeftButton);
            told = written.text();
            dialog->close();
        });
        findByName<QAction>(window, "actionCalculate_Ave_Score")->trigger();
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Calculate Ave Score - Maths"));
        QCOMPARE(told,
                 QStringLiteral(
                     "The average scores of Maths were written to\n%1/Maths_score100.txt\nand\n%1/Maths_score100.csv")
                     .arg(dataDir()));

        QFile text(dataDir() + QStringLiteral("/Maths_score100.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), QByteArray("1001 28\r\n1002 19\r\n"));
        QFile csv(dataDir() + QStringLiteral("/Maths_score100.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(), QByteArray("1001, 28\r\n1002, 19\r\n"));
        QVERIFY(!QFile::exists(dataDir() + QStringLiteral("/Other_score100.txt")));
    }

    void scoreWorkbookIsWrittenAndOpenedForTheChosenClass()
    {
        seedRoster({{QStringLiteral("Other"), {"1"}, {}, {"F"}},
                    {QStringLiteral("Maths"), {"0012", "1002"}, {"Tom", "Ann"}, {"AB", "CDF"}}});
        UrlRecorder recorder;
        MainWindow window;
        findByName<QComboBox>(window, "comboBox")->setCurrentIndex(1);
        ModalAnswerer answerer([](QWidget *dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pushButton_exportExcel")),
                              Qt::LeftButton);
            dialog->close();
        });
        findByName<QAction>(window, "actionCalculate_Ave_Score")->trigger();
        QVERIFY(answerer.answered());

        const QString path = dataDir() + QStringLiteral("/Maths_score100.xlsx");
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(path)});
        QFile workbook(path);
        QVERIFY(workbook.open(QIODevice::ReadOnly));
        const QMap<QString, WorkbookFiles::Cell> cells = WorkbookFiles::sheetCells(workbook.readAll());
        QCOMPARE(cells.value(QStringLiteral("A2")).text, QStringLiteral("0012"));
        QCOMPARE(cells.value(QStringLiteral("B3")).text, QStringLiteral("Ann"));
        QCOMPARE(cells.value(QStringLiteral("K2")).text, QStringLiteral("28"));
        QCOMPARE(cells.value(QStringLiteral("K3")).text, QStringLiteral("19"));
        QVERIFY(!QFile::exists(dataDir() + QStringLiteral("/Other_score100.xlsx")));
        QVERIFY(!QFile::exists(dataDir() + QStringLiteral("/Maths_score100.csv")));
    }

    void aboutNamesTheProgram()
    {
        MainWindow window;
        ModalAnswerer answerer;
        findByName<QAction>(window, "actionAbout")->trigger();
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("About Zandrel"));
        QVERIFY(answerer.text().startsWith(QStringLiteral("Contact us <a href=\"mailto:")));
    }
};

ZANDREL_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
