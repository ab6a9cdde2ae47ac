#include "speech/espeakbackend.h"

#include "speech/espeakconversions.h"
#include "speech/espeakreading.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <pcaudiolib/audio.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// espeak-ng keeps one engine per process and is not made to be called from
// two threads at once: every call goes through this lock, which a reading
// holds while it is synthesised and played.
std::mutex g_engine;

// What a reading applies to the engine before it speaks.
struct VoiceSettings
{
    std::string id;
    std::string language;
    int volume = 100;
    int rate = 0;
    bool digitByDigit = true;
};

// The settings any voice applied last, for the readings and phonemes made
// outside a voice's own readings.
std::mutex g_lastAppliedLock;
VoiceSettings g_lastApplied;

template<typename Change>
void changeLastApplied(Change change)
{
    const std::lock_guard<std::mutex> lock(g_lastAppliedLock);
    change(g_lastApplied);
}

VoiceSettings lastApplied()
{
    const std::lock_guard<std::mutex> lock(g_lastAppliedLock);
    return g_lastApplied;
}

// espeak-ng's Mandarin voice reads Latin letters as English, and so pinyin;
// this one reads pinyin and speaks the same Mandarin.
const char *const kPinyinVoice = "sit/cmn-Latn-pinyin";

// Where a reading's samples go, and whether it is to stop.
struct SynthesisTarget
{
    std::function<void(const short *samples, int count)> out;
    const std::atomic<bool> *cut = nullptr;

    bool isCut() const { return cut && cut->load(); }
};

// espeak-ng keeps one engine per process, and 1.51 crashes or hangs when it
// is initialised again after espeak_Terminate: the engine starts on first use
// and stays until the process ends. It only synthesises; the program plays
// the samples itself, so that it can cut a reading off at any moment.
bool engineAvailable()
{
    static const bool available = [] {
        // Without espeakINITIALIZE_DONT_EXIT, missing voice data would end the
        // whole program; with it, the sample rate comes back as 0 or less.
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0)
            return false;
        espeak_SetSynthCallback([](short *samples, int count, espeak_EVENT *events) {
            const auto *target = static_cast<const SynthesisTarget *>(events ? events->user_data : nullptr);
            if (!target)
                return 0;
            if (!target->isCut() && samples && count > 0)
                target->out(samples, count);
            // Non-zero stops the synthesis.
            return target->isCut() ? 1 : 0;
        });
        return true;
    }();
    return available;
}

// Reads the text as handed into the target; the engine lock is held.
void synthesize(const std::string &text, const SynthesisTarget &target)
{
    espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                         const_cast<SynthesisTarget *>(&target));
}

// Applies the settings to the engine, whose lock is held, and gives the
// reading the voice needs.
EspeakReading applySettings(const VoiceSettings &settings)
{
    // Setting a voice reads its files again, so an unchanged one stays.
    static std::string appliedVoice;
    static ChineseReading appliedReading = ChineseReading::None;
    const std::string wanted = settings.id + '\n' + settings.language;
    if (wanted != appliedVoice) {
        appliedVoice = wanted;
        appliedReading = chineseReadingFor(settings.language);
        if (appliedReading != ChineseReading::Mandarin || espeak_SetVoiceByName(kPinyinVoice) != EE_OK) {
            // Without the pinyin voice, Mandarin is left to espeak-ng as it is.
            if (appliedReading == ChineseReading::Mandarin)
                appliedReading = ChineseReading::None;
            espeak_SetVoiceByName(settings.id.c_str());
        }
    }
    espeak_SetParameter(espeakVOLUME, espeakVolume(settings.volume), 0);
    espeak_SetParameter(espeakRATE, espeakRate(settings.rate), 0);
    EspeakReading reading;
    reading.chinese = appliedReading;
    reading.digitByDigit = settings.digitByDigit;
    return reading;
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
    const std::lock_guard<std::mutex> engine(g_engine);
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
        const std::lock_guard<std::mutex> engine(g_engine);
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
        , m_reader([this] { readWhatComes(); })
    {
    }

    ~EspeakVoice() override
    {
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            m_quit = true;
            m_cut = true;
        }
        m_wake.notify_one();
        m_reader.join();
        if (m_device)
            audio_object_destroy(m_device);
    }

    void setVoice(const SpeechBackend::Token &token) override
    {
        m_settings.id = token.id();
        m_settings.language = token.language();
        changeLastApplied([&token](VoiceSettings &last) {
            last.id = token.id();
            last.language = token.language();
        });
    }
    void setVolume(int volume) override
    {
        m_settings.volume = volume;
        changeLastApplied([volume](VoiceSettings &last) { last.volume = volume; });
    }
    void setRate(int rate) override
    {
        m_settings.rate = rate;
        changeLastApplied([rate](VoiceSettings &last) { last.rate = rate; });
    }
    void setDigitByDigit(bool digitByDigit) override
    {
        m_settings.digitByDigit = digitByDigit;
        changeLastApplied([digitByDigit](VoiceSettings &last) { last.digitByDigit = digitByDigit; });
    }

    void speak(const std::string &text) override
    {
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            m_pending = Request{text, m_settings};
            m_cut = true;
        }
        m_wake.notify_one();
    }

    void stop() override
    {
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            m_pending.reset();
            m_cut = true;
        }
        m_wake.notify_one();
    }

    void setReadingDone(ReadingDone done) override
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_done = std::move(done);
    }

    std::string nameText(const std::string &name) const override
    {
        return espeakNameText(name, chineseReadingFor(m_settings.language));
    }

private:
    struct Request
    {
        std::string text;
        VoiceSettings settings;
    };

    // The reader thread: one reading at a time, the newest asked for.
    void readWhatComes()
    {
        for (;;) {
            Request request;
            {
                std::unique_lock<std::mutex> lock(m_lock);
                m_wake.wait(lock, [this] { return m_quit || m_pending; });
                if (m_quit)
                    return;
                request = std::move(*m_pending);
                m_pending.reset();
                m_cut = false;
            }
            const bool heard = read(request);
            ReadingDone done;
            {
                const std::lock_guard<std::mutex> lock(m_lock);
                done = m_done;
            }
            if (done)
                done(heard);
        }
    }

    bool read(const Request &request)
    {
        const std::lock_guard<std::mutex> engine(g_engine);
        const std::string handed = espeakReadingText(request.text, applySettings(request.settings));
        SynthesisTarget target;
        target.cut = &m_cut;
        if (m_sink) {
            target.out = m_sink;
            synthesize(handed, target);
            return true;
        }
        // A reading of nothing needs no device.
        if (handed.find_first_not_of(' ') == std::string::npos)
            return true;
        return play(handed, target);
    }

    // On the sound device, which is held only while a reading plays; false
    // when there is none to play on.
    bool play(const std::string &handed, SynthesisTarget &target)
    {
        const int rate = espeak_ng_GetSampleRate();
        if (!m_device)
            m_device = create_audio_device_object(nullptr, "Zandrel", "Reading aloud");
        if (!m_device || audio_object_open(m_device, AUDIO_OBJECT_FORMAT_S16LE, static_cast<uint32_t>(rate), 1) != 0)
            return false;
        audio_object *device = m_device;
        long long written = 0;
        const auto start = std::chrono::steady_clock::now();
        target.out = [device, &written](const short *samples, int count) {
            audio_object_write(device, samples, static_cast<std::size_t>(count) * sizeof(short));
            written += count;
        };
        synthesize(handed, target);
        // A sound server takes seconds of sound ahead and drains them without
        // a way to stop; the reading waits for them here, where a cut ends
        // the wait.
        const auto heard = start + std::chrono::microseconds(written * 1000000 / rate);
        {
            std::unique_lock<std::mutex> lock(m_lock);
            m_wake.wait_until(lock, heard, [this] { return m_cut.load(); });
        }
        if (target.isCut())
            audio_object_flush(m_device);
        else
            audio_object_drain(m_device);
        audio_object_close(m_device);
        return true;
    }

    EspeakBackend::SampleSink m_sink;
    VoiceSettings m_settings;
    audio_object *m_device = nullptr;

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::optional<Request> m_pending;
    std::atomic<bool> m_cut{false};
    bool m_quit = false;
    ReadingDone m_done;
    // Started last, once everything it uses exists.
    std::thread m_reader;
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
    const std::lock_guard<std::mutex> engine(g_engine);
    SynthesisTarget collect;
    collect.out = [&samples](const short *chunk, int count) { samples.insert(samples.end(), chunk, chunk + count); };
    synthesize(espeakReadingText(text, applySettings(lastApplied())), collect);
    return samples;
}

std::string EspeakBackend::phonemes(const std::string &text)
{
    std::string phonemes;
    if (!engineAvailable())
        return phonemes;
    const std::lock_guard<std::mutex> engine(g_engine);
    const std::string handed = espeakReadingText(text, applySettings(lastApplied()));
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
    if (!engineAvailable())
        return 0;
    const std::lock_guard<std::mutex> engine(g_engine);
    return espeak_ng_GetSampleRate();
}

std::unique_ptr<SpeechBackend> createPlatformSpeechBackend()
{
    return std::make_unique<EspeakBackend>();
}
