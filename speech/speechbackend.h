#ifndef SPEECHBACKEND_H
#define SPEECHBACKEND_H

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>

// The platform's speech interface as the speech service uses it: a session
// opened and closed around the engine's life, a voice object, a listing of
// the installed voices, a search for the best voice of a language, and a
// voice that speaks with a volume and a rate without holding up its caller.
//
// Only standard C++ types appear here, so that a back end builds without Qt.
// Texts and voice identifiers are UTF-8.
class SpeechBackend
{
public:
    // One installed voice. A back end that holds a platform reference for
    // each voice derives from Token and drops the reference in its destructor.
    class Token
    {
    public:
        Token(std::string id, std::string language, bool vendorPreferred, std::string name = std::string())
            : m_id(std::move(id))
            , m_language(std::move(language))
            , m_vendorPreferred(vendorPreferred)
            , m_name(std::move(name))
        {
        }
        virtual ~Token() = default;
        Token(const Token &) = delete;
        Token &operator=(const Token &) = delete;

        // Stable and unique among the voices listed; this is what the
        // settings store as the chosen voice.
        const std::string &id() const { return m_id; }
        // The language as the platform names it: hexadecimal language
        // identifiers such as "804" for SAPI, language names such as "cmn"
        // for espeak-ng.
        const std::string &language() const { return m_language; }
        // The platform prefers this voice for its language.
        bool isVendorPreferred() const { return m_vendorPreferred; }
        // The platform's own description of the voice ("Microsoft Huihui
        // Desktop", "Chinese (Cantonese)"); empty when it has none.
        const std::string &name() const { return m_name; }

    private:
        std::string m_id;
        std::string m_language;
        bool m_vendorPreferred;
        std::string m_name;
    };
    using TokenPtr = std::shared_ptr<Token>;

    // A listing of the installed voices, in the platform's stable order.
    class TokenEnumerator
    {
    public:
        virtual ~TokenEnumerator() = default;
        virtual std::size_t count() = 0;
        // The next voice, or null at the end of the listing or on a failure.
        virtual TokenPtr next() = 0;
    };

    // The object that speaks. Tokens given to it come from the same back end.
    // Settings apply from the next reading on.
    class Voice
    {
    public:
        // Told on any thread when a reading ends, is cut off or cannot be
        // played; heard is false when no sound device played it.
        using ReadingDone = std::function<void(bool heard)>;

        virtual ~Voice() = default;
        virtual void setVoice(const Token &token) = 0;
        // 0 to 100.
        virtual void setVolume(int volume) = 0;
        // -10 to 10; 0 is the normal speed, 10 about three times as fast,
        // -10 about a third.
        virtual void setRate(int rate) = 0;
        // Read every run of digits one digit at a time ("1001": one, zero,
        // zero, one), or as a number.
        virtual void setDigitByDigit(bool) {}
        // Starts reading the text and returns at once; a reading still under
        // way is cut off first, so that only the newest is heard.
        virtual void speak(const std::string &text) = 0;
        // Cuts off the reading under way, if any.
        virtual void stop() { }
        virtual void setReadingDone(ReadingDone done) = 0;
        // A student's name as the voice applied reads it right (a surname
        // read as a surname), or empty when the voice cannot read it.
        virtual std::string nameText(const std::string &name) const { return name; }
    };

    virtual ~SpeechBackend() = default;

    // Opens the session; every successful call is paired with one shutdown.
    virtual bool initialize() = 0;
    virtual void shutdown() = 0;
    // Null on failure.
    virtual std::unique_ptr<Voice> createVoice() = 0;
    // Null on failure.
    virtual std::unique_ptr<TokenEnumerator> enumerateVoices() = 0;
    // The best voice for required attributes such as "language=804", the
    // voices the platform prefers first; null when none matches.
    virtual TokenPtr findBestVoice(const std::string &requiredAttributes) = 0;
    // Whether the listing is to be narrowed to the languages the program is
    // used in: espeak-ng lists a voice for over a hundred languages, and its
    // token languages are language tags ("cmn", "en-us"). Where the teacher
    // installed the voices, as on Windows, all are offered.
    virtual bool narrowsVoiceList() const { return false; }
};

// The back end of the platform the program runs on: SAPI 5 on Windows,
// espeak-ng elsewhere.
std::unique_ptr<SpeechBackend> createPlatformSpeechBackend();

#endif // SPEECHBACKEND_H
