#include "speech/speechdialog.h"
#include "ui_speechdialog.h"

#include "app/appservices.h"
#include "speech/speechservice.h"

#include <QSignalBlocker>

#include <initializer_list>

SpeechDialog::SpeechDialog(SpeechService *speech, QWidget *parent)
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::SpeechDialog)
    , m_speech(speech)
{
    ui->setupUi(this);

    // The volume slider ends at 99, so a stored 100 shows as 99 while 100
    // stays in use until the handle is next released.
    ui->horizontalSlider->setValue(m_speech->volume());
    ui->horizontalSlider_2->setValue(m_speech->rate());
    ui->checkBox->setChecked(m_speech->isRandomVoice());
    ui->checkBox_digits->setChecked(m_speech->readsDigitByDigit());
    ui->checkBox_readName->setChecked(m_speech->readsNames());
    ui->lineEdit_template->setText(m_speech->announcementTemplate());
    ui->lineEdit_nameTemplate->setText(m_speech->nameTemplate());
    showVoices();
    showVoiceEnabled(m_speech->isVoiceEnabled());
    connect(m_speech, &SpeechService::voicesChanged, this, &SpeechDialog::showVoices);
    connect(m_speech, &SpeechService::voiceEnabledChanged, this, &SpeechDialog::showVoiceEnabled);
}

SpeechDialog::~SpeechDialog()
{
    delete ui;
}

void SpeechDialog::showVoices()
{
    // Filling the list is no choice of the teacher's.
    const QSignalBlocker blocker(ui->comboBox);
    ui->comboBox->clear();
    const QStringList ids = m_speech->voiceIds();
    const QStringList labels = m_speech->voiceLabels();
    for (int i = 0; i < ids.size(); ++i)
        ui->comboBox->addItem(labels.at(i), ids.at(i));
    ui->comboBox->setCurrentIndex(m_speech->currentVoiceIndex());
}

void SpeechDialog::showVoiceEnabled(bool enabled)
{
    {
        const QSignalBlocker blocker(ui->checkBox_2);
        ui->checkBox_2->setChecked(!enabled);
    }
    for (QWidget *control : std::initializer_list<QWidget *>{
             ui->checkBox, ui->horizontalSlider, ui->pushButton, ui->label, ui->label_2, ui->label_3, ui->comboBox,
             ui->lineEdit, ui->checkBox_digits, ui->checkBox_readName, ui->label_template, ui->lineEdit_template,
             ui->label_nameTemplate, ui->lineEdit_nameTemplate})
        control->setEnabled(enabled);
}

void SpeechDialog::speakTestText(bool randomVoice)
{
    m_speech->speak(ui->lineEdit->text(), randomVoice);
}

void SpeechDialog::on_comboBox_currentIndexChanged(int index)
{
    if (index < 0 || index >= m_speech->voiceIds().size())
        return;
    m_speech->chooseVoice(index);
    speakTestText(false);
}

void SpeechDialog::on_horizontalSlider_sliderReleased()
{
    m_speech->setVolume(ui->horizontalSlider->value());
    speakTestText(false);
}

void SpeechDialog::on_horizontalSlider_2_sliderReleased()
{
    m_speech->setRate(ui->horizontalSlider_2->value());
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
    speakTestText(m_speech->isRandomVoice());
}

void SpeechDialog::on_checkBox_clicked()
{
    m_speech->setRandomVoice(ui->checkBox->isChecked());
}

void SpeechDialog::on_checkBox_2_clicked()
{
    m_speech->setVoiceEnabled(!ui->checkBox_2->isChecked(), true);
    syncVoiceSwitch(m_speech->isVoiceEnabled());
}

void SpeechDialog::on_pushButton_2_clicked()
{
    close();
}

void SpeechDialog::on_checkBox_digits_clicked()
{
    m_speech->setDigitByDigit(ui->checkBox_digits->isChecked());
}

void SpeechDialog::on_checkBox_readName_clicked()
{
    m_speech->setReadsNames(ui->checkBox_readName->isChecked());
}

void SpeechDialog::on_lineEdit_template_textEdited(const QString &text)
{
    m_speech->setAnnouncementTemplate(text);
}

void SpeechDialog::on_lineEdit_nameTemplate_textEdited(const QString &text)
{
    m_speech->setNameTemplate(text);
}
