#include "roster/averagescores.h"
#include "roster/calculateavescoredialog.h"

#include "../support/modalanswerer.h"
#include "../support/recordingservices.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <optional>

class TestCalculateAveScoreDialog : public QObject
{
    Q_OBJECT

private:
    // Installed anew for each test, so that each starts with an empty record.
    std::optional<RecordingServices> m_services;

    static void enterScores(CalculateAveScoreDialog &dialog, const QString &a, const QString &f)
    {
        for (auto field : {std::make_pair("lineEdit", a), std::make_pair("lineEdit_2", f)}) {
            auto *edit = findByName<QLineEdit>(dialog, field.first);
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, field.second);
        }
    }

private slots:
    void init()
    {
        TestEnvironment::clearUserData();
        m_services.emplace();
    }

    void cleanup() { m_services.reset(); }

    void showsItsTextsAndStartsWithRoundOff()
    {
        CalculateAveScoreDialog dialog;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Calculate Score"));
        QCOMPARE(dialog.height(), 240);
        QVERIFY(dialog.width() <= 335);
        QCOMPARE(findByName<QLineEdit>(dialog, "lineEdit")->text(), QStringLiteral("30"));
        QCOMPARE(findByName<QLineEdit>(dialog, "lineEdit_2")->text(), QStringLiteral("10"));
        auto *button = findByName<QToolButton>(dialog, "toolButton");
        QCOMPARE(button->text(), QStringLiteral("Calculate Score"));
        QStringList actionTexts;
        for (QAction *action : button->menu()->actions())
            actionTexts << action->text();
        QCOMPARE(actionTexts, (QStringList{"Round Off ([30.1->30] , [30.5->31])",
                                           "Integer Only ([30.1->30] , [30.5 - 30])",
                                           "Keep Float ([30.1->30.1], [30.5->30.5])"}));
        QVERIFY(findByName<QAction>(dialog, "actionDataFormat1")->isChecked());
    }

    void calculateSendsTheScoresAsEntered_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("aScore");
        QTest::addColumn<int>("fScore");
        QTest::addColumn<int>("rounding");
        QTest::newRow("button") << "30" << "10" << "toolButton" << 30 << 10 << int(RoundOff);
        QTest::newRow("A below F is not swapped") << "10" << "30" << "toolButton" << 10 << 30 << int(RoundOff);
        QTest::newRow("integer only") << "100" << "60" << "actionDataFormat2" << 100 << 60 << int(IntegerOnly);
        QTest::newRow("keep float") << "30" << "10" << "actionDataFormat3" << 30 << 10 << int(KeepFloat);
        QTest::newRow("round off again") << "30" << "10" << "actionDataFormat1" << 30 << 10 << int(RoundOff);
    }

    void calculateSendsTheScoresAsEntered()
    {
        QFETCH(QString, a);
        QFETCH(QString, f);
        QFETCH(QString, trigger);
        QFETCH(int, aScore);
        QFETCH(int, fScore);
        QFETCH(int, rounding);
        CalculateAveScoreDialog dialog;
        dialog.show();
        findByName<QAction>(dialog, "actionDataFormat3")->setChecked(true);
        enterScores(dialog, a, f);
        ModalAnswerer answerer;
        if (trigger == QLatin1String("toolButton")) {
            findByName<QAction>(dialog, "actionDataFormat1")->setChecked(true);
            QTest::mouseClick(findByName<QToolButton>(dialog, "toolButton"), Qt::LeftButton);
        } else {
            findByName<QAction>(dialog, trigger.toLatin1().constData())->trigger();
        }
        QVERIFY(answerer.answered());
        QCOMPARE(m_services->calculations.size(), 1);
        QCOMPARE(m_services->calculations[0].aScore, aScore);
        QCOMPARE(m_services->calculations[0].fScore, fScore);
        QCOMPARE(m_services->calculations[0].rounding, rounding);
        QVERIFY(findByName<QAction>(dialog, trigger == QLatin1String("toolButton") ? "actionDataFormat1"
                                                                                   : trigger.toLatin1().constData())
                    ->isChecked());
    }

    void theTitleNamesTheClassAndACalculationSaysWhatItWrote_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("message");
        const QString dir = TestEnvironment::homePath() + QStringLiteral("/Brimvale");
        QTest::newRow("written") << "Class 1" << true
                                 << QStringLiteral(
                                        "The average scores of Class 1 were written to\n%1/Class 1_score100.txt"
                                        "\nand\n%1/Class 1_score100.csv")
                                        .arg(dir);
        QTest::newRow("no class") << "" << false
                                  << "No score files were written: choose a class in the main window first.";
        QTest::newRow("not a file name")
            << "7/A" << false
            << "No score files were written: the class name 7/A holds a / or \\, which a file name cannot. Rename "
               "the class in Class Settings.";
        QTest::newRow("disk refused") << "Class 1" << false
                                      << QStringLiteral("The score files of Class 1 could not be written into %1. "
                                                        "Check that the folder exists, can be written and the disk "
                                                        "is not full.")
                                             .arg(dir);
    }

    void theTitleNamesTheClassAndACalculationSaysWhatItWrote()
    {
        QFETCH(QString, className);
        QFETCH(bool, written);
        QFETCH(QString, message);
        m_services->dataDir = TestEnvironment::homePath() + QStringLiteral("/Brimvale");
        m_services->scoreFilesWritten = written;
        CalculateAveScoreDialog dialog;
        dialog.setClassName(className);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Calculate Ave Score - %1").arg(className));
        ModalAnswerer answerer;
        QTest::mouseClick(findByName<QToolButton>(dialog, "toolButton"), Qt::LeftButton);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), dialog.windowTitle());
        QCOMPARE(answerer.text(), message);
    }

    void scoresNotAboveZeroAreRefused_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("f");
        QTest::newRow("A is 0") << "0" << "10";
        QTest::newRow("F empty") << "30" << "";
        QTest::newRow("A negative") << "-30" << "10";
        QTest::newRow("F not a number") << "30" << "ten";
    }

    void scoresNotAboveZeroAreRefused()
    {
        QFETCH(QString, a);
        QFETCH(QString, f);
        CalculateAveScoreDialog dialog;
        dialog.show();
        enterScores(dialog, a, f);
        ModalAnswerer answerer;
        QTest::mouseClick(findByName<QToolButton>(dialog, "toolButton"), Qt::LeftButton);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Define A and F score!"));
        QCOMPARE(answerer.text(), QStringLiteral("Please define A and F's score, such as A to 30, F to 10!"));
        QVERIFY(m_services->calculations.isEmpty());

        int rounding = -1, aScore = 0, fScore = 0;
        dialog.scoreSettings(rounding, aScore, fScore);
        QCOMPARE(aScore, 30);
        QCOMPARE(fScore, 10);
    }

    void scoreSettingsNeverGiveAnABelowTheF_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("aScore");
        QTest::addColumn<int>("fScore");
        QTest::addColumn<int>("rounding");
        QTest::newRow("as entered") << "100" << "40" << "actionDataFormat1" << 100 << 40 << int(RoundOff);
        QTest::newRow("A=10, F=30 swapped") << "10" << "30" << "actionDataFormat2" << 30 << 10 << int(IntegerOnly);
        QTest::newRow("blanks around") << " 50 " << "20" << "actionDataFormat3" << 50 << 20 << int(KeepFloat);
    }

    void scoreSettingsNeverGiveAnABelowTheF()
    {
        QFETCH(QString, a);
        QFETCH(QString, f);
        QFETCH(QString, action);
        QFETCH(int, aScore);
        QFETCH(int, fScore);
        QFETCH(int, rounding);
        CalculateAveScoreDialog dialog;
        enterScores(dialog, a, f);
        findByName<QAction>(dialog, action.toLatin1().constData())->setChecked(true);
        int gotRounding = -1, gotA = 0, gotF = 0;
        dialog.scoreSettings(gotRounding, gotA, gotF);
        QCOMPARE(gotA, aScore);
        QCOMPARE(gotF, fScore);
        QCOMPARE(gotRounding, rounding);
        QVERIFY(m_services->calculations.isEmpty());
    }

    void exportToExcelSendsTheScoresAsEntered()
    {
        CalculateAveScoreDialog dialog;
        dialog.show();
        auto *button = findByName<QPushButton>(dialog, "pushButton_exportExcel");
        QCOMPARE(button->text(), QStringLiteral("Export to Excel"));
        enterScores(dialog, QStringLiteral("10"), QStringLiteral("30"));
        findByName<QAction>(dialog, "actionDataFormat3")->setChecked(true);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_services->workbookExports.size(), 1);
        QCOMPARE(m_services->workbookExports[0].aScore, 10);
        QCOMPARE(m_services->workbookExports[0].fScore, 30);
        QCOMPARE(m_services->workbookExports[0].rounding, int(KeepFloat));
        QVERIFY(m_services->calculations.isEmpty());

        enterScores(dialog, QStringLiteral("0"), QStringLiteral("10"));
        ModalAnswerer answerer;
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Define A and F score!"));
        QCOMPARE(m_services->workbookExports.size(), 1);
    }

    void openButtonsAskTheMainWindow()
    {
        CalculateAveScoreDialog dialog;
        dialog.show();
        QTest::mouseClick(findByName<QPushButton>(dialog, "pushButton_2"), Qt::LeftButton);
        QCOMPARE(m_services->scoreFileOpenings, 1);
        QCOMPARE(m_services->directoryOpenings, 0);
        QTest::mouseClick(findByName<QPushButton>(dialog, "pushButton_3"), Qt::LeftButton);
        QCOMPARE(m_services->directoryOpenings, 1);
        QVERIFY(m_services->calculations.isEmpty());
    }
};

ZANDREL_TEST_MAIN(TestCalculateAveScoreDialog)
#include "tst_calculateavescoredialog.moc"
