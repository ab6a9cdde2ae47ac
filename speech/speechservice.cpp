#include "speech/speechservice.h"

#include "common/settingsmap.h"
#include "speech/readingtemplate.h"
#include "speech/voicelanguage.h"
#include "speech/voicenames.h"

#include <QPointer>
#include <QThread>

#include <cstdlib>
#include <ctime>

namespace {
using namespace SettingsMap;

const QLatin1String kDefaultTemplate("%1");

// Windows language identifier 0x0804: Chinese (PRC).
const char *const kBestVoiceAttributes = "language=804";

void storeSetting(const char *key, const QVariant &value)
{
    writeSetting(kSpeechArea, key, value);
}

SpeechService::BackendFactory &backendFactory()
{
    static SpeechService::BackendFactory factory = createPlatformSpeechBackend;
    return factory;
}
}

void SpeechService::setBackendFactory(BackendFactory factory)
{
    backendFactory() = factory ? std::move(factory) : BackendFactory(createPlatformSpeechBackend);
}

SpeechService::SpeechService(QObject *parent)
    : SpeechService(backendFactory()(), parent)
{
}

SpeechService::SpeechService(std::unique_ptr<SpeechBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
{
    m_voiceEnabled = readSetting(kSpeechArea, kSpeechEnable, true).toBool();
    m_volume = readSetting(kSpeechArea, kSpeechVolume, 100).toInt();
    m_rate = readSetting(kSpeechArea, kSpeechSpeed, 1).toInt();
    m_randomVoice = readSetting(kSpeechArea, kSpeechRandom, false).toBool();
    m_voiceLib = readSetting(kSpeechArea, kSpeechVoice, QString()).toString();
    m_digitByDigit = readSetting(kSpeechArea, kSpeechDigitByDigit, true).toBool();
    m_readName = readSetting(kSpeechArea, kSpeechReadName, false).toBool();
    m_template = readSetting(kSpeechArea, kSpeechTemplate, kDefaultTemplate).toString();
    m_nameTemplate = readSetting(kSpeechArea, kSpeechNameTemplate, kDefaultTemplate).toString();
}

SpeechService::~SpeechService()
{
    releaseVoice();
}

void SpeechService::initVoice()
{
    setUpEngine();
    setSilent(!m_voiceReady);
    emit voicesChanged();
}

void SpeechService::setUpEngine()
{
    if (m_voiceReady)
        releaseVoice();

    if (!m_backend->initialize())
        return;
    m_sessionOpen = true;

    m_voice = m_backend->createVoice();
    if (!m_voice) {
        closeSession();
        return;
    }
    // The voice tells from its own thread; the service hears it on its own,
    // and not at all once it is gone.
    QPointer<SpeechService> service(this);
    m_voice->setReadingDone([service](bool heard) {
        if (!service)
            return;
        if (QThread::currentThread() == service->thread())
            service->readingDone(heard);
        else
            QMetaObject::invokeMethod(
                service,
                [service, heard] {
                    if (service)
                        service->readingDone(heard);
                },
                Qt::QueuedConnection);
    });

    std::unique_ptr<SpeechBackend::TokenEnumerator> listing = m_backend->enumerateVoices();
    if (!listing || listing->count() == 0) {
        // The listing goes before the session that made it.
        listing.reset();
        m_voice.reset();
        closeSession();
        return;
    }

    const bool narrow = m_backend->narrowsVoiceList();
    const QString desktopLanguage = VoiceNames::desktopLanguage();
    // Spoken with when the narrowed list has nothing to offer.
    SpeechBackend::TokenPtr firstInstalled;
    while (SpeechBackend::TokenPtr token = listing->next()) {
        const QString id = QString::fromStdString(token->id());
        if (!firstInstalled)
            firstInstalled = token;
        // The stored voice is listed whatever its language: it is the
        // teacher's own choice.
        const bool stored = id == m_voiceLib;
        if (narrow && !stored && !VoiceNames::isOffered(id, QString::fromStdString(token->language()), desktopLanguage))
            continue;
        if (stored) {
            m_currentToken = token;
            applyVoice(token);
            m_voiceReady = true;
        }
        addVoice(token);
    }
    listing.reset();

    if (!m_currentToken) {
        SpeechBackend::TokenPtr chosen = m_backend->findBestVoice(kBestVoiceAttributes);
        if (!chosen)
            chosen = m_tokens.empty() ? firstInstalled : m_tokens.front();
        if (chosen) {
            m_currentToken = chosen;
            m_voiceLib = QString::fromStdString(chosen->id());
            if (!m_voiceNames.contains(m_voiceLib))
                addVoice(chosen);
            applyVoice(chosen);
            m_voiceReady = true;
        }
    }
    firstInstalled.reset();

    if (!m_voiceReady)
        releaseVoice();
}

void SpeechService::addVoice(const SpeechBackend::TokenPtr &token)
{
    const QString id = QString::fromStdString(token->id());
    m_voiceNames.append(id);
    m_voiceLabels.append(VoiceNames::readableName(id, QString::fromStdString(token->name())));
    m_tokens.push_back(token);
}

void SpeechService::applyVoice(const SpeechBackend::TokenPtr &token)
{
    m_appliedToken = token;
    m_voice->setVoice(*token);
}

void SpeechService::releaseVoice()
{
    const bool listed = !m_voiceNames.isEmpty();
    m_voiceReady = false;
    m_voiceNames.clear();
    m_voiceLabels.clear();
    m_tokens.clear();
    m_currentToken.reset();
    m_appliedToken.reset();
    m_voice.reset();
    closeSession();
    if (listed)
        emit voicesChanged();
}

void SpeechService::closeSession()
{
    // A session is closed exactly once for each time it opened: closing a
    // platform session the engine does not hold would pull it from under
    // other users of the same thread.
    if (!m_sessionOpen)
        return;
    m_sessionOpen = false;
    m_backend->shutdown();
}

bool SpeechService::isReady() const
{
    return m_voiceReady;
}

bool SpeechService::mayRead() const
{
    return m_voiceEnabled && m_voiceReady;
}

void SpeechService::applyRandomVoice(const QString &text)
{
    std::vector<SpeechBackend::TokenPtr> able;
    for (const SpeechBackend::TokenPtr &token : m_tokens) {
        if (VoiceLanguage::canRead(QString::fromStdString(token->language()), text))
            able.push_back(token);
    }
    const std::vector<SpeechBackend::TokenPtr> &drawnFrom = able.empty() ? m_tokens : able;
    if (drawnFrom.empty())
        return;
    applyVoice(drawnFrom[static_cast<unsigned>(std::rand()) % drawnFrom.size()]);
}

void SpeechService::speak(const QString &text, bool randomVoice)
{
    if (!mayRead())
        return;
    if (randomVoice)
        applyRandomVoice(text);
    speakPrepared(text);
}

void SpeechService::speakPrepared(const QString &text)
{
    m_voice->setVolume(m_volume);
    m_voice->setRate(m_rate);
    m_voice->setDigitByDigit(m_digitByDigit);
    m_readingTells = !text.trimmed().isEmpty();
    m_voice->speak(text.toStdString());
}

void SpeechService::readAloud(const QString &text)
{
    speak(fillReadingTemplate(m_template, text), m_randomVoice);
}

bool SpeechService::canReadName(const QString &name) const
{
    return m_appliedToken && VoiceLanguage::canRead(QString::fromStdString(m_appliedToken->language()), name);
}

void SpeechService::announce(const AnnouncedStudents &students, const QString &separator)
{
    if (!mayRead())
        return;
    QString names;
    if (m_readName) {
        for (const AnnouncedStudent &student : students)
            names += student.name;
    }
    if (m_randomVoice)
        applyRandomVoice(names);

    QString announced;
    bool nameRead = false;
    for (const AnnouncedStudent &student : students) {
        QString spoken;
        if (m_readName && !student.name.isEmpty() && canReadName(student.name))
            spoken = QString::fromStdString(m_voice->nameText(student.name.toStdString()));
        nameRead = nameRead || !spoken.isEmpty();
        announced += (spoken.isEmpty() ? student.announcedId : spoken) + separator;
    }
    speakPrepared(fillReadingTemplate(nameRead ? m_nameTemplate : m_template, announced));
}

void SpeechService::stopReading()
{
    if (m_voice)
        m_voice->stop();
}

void SpeechService::readingDone(bool heard)
{
    if (m_readingTells)
        setSilent(!heard);
}

bool SpeechService::isVoiceEnabled() const
{
    return m_voiceEnabled;
}

void SpeechService::setVoiceEnabled(bool enabled, bool save)
{
    m_voiceEnabled = enabled;
    if (save)
        storeSetting(kSpeechEnable, enabled);
    emit voiceEnabledChanged(enabled);
}

void SpeechService::syncVoiceSwitch(bool enabled)
{
    emit voiceSwitchSynced(enabled);
}

QStringList SpeechService::voiceIds() const
{
    return m_voiceNames;
}

QStringList SpeechService::voiceLabels() const
{
    return m_voiceLabels;
}

int SpeechService::currentVoiceIndex() const
{
    return m_voiceReady ? m_voiceNames.indexOf(m_voiceLib) : -1;
}

void SpeechService::chooseVoice(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_tokens.size() || !m_voice)
        return;
    m_currentToken = m_tokens[static_cast<std::size_t>(index)];
    m_voiceLib = m_voiceNames.at(index);
    applyVoice(m_currentToken);
    storeSetting(kSpeechVoice, m_voiceLib);
}

int SpeechService::volume() const
{
    return m_volume;
}

void SpeechService::setVolume(int volume)
{
    m_volume = volume;
    storeSetting(kSpeechVolume, m_volume);
}

int SpeechService::rate() const
{
    return m_rate;
}

void SpeechService::setRate(int rate)
{
    m_rate = rate;
    storeSetting(kSpeechSpeed, m_rate);
}

bool SpeechService::isRandomVoice() const
{
    return m_randomVoice;
}

void SpeechService::setRandomVoice(bool random)
{
    m_randomVoice = random;
    if (m_randomVoice)
        std::srand(static_cast<unsigned>(std::time(nullptr)));
    else if (m_voiceReady)
        applyVoice(m_currentToken);
    storeSetting(kSpeechRandom, m_randomVoice);
}

bool SpeechService::readsDigitByDigit() const
{
    return m_digitByDigit;
}

void SpeechService::setDigitByDigit(bool digitByDigit)
{
    m_digitByDigit = digitByDigit;
    storeSetting(kSpeechDigitByDigit, m_digitByDigit);
}

bool SpeechService::readsNames() const
{
    return m_readName;
}

void SpeechService::setReadsNames(bool readsNames)
{
    m_readName = readsNames;
    storeSetting(kSpeechReadName, m_readName);
}

QString SpeechService::announcementTemplate() const
{
    return m_template;
}

void SpeechService::setAnnouncementTemplate(const QString &pattern)
{
    m_template = pattern;
    storeSetting(kSpeechTemplate, m_template);
}

QString SpeechService::nameTemplate() const
{
    return m_nameTemplate;
}

void SpeechService::setNameTemplate(const QString &pattern)
{
    m_nameTemplate = pattern;
    storeSetting(kSpeechNameTemplate, m_nameTemplate);
}

bool SpeechService::isSilent() const
{
    return m_silent;
}

QString SpeechService::silenceMessage()
{
    return tr("No sound device was found; drawn IDs are not read aloud.");
}

void SpeechService::setSilent(bool silent)
{
    if (silent == m_silent)
        return;
    m_silent = silent;
    emit silenceChanged(silent);
}
