#ifndef SPEECHSERVICE_H
#define SPEECHSERVICE_H

#include "speech/announcedstudent.h"
#include "speech/speechbackend.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

// The speech engine of the program: it lists the installed voices (on
// espeak-ng only those of the program's and the desktop's languages, and the
// stored one), chooses one (the stored voice, else the best Mandarin voice,
// else the first), and reads texts aloud with the stored volume and rate,
// optionally with a voice drawn at random for every reading among the listed
// ones that can read it. Announcements are read through the teacher's
// sentences, numbers digit by digit or as numbers, and names when asked.
// Readings never hold up the caller; a new one cuts the last one off.
//
// Every setting is stored in the settings area "Speech" when it changes.
class SpeechService : public QObject
{
    Q_OBJECT

public:
    using BackendFactory = std::function<std::unique_ptr<SpeechBackend>()>;

    // Speaks through the platform's speech interface, or through the back
    // end of the factory set with setBackendFactory (tests use that to hear
    // what the program reads aloud).
    explicit SpeechService(QObject *parent = nullptr);
    explicit SpeechService(std::unique_ptr<SpeechBackend> backend, QObject *parent = nullptr);
    ~SpeechService() override;

    // A null factory brings back the platform's back end.
    static void setBackendFactory(BackendFactory factory);

    void initVoice();
    void releaseVoice();
    bool isReady() const;

    void speak(const QString &text, bool randomVoice);
    // Reads announced IDs through the announcement sentence.
    void readAloud(const QString &text);
    // Reads the drawn students, each followed by the separator: by name when
    // names are read and the voice can read the name, else by ID; through
    // the sentence with names when a name is read, else the one for IDs.
    void announce(const AnnouncedStudents &students, const QString &separator);
    // Cuts off the reading under way, as when a new draw starts.
    void stopReading();

    bool isVoiceEnabled() const;
    void setVoiceEnabled(bool enabled, bool save);
    // Has the voice switch show the state without storing anything, as the
    // speech settings dialog asks after its own change.
    void syncVoiceSwitch(bool enabled);

    // The voices listed, in order: identifiers and the names shown.
    QStringList voiceIds() const;
    QStringList voiceLabels() const;
    // -1 while no voice is chosen.
    int currentVoiceIndex() const;
    // Applies and stores the voice listed at the index.
    void chooseVoice(int index);

    int volume() const;
    void setVolume(int volume);
    int rate() const;
    void setRate(int rate);
    bool isRandomVoice() const;
    void setRandomVoice(bool random);
    bool readsDigitByDigit() const;
    void setDigitByDigit(bool digitByDigit);
    // Whether announcements read the drawn students' names.
    bool readsNames() const;
    void setReadsNames(bool readsNames);
    QString announcementTemplate() const;
    void setAnnouncementTemplate(const QString &pattern);
    QString nameTemplate() const;
    void setNameTemplate(const QString &pattern);

    // Whether readings go unheard: the engine could not be set up, or the
    // last reading found no sound device.
    bool isSilent() const;
    static QString silenceMessage();

signals:
    void voicesChanged();
    void voiceEnabledChanged(bool enabled);
    void voiceSwitchSynced(bool enabled);
    void silenceChanged(bool silent);

private:
    // initVoice but for telling whether the engine stays silent.
    void setUpEngine();
    void closeSession();
    void addVoice(const SpeechBackend::TokenPtr &token);
    void applyVoice(const SpeechBackend::TokenPtr &token);
    // Draws the voice for a reading among the listed ones that can read the
    // text, all of them when none can.
    void applyRandomVoice(const QString &text);
    bool canReadName(const QString &name) const;
    // Whether the text is read: speech on and a voice ready.
    bool mayRead() const;
    void speakPrepared(const QString &text);
    void readingDone(bool heard);
    void setSilent(bool silent);

    // Declared before the engine's voice and tokens so that it outlives them.
    std::unique_ptr<SpeechBackend> m_backend;
    bool m_sessionOpen = false;

    bool m_voiceReady = false;
    bool m_voiceEnabled = true;
    int m_volume = 100;
    int m_rate = 1;
    bool m_randomVoice = false;
    QString m_voiceLib;
    QStringList m_voiceNames;
    QStringList m_voiceLabels;
    std::unique_ptr<SpeechBackend::Voice> m_voice;
    SpeechBackend::TokenPtr m_currentToken;
    // The voice the last reading used: the chosen one or a random one.
    SpeechBackend::TokenPtr m_appliedToken;
    std::vector<SpeechBackend::TokenPtr> m_tokens;

    bool m_digitByDigit = true;
    bool m_readName = false;
    QString m_template;
    QString m_nameTemplate;
    bool m_silent = false;
    // Whether the reading under way can tell about the sound device: a
    // reading of nothing plays nothing.
    bool m_readingTells = false;
};

#endif // SPEECHSERVICE_H
