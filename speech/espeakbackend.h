#ifndef ESPEAKBACKEND_H
#define ESPEAKBACKEND_H

#include "speech/speechbackend.h"

#include <functional>
#include <string>
#include <vector>

// Speech through libespeak-ng, played on the default audio device, or handed
// to a sample sink instead, from a thread of each voice's own: a reading
// never holds up the caller, and a new one cuts the last one off. A voice's identifier is
// espeak-ng's own ("sit/cmn"); the best voice for a language is the one
// espeak-ng ranks first for it. The Mandarin voices speak through espeak-ng's
// pinyin voice, with the text turned into pinyin (espeakReadingText).
//
// Without an audio device a reading ends at once and says so; without voice
// data the session does not open. MBROLA voices are left out: they
// need a separate program and voice files, and choosing one that is not
// installed stalls espeak-ng.
class EspeakBackend : public SpeechBackend
{
public:
    // Mono 16-bit samples at sampleRate(), in the order spoken, on the
    // voice's thread.
    using SampleSink = std::function<void(const short *samples, int count)>;

    // Without a sink, readings are played on the default audio device.
    explicit EspeakBackend(SampleSink sink = SampleSink());

    bool initialize() override;
    void shutdown() override;
    std::unique_ptr<Voice> createVoice() override;
    std::unique_ptr<TokenEnumerator> enumerateVoices() override;
    TokenPtr findBestVoice(const std::string &requiredAttributes) override;
    bool narrowsVoiceList() const override;

    // A reading of the text with the voice, volume, rate and digit reading
    // last applied, its samples returned instead of played; empty when
    // espeak-ng is not available.
    static std::vector<short> synthesizeToMemory(const std::string &text);
    // espeak-ng's phonemes (its mnemonics, as "espeak-ng -x" prints them)
    // for what such a reading hands it; clauses are separated by a blank.
    static std::string phonemes(const std::string &text);
    static int sampleRate();

private:
    SampleSink m_sink;
    bool m_open = false;
};

#endif // ESPEAKBACKEND_H
