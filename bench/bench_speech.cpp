#include "app/mainwindow.h"
#include "speech/espeakbackend.h"
#include "speech/speechdialog.h"

#include "benchsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QElapsedTimer g_sinceStop;
qint64 g_firstSampleNs = -1;
}

// What speech costs the program on espeak-ng: setting the engine up at
// start-up, listing the voices, synthesising an ID, a reading where no audio
// device answers, and how soon a draw's stop is heard.
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
            SpeechDialog dialog;
            dialog.initVoice();
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

    void readingWithoutAudioDevice()
    {
        QBENCHMARK {
            m_voice->speak("1001");
        }
    }

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
        SpeechDialog::setBackendFactory([]() -> std::unique_ptr<SpeechBackend> {
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
        SpeechDialog::setBackendFactory(nullptr);
    }
};

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
