#ifndef ESPEAKBACKEND_H
#define ESPEAKBACKEND_H

#include "speech/speechbackend.h"

#include <string>
#include <vector>

// Speech through libespeak-ng, played synchronously on the default audio
// device. A voice's identifier is espeak-ng's own ("sit/cmn"); the best voice
// for a language is the one espeak-ng ranks first for it.
//
// Without an audio device a reading returns at once; without voice data the
// session does not open. MBROLA voices are left out: they need a separate
// program and voice files, and choosing one that is not installed stalls
// espeak-ng.
class EspeakBackend : public SpeechBackend
{
public:
    bool initialize() override;
    void shutdown() override;
    std::unique_ptr<Voice> createVoice() override;
    std::unique_ptr<TokenEnumerator> enumerateVoices() override;
    TokenPtr findBestVoice(const std::string &requiredAttributes) override;

    // Synthesises a text with the voice, volume and rate last applied and
    // returns the samples (mono, 16 bit, at sampleRate()) instead of playing
    // them; empty when espeak-ng is not available.
    static std::vector<short> synthesizeToMemory(const std::string &text);
    static int sampleRate();

private:
    bool m_open = false;
};

#endif // ESPEAKBACKEND_H
