#ifndef RECORDINGSPEECHBACKEND_H
#define RECORDINGSPEECHBACKEND_H

#include "speech/speechbackend.h"

#include <QString>
#include <QStringList>
#include <memory>

// What a RecordingSpeechBackend saw; it outlives the back end, so a test can
// read it after the service that owned the back end is gone.
struct SpeechRecord
{
    // Every call in order, as short lines: "initialize", "setVoice B",
    // "speak 1001", "release voice", "release listing", ...
    QStringList calls;
    int openSessions = 0;
    int liveTokens = 0;
    // Every digit reading applied, kept apart from the calls so that the
    // calls read as the platform's speech interface sees them.
    QList<bool> digitModes;
    // How often a reading under way was cut off.
    int stops = 0;
};

// Plays the platform's speech interface from a script and writes down every
// call; a reading ends as soon as it starts. Voices are given as
// "id:language", "id:language:preferred" or
// "id:language:preferred:description", for example "B:804:preferred" or
// "roa/pap:pap::Papiamento"; the best voice for "language=804" is the first
// listed voice of language 804 that is preferred, else the first of 804. A
// name with a '?' in it stands for one that the engine cannot read.
class RecordingSpeechBackend : public SpeechBackend
{
public:
    // NoSoundDevice: readings are made, but none reaches a sound device.
    enum class Failure { None, Initialize, CreateVoice, EnumerateVoices, ListingBreaksAfterOne, NoSoundDevice };

    explicit RecordingSpeechBackend(const QStringList &voices, Failure failure = Failure::None);

    // Lists like espeak-ng, whose list the program narrows; the voices'
    // languages are then language tags such as "cmn" or "en-us".
    void setNarrowsVoiceList(bool narrows) { m_narrows = narrows; }

    std::shared_ptr<SpeechRecord> record() const { return m_record; }

    bool initialize() override;
    void shutdown() override;
    std::unique_ptr<Voice> createVoice() override;
    std::unique_ptr<TokenEnumerator> enumerateVoices() override;
    TokenPtr findBestVoice(const std::string &requiredAttributes) override;
    bool narrowsVoiceList() const override { return m_narrows; }

private:
    TokenPtr makeToken(int index) const;

    std::shared_ptr<SpeechRecord> m_record = std::make_shared<SpeechRecord>();
    QStringList m_voices;
    Failure m_failure;
    bool m_narrows = false;
};

#endif // RECORDINGSPEECHBACKEND_H
