#include "speech/speechdialog.h"

#include "../support/recordingspeechbackend.h"
#include "../support/testenvironment.h"

#include <QComboBox>
#include <QSettings>

#include <cstdlib>

using Failure = RecordingSpeechBackend::Failure;
Q_DECLARE_METATYPE(Failure)

namespace {
struct Engine
{
    std::shared_ptr<SpeechRecord> record;
    std::unique_ptr<SpeechDialog> dialog;
};

Engine startEngine(const QStringList &voices, Failure failure = Failure::None)
{
    auto backend = std::make_unique<RecordingSpeechBackend>(voices, failure);
    Engine engine{backend->record(), std::make_unique<SpeechDialog>(std::move(backend))};
    engine.dialog->initVoice();
    return engine;
}

void storeSpeechSetting(const QString &key, const QVariant &value)
{
    QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(key, value);
}

QStringList comboItems(SpeechDialog &dialog)
{
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBox"));
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}
}

class TestSpeechEngine : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void initVoiceChoosesAVoice_data()
    {
        QTest::addColumn<QStringList>("voices");
        QTest::addColumn<QString>("storedVoice");
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("ready");

        const QStringList threeVoices{"A:409", "B:804:preferred", "C:804"};
        const QStringList listed{"initialize", "createVoice", "enumerate"};
        QTest::newRow("stored voice is chosen without a search")
            << threeVoices << "C" << Failure::None << listed + QStringList{"setVoice C", "release listing"}
            << QStringList{"A", "B", "C"} << "C" << true;
        QTest::newRow("Mandarin voice, the preferred one first")
            << QStringList{"A:409", "B:804", "C:804:preferred"} << "" << Failure::None
            << listed + QStringList{"release listing", "findBest language=804", "setVoice C"}
            << QStringList{"A", "B", "C"} << "C" << true;
        QTest::newRow("first Mandarin voice when none is preferred")
            << QStringList{"A:409", "B:804", "C:804"} << "" << Failure::None
            << listed + QStringList{"release listing", "findBest language=804", "setVoice B"}
            << QStringList{"A", "B", "C"} << "B" << true;
        QTest::newRow("stored voice no longer installed")
            << QStringList{"A:409", "B:804"} << "Gone" << Failure::None
            << listed + QStringList{"release listing", "findBest language=804", "setVoice B"}
            << QStringList{"A", "B"} << "B" << true;
        QTest::newRow("no Mandarin voice: the first listed")
            << QStringList{"A:409", "B:411"} << "" << Failure::None
            << listed + QStringList{"release listing", "findBest language=804", "setVoice A"}
            << QStringList{"A", "B"} << "A" << true;
        QTest::newRow("no voices installed")
            << QStringList{} << "" << Failure::None
            << listed + QStringList{"release listing", "release voice", "shutdown"}
            << QStringList{} << "" << false;
        QTest::newRow("session does not open")
            << threeVoices << "" << Failure::Initialize << QStringList{"initialize"}
            << QStringList{} << "" << false;
        QTest::newRow("voice object cannot be made")
            << threeVoices << "" << Failure::CreateVoice << QStringList{"initialize", "createVoice", "shutdown"}
            << QStringList{} << "" << false;
        QTest::newRow("voices cannot be listed")
            << threeVoices << "" << Failure::EnumerateVoices
            << listed + QStringList{"release voice", "shutdown"} << QStringList{} << "" << false;
        QTest::newRow("listing breaks off after one voice")
            << QStringList{"A:804", "B:409"} << "" << Failure::ListingBreaksAfterOne
            << listed + QStringList{"release listing", "findBest language=804", "setVoice A"}
            << QStringList{"A"} << "A" << true;
    }

    void initVoiceChoosesAVoice()
    {
        QFETCH(QStringList, voices);
        QFETCH(QString, storedVoice);
        QFETCH(Failure, failure);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, items);
        QFETCH(QString, shown);
        QFETCH(bool, ready);

        if (!storedVoice.isEmpty())
            storeSpeechSetting(QStringLiteral("VoiceLib"), storedVoice);
        Engine engine = startEngine(voices, failure);
        QCOMPARE(engine.record->calls, calls);
        QCOMPARE(comboItems(*engine.dialog), items);
        QCOMPARE(engine.dialog->findChild<QComboBox *>(QStringLiteral("comboBox"))->currentText(), shown);

        engine.record->calls.clear();
        engine.dialog->readAloud(QStringLiteral("1001"));
        QCOMPARE(engine.record->calls.contains(QStringLiteral("speak 1001")), ready);

        // A voice found by the search is used, not stored.
        QCOMPARE(QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).value(QStringLiteral("VoiceLib")).toString(),
                 storedVoice);

        engine.record->calls.clear();
        engine.dialog.reset();
        QCOMPARE(engine.record->calls, (ready ? QStringList{"release voice", "shutdown"} : QStringList{}));
        QCOMPARE(engine.record->openSessions, 0);
        QCOMPARE(engine.record->liveTokens, 0);
    }

    void releaseVoiceClosesTheSessionOnce()
    {
        Engine engine = startEngine({"A:804", "B:409"});
        engine.record->calls.clear();
        engine.dialog->releaseVoice();
        QCOMPARE(engine.record->calls, (QStringList{"release voice", "shutdown"}));
        QCOMPARE(engine.record->liveTokens, 0);

        engine.dialog->readAloud(QStringLiteral("1001"));
        engine.dialog.reset();
        QCOMPARE(engine.record->calls, (QStringList{"release voice", "shutdown"}));
        QCOMPARE(engine.record->openSessions, 0);
    }

    void readingAppliesVolumeAndRateFirst_data()
    {
        QTest::addColumn<QVariant>("volume");
        QTest::addColumn<QVariant>("speed");
        QTest::addColumn<QStringList>("reading");
        QTest::newRow("first run") << QVariant() << QVariant()
                                   << QStringList{"setVolume 100", "setRate 1", "speak 1001"};
        QTest::newRow("stored") << QVariant(40) << QVariant(-3)
                                << QStringList{"setVolume 40", "setRate -3", "speak 1001"};
    }

    void readingAppliesVolumeAndRateFirst()
    {
        QFETCH(QVariant, volume);
        QFETCH(QVariant, speed);
        QFETCH(QStringList, reading);
        if (volume.isValid())
            storeSpeechSetting(QStringLiteral("Volume"), volume);
        if (speed.isValid())
            storeSpeechSetting(QStringLiteral("Speed"), speed);
        Engine engine = startEngine({"A:804"});
        engine.record->calls.clear();
        engine.dialog->readAloud(QStringLiteral("1001"));
        engine.dialog->readAloud(QStringLiteral("1001"));
        QCOMPARE(engine.record->calls, reading + reading);
    }

    void switchedOffSpeechSaysNothing()
    {
        storeSpeechSetting(QStringLiteral("Enable"), false);
        Engine engine = startEngine({"A:804", "B:409"});
        QVERIFY(!engine.dialog->isVoiceEnabled());
        engine.record->calls.clear();
        engine.dialog->readAloud(QStringLiteral("1001"));
        engine.dialog->speak(QStringLiteral("1001"), true);
        QVERIFY(engine.record->calls.isEmpty());

        engine.dialog->setVoiceEnabled(true, false);
        engine.dialog->readAloud(QStringLiteral("1001"));
        QCOMPARE(engine.record->calls, (QStringList{"setVolume 100", "setRate 1", "speak 1001"}));
    }

    void randomVoiceIsDrawnForEveryReading()
    {
        storeSpeechSetting(QStringLiteral("Random"), true);
        const QStringList names{"A", "B", "C"};
        Engine engine = startEngine({"A:409", "B:409", "C:409"});
        engine.record->calls.clear();

        const unsigned generatorStart = 7;
        std::srand(generatorStart);
        QStringList expected;
        for (int reading = 0; reading < 8; ++reading) {
            expected << QStringLiteral("setVoice ") + names[static_cast<unsigned>(std::rand()) % 3]
                     << "setVolume 100" << "setRate 1" << "speak 1001";
        }
        std::srand(generatorStart);
        for (int reading = 0; reading < 8; ++reading)
            engine.dialog->readAloud(QStringLiteral("1001"));
        QCOMPARE(engine.record->calls, expected);

        engine.record->calls.clear();
        engine.dialog->speak(QStringLiteral("2015"), false);
        QCOMPARE(engine.record->calls, (QStringList{"setVolume 100", "setRate 1", "speak 2015"}));
    }
};

ZANDREL_TEST_MAIN(TestSpeechEngine)
#include "tst_speechengine.moc"
