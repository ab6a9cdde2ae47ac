#include "speech/espeakbackend.h"

#include "speech/espeakconversions.h"
#include "speech/espeakreading.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <cstring>

namespace {

enum class Output { Speaker, Memory };

Output g_output = Output::Speaker;

// espeak-ng applies a voice to its one engine, so the reading that goes with
// the voice is the engine's too.
EspeakReading g_reading;

// espeak-ng's Mandarin voice reads Latin letters as English, and so pinyin;
// this one reads pinyin and speaks the same Mandarin.
const char *const kPinyinVoice = "sit/cmn-Latn-pinyin";

// espeak-ng keeps one engine per process, and 1.51 crashes or hangs when it
// is initialised again after espeak_Terminate: the engine starts on first use
// and stays until the process ends.
bool engineAvailable()
{
    static const bool available = [] {
        // Without espeakINITIALIZE_DONT_EXIT, missing voice data would end the
        // whole program; with it, the sample rate comes back as 0 or less.
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCH_PLAYBACK, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0)
            return false;
        espeak_SetSynthCallback([](short *samples, int count, espeak_EVENT *events) {
            const auto *sink = static_cast<const EspeakBackend::SampleSink *>(events ? events->user_data : nullptr);
            if (sink && samples && count > 0)
                (*sink)(samples, count);
            return 0;
        });
        return true;
    }();
    return available;
}

// Reads the text as handed, into the sink in memory output; false when
// espeak-ng could not speak it, as when no audio device can be opened.
bool synthesize(const std::string &text, const EspeakBackend::SampleSink *sink)
{
    return espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                                const_cast<EspeakBackend::SampleSink *>(sink))
        == ENS_OK;
}

void useOutput(Output output)
{
    if (output == g_output)
        return;
    g_output = output;
    if (output == Output::Speaker) {
        espeak_ng_InitializeOutput(static_cast<espeak_ng_OUTPUT_MODE>(ENOUTPUT_MODE_SYNCHRONOUS | ENOUTPUT_MODE_SPEAK_AUDIO),
                                   0, nullptr);
        return;
    }
    espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    // A reading that found no audio device leaves its sound queued; an empty
    // text takes it out before the next text is synthesised.
    synthesize(std::string(), nullptr);
}

bool isMbrola(const char *identifier)
{
    return std::strncmp(identifier, "mb/", 3) == 0;
}

// espeak-ng writes blanks in voice names as underscores.
std::string readableName(const char *name)
{
    std::string readable = name ? name : "";
    for (char &c : readable) {
        if (c == '_')
            c = ' ';
    }
    return readable;
}

// The identifier of the voice espeak-ng ranks first for a language, or
// empty.
std::string firstVoiceFor(const std::string &language)
{
    espeak_VOICE wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.languages = language.c_str();
    for (const espeak_VOICE **voice = espeak_ListVoices(&wanted); voice && *voice; ++voice) {
        if ((*voice)->identifier && !isMbrola((*voice)->identifier))
            return (*voice)->identifier;
    }
    return std::string();
}

class EspeakTokenEnumerator : public SpeechBackend::TokenEnumerator
{
public:
    EspeakTokenEnumerator()
    {
        // espeak_ListVoices reads every voice file again, so the listing is
        // read once and the preferred voices are worked out from it.
        std::vector<std::vector<EspeakLanguage>> languages;
        for (const espeak_VOICE **voice = espeak_ListVoices(nullptr); voice && *voice; ++voice) {
            if ((*voice)->identifier && !isMbrola((*voice)->identifier)) {
                m_ids.push_back((*voice)->identifier);
                m_names.push_back(readableName((*voice)->name));
                languages.push_back(espeakLanguageList((*voice)->languages));
            }
        }
        m_preferred = espeakPreferredVoices(languages);
        for (const std::vector<EspeakLanguage> &list : languages)
            m_languages.push_back(list.empty() ? std::string() : list.front().name);
    }

    std::size_t count() override { return m_ids.size(); }

    SpeechBackend::TokenPtr next() override
    {
        if (m_next >= m_ids.size())
            return nullptr;
        const std::size_t i = m_next++;
        return std::make_shared<SpeechBackend::Token>(m_ids[i], m_languages[i], m_preferred[i], m_names[i]);
    }

private:
    std::vector<std::string> m_ids;
    std::vector<std::string> m_names;
    std::vector<std::string> m_languages;
    std::vector<bool> m_preferred;
    std::size_t m_next = 0;
};

class EspeakVoice : public SpeechBackend::Voice
{
public:
    explicit EspeakVoice(EspeakBackend::SampleSink sink)
        : m_sink(std::move(sink))
    {
    }

    void setVoice(const SpeechBackend::Token &token) override
    {
        g_reading.chinese = chineseReadingFor(token.language());
        if (g_reading.chinese == ChineseReading::Mandarin && espeak_SetVoiceByName(kPinyinVoice) == EE_OK)
            return;
        // Without the pinyin voice, Mandarin is left to espeak-ng as it is.
        if (g_reading.chinese == ChineseReading::Mandarin)
            g_reading.chinese = ChineseReading::None;
        espeak_SetVoiceByName(token.id().c_str());
    }
    void setVolume(int volume) override { espeak_SetParameter(espeakVOLUME, espeakVolume(volume), 0); }
    void setRate(int rate) override { espeak_SetParameter(espeakRATE, espeakRate(rate), 0); }
    void setDigitByDigit(bool digitByDigit) override { g_reading.digitByDigit = digitByDigit; }

    void speak(const std::string &text) override
    {
        const std::string handed = espeakReadingText(text, g_reading);
        if (m_sink) {
            useOutput(Output::Memory);
            m_played = synthesize(handed, &m_sink);
            return;
        }
        useOutput(Output::Speaker);
        m_played = synthesize(handed, nullptr);
    }

    bool reachedSoundDevice() const override { return m_played; }

private:
    EspeakBackend::SampleSink m_sink;
    bool m_played = true;
};

}

EspeakBackend::EspeakBackend(SampleSink sink)
    : m_sink(std::move(sink))
{
}

bool EspeakBackend::initialize()
{
    m_open = engineAvailable();
    return m_open;
}

void EspeakBackend::shutdown()
{
    m_open = false;
}

std::unique_ptr<SpeechBackend::Voice> EspeakBackend::createVoice()
{
    if (!m_open)
        return nullptr;
    return std::make_unique<EspeakVoice>(m_sink);
}

std::unique_ptr<SpeechBackend::TokenEnumerator> EspeakBackend::enumerateVoices()
{
    if (!m_open)
        return nullptr;
    return std::make_unique<EspeakTokenEnumerator>();
}

SpeechBackend::TokenPtr EspeakBackend::findBestVoice(const std::string &requiredAttributes)
{
    if (!m_open)
        return nullptr;
    for (const std::string &language : espeakLanguagesFor(requiredAttributes)) {
        const std::string best = firstVoiceFor(language);
        if (best.empty())
            continue;
        EspeakTokenEnumerator listing;
        while (TokenPtr token = listing.next()) {
            if (token->id() == best)
                return token;
        }
    }
    return nullptr;
}

bool EspeakBackend::narrowsVoiceList() const
{
    return true;
}

std::vector<short> EspeakBackend::synthesizeToMemory(const std::string &text)
{
    std::vector<short> samples;
    if (!engineAvailable())
        return samples;
    const SampleSink collect = [&samples](const short *chunk, int count) {
        samples.insert(samples.end(), chunk, chunk + count);
    };
    useOutput(Output::Memory);
    synthesize(espeakReadingText(text, g_reading), &collect);
    return samples;
}

std::string EspeakBackend::phonemes(const std::string &text)
{
    std::string phonemes;
    if (!engineAvailable())
        return phonemes;
    const std::string handed = espeakReadingText(text, g_reading);
    const void *position = handed.c_str();
    while (position) {
        const char *clause = espeak_TextToPhonemes(&position, espeakCHARS_UTF8, 0);
        if (!clause)
            break;
        if (!phonemes.empty())
            phonemes += ' ';
        phonemes += clause;
    }
    return phonemes;
}

int EspeakBackend::sampleRate()
{
    return engineAvailable() ? espeak_ng_GetSampleRate() : 0;
}

std::unique_ptr<SpeechBackend> createPlatformSpeechBackend()
{
    return std::make_unique<EspeakBackend>();
}
