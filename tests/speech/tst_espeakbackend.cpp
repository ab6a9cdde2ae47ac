#include "speech/espeakbackend.h"
#include "speech/espeakconversions.h"
#include "speech/speechdialog.h"
#include "speech/speechservice.h"

#include "../support/testenvironment.h"

#include <QComboBox>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <set>
#include <thread>

namespace {
std::vector<std::string> listedIds(SpeechBackend &backend)
{
    std::vector<std::string> ids;
    std::unique_ptr<SpeechBackend::TokenEnumerator> listing = backend.enumerateVoices();
    if (!listing)
        return ids;
    while (SpeechBackend::TokenPtr token = listing->next())
        ids.push_back(token->id());
    return ids;
}

// A sound device that plays in real time: each chunk of samples takes as
// long to hand over as it takes to hear.
struct PacedSink
{
    std::atomic<long> played{0};
    const long rate = EspeakBackend::sampleRate();

    EspeakBackend::SampleSink sink()
    {
        return [this](const short *, int count) {
            std::this_thread::sleep_for(std::chrono::microseconds(1000000LL * count / rate));
            played += count;
        };
    }
};

int loudest(const std::vector<short> &samples)
{
    int peak = 0;
    for (short sample : samples)
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return peak;
}
}

class TestEspeakBackend : public QObject
{
    Q_OBJECT

private:
    EspeakBackend m_backend;
    std::unique_ptr<SpeechBackend::Voice> m_voice;

    std::vector<short> mandarinSamples(int volume, int rate)
    {
        m_voice->setVoice(*m_backend.findBestVoice("language=804"));
        m_voice->setVolume(volume);
        m_voice->setRate(rate);
        return EspeakBackend::synthesizeToMemory("1001");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_backend.initialize());
        m_voice = m_backend.createVoice();
        QVERIFY(m_voice);
    }

    void cleanupTestCase()
    {
        m_voice.reset();
        m_backend.shutdown();
    }

    void volumeIsClamped_data()
    {
        QTest::addColumn<int>("volume");
        QTest::addColumn<int>("amplitude");
        QTest::newRow("below") << -5 << 0;
        QTest::newRow("silent") << 0 << 0;
        QTest::newRow("half") << 50 << 50;
        QTest::newRow("full") << 100 << 100;
        QTest::newRow("above") << 150 << 100;
    }

    void volumeIsClamped()
    {
        QFETCH(int, volume);
        QFETCH(int, amplitude);
        QCOMPARE(espeakVolume(volume), amplitude);
    }

    void rateStepsSpanEspeakNgsSpeeds_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("wordsPerMinute");
        QTest::newRow("normal") << 0 << 175;
        QTest::newRow("default one step up") << 1 << 192;
        QTest::newRow("five up") << 5 << 277;
        QTest::newRow("fastest before espeak-ng changes method") << 10 << 440;
        QTest::newRow("beyond fastest") << 30 << 440;
        QTest::newRow("five down") << -5 << 118;
        QTest::newRow("one above the slowest") << -9 << 87;
        QTest::newRow("slowest espeak-ng speaks") << -10 << 80;
        QTest::newRow("beyond slowest") << -30 << 80;
    }

    void rateStepsSpanEspeakNgsSpeeds()
    {
        QFETCH(int, rate);
        QFETCH(int, wordsPerMinute);
        QCOMPARE(espeakRate(rate), wordsPerMinute);
    }

    void languageAttributesNameEspeakLanguages_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<QStringList>("languages");
        QTest::newRow("Chinese (PRC)") << "language=804" << QStringList{"cmn", "zh"};
        QTest::newRow("attribute name in any case") << "Language=0804" << QStringList{"cmn", "zh"};
        QTest::newRow("unknown language") << "language=409" << QStringList{};
        QTest::newRow("not hexadecimal") << "language=zz" << QStringList{};
        QTest::newRow("other attribute asked too") << "language=804;gender=female" << QStringList{};
        QTest::newRow("no value") << "language=" << QStringList{};
        QTest::newRow("nothing asked") << "" << QStringList{};
    }

    void languageAttributesNameEspeakLanguages()
    {
        QFETCH(QString, attributes);
        QFETCH(QStringList, languages);
        QStringList names;
        for (const std::string &name : espeakLanguagesFor(attributes.toStdString()))
            names << QString::fromStdString(name);
        QCOMPARE(names, languages);
    }

    void languageListIsRead_data()
    {
        QTest::addColumn<QByteArray>("languages");
        QTest::addColumn<QStringList>("entries");
        // Literals are split so that no name letter is read as a hex digit.
        QTest::newRow("Mandarin voice") << QByteArray("\x05" "cmn\0" "\x05" "zh-cmn\0" "\x05" "zh\0", 17)
                                        << QStringList{"5 cmn", "5 zh-cmn", "5 zh"};
        QTest::newRow("priorities differ") << QByteArray("\x02" "en-us\0" "\x0c" "en\0", 11)
                                           << QStringList{"2 en-us", "12 en"};
        QTest::newRow("empty") << QByteArray() << QStringList{};
    }

    void languageListIsRead()
    {
        QFETCH(QByteArray, languages);
        QFETCH(QStringList, entries);
        QStringList read;
        // A QByteArray ends in a NUL of its own: the list's closing zero.
        for (const EspeakLanguage &language : espeakLanguageList(languages.constData()))
            read << QStringLiteral("%1 %2").arg(language.priority).arg(QString::fromStdString(language.name));
        QCOMPARE(read, entries);
    }

    void preferredVoiceHasTheLowestNumberForItsLanguage_data()
    {
        QTest::addColumn<QStringList>("voices");
        QTest::addColumn<QList<bool>>("preferred");
        QTest::newRow("one voice a language") << QStringList{"5:af", "5:am"} << QList<bool>{true, true};
        QTest::newRow("lower number wins") << QStringList{"5:en 5:en-us", "2:en-us 3:en"}
                                           << QList<bool>{false, true};
        QTest::newRow("first of equals wins") << QStringList{"5:zh", "5:zh"} << QList<bool>{true, false};
        QTest::newRow("other voice's second language counts") << QStringList{"5:cmn", "1:yue 2:cmn"}
                                                               << QList<bool>{false, true};
        QTest::newRow("no languages") << QStringList{""} << QList<bool>{false};
    }

    void preferredVoiceHasTheLowestNumberForItsLanguage()
    {
        QFETCH(QStringList, voices);
        QFETCH(QList<bool>, preferred);
        std::vector<std::vector<EspeakLanguage>> languages;
        for (const QString &voice : voices) {
            std::vector<EspeakLanguage> list;
            for (const QString &entry : voice.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                list.push_back({entry.section(QLatin1Char(':'), 0, 0).toInt(),
                                entry.section(QLatin1Char(':'), 1).toStdString()});
            languages.push_back(list);
        }
        const std::vector<bool> result = espeakPreferredVoices(languages);
        QCOMPARE(QList<bool>(result.begin(), result.end()), preferred);
    }

    void listsInstalledVoicesIncludingMandarin()
    {
        std::unique_ptr<SpeechBackend::TokenEnumerator> listing = m_backend.enumerateVoices();
        QVERIFY(listing);
        const std::size_t count = listing->count();
        listing.reset();

        const std::vector<std::string> ids = listedIds(m_backend);
        QCOMPARE(ids.size(), count);
        QVERIFY(ids.size() > 1);
        QVERIFY(std::find(ids.begin(), ids.end(), "sit/cmn") != ids.end());
        QCOMPARE(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
        QVERIFY(std::none_of(ids.begin(), ids.end(), [](const std::string &id) { return id.rfind("mb/", 0) == 0; }));
        QCOMPARE(listedIds(m_backend), ids);
    }

    void findsMandarinAsTheBestChineseVoice()
    {
        const SpeechBackend::TokenPtr best = m_backend.findBestVoice("language=804");
        QVERIFY(best);
        QCOMPARE(QString::fromStdString(best->language()), QStringLiteral("cmn"));
        QVERIFY(best->isVendorPreferred());
        const std::vector<std::string> ids = listedIds(m_backend);
        QVERIFY(std::find(ids.begin(), ids.end(), best->id()) != ids.end());

        QVERIFY(!m_backend.findBestVoice("language=409"));
    }

    void synthesisesSpeechWithTheVolumeAndRateApplied()
    {
        const std::vector<short> normal = mandarinSamples(100, 0);
        QVERIFY(EspeakBackend::sampleRate() > 0);
        QVERIFY(normal.size() > static_cast<std::size_t>(EspeakBackend::sampleRate() / 10));
        QVERIFY(loudest(normal) > 1000);

        QCOMPARE(loudest(mandarinSamples(0, 0)), 0);
        QVERIFY(loudest(mandarinSamples(50, 0)) < loudest(normal));
        QVERIFY(mandarinSamples(100, 10).size() < normal.size() / 2);
        QVERIFY(mandarinSamples(100, -10).size() > normal.size() * 3 / 2);
    }

    void readingReturnsWithoutAnAudioDevice()
    {
        // CI machines have no audio device; where there is one, the reading
        // is short and silent.
        m_voice->setVoice(*m_backend.findBestVoice("language=804"));
        m_voice->setVolume(0);
        m_voice->setRate(0);
        std::promise<void> ended;
        m_voice->setReadingDone([&ended](bool) { ended.set_value(); });
        auto reading = std::async(std::launch::async, [this] { m_voice->speak("1001"); });
        // A limit against a hang, far above the length of the speech.
        const bool returned = reading.wait_for(std::chrono::seconds(60)) == std::future_status::ready
            && ended.get_future().wait_for(std::chrono::seconds(60)) == std::future_status::ready;
        if (!returned)
            qFatal("reading aloud did not end");
        m_voice->setReadingDone(nullptr);

        QVERIFY(loudest(mandarinSamples(100, 0)) > 1000);
    }

    void windowKeepsRunningWhileItSpeaks()
    {
        PacedSink device;
        SpeechService speech(std::make_unique<EspeakBackend>(device.sink()));
        speech.initVoice();
        int ticksWhilePlaying = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] {
            if (device.played > 0)
                ++ticksWhilePlaying;
        });
        ticker.start(10);
        speech.readAloud(QStringLiteral("1001 1002 1003 1004"));
        // A second of speech heard, a hundred ticks of the timer meanwhile; a
        // tenth of them is plenty to tell a window that answers from one that
        // waits for the reading.
        QTRY_VERIFY_WITH_TIMEOUT(device.played >= device.rate, 30000);
        QVERIFY2(ticksWhilePlaying >= 10, qPrintable(QString::number(ticksWhilePlaying)));
    }

    void newReadingOrStopCutsTheLastOneOff_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::newRow("a new reading") << false;
        QTest::newRow("a new draw stops it") << true;
    }

    void newReadingOrStopCutsTheLastOneOff()
    {
        QFETCH(bool, stopped);
        const QString longReading = QStringLiteral("1001 1002 1003 1004 1005 1006");
        PacedSink device;
        SpeechService speech(std::make_unique<EspeakBackend>(device.sink()));
        speech.initVoice();
        const long whole = static_cast<long>(EspeakBackend::synthesizeToMemory(longReading.toStdString()).size());
        speech.readAloud(longReading);
        QTRY_VERIFY_WITH_TIMEOUT(device.played > 0, 30000);
        if (stopped)
            speech.stopReading();
        else
            speech.readAloud(QStringLiteral("1"));
        // The long reading lasts over three seconds; cut off, it and the
        // short one are over well within two.
        QTest::qWait(2000);
        QVERIFY2(device.played < whole / 2, qPrintable(QStringLiteral("%1 of %2").arg(device.played).arg(whole)));
    }

    void dialogSetsUpTheEngineOnEspeak()
    {
        QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(QStringLiteral("Volume"), 0);
        SpeechService speech(createPlatformSpeechBackend());
        SpeechDialog dialog(&speech);
        speech.initVoice();
        auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBox"));
        QVERIFY(combo->count() > 1);
        QCOMPARE(combo->currentData().toString().toStdString(), m_backend.findBestVoice("language=804")->id());
        QCOMPARE(combo->currentText(), QStringLiteral("Chinese (Mandarin)"));
        speech.setVoiceEnabled(true, false);
        speech.speak(QStringLiteral("1001"), true);
    }

    void voiceListShowsTheProgramsLanguagesByName_data()
    {
        QTest::addColumn<QString>("storedVoice");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first run") << "" << "Chinese (Mandarin)";
        QTest::newRow("stored voice of another language") << "roa/pap" << "Papiamento";
    }

    void voiceListShowsTheProgramsLanguagesByName()
    {
        QFETCH(QString, storedVoice);
        QFETCH(QString, shown);
        QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(QStringLiteral("VoiceLib"), storedVoice);
        SpeechService speech(std::make_unique<EspeakBackend>([](const short *, int) {}));
        SpeechDialog dialog(&speech);
        speech.initVoice();
        auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBox"));
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        for (const char *name : {"Chinese (Mandarin)", "Chinese (Cantonese)", "English (America)",
                                 "English (Great Britain)"})
            QVERIFY2(items.contains(QLatin1String(name)), qPrintable(items.join(QLatin1String(", "))));
        QVERIFY2(!items.contains(QStringLiteral("Hungarian")), qPrintable(items.join(QLatin1String(", "))));
        for (const QString &item : items)
            QVERIFY2(!item.contains(QLatin1Char('/')) && !item.contains(QLatin1Char('_')), qPrintable(item));
        QCOMPARE(combo->currentText(), shown);
        QCOMPARE(items.contains(QStringLiteral("Papiamento")), !storedVoice.isEmpty());
        QCOMPARE(QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).value(QStringLiteral("VoiceLib")).toString(),
                 storedVoice);
    }
};

ZANDREL_TEST_MAIN(TestEspeakBackend)
#include "tst_espeakbackend.moc"
