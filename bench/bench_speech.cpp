#include "app/mainwindow.h"
#include "speech/espeakbackend.h"
#include "speech/espeakreading.h"
#include "speech/speechservice.h"

#include "benchsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <chrono>
#include <thread>
#include <QtTest>

namespace {
QElapsedTimer g_sinceStop;
qint64 g_firstSampleNs = -1;

// A sound device that plays in real time: every chunk takes as long to hand
// over as it lasts, on the thread that hands it over.
std::atomic<long> g_pacedSamples{0};
long g_sampleRate = 0;
void pacedDevice(const short *, int count)
{
    std::this_thread::sleep_for(std::chrono::microseconds(1000000LL * count / g_sampleRate));
    g_pacedSamples += count;
}
}

// What speech costs the program on espeak-ng: setting the engine up at
// start-up, listing the voices, synthesising an ID, a reading where no audio
// device answers, how soon a draw's stop is heard, and how long the window
// stops answering while a reading plays.
class BenchSpeech : public QObject
{
    Q_OBJECT

private:
    EspeakBackend m_backend;
    std::unique_ptr<SpeechBackend::Voice> m_voice;

private slots:
    void initTestCase()
    {
        QVERIFY(m_backend.initialize());
        m_voice = m_backend.createVoice();
        m_voice->setVoice(*m_backend.findBestVoice("language=804"));
        m_voice->setVolume(0);
        m_voice->setRate(1);
    }

    void engineSetUp()
    {
        QBENCHMARK {
            SpeechService speech;
            speech.initVoice();
        }
    }

    void listingVoices()
    {
        std::size_t listed = 0;
        QBENCHMARK {
            listed = 0;
            std::unique_ptr<SpeechBackend::TokenEnumerator> listing = m_backend.enumerateVoices();
            while (listing->next())
                ++listed;
        }
        qInfo("%zu voices", listed);
    }

    void synthesisingAnId()
    {
        std::vector<short> samples;
        QBENCHMARK {
            samples = EspeakBackend::synthesizeToMemory("1001");
        }
        qInfo("%.2f s of speech", double(samples.size()) / EspeakBackend::sampleRate());
    }

    // The reading starts on the voice's own thread; this is what the caller
    // waits for.
    void readingWithoutAudioDevice()
    {
        QBENCHMARK {
            m_voice->speak("1001");
        }
    }

    // Runs the event loop for the time; QTest::qWait would sleep 10 ms at a
    // time between its rounds of events, which is what is measured here.
    static void runEventLoop(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // The longest gap in nanoseconds between the ticks of a 1 ms timer, or
    // the time start takes, while start and then wait run.
    static qint64 longestStall(const std::function<void()> &start, const std::function<void()> &wait)
    {
        QElapsedTimer clock;
        qint64 lastTick = 0;
        qint64 longest = 0;
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - lastTick);
            lastTick = now;
        });
        ticker.start(1);
        clock.start();
        start();
        longest = std::max(longest, clock.nsecsElapsed());
        wait();
        return longest;
    }

    // The longest the event loop goes without running, from the click that
    // stops the LED draw until a reading of about three seconds has played;
    // the click itself counts as a stall. The device plays in real time:
    // espeak-ng's samples handed to a callback that takes as long as they
    // last, or the program's own playback through ALSA into a file plugin
    // over the null device (which takes the samples at once; the program
    // waits out the reading itself).
    void longestStallWhileReading_data()
    {
        QTest::addColumn<bool>("alsa");
        QTest::newRow("paced callback") << false;
        QTest::newRow("ALSA file over null") << true;
    }

    void longestStallWhileReading()
    {
        QFETCH(bool, alsa);
        g_sampleRate = EspeakBackend::sampleRate();
        const QString recorded = QDir::home().filePath(QStringLiteral("reading.raw"));
        if (alsa) {
            QFile config(QDir::home().filePath(QStringLiteral(".asoundrc")));
            QVERIFY(config.open(QIODevice::WriteOnly));
            config.write(QStringLiteral("pcm.!default { type file slave.pcm \"null\" file \"%1\" format \"raw\" }\n")
                             .arg(recorded)
                             .toUtf8());
        }
        QSettings speech(QStringLiteral("Velmor"), QStringLiteral("Speech"));
        speech.setValue(QStringLiteral("Template"), QStringLiteral("请%1号同学回答问题"));
        speech.setValue(QStringLiteral("DigitByDigit"), true);
        speech.sync();
        writeBenchRoster(1, 1002, QString());
        SpeechService::setBackendFactory([alsa]() -> std::unique_ptr<SpeechBackend> {
            return alsa ? std::make_unique<EspeakBackend>() : std::make_unique<EspeakBackend>(pacedDevice);
        });
        {
            MainWindow window;
            window.show();
            auto *button = window.findChild<QAbstractButton *>(QStringLiteral("pushButton"));
            button->click();
            QTest::qWait(100);
            // The same watch over an idle window tells what the machine's own
            // load costs.
            const qint64 idle = longestStall([] {}, [] { runEventLoop(3000); });
            g_pacedSamples = 0;
            QFile::remove(recorded);
            qint64 click = 0;
            long heard = 0;
            const qint64 reading = longestStall(
                [&] {
                    QElapsedTimer clicking;
                    clicking.start();
                    button->click();
                    click = clicking.nsecsElapsed();
                },
                [&] {
                    // Played once the device has taken no samples for half a
                    // second, and, through ALSA, once as long as they last
                    // has passed.
                    QElapsedTimer playing;
                    playing.start();
                    long before = -1;
                    while (heard != before || heard == 0 || playing.elapsed() < 1000LL * heard / g_sampleRate) {
                        before = heard;
                        runEventLoop(500);
                        heard = alsa ? long(QFileInfo(recorded).size() / 2) : long(g_pacedSamples);
                    }
                });
            qInfo("reading of %.2f s: longest stall of the event loop %.2f ms (the stop click %.2f ms); idle "
                  "window over 3 s: %.2f ms",
                  double(heard) / g_sampleRate, reading / 1e6, click / 1e6, idle / 1e6);
        }
        SpeechService::setBackendFactory(nullptr);
        QFile::remove(QDir::home().filePath(QStringLiteral(".asoundrc")));
    }

    void recordings();

    // From the click that stops the LED draw to the first samples espeak-ng
    // hands on for the sound device (its synthesis callback), for "1001" in
    // Mandarin: the teacher hears the draw's result this much after the stop.
    void drawStopToFirstSample_data()
    {
        QTest::addColumn<bool>("digitByDigit");
        QTest::newRow("digit by digit") << true;
        QTest::newRow("as a number") << false;
    }

    void drawStopToFirstSample()
    {
        QFETCH(bool, digitByDigit);
        QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(QStringLiteral("DigitByDigit"), digitByDigit);
        // IDs from 20240000 up; the one at index 1001 is announced as "1001".
        writeBenchRoster(1, 1002, QString());
        SpeechService::setBackendFactory([]() -> std::unique_ptr<SpeechBackend> {
            return std::make_unique<EspeakBackend>([](const short *, int) {
                if (g_firstSampleNs < 0)
                    g_firstSampleNs = g_sinceStop.nsecsElapsed();
            });
        });
        {
            MainWindow window;
            window.show();
            auto *button = window.findChild<QAbstractButton *>(QStringLiteral("pushButton"));
            auto *down = window.findChild<QAbstractButton *>(QStringLiteral("pushButton_3"));
            for (int step = 0; step < 1001; ++step)
                down->click();
            std::vector<double> latencies;
            std::vector<double> stops;
            for (int run = 0; run < 31; ++run) {
                button->click();
                g_firstSampleNs = -1;
                g_sinceStop.start();
                button->click();
                stops.push_back(g_sinceStop.nsecsElapsed() / 1e6);
                QVERIFY(g_firstSampleNs >= 0);
                latencies.push_back(g_firstSampleNs / 1e6);
            }
            qInfo("stop to first sample: %.3f ms; whole stop with the synthesis: %.2f ms (medians of %zu)",
                  median(latencies), median(stops), latencies.size());
        }
        SpeechService::setBackendFactory(nullptr);
    }
};

// Not a measurement: with ZANDREL_RECORDINGS set to a directory, the
// announcements of a name and of a number are written there as they are
// played, raw mono 16-bit samples ("sox -r RATE -e signed -b 16 -c 1 f.raw
// f.wav" makes a WAV of one), with what espeak-ng was handed beside them.
void BenchSpeech::recordings()
{
    const QString directory = qEnvironmentVariable("ZANDREL_RECORDINGS");
    if (directory.isEmpty())
        QSKIP("ZANDREL_RECORDINGS is not set");
    struct Recording
    {
        const char *file;
        bool readsNames;
        bool digitByDigit;
        AnnouncedStudent student;
    };
    const Recording recordings[] = {
        {"zeng-xiaoxian", true, true, {QStringLiteral("1001"), QStringLiteral("曾小贤")}},
        {"liangqian-ling-yi", false, false, {QStringLiteral("2001"), QString()}},
    };
    for (const Recording &recording : recordings) {
        QSettings stored(QStringLiteral("Velmor"), QStringLiteral("Speech"));
        stored.setValue(QStringLiteral("ReadName"), recording.readsNames);
        stored.setValue(QStringLiteral("DigitByDigit"), recording.digitByDigit);
        stored.setValue(QStringLiteral("Template"), QStringLiteral("请%1号同学回答"));
        stored.setValue(QStringLiteral("NameTemplate"), QStringLiteral("%1"));
        stored.sync();
        std::vector<short> samples;
        std::mutex lock;
        SpeechService speech(std::make_unique<EspeakBackend>([&](const short *chunk, int count) {
            const std::lock_guard<std::mutex> guard(lock);
            samples.insert(samples.end(), chunk, chunk + count);
        }));
        speech.initVoice();
        speech.announce({recording.student}, QString());
        std::size_t before = 1;
        std::size_t now = 0;
        while (now != before) {
            before = now;
            QTest::qWait(500);
            const std::lock_guard<std::mutex> guard(lock);
            now = samples.size();
        }
        QFile raw(directory + QLatin1Char('/') + QLatin1String(recording.file) + QStringLiteral(".raw"));
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write(reinterpret_cast<const char *>(samples.data()), qint64(samples.size() * sizeof(short)));
        const std::string name = recording.readsNames
            ? espeakNameText(recording.student.name.toStdString(), ChineseReading::Mandarin)
            : std::string();
        const std::string text = recording.readsNames ? name : "请" + recording.student.announcedId.toStdString() + "号同学回答";
        EspeakReading reading;
        reading.chinese = ChineseReading::Mandarin;
        reading.digitByDigit = recording.digitByDigit;
        qInfo("%s: %.2f s at %d Hz; espeak-ng was handed \"%s\", phonemes %s", recording.file,
              double(samples.size()) / EspeakBackend::sampleRate(), EspeakBackend::sampleRate(),
              espeakReadingText(text, reading).c_str(), EspeakBackend::phonemes(text).c_str());
    }
}

int main(int argc, char *argv[])
{
    const QTemporaryDir home;
    useTemporaryHome(home);
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchSpeech bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_speech.moc"
