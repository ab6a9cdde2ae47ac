#ifndef RECORDINGSPEECHBACKEND_H
#define RECORDINGSPEECHBACKEND_H

#include "speech/speechbackend.h"

#include <QString>
#include <QStringList>
#include <memory>

// What a RecordingSpeechBackend saw; it outlives the back end, so a test can
// read it after the dialog that owned the back end is gone.
struct SpeechRecord
{
    // Every call in order, as short lines: "initialize", "setVoice B",
    // "speak 1001", "release voice", "release listing", ...
    QStringList calls;
    int openSessions = 0;
    int liveTokens = 0;
};

// Plays the platform's speech interface from a script and writes down every
// call. Voices are given as "id:language" or "id:language:preferred", for
// example "B:804:preferred"; the best voice for "language=804" is the first
// listed voice of language 804 that is preferred, else the first of 804.
class RecordingSpeechBackend : public SpeechBackend
{
public:
    enum class Failure { None, Initialize, CreateVoice, EnumerateVoices, ListingBreaksAfterOne };

    explicit RecordingSpeechBackend(const QStringList &voices, Failure failure = Failure::None);

    std::shared_ptr<SpeechRecord> record() const { return m_record; }

    bool initialize() override;
    void shutdown() override;
    std::unique_ptr<Voice> createVoice() override;
    std::unique_ptr<TokenEnumerator> enumerateVoices() override;
    TokenPtr findBestVoice(const std::string &requiredAttributes) override;

private:
    TokenPtr makeToken(int index) const;

    std::shared_ptr<SpeechRecord> m_record = std::make_shared<SpeechRecord>();
    QStringList m_voices;
    Failure m_failure;
};

#endif // RECORDINGSPEECHBACKEND_H
