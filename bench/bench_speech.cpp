#include "speech/espeakbackend.h"
#include "speech/speechdialog.h"

#include <QApplication>
#include <QStandardPaths>
#include <QtTest>

// What speech costs the program on espeak-ng: setting the engine up at
// start-up, listing the voices, synthesising an ID, and a reading where no
// audio device answers.
class BenchSpeech : public QObject
{
    Q_OBJECT

private:
    EspeakBackend m_backend;
    std::unique_ptr<SpeechBackend::Voice> m_voice;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
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
};

QTEST_MAIN(BenchSpeech)
#include "bench_speech.moc"
