#include "app/mainwindow.h"
#include "displays/microtilewidget.h"
#include "displays/tvrollerwidget.h"
#include "displays/wheelassemblywidget.h"
#include "speech/speechservice.h"
#include "speech/voiceswitchbutton.h"

#include "../support/recordingspeechbackend.h"
#include "../support/rosterseeder.h"
#include "../support/shortspins.h"
#include "../support/speechcapture.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QAction>
#include <QApplication>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

Q_DECLARE_METATYPE(RecordingSpeechBackend::Failure)

// What the main window reads aloud when a draw stops, with the students'
// names and a sentence, and how it tells the teacher that nothing is heard.
class TestAnnouncements : public QObject
{
    Q_OBJECT

private:
    static void click(QWidget &window, const char *button)
    {
        QTest::mouseClick(findByName<QAbstractButton>(window, button), Qt::LeftButton);
    }

    static void storeSpeechSetting(const QString &key, const QVariant &value)
    {
        QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(key, value);
    }

    // What is read for a drawn ID of the seeded class.
    static QString reading(const QString &id)
    {
        return id == QLatin1String("1001") ? QStringLiteral("张伟") : id;
    }

    // Runs a draw on the display of the mode and gives the IDs it drew and
    // the separator that follows each in its announcement.
    static void draw(MainWindow &window, const QString &mode, QStringList &drawn, QString &separator)
    {
        if (mode == QLatin1String("LED single")) {
            click(window, "pushButton");
            click(window, "pushButton");
            drawn << QString::number(qint64(findByName<QLCDNumber>(window, "lcdNumber")->value()));
        } else if (mode == QLatin1String("LED roll")) {
            click(window, "checkBox");
            click(window, "pushButton");
            click(window, "pushButton");
            separator = QStringLiteral(" ");
            drawn = window.statusBar()->currentMessage().split(separator, Qt::SkipEmptyParts);
        } else if (mode == QLatin1String("tile board")) {
            findByName<QAction>(window, "actionMicro_Tile")->trigger();
            auto *board = window.findChild<MicroTileWidget *>();
            click(window, "pushButton_11");
            QTRY_VERIFY(board->selectedIndex() >= 0);
            click(window, "pushButton_11");
            drawn << board->selectedText();
        } else if (mode == QLatin1String("TV roller")) {
            findByName<QAction>(window, "actionTV_Roller")->trigger();
            click(window, "pushButton_12");
            QTest::qWait(250);
            click(window, "pushButton_12");
            std::vector<QString> marked;
            window.findChild<TVRollerWidget *>()->selectedNames(marked);
            drawn = QStringList(marked.begin(), marked.end());
            separator = QStringLiteral("  ");
        } else {
            findByName<QAction>(window, "actionWheel")->trigger();
            click(window, "pushButton_4");
            QTRY_VERIFY_WITH_TIMEOUT(!window.statusBar()->currentMessage().isEmpty(), 15000);
            for (const WheelAssemblyWidget *wheel : window.findChildren<WheelAssemblyWidget *>())
                drawn << wheel->currentText();
            separator = QStringLiteral(" ");
        }
    }

private slots:
    void initTestCase() { useShortWheelSpins(); }

    void init()
    {
        TestEnvironment::clearUserData();
        SpeechCapture::install();
        seedRoster({{QStringLiteral("A"), {"1001", "1002"}, {QStringLiteral("张伟"), QString()}, {}}});
    }

    void everyDrawReadsTheStudentsNames_data()
    {
        QTest::addColumn<QString>("mode");
        for (const char *mode : {"LED single", "LED roll", "tile board", "TV roller", "wheels"})
            QTest::newRow(mode) << mode;
    }

    void everyDrawReadsTheStudentsNames()
    {
        QFETCH(QString, mode);
        storeSpeechSetting(QStringLiteral("ReadName"), true);
        storeSpeechSetting(QStringLiteral("Template"), QStringLiteral("请%1回答"));
        storeSpeechSetting(QStringLiteral("NameTemplate"), QStringLiteral("请%1回答"));
        MainWindow window;
        window.show();
        QStringList drawn;
        QString separator;
        draw(window, mode, drawn, separator);
        QVERIFY(!drawn.isEmpty());
        QString names;
        for (const QString &id : drawn)
            names += reading(id) + separator;
        QTRY_COMPARE(SpeechCapture::spokenTexts(), QStringList{QStringLiteral("请%1回答").replace(QStringLiteral("%1"), names)});
        // The status bar goes on showing the IDs.
        if (!window.statusBar()->currentMessage().isEmpty())
            QVERIFY(!window.statusBar()->currentMessage().contains(QStringLiteral("张伟")));
    }

    void everyDrawThatStartsCutsTheLastReadingOff_data()
    {
        QTest::addColumn<QString>("mode");
        for (const char *mode : {"LED single", "LED roll", "tile board", "TV roller", "wheels"})
            QTest::newRow(mode) << mode;
    }

    void everyDrawThatStartsCutsTheLastReadingOff()
    {
        QFETCH(QString, mode);
        MainWindow window;
        window.show();
        QStringList drawn;
        QString separator;
        draw(window, mode, drawn, separator);
        QTRY_COMPARE(SpeechCapture::spokenTexts().size(), 1);
        const int before = SpeechCapture::cutOffs();
        const char *button = mode.startsWith(QLatin1String("LED")) ? "pushButton"
            : mode == QLatin1String("tile board")                 ? "pushButton_11"
            : mode == QLatin1String("TV roller")                  ? "pushButton_12"
                                                                  : "pushButton_4";
        click(window, button);
        QCOMPARE(SpeechCapture::cutOffs(), before + 1);
    }

    void silenceIsShownBesideTheSwitchWithoutTakingTheKeyboard_data()
    {
        QTest::addColumn<RecordingSpeechBackend::Failure>("failure");
        QTest::addColumn<bool>("silentAtStart");
        QTest::newRow("no sound device") << RecordingSpeechBackend::Failure::NoSoundDevice << false;
        QTest::newRow("no voice data") << RecordingSpeechBackend::Failure::Initialize << true;
    }

    void silenceIsShownBesideTheSwitchWithoutTakingTheKeyboard()
    {
        QFETCH(RecordingSpeechBackend::Failure, failure);
        QFETCH(bool, silentAtStart);
        SpeechService::setBackendFactory([failure]() -> std::unique_ptr<SpeechBackend> {
            return std::make_unique<RecordingSpeechBackend>(QStringList{"sit/cmn:804:preferred"}, failure);
        });
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *voiceSwitch = window.statusBar()->findChild<VoiceSwitchButton *>();
        auto *notice = findByName<QLabel>(*window.statusBar(), "label_speechNotice");
        QVERIFY(voiceSwitch->isChecked());
        QCOMPARE(voiceSwitch->isSilent(), silentAtStart);
        QCOMPARE(voiceSwitch->toolTip(),
                 silentAtStart ? SpeechService::silenceMessage() : QStringLiteral("Voice Opened"));
        QCOMPARE(notice->isVisible(), silentAtStart);

        click(window, "pushButton");
        click(window, "pushButton");
        QTRY_VERIFY(voiceSwitch->isSilent());
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->toolTip(), QStringLiteral("No sound device was found; drawn IDs are not read aloud."));
        // Shortened in a narrow window, never pushing the switch away.
        QVERIFY(notice->text() == notice->toolTip() || notice->text().endsWith(QChar(0x2026)));
        QVERIFY(window.statusBar()->rect().contains(voiceSwitch->geometry()));
        QVERIFY(window.statusBar()->rect().contains(notice->geometry()));
        QCOMPARE(voiceSwitch->toolTip(), SpeechService::silenceMessage());
        // Larger than the status bar's own print, and nothing over the
        // window takes the keys of a presenter remote.
        QVERIFY(notice->font().pointSizeF() > window.statusBar()->font().pointSizeF());
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(QApplication::activeWindow(), &window);
        QCOMPARE(notice->focusPolicy(), Qt::NoFocus);

        // Switched off, the switch is red and says so, and there is nothing
        // to tell.
        QTest::mouseClick(voiceSwitch, Qt::LeftButton);
        QCOMPARE(voiceSwitch->toolTip(), QStringLiteral("Voice Closed"));
        QVERIFY(!notice->isVisible());
        QTest::mouseClick(voiceSwitch, Qt::LeftButton);
        QCOMPARE(voiceSwitch->toolTip(), SpeechService::silenceMessage());
        QVERIFY(notice->isVisible());
        SpeechCapture::install();
    }
};

ZANDREL_TEST_MAIN(TestAnnouncements)
#include "tst_announcements.moc"
