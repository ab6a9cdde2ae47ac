#include "speech/speechdialog.h"
#include "speech/speechservice.h"
#include "speech/voicelanguage.h"
#include "speech/voicenames.h"

#include "../support/recordingspeechbackend.h"
#include "../support/testenvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>

#include <cstdlib>

using Failure = RecordingSpeechBackend::Failure;
Q_DECLARE_METATYPE(Failure)

namespace {
struct Engine
{
    std::shared_ptr<SpeechRecord> record;
    std::unique_ptr<SpeechService> service;
    std::unique_ptr<SpeechDialog> dialog;

    // The dialog goes first: it shows the service.
    void reset()
    {
        dialog.reset();
        service.reset();
    }
};

Engine startEngine(const QStringList &voices, Failure failure = Failure::None, bool narrowed = false)
{
    auto backend = std::make_unique<RecordingSpeechBackend>(voices, failure);
    backend->setNarrowsVoiceList(narrowed);
    Engine engine{backend->record(), std::make_unique<SpeechService>(std::move(backend)), nullptr};
    engine.dialog = std::make_unique<SpeechDialog>(engine.service.get());
    engine.service->initVoice();
    return engine;
}

// espeak-ng's voices as the program meets them, with languages no test
// machine's desktop is set to besides the program's own.
const QStringList kEspeakLikeVoices{"roa/pap:pap::Papiamento",      "sit/cmn:cmn:preferred:Chinese (Mandarin)",
                                    "sit/cmn-Latn-pinyin:cmn-latn-pinyin", "gmw/en-US:en-us:preferred",
                                    "art/qya:qya::Quenya",            "sit/yue:yue:preferred"};

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
        engine.service->readAloud(QStringLiteral("1001"));
        QCOMPARE(engine.record->calls.contains(QStringLiteral("speak 1001")), ready);

        // A voice found by the search is used, not stored.
        QCOMPARE(QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).value(QStringLiteral("VoiceLib")).toString(),
                 storedVoice);

        engine.record->calls.clear();
        engine.reset();
        QCOMPARE(engine.record->calls, (ready ? QStringList{"release voice", "shutdown"} : QStringList{}));
        QCOMPARE(engine.record->openSessions, 0);
        QCOMPARE(engine.record->liveTokens, 0);
    }

    void releaseVoiceClosesTheSessionOnce()
    {
        Engine engine = startEngine({"A:804", "B:409"});
        engine.record->calls.clear();
        engine.service->releaseVoice();
        QCOMPARE(engine.record->calls, (QStringList{"release voice", "shutdown"}));
        QCOMPARE(engine.record->liveTokens, 0);

        engine.service->readAloud(QStringLiteral("1001"));
        engine.reset();
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
        engine.service->readAloud(QStringLiteral("1001"));
        engine.service->readAloud(QStringLiteral("1001"));
        QCOMPARE(engine.record->calls, reading + reading);
    }

    void switchedOffSpeechSaysNothing()
    {
        storeSpeechSetting(QStringLiteral("Enable"), false);
        Engine engine = startEngine({"A:804", "B:409"});
        QVERIFY(!engine.service->isVoiceEnabled());
        engine.record->calls.clear();
        engine.service->readAloud(QStringLiteral("1001"));
        engine.service->speak(QStringLiteral("1001"), true);
        QVERIFY(engine.record->calls.isEmpty());

        engine.service->setVoiceEnabled(true, false);
        engine.service->readAloud(QStringLiteral("1001"));
        QCOMPARE(engine.record->calls, (QStringList{"setVolume 100", "setRate 1", "speak 1001"}));
    }

    void narrowedListOffersTheProgramsLanguages_data()
    {
        QTest::addColumn<QString>("storedVoice");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first run") << "" << QStringList{"Chinese (Mandarin)", "English (America)", "Chinese (Cantonese)"}
                                   << QStringList{"sit/cmn", "gmw/en-US", "sit/yue"} << "Chinese (Mandarin)";
        QTest::newRow("stored voice of another language is added")
            << "art/qya" << QStringList{"Chinese (Mandarin)", "English (America)", "Quenya", "Chinese (Cantonese)"}
            << QStringList{"sit/cmn", "gmw/en-US", "art/qya", "sit/yue"} << "Quenya";
    }

    void narrowedListOffersTheProgramsLanguages()
    {
        QFETCH(QString, storedVoice);
        QFETCH(QStringList, items);
        QFETCH(QStringList, ids);
        QFETCH(QString, shown);
        if (!storedVoice.isEmpty())
            storeSpeechSetting(QStringLiteral("VoiceLib"), storedVoice);
        Engine engine = startEngine(kEspeakLikeVoices, Failure::None, true);
        QCOMPARE(comboItems(*engine.dialog), items);
        auto *combo = engine.dialog->findChild<QComboBox *>(QStringLiteral("comboBox"));
        QStringList listedIds;
        for (int i = 0; i < combo->count(); ++i)
            listedIds << combo->itemData(i).toString();
        QCOMPARE(listedIds, ids);
        QCOMPARE(combo->currentText(), shown);

        // Choosing by name stores the identifier.
        combo->setCurrentIndex(items.indexOf(QStringLiteral("English (America)")));
        QCOMPARE(QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).value(QStringLiteral("VoiceLib")).toString(),
                 QStringLiteral("gmw/en-US"));
    }

    void randomVoiceIsDrawnAmongTheListedOnly()
    {
        storeSpeechSetting(QStringLiteral("Random"), true);
        Engine engine = startEngine(kEspeakLikeVoices, Failure::None, true);
        engine.record->calls.clear();
        for (int reading = 0; reading < 60; ++reading)
            engine.service->readAloud(QStringLiteral("1001"));
        QSet<QString> drawn;
        for (const QString &call : engine.record->calls) {
            if (call.startsWith(QStringLiteral("setVoice ")))
                drawn << call.mid(9);
        }
        QCOMPARE(drawn, (QSet<QString>{"sit/cmn", "gmw/en-US", "sit/yue"}));
    }

    void voicesOfferedInANarrowedList_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("desktopLanguage");
        QTest::addColumn<bool>("offered");
        QTest::newRow("Mandarin") << "sit/cmn" << "cmn" << "" << true;
        QTest::newRow("Cantonese") << "sit/yue" << "yue" << "" << true;
        QTest::newRow("Scottish English") << "gmw/en-GB-scotland" << "en-gb-scotland" << "" << true;
        QTest::newRow("pinyin transcription") << "sit/cmn-Latn-pinyin" << "cmn-latn-pinyin" << "zh" << false;
        QTest::newRow("Hakka on a Chinese desktop") << "sit/hak" << "hak" << "zh" << false;
        QTest::newRow("Hungarian") << "urj/hu" << "hu" << "" << false;
        QTest::newRow("German on a German desktop") << "gmw/de" << "de" << "de" << true;
        QTest::newRow("Brazilian on a Portuguese desktop") << "roa/pt-BR" << "pt-br" << "pt" << true;
        QTest::newRow("German elsewhere") << "gmw/de" << "de" << "fr" << false;
    }

    void voicesOfferedInANarrowedList()
    {
        QFETCH(QString, id);
        QFETCH(QString, language);
        QFETCH(QString, desktopLanguage);
        QFETCH(bool, offered);
        QCOMPARE(VoiceNames::isOffered(id, language, desktopLanguage), offered);
    }

    void voiceNames_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("platformName");
        QTest::addColumn<QString>("name");
        QTest::newRow("named by the program") << "gmw/en-US" << "English (America)" << "English (America)";
        QTest::newRow("Mandarin") << "sit/cmn" << "Chinese (Mandarin, latin as English)" << "Chinese (Mandarin)";
        QTest::newRow("platform's description") << "HKEY_LOCAL_MACHINE\\Voices\\Huihui" << "Microsoft Huihui"
                                                << "Microsoft Huihui";
        QTest::newRow("nothing but the identifier") << "B" << "" << "B";
    }

    void voiceNames()
    {
        QFETCH(QString, id);
        QFETCH(QString, platformName);
        QFETCH(QString, name);
        QCOMPARE(VoiceNames::readableName(id, platformName), name);
    }

    void digitReadingIsAppliedForEveryReading_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("digitByDigit");
        QTest::newRow("first run") << QVariant() << true;
        QTest::newRow("numbers as numbers") << QVariant(false) << false;
    }

    void digitReadingIsAppliedForEveryReading()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, digitByDigit);
        if (stored.isValid())
            storeSpeechSetting(QStringLiteral("DigitByDigit"), stored);
        Engine engine = startEngine({"A:804"});
        engine.service->readAloud(QStringLiteral("1001"));
        engine.service->readAloud(QStringLiteral("1002"));
        QCOMPARE(engine.record->digitModes, (QList<bool>{digitByDigit, digitByDigit}));
        // The text is handed over as the caller gives it.
        QCOMPARE(engine.record->calls.filter(QStringLiteral("speak ")), (QStringList{"speak 1001", "speak 1002"}));
    }

    void silenceIsKnownWithoutAMessageBox_data()
    {
        QTest::addColumn<QStringList>("voices");
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<bool>("silentFromTheStart");
        QTest::newRow("no sound device") << QStringList{"A:804"} << Failure::NoSoundDevice << false;
        QTest::newRow("no voice data") << QStringList{"A:804"} << Failure::Initialize << true;
        QTest::newRow("no voices") << QStringList{} << Failure::None << true;
    }

    void silenceIsKnownWithoutAMessageBox()
    {
        QFETCH(QStringList, voices);
        QFETCH(Failure, failure);
        QFETCH(bool, silentFromTheStart);
        Engine engine = startEngine(voices, failure);
        QCOMPARE(engine.service->isSilent(), silentFromTheStart);
        QSignalSpy changes(engine.service.get(), &SpeechService::silenceChanged);

        // Switched off, nothing is read and nothing learnt.
        engine.service->setVoiceEnabled(false, false);
        engine.service->readAloud(QStringLiteral("1001"));
        QCoreApplication::processEvents();
        QCOMPARE(engine.service->isSilent(), silentFromTheStart);

        engine.service->setVoiceEnabled(true, false);
        engine.service->readAloud(QStringLiteral("1001"));
        QTRY_VERIFY(engine.service->isSilent());
        QCOMPARE(changes.count(), silentFromTheStart ? 0 : 1);
        QCOMPARE(SpeechService::silenceMessage(),
                 QStringLiteral("No sound device was found; drawn IDs are not read aloud."));
        engine.service->readAloud(QStringLiteral("1002"));
        QTest::qWait(50);
        // Nothing takes the keyboard from the window.
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(changes.count(), silentFromTheStart ? 0 : 1);
    }

    void heardReadingsAreNotSilent()
    {
        Engine engine = startEngine({"A:804"});
        QVERIFY(!engine.service->isSilent());
        engine.service->readAloud(QStringLiteral("1001"));
        QTest::qWait(50);
        QVERIFY(!engine.service->isSilent());
    }

    void announcementReadsNamesOnlyWhereTheVoiceCan_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<bool>("readsNames");
        QTest::addColumn<QStringList>("students");
        QTest::addColumn<QString>("spoken");
        const QStringList zhang{"1001:张伟"};
        QTest::newRow("IDs") << "A:804" << false << zhang << "请1001号同学回答";
        QTest::newRow("a name has its own sentence") << "A:804" << true << zhang << "请张伟回答";
        QTest::newRow("no name in the roster") << "A:804" << true << QStringList{"1002:"} << "请1002号同学回答";
        QTest::newRow("some with names") << "A:804" << true << QStringList{"1001:张伟", "1002:"} << "请张伟 1002 回答";
        QTest::newRow("Cantonese voice") << "A:C04" << true << zhang << "请张伟回答";
        QTest::newRow("espeak-ng's Mandarin") << "A:cmn" << true << zhang << "请张伟回答";
        QTest::newRow("English voice reads the ID") << "A:409" << true << zhang << "请1001号同学回答";
        QTest::newRow("English voice reads a Latin name")
            << "A:409" << true << QStringList{"1003:Anna"} << "请Anna回答";
        QTest::newRow("a name the engine cannot read")
            << "A:804" << true << QStringList{"1004:?祥"} << "请1004号同学回答";
    }

    void announcementReadsNamesOnlyWhereTheVoiceCan()
    {
        QFETCH(QString, voice);
        QFETCH(bool, readsNames);
        QFETCH(QStringList, students);
        QFETCH(QString, spoken);
        storeSpeechSetting(QStringLiteral("ReadName"), readsNames);
        storeSpeechSetting(QStringLiteral("Template"), QStringLiteral("请%1号同学回答"));
        storeSpeechSetting(QStringLiteral("NameTemplate"), QStringLiteral("请%1回答"));
        Engine engine = startEngine({voice});
        engine.record->calls.clear();
        QVector<AnnouncedStudent> announced;
        for (const QString &student : students)
            announced.append({student.section(QLatin1Char(':'), 0, 0), student.section(QLatin1Char(':'), 1)});
        engine.service->announce(announced, students.size() > 1 ? QStringLiteral(" ") : QString());
        QCOMPARE(engine.record->calls.filter(QStringLiteral("speak ")), QStringList{QStringLiteral("speak ") + spoken});
    }

    void randomVoiceForANameIsOneThatReadsIt()
    {
        storeSpeechSetting(QStringLiteral("Random"), true);
        storeSpeechSetting(QStringLiteral("ReadName"), true);
        Engine engine = startEngine(kEspeakLikeVoices, Failure::None, true);
        engine.record->calls.clear();
        std::srand(11);
        for (int reading = 0; reading < 60; ++reading)
            engine.service->announce({{QStringLiteral("1001"), QStringLiteral("张伟")}}, QString());
        QSet<QString> drawn;
        for (const QString &call : engine.record->calls) {
            if (call.startsWith(QStringLiteral("setVoice ")))
                drawn << call.mid(9);
        }
        QCOMPARE(drawn, (QSet<QString>{"sit/cmn", "sit/yue"}));
        const QStringList spoken = engine.record->calls.filter(QStringLiteral("speak "));
        QCOMPARE(QSet<QString>(spoken.begin(), spoken.end()), QSet<QString>{"speak 张伟"});
    }

    void voicesThatReadChinese_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("readsChinese");
        QTest::newRow("SAPI PRC") << "804" << true;
        QTest::newRow("SAPI Hong Kong") << "C04" << true;
        QTest::newRow("SAPI Taiwan among others") << "409;404" << true;
        QTest::newRow("SAPI English") << "409" << false;
        QTest::newRow("SAPI Japanese") << "411" << false;
        QTest::newRow("espeak-ng Mandarin") << "cmn" << true;
        QTest::newRow("espeak-ng Cantonese") << "yue" << true;
        QTest::newRow("espeak-ng English") << "en-us" << false;
        QTest::newRow("espeak-ng Hakka") << "hak" << false;
        QTest::newRow("none") << "" << false;
    }

    void voicesThatReadChinese()
    {
        QFETCH(QString, language);
        QFETCH(bool, readsChinese);
        QCOMPARE(VoiceLanguage::readsChinese(language), readsChinese);
        QCOMPARE(VoiceLanguage::canRead(language, QStringLiteral("张伟")), readsChinese);
        QVERIFY(VoiceLanguage::canRead(language, QStringLiteral("Anna 1001")));
    }

    void stoppingCutsTheReadingOff()
    {
        Engine engine = startEngine({"A:804"});
        engine.service->readAloud(QStringLiteral("1001"));
        engine.service->stopReading();
        QCOMPARE(engine.record->stops, 1);
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
            engine.service->readAloud(QStringLiteral("1001"));
        QCOMPARE(engine.record->calls, expected);

        engine.record->calls.clear();
        engine.service->speak(QStringLiteral("2015"), false);
        QCOMPARE(engine.record->calls, (QStringList{"setVolume 100", "setRate 1", "speak 2015"}));
    }
};

ZANDREL_TEST_MAIN(TestSpeechEngine)
#include "tst_speechengine.moc"
