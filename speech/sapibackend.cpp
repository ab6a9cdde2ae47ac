#include "speech/sapibackend.h"

#include "speech/digitreading.h"

#include <windows.h>

#include <sapi.h>
#include <sphelper.h>

namespace {

std::wstring toWide(const std::string &text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string toUtf8(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &narrow[0], size, nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(size - 1));
    return narrow;
}

// Takes over the COM string and frees it.
std::string takeString(wchar_t *text)
{
    const std::string narrow = text ? toUtf8(text) : std::string();
    CoTaskMemFree(text);
    return narrow;
}

class SapiToken : public SpeechBackend::Token
{
public:
    // Takes over the one reference of the token.
    SapiToken(ISpObjectToken *token, std::string id, std::string language, bool vendorPreferred, std::string name)
        : Token(std::move(id), std::move(language), vendorPreferred, std::move(name))
        , m_token(token)
    {
    }
    ~SapiToken() override { m_token->Release(); }

    ISpObjectToken *token() const { return m_token; }

private:
    ISpObjectToken *m_token;
};

SpeechBackend::TokenPtr makeToken(ISpObjectToken *token)
{
    wchar_t *id = nullptr;
    token->GetId(&id);
    // The token's default value is the voice's description ("Microsoft
    // Huihui Desktop - Chinese (Simplified)").
    wchar_t *description = nullptr;
    std::string name;
    if (SUCCEEDED(token->GetStringValue(nullptr, &description)))
        name = takeString(description);
    std::string language;
    bool vendorPreferred = false;
    ISpDataKey *attributes = nullptr;
    if (SUCCEEDED(token->OpenKey(L"Attributes", &attributes)) && attributes) {
        wchar_t *value = nullptr;
        if (SUCCEEDED(attributes->GetStringValue(L"Language", &value)))
            language = takeString(value);
        value = nullptr;
        if (SUCCEEDED(attributes->GetStringValue(L"VendorPreferred", &value))) {
            vendorPreferred = true;
            CoTaskMemFree(value);
        }
        attributes->Release();
    }
    return std::make_shared<SapiToken>(token, takeString(id), language, vendorPreferred, name);
}

class SapiTokenEnumerator : public SpeechBackend::TokenEnumerator
{
public:
    explicit SapiTokenEnumerator(IEnumSpObjectTokens *tokens)
        : m_tokens(tokens)
    {
    }
    ~SapiTokenEnumerator() override { m_tokens->Release(); }

    std::size_t count() override
    {
        ULONG count = 0;
        m_tokens->GetCount(&count);
        return count;
    }

    SpeechBackend::TokenPtr next() override
    {
        ISpObjectToken *token = nullptr;
        ULONG fetched = 0;
        // S_FALSE with nothing fetched ends the listing.
        if (FAILED(m_tokens->Next(1, &token, &fetched)) || fetched == 0 || !token)
            return nullptr;
        return makeToken(token);
    }

private:
    IEnumSpObjectTokens *m_tokens;
};

class SapiVoice : public SpeechBackend::Voice
{
public:
    explicit SapiVoice(ISpVoice *voice)
        : m_voice(voice)
    {
    }
    ~SapiVoice() override { m_voice->Release(); }

    void setVoice(const SpeechBackend::Token &token) override
    {
        // A voice is changed between readings, not within one, so what is
        // still being read goes first.
        stop();
        m_voice->SetVoice(static_cast<const SapiToken &>(token).token());
    }
    void setVolume(int volume) override { m_voice->SetVolume(static_cast<USHORT>(volume)); }
    void setRate(int rate) override { m_voice->SetRate(static_cast<long>(rate)); }
    void setDigitByDigit(bool digitByDigit) override { m_digitByDigit = digitByDigit; }

    void speak(const std::string &text) override
    {
        const std::wstring wide = toWide(m_digitByDigit ? digitsApart(text) : text);
        // Queued to SAPI's own thread, with whatever it still reads thrown
        // away first; the call fails at once when no audio output can be
        // opened.
        const bool heard = SUCCEEDED(m_voice->Speak(wide.c_str(), SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr));
        if (m_done)
            m_done(heard);
    }

    void stop() override { m_voice->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr); }

    void setReadingDone(ReadingDone done) override { m_done = std::move(done); }

private:
    ISpVoice *m_voice;
    bool m_digitByDigit = true;
    ReadingDone m_done;
};

}

bool SapiBackend::initialize()
{
    // S_FALSE, COM already initialised on this thread, counts as success and
    // is paired with a CoUninitialize like S_OK.
    return SUCCEEDED(CoInitialize(nullptr));
}

void SapiBackend::shutdown()
{
    CoUninitialize();
}

std::unique_ptr<SpeechBackend::Voice> SapiBackend::createVoice()
{
    ISpVoice *voice = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void **>(&voice)))
        || !voice)
        return nullptr;
    return std::make_unique<SapiVoice>(voice);
}

std::unique_ptr<SpeechBackend::TokenEnumerator> SapiBackend::enumerateVoices()
{
    IEnumSpObjectTokens *tokens = nullptr;
    if (FAILED(SpEnumTokens(SPCAT_VOICES, nullptr, nullptr, &tokens)) || !tokens)
        return nullptr;
    return std::make_unique<SapiTokenEnumerator>(tokens);
}

SpeechBackend::TokenPtr SapiBackend::findBestVoice(const std::string &requiredAttributes)
{
    // What the SDK's SpFindBestToken does (mingw-w64's sphelper.h leaves it
    // out): list the matching voices with "VendorPreferred" as the optional
    // attribute, which sorts the preferred ones first, and take the first.
    const std::wstring required = toWide(requiredAttributes);
    IEnumSpObjectTokens *tokens = nullptr;
    if (FAILED(SpEnumTokens(SPCAT_VOICES, required.c_str(), L"VendorPreferred", &tokens)) || !tokens)
        return nullptr;
    return SapiTokenEnumerator(tokens).next();
}

std::unique_ptr<SpeechBackend> createPlatformSpeechBackend()
{
    return std::make_unique<SapiBackend>();
}
