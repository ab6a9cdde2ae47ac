#include "recordingspeechbackend.h"

namespace {

class RecordedToken : public SpeechBackend::Token
{
public:
    RecordedToken(const QString &id, const QString &language, bool preferred, const QString &name,
                  std::shared_ptr<SpeechRecord> record)
        : Token(id.toStdString(), language.toStdString(), preferred, name.toStdString())
        , m_record(std::move(record))
    {
        ++m_record->liveTokens;
    }
    ~RecordedToken() override { --m_record->liveTokens; }

private:
    std::shared_ptr<SpeechRecord> m_record;
};

class RecordedVoice : public SpeechBackend::Voice
{
public:
    RecordedVoice(std::shared_ptr<SpeechRecord> record, bool soundDevice)
        : m_record(std::move(record))
        , m_soundDevice(soundDevice)
    {
    }
    ~RecordedVoice() override { m_record->calls << QStringLiteral("release voice"); }

    void setVoice(const SpeechBackend::Token &token) override
    {
        m_record->calls << QStringLiteral("setVoice ") + QString::fromStdString(token.id());
    }
    void setVolume(int volume) override { m_record->calls << QStringLiteral("setVolume %1").arg(volume); }
    void setRate(int rate) override { m_record->calls << QStringLiteral("setRate %1").arg(rate); }
    void setDigitByDigit(bool digitByDigit) override { m_record->digitModes << digitByDigit; }
    void speak(const std::string &text) override
    {
        m_record->calls << QStringLiteral("speak ") + QString::fromStdString(text);
        if (m_done)
            m_done(m_soundDevice);
    }
    void stop() override { ++m_record->stops; }
    void setReadingDone(ReadingDone done) override { m_done = std::move(done); }
    std::string nameText(const std::string &name) const override
    {
        return name.find('?') == std::string::npos ? name : std::string();
    }

private:
    std::shared_ptr<SpeechRecord> m_record;
    bool m_soundDevice;
    ReadingDone m_done;
};

class RecordedListing : public SpeechBackend::TokenEnumerator
{
public:
    RecordedListing(std::vector<SpeechBackend::TokenPtr> tokens, std::size_t count,
                    std::shared_ptr<SpeechRecord> record)
        : m_tokens(std::move(tokens))
        , m_count(count)
        , m_record(std::move(record))
    {
    }
    ~RecordedListing() override { m_record->calls << QStringLiteral("release listing"); }

    std::size_t count() override { return m_count; }
    SpeechBackend::TokenPtr next() override { return m_next < m_tokens.size() ? m_tokens[m_next++] : nullptr; }

private:
    std::vector<SpeechBackend::TokenPtr> m_tokens;
    std::size_t m_count;
    std::size_t m_next = 0;
    std::shared_ptr<SpeechRecord> m_record;
};

}

RecordingSpeechBackend::RecordingSpeechBackend(const QStringList &voices, Failure failure)
    : m_voices(voices)
    , m_failure(failure)
{
}

bool RecordingSpeechBackend::initialize()
{
    m_record->calls << QStringLiteral("initialize");
    if (m_failure == Failure::Initialize)
        return false;
    ++m_record->openSessions;
    return true;
}

void RecordingSpeechBackend::shutdown()
{
    m_record->calls << QStringLiteral("shutdown");
    --m_record->openSessions;
}

std::unique_ptr<SpeechBackend::Voice> RecordingSpeechBackend::createVoice()
{
    m_record->calls << QStringLiteral("createVoice");
    if (m_failure == Failure::CreateVoice)
        return nullptr;
    return std::make_unique<RecordedVoice>(m_record, m_failure != Failure::NoSoundDevice);
}

std::unique_ptr<SpeechBackend::TokenEnumerator> RecordingSpeechBackend::enumerateVoices()
{
    m_record->calls << QStringLiteral("enumerate");
    if (m_failure == Failure::EnumerateVoices)
        return nullptr;
    std::vector<TokenPtr> tokens;
    const int handedOut = m_failure == Failure::ListingBreaksAfterOne ? qMin(1, m_voices.size()) : m_voices.size();
    for (int i = 0; i < handedOut; ++i)
        tokens.push_back(makeToken(i));
    return std::make_unique<RecordedListing>(std::move(tokens), static_cast<std::size_t>(m_voices.size()), m_record);
}

SpeechBackend::TokenPtr RecordingSpeechBackend::findBestVoice(const std::string &requiredAttributes)
{
    const QString required = QString::fromStdString(requiredAttributes);
    m_record->calls << QStringLiteral("findBest ") + required;
    const QString language = required.section(QLatin1Char('='), 1);
    int best = -1;
    for (int i = 0; i < m_voices.size(); ++i) {
        const QStringList parts = m_voices[i].split(QLatin1Char(':'));
        if (parts.value(1) != language)
            continue;
        if (parts.value(2) == QLatin1String("preferred"))
            return makeToken(i);
        if (best < 0)
            best = i;
    }
    return best >= 0 ? makeToken(best) : nullptr;
}

SpeechBackend::TokenPtr RecordingSpeechBackend::makeToken(int index) const
{
    const QStringList parts = m_voices[index].split(QLatin1Char(':'));
    return std::make_shared<RecordedToken>(parts.value(0), parts.value(1), parts.value(2) == QLatin1String("preferred"),
                                           parts.value(3), m_record);
}
