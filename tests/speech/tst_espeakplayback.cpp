#include "speech/espeakbackend.h"

#include "../support/testenvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

// Readings played on the sound device. ALSA reads its configuration once per
// process, so a program of its own gives it a device before anything plays:
// the null device, which takes the samples at once, as a sound server with
// seconds of buffer does.
class TestEspeakPlayback : public QObject
{
    Q_OBJECT

private:
    EspeakBackend m_backend;

private slots:
    void initTestCase()
    {
        QFile config(QDir::home().filePath(QStringLiteral(".asoundrc")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("pcm.!default { type null }\n");
        config.close();
        QVERIFY(m_backend.initialize());
    }

    void cleanupTestCase() { m_backend.shutdown(); }

    // The reading waits out the sound it handed on where a stop or a new
    // reading ends the wait.
    void readingOnTheDeviceIsCutOff_data()
    {
        QTest::addColumn<bool>("byANewReading");
        QTest::newRow("stopped") << false;
        QTest::newRow("a new reading") << true;
    }

    void readingOnTheDeviceIsCutOff()
    {
        QFETCH(bool, byANewReading);
        // The voice goes first, and with it its thread that tells.
        std::promise<bool> ended;
        std::atomic<int> readingsEnded{0};
        std::unique_ptr<SpeechBackend::Voice> voice = m_backend.createVoice();
        voice->setVoice(*m_backend.findBestVoice("language=804"));
        // Where a sound server answers before ALSA, silent.
        voice->setVolume(0);
        voice->setReadingDone([&](bool heard) {
            if (readingsEnded++ == 0)
                ended.set_value(heard);
        });
        QElapsedTimer clock;
        clock.start();
        // Over six seconds of speech.
        voice->speak("1001 1002 1003 1004 1005 1006 1007 1008");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (byANewReading)
            voice->speak("1");
        else
            voice->stop();
        std::future<bool> heard = ended.get_future();
        QVERIFY(heard.wait_for(std::chrono::seconds(30)) == std::future_status::ready);
        QVERIFY(heard.get());
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    }
};

ZANDREL_TEST_MAIN(TestEspeakPlayback)
#include "tst_espeakplayback.moc"
