#ifndef SAPIBACKEND_H
#define SAPIBACKEND_H

#include "speech/speechbackend.h"

// Speech through the Windows speech interface SAPI 5 over COM: the session
// is the thread's COM apartment, the voice an ISpVoice, the voices the tokens
// of the category SPCAT_VOICES, identified by their registry paths.
class SapiBackend : public SpeechBackend
{
public:
    bool initialize() override;
    void shutdown() override;
    std::unique_ptr<Voice> createVoice() override;
    std::unique_ptr<TokenEnumerator> enumerateVoices() override;
    TokenPtr findBestVoice(const std::string &requiredAttributes) override;
};

#endif // SAPIBACKEND_H
