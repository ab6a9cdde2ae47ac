#include "speech/speechdialog.h"
#include "ui_speechdialog.h"

#include "app/appservices.h"
#include "common/drawrandom.h"
#include "common/settingsmap.h"
#include "speech/readingtemplate.h"
#include "speech/voicenames.h"

#include <QMessageBox>
#include <QSignalBlocker>

#include <initializer_list>

namespace {
using namespace SettingsMap;

const QLatin1String kDefaultTemplate("%1");

// Windows language identifier 0x0804: Chinese (PRC).
const char *const kBestVoiceAttributes = "language=804";

void storeSetting(const char *key, const QVariant &value)
{
    writeSetting(kSpeechArea, key, value);
}

SpeechDialog::BackendFactory &backendFactory()
{
    static SpeechDialog::BackendFactory factory = createPlatformSpeechBackend;
    return factory;
}
}

void SpeechDialog::setBackendFactory(BackendFactory factory)
{
    backendFactory() = factory ? std::move(factory) : BackendFactory(createPlatformSpeechBackend);
}

SpeechDialog::SpeechDialog(QWidget *parent)
    : SpeechDialog(backendFactory()(), parent)
{
}

SpeechDialog::SpeechDialog(std::unique_ptr<SpeechBackend> backend, QWidget *parent)
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::SpeechDialog)
    , m_backend(std::move(backend))
{
    ui->setupUi(this);

    m_voiceEnabled = readSetting(kSpeechArea, kSpeechEnable, true).toBool();
    m_volume = readSetting(kSpeechArea, kSpeechVolume, 100).toInt();
    m_rate = readSetting(kSpeechArea, kSpeechSpeed, 1).toInt();
    m_randomVoice = readSetting(kSpeechArea, kSpeechRandom, false).toBool();
    m_voiceLib = readSetting(kSpeechArea, kSpeechVoice, QString()).toString();
    m_digitByDigit = readSetting(kSpeechArea, kSpeechDigitByDigit, true).toBool();
    m_readName = readSetting(kSpeechArea, kSpeechReadName, false).toBool();
    m_template = readSetting(kSpeechArea, kSpeechTemplate, kDefaultTemplate).toString();

    // The volume slider ends at 99, so a stored 100 shows as 99 while 100
    // stays in use until the handle is next released.
    ui->horizontalSlider->setValue(m_volume);
    ui->horizontalSlider_2->setValue(m_rate);
    ui->checkBox->setChecked(m_randomVoice);
    ui->checkBox_digits->setChecked(m_digitByDigit);
    ui->checkBox_readName->setChecked(m_readName);
    ui->lineEdit_template->setText(m_template);
    setVoiceEnabled(m_voiceEnabled, false);
}

SpeechDialog::~SpeechDialog()
{
    releaseVoice();
    delete ui;
}

void SpeechDialog::initVoice()
{
    setUpEngine();
    setSilent(!m_voiceReady);
}

void SpeechDialog::setUpEngine()
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

    std::unique_ptr<SpeechBackend::TokenEnumerator> listing = m_backend->enumerateVoices();
    if (!listing || listing->count() == 0) {
        // The listing goes before the session that made it.
        listing.reset();
        m_voice.reset();
        closeSession();
        return;
    }

    const QSignalBlocker blocker(ui->comboBox);
    // Keeps the items in step with the tokens should the engine be set up a
    // second time.
    ui->comboBox->clear();
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
        if (narrow && !stored
            && !VoiceNames::isOffered(id, QString::fromStdString(token->language()), desktopLanguage))
            continue;
        if (stored) {
            m_currentToken = token;
            m_voice->setVoice(*token);
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
            m_voice->setVoice(*chosen);
            m_voiceReady = true;
        }
    }
    firstInstalled.reset();

    if (m_voiceReady)
        ui->comboBox->setCurrentIndex(m_voiceNames.indexOf(m_voiceLib));
    else
        releaseVoice();
}

void SpeechDialog::addVoice(const SpeechBackend::TokenPtr &token)
{
    const QString id = QString::fromStdString(token->id());
    m_voiceNames.append(id);
    m_tokens.push_back(token);
    ui->comboBox->addItem(VoiceNames::readableName(id, QString::fromStdString(token->name())), id);
}

void SpeechDialog::releaseVoice()
{
    m_voiceReady = false;
    m_voiceNames.clear();
    m_tokens.clear();
    m_currentToken.reset();
    m_voice.reset();
    closeSession();
}

void SpeechDialog::closeSession()
{
    // A session is closed exactly once for each time it opened: closing a
    // platform session the engine does not hold would pull it from under
    // other users of the same thread.
    if (!m_sessionOpen)
        return;
    m_sessionOpen = false;
    m_backend->shutdown();
}

void SpeechDialog::speak(const QString &text, bool randomVoice)
{
    if (!m_voiceEnabled)
        return;
    if (!m_voiceReady) {
        if (m_silent)
            tellSilence();
        return;
    }
    if (randomVoice && !m_tokens.empty()) {
        const std::size_t index = std::size_t(drawRandomBelow(int(m_tokens.size())));
        m_voice->setVoice(*m_tokens[index]);
    }
    m_voice->setVolume(m_volume);
    m_voice->setRate(m_rate);
    m_voice->setDigitByDigit(m_digitByDigit);
    m_voice->speak(text.toStdString());
    // A reading of nothing plays nothing and tells nothing about the device.
    if (!text.trimmed().isEmpty())
        setSilent(!m_voice->reachedSoundDevice());
    if (m_silent)
        tellSilence();
}

void SpeechDialog::readAloud(const QString &text)
{
    speak(fillReadingTemplate(m_template, text), m_randomVoice);
}

bool SpeechDialog::readsNames() const
{
    return m_readName;
}

bool SpeechDialog::isSilent() const
{
    return m_silent;
}

QString SpeechDialog::silenceMessage()
{
    return tr("No sound device was found; drawn IDs are not read aloud.");
}

void SpeechDialog::setSilent(bool silent)
{
    if (silent == m_silent)
        return;
    m_silent = silent;
    emit silenceChanged(silent);
}

void SpeechDialog::tellSilence()
{
    if (m_silenceTold)
        return;
    m_silenceTold = true;
    // Over this dialog while it is open, else over the main window; opened
    // without waiting, so that the draw that found the silence goes on.
    QWidget *over = isVisible() || !parentWidget() ? this : parentWidget();
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Not Read Aloud"), silenceMessage(), QMessageBox::Ok, over);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool SpeechDialog::isVoiceEnabled() const
{
    return m_voiceEnabled;
}

void SpeechDialog::setVoiceEnabled(bool enabled, bool save)
{
    m_voiceEnabled = enabled;
    {
        const QSignalBlocker blocker(ui->checkBox_2);
        ui->checkBox_2->setChecked(!enabled);
    }
    if (save)
        storeSetting(kSpeechEnable, enabled);
    for (QWidget *control : std::initializer_list<QWidget *>{
             ui->checkBox, ui->horizontalSlider, ui->pushButton, ui->label, ui->label_2, ui->label_3, ui->comboBox,
             ui->lineEdit, ui->checkBox_digits, ui->checkBox_readName, ui->label_template, ui->lineEdit_template})
        control->setEnabled(enabled);
}

void SpeechDialog::speakTestText(bool randomVoice)
{
    speak(ui->lineEdit->text(), randomVoice);
}

void SpeechDialog::on_comboBox_currentIndexChanged(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_tokens.size() || !m_voice)
        return;
    m_currentToken = m_tokens[static_cast<std::size_t>(index)];
    m_voiceLib = m_voiceNames.at(index);
    m_voice->setVoice(*m_currentToken);
    storeSetting(kSpeechVoice, m_voiceLib);
    speakTestText(false);
}

void SpeechDialog::on_horizontalSlider_sliderReleased()
{
    m_volume = ui->horizontalSlider->value();
    storeSetting(kSpeechVolume, m_volume);
    speakTestText(false);
}

void SpeechDialog::on_horizontalSlider_2_sliderReleased()
{
    m_rate = ui->horizontalSlider_2->value();
    storeSetting(kSpeechSpeed, m_rate);
    speakTestText(false);
}

void SpeechDialog::on_pushButton_clicked()
{
    speakTestText(false);
}

void SpeechDialog::on_pushButton_3_clicked()
{
    speakTestText(false);
}

void SpeechDialog::on_lineEdit_returnPressed()
{
    speakTestText(m_randomVoice);
}

void SpeechDialog::on_checkBox_clicked()
{
    m_randomVoice = ui->checkBox->isChecked();
    if (!m_randomVoice && m_voiceReady)
        m_voice->setVoice(*m_currentToken);
    storeSetting(kSpeechRandom, m_randomVoice);
}

void SpeechDialog::on_checkBox_2_clicked()
{
    setVoiceEnabled(!ui->checkBox_2->isChecked(), true);
    syncVoiceSwitch(m_voiceEnabled);
}

void SpeechDialog::on_pushButton_2_clicked()
{
    close();
}

void SpeechDialog::on_checkBox_digits_clicked()
{
    m_digitByDigit = ui->checkBox_digits->isChecked();
    storeSetting(kSpeechDigitByDigit, m_digitByDigit);
}

void SpeechDialog::on_checkBox_readName_clicked()
{
    m_readName = ui->checkBox_readName->isChecked();
    storeSetting(kSpeechReadName, m_readName);
}

void SpeechDialog::on_lineEdit_template_textEdited(const QString &text)
{
    m_template = text;
    storeSetting(kSpeechTemplate, m_template);
}
