#include "speech/speechdialog.h"
#include "speech/speechservice.h"

#include "../support/recordingservices.h"
#include "../support/recordingspeechbackend.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

class TestSpeechDialog : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SpeechRecord> m_record;
    std::unique_ptr<SpeechService> m_service;
    std::unique_ptr<SpeechDialog> m_dialog;

    // The dialog as the main window has it: built on the speech service,
    // the engine set up, shown.
    void openDialog(const QStringList &voices = {"A:409", "B:804", "C:409"})
    {
        auto backend = std::make_unique<RecordingSpeechBackend>(voices);
        m_record = backend->record();
        m_dialog.reset();
        m_service = std::make_unique<SpeechService>(std::move(backend));
        m_dialog = std::make_unique<SpeechDialog>(m_service.get());
        m_service->initVoice();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        m_record->calls.clear();
    }

    static QVariant stored(const QString &key)
    {
        return QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).value(key);
    }

    static void store(const QString &key, const QVariant &value)
    {
        QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(key, value);
    }

    // Presses the slider's handle and lets it go where it is.
    static void clickHandle(QSlider *slider)
    {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->sliderPosition();
        option.sliderValue = slider->value();
        option.singleStep = slider->singleStep();
        option.pageStep = slider->pageStep();
        const QPoint centre = slider->style()
                                  ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
                                  .center();
        QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, centre);
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }
    void cleanup()
    {
        m_dialog.reset();
        m_service.reset();
    }

    void firstRunShowsTheDefaults()
    {
        openDialog();
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Speech Setting"));
        QVERIFY(!m_dialog->windowIcon().isNull());
        QCOMPARE(m_dialog->minimumHeight(), 240);
        QCOMPARE(m_dialog->maximumHeight(), 259);
        QVERIFY(!findByName<QCheckBox>(*m_dialog, "checkBox_2")->isChecked());
        QCOMPARE(findByName<QSlider>(*m_dialog, "horizontalSlider")->value(), 99);
        QCOMPARE(findByName<QSlider>(*m_dialog, "horizontalSlider_2")->value(), 1);
        QVERIFY(!findByName<QCheckBox>(*m_dialog, "checkBox")->isChecked());
        QCOMPARE(findByName<QLineEdit>(*m_dialog, "lineEdit")->text(), QStringLiteral("2015"));
        QCOMPARE(findByName<QComboBox>(*m_dialog, "comboBox")->currentText(), QStringLiteral("B"));
        QVERIFY(findByName<QCheckBox>(*m_dialog, "checkBox_digits")->isChecked());
        QCOMPARE(findByName<QCheckBox>(*m_dialog, "checkBox_digits")->text(), QStringLiteral("Read numbers digit by digit"));
        QVERIFY(!findByName<QCheckBox>(*m_dialog, "checkBox_readName")->isChecked());
        QCOMPARE(findByName<QCheckBox>(*m_dialog, "checkBox_readName")->text(), QStringLiteral("Read the student's name"));
        QCOMPARE(findByName<QLineEdit>(*m_dialog, "lineEdit_template")->text(), QStringLiteral("%1"));
        QCOMPARE(findByName<QLabel>(*m_dialog, "label_template")->text(), QStringLiteral("Announcement"));
        QCOMPARE(findByName<QLineEdit>(*m_dialog, "lineEdit_nameTemplate")->text(), QStringLiteral("%1"));
        QCOMPARE(findByName<QLabel>(*m_dialog, "label_nameTemplate")->text(),
                 QStringLiteral("Announcement with names"));
        QVERIFY(!m_service->readsNames());
        // Building the dialog stores nothing.
        QVERIFY(QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).allKeys().isEmpty());

        findByName<QPushButton>(*m_dialog, "pushButton")->click();
        QCOMPARE(m_record->calls, (QStringList{"setVolume 100", "setRate 1", "speak 2015"}));
    }

    void storedSettingsAreShown()
    {
        store(QStringLiteral("Enable"), false);
        store(QStringLiteral("Volume"), 40);
        store(QStringLiteral("Speed"), -3);
        store(QStringLiteral("Random"), true);
        store(QStringLiteral("VoiceLib"), QStringLiteral("C"));
        openDialog();
        QVERIFY(findByName<QCheckBox>(*m_dialog, "checkBox_2")->isChecked());
        QCOMPARE(findByName<QSlider>(*m_dialog, "horizontalSlider")->value(), 40);
        QCOMPARE(findByName<QSlider>(*m_dialog, "horizontalSlider_2")->value(), -3);
        QVERIFY(findByName<QCheckBox>(*m_dialog, "checkBox")->isChecked());
        QCOMPARE(findByName<QComboBox>(*m_dialog, "comboBox")->currentText(), QStringLiteral("C"));
        QVERIFY(!m_service->isVoiceEnabled());
    }

    void releasingASliderStoresAndSpeaks_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("volume") << "horizontalSlider" << "Volume" << 89
                                << QStringList{"setVolume 89", "setRate 1", "speak 2015"};
        QTest::newRow("speed") << "horizontalSlider_2" << "Speed" << -3
                               << QStringList{"setVolume 100", "setRate -3", "speak 2015"};
    }

    void releasingASliderStoresAndSpeaks()
    {
        QFETCH(QString, slider);
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(QStringList, calls);
        openDialog();
        auto *control = findByName<QSlider>(*m_dialog, slider);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_PageDown);
        QCOMPARE(control->value(), value);
        // The keyboard moves the handle but takes nothing.
        QVERIFY(!stored(key).isValid());
        QVERIFY(m_record->calls.isEmpty());

        clickHandle(control);
        QCOMPARE(stored(key), QVariant(value));
        QCOMPARE(m_record->calls, calls);
    }

    void choosingAVoiceStoresItAndSpeaks()
    {
        openDialog();
        auto *combo = findByName<QComboBox>(*m_dialog, "comboBox");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("C"));
        QCOMPARE(stored(QStringLiteral("VoiceLib")).toString(), QStringLiteral("C"));
        QCOMPARE(m_record->calls, (QStringList{"setVoice C", "setVolume 100", "setRate 1", "speak 2015"}));
    }

    void randomBoxDrawsVoicesAndGivesTheChosenOneBack()
    {
        openDialog();
        auto *random = findByName<QCheckBox>(*m_dialog, "checkBox");
        random->click();
        QCOMPARE(stored(QStringLiteral("Random")), QVariant(true));
        QVERIFY(m_record->calls.isEmpty());

        findByName<QLineEdit>(*m_dialog, "lineEdit")->setFocus();
        QTest::keyClick(findByName<QLineEdit>(*m_dialog, "lineEdit"), Qt::Key_Return);
        QCOMPARE(m_record->calls.size(), 4);
        QVERIFY(m_record->calls.first().startsWith(QStringLiteral("setVoice ")));

        // The test buttons speak with the voice last drawn and draw none.
        m_record->calls.clear();
        findByName<QPushButton>(*m_dialog, "pushButton_3")->click();
        QCOMPARE(m_record->calls, (QStringList{"setVolume 100", "setRate 1", "speak 2015"}));

        m_record->calls.clear();
        random->click();
        QCOMPARE(stored(QStringLiteral("Random")), QVariant(false));
        QCOMPARE(m_record->calls, QStringList{"setVoice B"});
    }

    void returnReadsTheTestTextOnceAndPressesNoButton()
    {
        openDialog();
        // A button that had the focus would take Return as its own click.
        findByName<QPushButton>(*m_dialog, "pushButton_2")->setFocus();
        auto *text = findByName<QLineEdit>(*m_dialog, "lineEdit");
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("1001"));
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(m_record->calls, (QStringList{"setVolume 100", "setRate 1", "speak 1001"}));
        QVERIFY(m_dialog->isVisible());
    }

    void disableVoiceGreysTheVoiceControlsAndSyncsTheSwitch()
    {
        RecordingServices services;
        openDialog();
        const QStringList greyed{"checkBox",
                                 "horizontalSlider",
                                 "pushButton",
                                 "label",
                                 "label_2",
                                 "label_3",
                                 "comboBox",
                                 "lineEdit",
                                 "checkBox_digits",
                                 "checkBox_readName",
                                 "label_template",
                                 "lineEdit_template",
                                 "label_nameTemplate",
                                 "lineEdit_nameTemplate"};
        const QStringList active{"label_4", "horizontalSlider_2", "pushButton_3", "checkBox_2", "pushButton_2"};

        auto *disable = findByName<QCheckBox>(*m_dialog, "checkBox_2");
        disable->click();
        QCOMPARE(stored(QStringLiteral("Enable")), QVariant(false));
        QCOMPARE(services.switchStates, QList<bool>{false});
        QVERIFY(!m_service->isVoiceEnabled());
        for (const QString &name : greyed)
            QVERIFY2(!findByName<QWidget>(*m_dialog, name)->isEnabled(), qPrintable(name));
        for (const QString &name : active)
            QVERIFY2(findByName<QWidget>(*m_dialog, name)->isEnabled(), qPrintable(name));

        // The speed row still works; its test reading says nothing.
        auto *speed = findByName<QSlider>(*m_dialog, "horizontalSlider_2");
        speed->setFocus();
        QTest::keyClick(speed, Qt::Key_PageUp);
        clickHandle(speed);
        QCOMPARE(stored(QStringLiteral("Speed")), QVariant(5));
        QVERIFY(m_record->calls.isEmpty());

        disable->click();
        QCOMPARE(stored(QStringLiteral("Enable")), QVariant(true));
        QCOMPARE(services.switchStates, (QList<bool>{false, true}));
        for (const QString &name : greyed + active)
            QVERIFY2(findByName<QWidget>(*m_dialog, name)->isEnabled(), qPrintable(name));
    }

    void setVoiceEnabledStoresOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("from the switch") << true;
        QTest::newRow("without saving") << false;
    }

    void setVoiceEnabledStoresOnlyWhenAsked()
    {
        QFETCH(bool, save);
        RecordingServices services;
        openDialog();
        m_service->setVoiceEnabled(false, save);
        QVERIFY(findByName<QCheckBox>(*m_dialog, "checkBox_2")->isChecked());
        QVERIFY(!findByName<QComboBox>(*m_dialog, "comboBox")->isEnabled());
        QCOMPARE(stored(QStringLiteral("Enable")), save ? QVariant(false) : QVariant());
        // The main window sets its own switch; the dialog does not call back.
        QVERIFY(services.switchStates.isEmpty());
    }

    void readingOptionsAreStoredWhenChanged()
    {
        openDialog();
        findByName<QCheckBox>(*m_dialog, "checkBox_digits")->click();
        QCOMPARE(stored(QStringLiteral("DigitByDigit")), QVariant(false));
        findByName<QCheckBox>(*m_dialog, "checkBox_readName")->click();
        QCOMPARE(stored(QStringLiteral("ReadName")), QVariant(true));
        QVERIFY(m_service->readsNames());
        auto *pattern = findByName<QLineEdit>(*m_dialog, "lineEdit_template");
        pattern->setFocus();
        pattern->selectAll();
        QTest::keyClicks(pattern, QStringLiteral("Please answer, %1"));
        QCOMPARE(stored(QStringLiteral("Template")).toString(), QStringLiteral("Please answer, %1"));
        auto *namePattern = findByName<QLineEdit>(*m_dialog, "lineEdit_nameTemplate");
        namePattern->setFocus();
        namePattern->selectAll();
        QTest::keyClicks(namePattern, QStringLiteral("%1, please"));
        QCOMPARE(stored(QStringLiteral("NameTemplate")).toString(), QStringLiteral("%1, please"));
        QVERIFY(m_record->calls.isEmpty());

        m_service->readAloud(QStringLiteral("1001"));
        QCOMPARE(m_record->calls.last(), QStringLiteral("speak Please answer, 1001"));
        QCOMPARE(m_record->digitModes.last(), false);

        // A new run finds them again.
        openDialog();
        QVERIFY(!findByName<QCheckBox>(*m_dialog, "checkBox_digits")->isChecked());
        QVERIFY(findByName<QCheckBox>(*m_dialog, "checkBox_readName")->isChecked());
        QCOMPARE(findByName<QLineEdit>(*m_dialog, "lineEdit_template")->text(), QStringLiteral("Please answer, %1"));
        QCOMPARE(findByName<QLineEdit>(*m_dialog, "lineEdit_nameTemplate")->text(), QStringLiteral("%1, please"));
    }

    void announcementIsReadThroughTheTemplate_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("announced");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("default") << "%1" << "1001" << "1001";
        QTest::newRow("in a sentence") << "请%1号同学回答" << "1001" << "请1001号同学回答";
        QTest::newRow("English sentence") << "%1, please answer" << "1002 1003 " << "1002 1003 , please answer";
        QTest::newRow("twice") << "%1! %1!" << "张伟" << "张伟! 张伟!";
        QTest::newRow("without %1 the ID follows") << "请回答" << "1001" << "请回答 1001";
        QTest::newRow("empty template") << "" << "1001" << "1001";
        QTest::newRow("nothing announced") << "请%1回答" << "" << "";
    }

    void announcementIsReadThroughTheTemplate()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, announced);
        QFETCH(QString, spoken);
        store(QStringLiteral("Template"), pattern);
        openDialog();
        m_service->readAloud(announced);
        QCOMPARE(m_record->calls.last(), QStringLiteral("speak ") + spoken);
        // The test controls read the test text as it stands.
        findByName<QPushButton>(*m_dialog, "pushButton")->click();
        QCOMPARE(m_record->calls.last(), QStringLiteral("speak 2015"));
    }

    void closeButtonHidesTheDialog()
    {
        openDialog();
        findByName<QPushButton>(*m_dialog, "pushButton_2")->click();
        QVERIFY(!m_dialog->isVisible());
    }
};

ZANDREL_TEST_MAIN(TestSpeechDialog)
#include "tst_speechdialog.moc"
