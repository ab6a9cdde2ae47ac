#include "speech/espeakbackend.h"
#include "speech/speechdialog.h"
#include "speech/speechservice.h"

#include "../support/testenvironment.h"

#include <QComboBox>
#include <QTemporaryDir>

// espeak-ng keeps one engine per process, so a program of its own finds the
// voice data missing before anything else starts the engine.
class TestEspeakMissingData : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_emptyData;

private slots:
    void initTestCase()
    {
        QVERIFY(m_emptyData.isValid());
        qputenv("ESPEAK_DATA_PATH", QFile::encodeName(m_emptyData.path()));
    }

    void sessionDoesNotOpen()
    {
        EspeakBackend backend;
        QVERIFY(!backend.initialize());
        QVERIFY(!backend.createVoice());
        QVERIFY(!backend.enumerateVoices());
        QVERIFY(!backend.findBestVoice("language=804"));
        QVERIFY(EspeakBackend::synthesizeToMemory("1001").empty());
    }

    void dialogStaysQuiet()
    {
        SpeechService speech(createPlatformSpeechBackend());
        SpeechDialog dialog(&speech);
        speech.initVoice();
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("comboBox"))->count(), 0);
        speech.readAloud(QStringLiteral("1001"));
        speech.speak(QStringLiteral("1001"), true);
    }
};

ZANDREL_TEST_MAIN(TestEspeakMissingData)
#include "tst_espeakmissingdata.moc"
