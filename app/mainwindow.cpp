#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/drawnnames.h"
#include "app/interfacelanguage.h"
#include "app/leddraw.h"
#include "app/scaledcontentview.h"
#include "app/viewsettings.h"
#include "displays/microtilewidget.h"
#include "displays/scoreletter.h"
#include "displays/tvrollerwidget.h"
#include "displays/wheelassemblywidget.h"
#include "displays/wheeldraw.h"
#include "displays/wheelshares.h"
#include "displays/wigglywidget.h"
#include "homework/movehomeworkdialog.h"
#include "roster/absentstudentsdialog.h"
#include "roster/averagescores.h"
#include "roster/calculateavescoredialog.h"
#include "roster/classsettingdialog.h"
#include "common/datapaths.h"
#include "roster/drawsettings.h"
#include "roster/historydialog.h"
#include "roster/historyfile.h"
#include "roster/rosterstore.h"
#include "roster/studentids.h"
#include "speech/speechdialog.h"
#include "speech/speechnotice.h"
#include "speech/speechservice.h"
#include "speech/voiceswitchbutton.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {
const char *const kContactAddress = "zandrel@brimvale.org";
// The drawn names line: as large as the room below the panel allows, smaller
// only when many names would not fit it.
const int kNamesPointSize = 22;
const int kSmallestNamesPointSize = 8;
QString g_appTitle;
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    installAppServices(this);
    initDataDir();

    m_translator = new QTranslator;
    m_qtTranslator = new QTranslator;
    const QString language = InterfaceLanguage::stored();
    installTranslation(language);

    ui = new Ui::MainWindow;
    ui->setupUi(this);
    startClock();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    createDialogs();
    setUpRounds();
    refreshRoster(true, true);
    setUpLanguageMenu(language);

    m_running = false;
    m_speech->initVoice();
    g_appTitle = tr("Zandrel v2.0");
    setWindowTitle(g_appTitle);

    setUpDisplays();
    limitWindowSize();
    setUpStatusBar();
    setUpView();
}

MainWindow::~MainWindow()
{
    // Removing the translators below sends events through the filter, which
    // would reach the form after it is gone.
    qApp->removeEventFilter(this);
    installAppServices(nullptr);
    scaleContent(false);
    delete m_clockTimer;
    delete m_drawTimer;
    delete m_readLaterTimer;
    delete ui;
    QCoreApplication::removeTranslator(m_translator);
    delete m_translator;
    QCoreApplication::removeTranslator(m_qtTranslator);
    delete m_qtTranslator;
}

void MainWindow::initDataDir()
{
    m_dataDir = defaultDataDirectory();
    ensureDirectory(m_dataDir);
}

void MainWindow::installTranslation(const QString &language)
{
    m_translator->load(InterfaceLanguage::translationFile(language));
    QCoreApplication::installTranslator(m_translator);
    m_qtTranslator->load(InterfaceLanguage::toolkitTranslationFile(language));
    QCoreApplication::installTranslator(m_qtTranslator);
}

void MainWindow::startClock()
{
    m_clockTimer = new QTimer;
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::showTimeInLCD);
    m_clockTimer->start(1000);
}

// Created once, with the window as parent, and kept between showings.
void MainWindow::createDialogs()
{
    m_moveHomeworkDialog = new MoveHomeworkDialog(this);
    m_calcAveScoreDialog = new CalculateAveScoreDialog(this);
    m_classSettingDialog = new ClassSettingDialog(this);
    m_speech = new SpeechService(this);
    m_speechDialog = new SpeechDialog(m_speech, this);
}

void MainWindow::setUpLanguageMenu(const QString &language)
{
    auto *languages = new QActionGroup(ui->menuLanguage_Support_2);
    languages->setExclusive(true);
    for (QAction *action : {ui->actionEnglish_2, ui->actionChinese_Simplify, ui->actionChinese_Tranditional})
        languages->addAction(action);
    checkLanguageAction(language);
}

void MainWindow::setUpDisplays()
{
    ui->calendarWidget->hide();

    m_wiggly = new WigglyWidget(ui->centralWidget);
    m_wiggly->setGeometry(0, 0, 10, 10);
    m_wiggly->hide();

    ui->actionLED->setChecked(true);
    ui->actionMicro_Tile->setChecked(false);
    ui->actionTV_Roller->setChecked(false);
    ui->actionWheel->setChecked(false);
    ui->widget_2->hide();

    m_microTile = new MicroTileWidget(ui->widget_3);
    ui->horizontalLayout_7->addWidget(m_microTile);
    ui->widget_3->hide();
    for (const char *letter : {"A", "B", "C", "D", "E", "F"})
        ui->comboBox_2->addItem(QLatin1String(letter));

    m_tvRoller = new TVRollerWidget(ui->widget_4);
    ui->horizontalLayout_9->addWidget(m_tvRoller);
    ui->widget_4->hide();
    for (int count = 1; count <= 15; ++count)
        ui->comboBox_3->addItem(QString::number(count));
    ui->comboBox_3->setCurrentIndex(4);
    m_tvRoller->setVisibleCount(5);
    fillSelectCounts();
    ui->comboBox_4->setCurrentIndex(0);
    m_tvRoller->setSelectCount(1);

    for (int count = 1; count <= 6; ++count)
        ui->comboBox_5->addItem(QString::number(count));
}

void MainWindow::setUpStatusBar()
{
    m_clockLabel = new QLabel(statusBar());
    m_clockLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    statusBar()->addPermanentWidget(m_clockLabel);
    showTimeInLCD();

    m_voiceSwitch = new VoiceSwitchButton(statusBar());
    m_voiceSwitch->setCheckable(true);
    m_voiceSwitch->setText(QString());
    m_voiceSwitch->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_voiceSwitch->setGeometry(0, 0, 20, 20);
    setVoiceSwitch(m_speech->isVoiceEnabled());
    statusBar()->addPermanentWidget(new SpeechNotice(m_speech, statusBar()));
    statusBar()->addPermanentWidget(m_voiceSwitch);
    connect(m_voiceSwitch, &QPushButton::clicked, this, &MainWindow::OnStatusBarVoiceSwitchClicked);
    connect(m_speech, &SpeechService::silenceChanged, this, &MainWindow::showSpeechSilence);
    connect(m_speech, &SpeechService::voiceSwitchSynced, m_voiceSwitch, &VoiceSwitchButton::showState);
}

void MainWindow::setUpRounds()
{
    m_drawPool.setNoRepeat(DrawSettings::noRepeat());
    ui->actionNoRepeat->setChecked(m_drawPool.noRepeat());
    // "28 Students (2 absent)" is wider than the label; it takes two lines.
    ui->label_3->setWordWrap(true);
    // Beside the menus rather than in the status bar, whose messages (the
    // new round's is long) it would cut short.
    m_roundLabel = new QLabel(ui->menuBar);
    m_roundLabel->setObjectName(QStringLiteral("roundLabel"));
    m_roundLabel->setContentsMargins(0, 0, 6, 0);
    ui->menuBar->setCornerWidget(m_roundLabel, Qt::TopRightCorner);
    // The score boxes of every display, also those the displays make later.
    qApp->installEventFilter(this);
}

void MainWindow::setUpView()
{
    m_drawnNamesLabel = new QLabel(ui->centralWidget);
    m_drawnNamesLabel->setObjectName(QStringLiteral("drawnNamesLabel"));
    m_drawnNamesLabel->setTextFormat(Qt::PlainText);
    m_drawnNamesLabel->setAlignment(Qt::AlignCenter);
    QFont namesFont = m_drawnNamesLabel->font();
    namesFont.setBold(true);
    namesFont.setPointSize(kNamesPointSize);
    m_drawnNamesLabel->setFont(namesFont);
    m_drawnNamesLabel->lower();
    ui->centralWidget->installEventFilter(this);
    placeDrawnNamesLabel();

    ui->actionFullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    ui->actionZoomIn->setShortcuts({QKeySequence(Qt::CTRL + Qt::Key_Plus), QKeySequence(Qt::CTRL + Qt::Key_Equal)});
    ui->actionZoomOut->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_Minus));
    ui->actionZoomReset->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_0));
    m_leaveFullScreen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_leaveFullScreen->setEnabled(false);
    connect(m_leaveFullScreen, &QShortcut::activated, ui->actionFullScreen, [this] {
        if (!m_scaledView || !m_scaledView->closePopups())
            ui->actionFullScreen->setChecked(false);
    });

    // A presenter remote sends Page Down and Page Up; either works the draw
    // button of the display shown, while the focus stays in its box.
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, &MainWindow::startOrStopActiveDraw);
    }
    for (QPushButton *button : {ui->pushButton, ui->pushButton_4, ui->pushButton_11, ui->pushButton_12})
        button->setToolTip(tr("%1 (Page Down / Page Up)").arg(button->toolTip()));

    {
        const QSignalBlocker blocker(ui->actionShowNames);
        ui->actionShowNames->setChecked(ViewSettings::storedShowNames());
    }
    m_drawnNamesLabel->setVisible(ui->actionShowNames->isChecked());
    m_zoom = ViewSettings::storedZoom();
    applyView();
}

void MainWindow::limitWindowSize()
{
    setMinimumHeight(400);
    setMaximumHeight(400);
    setMinimumWidth(500);
    setMaximumWidth(540);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    RosterStore *store = m_classSettingDialog->store();
    while (store->hasUnsavedScores()) {
        QMessageBox box(QMessageBox::Warning, tr("Scores Not Saved"),
                        tr("Some scores could not be saved and are kept only while Zandrel runs.\n\n"
                           "Try to save them again, or close Zandrel and lose them?"),
                        QMessageBox::Retry | QMessageBox::Close, this);
        box.button(QMessageBox::Retry)->setText(tr("Try Again"));
        box.button(QMessageBox::Close)->setText(tr("Close Anyway"));
        box.setDefaultButton(QMessageBox::Retry);
        // Losing the scores takes the button that says so, never Escape.
        box.setEscapeButton(QMessageBox::Retry);
        if (box.exec() != QMessageBox::Retry)
            break;
        store->saveClasses();
    }
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->centralWidget && event->type() == QEvent::Resize)
        placeDrawnNamesLabel();
    // A score box would take the undo key for undoing its own typing; in a
    // box that shows bullets that means nothing, and the teacher means the
    // last score.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *box = qobject_cast<QLineEdit *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (box && box->echoMode() == QLineEdit::Password && isAncestorOf(box)
            && QKeySequence(int(key->modifiers()) | key->key()) == ui->actionUndoScore->shortcut()) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// What the displays and dialogs ask of the window.

void MainWindow::recordScore(const QString &id, char letter)
{
    giveScore(id, letter);
}

void MainWindow::showBanner(QWidget *target, const QString &text)
{
    m_wiggly->show();
    QWidget *bannerParent = m_wiggly->parentWidget();
    m_wiggly->move(bannerParent->mapFromGlobal(target->mapToGlobal(QPoint(0, 0))));
    m_wiggly->setFixedSize(target->width(), target->height());
    m_wiggly->setText(text);
    ui->lineEdit->clear();
}

void MainWindow::syncVoiceSwitch(bool on)
{
    m_speech->syncVoiceSwitch(on);
}

QString MainWindow::dataDirectory() const
{
    return m_dataDir;
}

void MainWindow::onWheelStopped()
{
    if (!m_stoppedWheels.noteRest())
        return;
    std::vector<QString> ids, drawn;
    for (const WheelAssemblyWidget *wheel : m_wheels) {
        ids.push_back(wheel->currentText());
        if (wheel->itemCount() > 0)
            drawn.push_back(wheel->currentText());
    }
    statusBar()->showMessage(spokenText(ids, QStringLiteral(" "), false));
    showDrawnNames(drawn);
    readLater(spokenText(ids, QStringLiteral(" "), m_speech->readsNames()));
    noteDrawn(drawn);
}

bool MainWindow::isStudentOfClass(const QString &className, const QString &id)
{
    return m_classSettingDialog->hasStudent(className, id);
}

void MainWindow::calculateScores(int aScore, int fScore, int rounding)
{
    const int i = currentClassIndex();
    if (i < 0)
        return;
    const auto mode = static_cast<ScoreRounding>(rounding);
    m_classSettingDialog->writeScoreFile(m_classNames[i], aScore, fScore, mode, false);
    m_classSettingDialog->writeScoreFile(m_classNames[i], aScore, fScore, mode, true);
}

void MainWindow::openScoreFiles()
{
    const int i = currentClassIndex();
    if (i >= 0)
        m_classSettingDialog->openScoreFiles(m_classNames[i]);
}

void MainWindow::exportScoreWorkbook(int aScore, int fScore, int rounding)
{
    const int i = currentClassIndex();
    if (i >= 0)
        m_classSettingDialog->exportScoreWorkbook(m_classNames[i], aScore, fScore,
                                                  static_cast<ScoreRounding>(rounding));
}

void MainWindow::averageScores(const QStringList &scoreStrings, std::vector<double> &averages)
{
    int rounding = 0;
    int aScore = 0;
    int fScore = 0;
    m_calcAveScoreDialog->scoreSettings(rounding, aScore, fScore);
    computeAverages(scoreStrings, aScore, fScore, static_cast<ScoreRounding>(rounding), averages);
}

void MainWindow::openDataDirectory()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_dataDir));
}

// The chosen class and its students.

void MainWindow::showTimeInLCD()
{
    m_clockLabel->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")) + QLatin1Char(' '));
}

int MainWindow::currentClassIndex() const
{
    const int i = ui->comboBox->currentIndex();
    return i < static_cast<int>(m_classNames.size()) ? i : -1;
}

void MainWindow::refreshRoster(bool reloadStore, bool refillClasses)
{
    if (reloadStore)
        m_classSettingDialog->loadClasses();

    if (refillClasses) {
        const QString remembered = ui->comboBox->currentText();
        m_classSettingDialog->classNames(m_classNames);
        ui->comboBox->clear();
        int chosen = 0;
        for (size_t k = 0; k < m_classNames.size(); ++k) {
            ui->comboBox->addItem(m_classNames[k]);
            if (m_classNames[k] == remembered)
                chosen = static_cast<int>(k);
        }
        ui->comboBox->setCurrentIndex(chosen);
    }

    const int i = currentClassIndex();
    if (i < 0)
        return;
    const QString className = m_classNames[i];

    std::vector<QString> rosterIds;
    m_classSettingDialog->studentIds(className, rosterIds);
    m_drawPool.setStudents(sortedUniqueIds(rosterIds));
    loadDrawState(className);
    m_studentIDs = m_drawPool.candidates();

    ensureClassDirectories(m_dataDir, className, m_drawPool.students());

    showLedText(m_studentIDs.empty() ? QString() : m_studentIDs.front());
    showStudentCount();

    if (m_drawTimer && m_drawTimer->isActive()) {
        m_drawTimer->stop();
        startDrawTimer();
    }

    m_classSettingDialog->selectClass(className);
    m_ledIndex = 0;
    feedDisplay();

    const bool hasStudents = !m_studentIDs.empty();
    ui->pushButton->setEnabled(hasStudents);
    ui->pushButton_4->setEnabled(hasStudents);
    ui->pushButton_11->setEnabled(hasStudents);
    ui->pushButton_12->setEnabled(hasStudents);
}

void MainWindow::loadDrawState(const QString &className)
{
    m_drawPool.setAbsent(DrawSettings::absentOn(className, QDate::currentDate()));
    m_drawPool.setDrawn(DrawSettings::drawnInRound(className));
    QStringList ids, names;
    m_classSettingDialog->classStudents(className, ids, names);
    m_studentNames.clear();
    // Backwards, so that of two students with one ID the first keeps it.
    for (int k = ids.size() - 1; k >= 0; --k)
        m_studentNames.insert(ids.at(k), names.value(k));
}

void MainWindow::showStudentCount()
{
    const int present = m_drawPool.presentCount();
    const int absent = m_drawPool.absentCount();
    const QString count = absent > 0 ? tr("%1 Students (%2 absent)").arg(present).arg(absent)
                                     : QStringLiteral("%1 ").arg(present) + tr("Students");
    ui->label_3->setText(count);
    m_roundLabel->setText(tr("%1 of %2 left in this round").arg(m_drawPool.remainingCount()).arg(present));
    m_roundLabel->setVisible(m_drawPool.noRepeat());
}

void MainWindow::on_comboBox_currentIndexChanged(int)
{
    refreshRoster(false, false);
}

// Draws: what every display shares.

void MainWindow::feedDisplay()
{
    switch (m_mode) {
    case LedRollMode:
        buildRollerBuffer();
        break;
    case TvRollerMode:
        feedTvRoller();
        break;
    case MicroTileMode:
        feedMicroTile();
        break;
    case WheelMode:
        buildWheels(ui->comboBox_5->currentText().toInt());
        break;
    case LedSingleMode:
        break;
    }
}

void MainWindow::beginDraw()
{
    const int i = currentClassIndex();
    if (i < 0)
        return;
    const QString &className = m_classNames[i];
    // Absences end with the day, also in a program left running overnight.
    m_drawPool.setAbsent(DrawSettings::absentOn(className, QDate::currentDate()));
    if (m_drawPool.beginDraw()) {
        DrawSettings::setDrawnInRound(className, m_drawPool.drawn());
        statusBar()->showMessage(tr("All students have been drawn; a new round begins"));
    }
    showStudentCount();

    // The display keeps showing the last draw until the next begins, so
    // that the scores given meanwhile still go to the students it shows.
    std::vector<QString> candidates = m_drawPool.candidates();
    if (candidates == m_studentIDs)
        return;
    m_studentIDs = std::move(candidates);
    m_ledIndex = 0;
    showLedText(m_studentIDs.empty() ? QString() : m_studentIDs.front());
    // New wheels would not be laid out in time to spin; the present ones
    // take the new shares.
    if (m_mode == WheelMode)
        refillWheels();
    else
        feedDisplay();
}

namespace {
QString historyDisplay(LotteryMode mode)
{
    switch (mode) {
    case LedSingleMode:
        return QString::fromLatin1(kHistoryLed);
    case LedRollMode:
        return QString::fromLatin1(kHistoryLedRoll);
    case MicroTileMode:
        return QString::fromLatin1(kHistoryMicroTile);
    case TvRollerMode:
        return QString::fromLatin1(kHistoryTvRoller);
    case WheelMode:
        return QString::fromLatin1(kHistoryWheel);
    }
    return QString();
}
}

void MainWindow::noteDrawn(const std::vector<QString> &ids)
{
    const int i = currentClassIndex();
    if (i < 0 || ids.empty())
        return;
    const QString &className = m_classNames[i];
    const QString time = historyTime(QDateTime::currentDateTime());
    QByteArray lines;
    for (const QString &id : ids)
        lines += historyLine({time, QString::fromLatin1(kHistoryDraw), historyDisplay(m_mode), id,
                              m_studentNames.value(id), QString()});
    appendHistory(className, lines);
    if (m_drawPool.take(ids)) {
        DrawSettings::setDrawnInRound(className, m_drawPool.drawn());
        showStudentCount();
    }
}

void MainWindow::collectDrawnIDs(std::vector<QString> &ids) const
{
    ids.clear();
    switch (m_mode) {
    case LedSingleMode:
    case LedRollMode:
        collectShownIDs(ids);
        break;
    case MicroTileMode:
        ids.push_back(m_microTile->selectedText());
        break;
    case TvRollerMode:
        m_tvRoller->selectedNames(ids);
        break;
    case WheelMode:
        for (const WheelAssemblyWidget *wheel : m_wheels)
            ids.push_back(wheel->currentText());
        break;
    }
}

QString MainWindow::spokenText(const std::vector<QString> &ids, const QString &separator, bool withNames) const
{
    QString text;
    for (const QString &id : ids) {
        const QString name = withNames ? m_studentNames.value(id) : QString();
        text += (name.isEmpty() ? announcementText(id) : name) + separator;
    }
    return text;
}

void MainWindow::readLater(const QString &text)
{
    if (!m_readLaterTimer) {
        m_readLaterTimer = new QTimer;
        m_readLaterTimer->setSingleShot(true);
        connect(m_readLaterTimer, &QTimer::timeout, this, &MainWindow::OnVoiceReadLaterTimer);
    }
    m_pendingSpeech = text;
    m_readLaterTimer->start(1);
}

void MainWindow::OnVoiceReadLaterTimer()
{
    if (!m_pendingSpeech.isEmpty())
        readAloud(m_pendingSpeech);
}

void MainWindow::readAloud(const QString &text)
{
    m_speech->readAloud(text);
}

void MainWindow::placeDrawnNamesLabel()
{
    // Below the panel shown, where no display or control lies.
    int top = 0;
    for (const QWidget *panel : {ui->horizontalLayoutWidget_2, ui->widget, ui->widget_2, ui->widget_3, ui->widget_4})
        if (!panel->isHidden())
            top = std::max(top, panel->geometry().bottom() + 1);
    m_drawnNamesLabel->setGeometry(0, top, ui->centralWidget->width(), std::max(ui->centralWidget->height() - top, 0));
    fitDrawnNames();
}

void MainWindow::showDrawnNames(const std::vector<QString> &ids)
{
    m_drawnNames = drawnNamesEntries(ids, [&](const QString &id) { return m_studentNames.value(id); });
    fitDrawnNames();
}

void MainWindow::fitDrawnNames()
{
    QFont font = m_drawnNamesLabel->font();
    const auto sized = [&](int pointSize) {
        QFont each = font;
        each.setPointSize(pointSize);
        return QFontMetrics(each);
    };
    const NamesLayout layout = fittedNamesLayout(
        m_drawnNames, kNamesPointSize, kSmallestNamesPointSize, m_drawnNamesLabel->size(),
        [&](int pointSize, const QString &line) { return sized(pointSize).horizontalAdvance(line); },
        [&](int pointSize) { return sized(pointSize).height(); });
    font.setPointSize(layout.pointSize);
    m_drawnNamesLabel->setFont(font);
    m_drawnNamesLabel->setText(layout.text);
}

void MainWindow::clearDrawnNames()
{
    m_drawnNames.clear();
    m_drawnNamesLabel->clear();
}

QPushButton *MainWindow::activeDrawButton() const
{
    switch (m_mode) {
    case WheelMode:
        return ui->pushButton_4;
    case MicroTileMode:
        return ui->pushButton_11;
    case TvRollerMode:
        return ui->pushButton_12;
    case LedSingleMode:
    case LedRollMode:
        break;
    }
    return ui->pushButton;
}

void MainWindow::startOrStopActiveDraw()
{
    // As a click would, without taking the focus from where it is.
    activeDrawButton()->click();
}

// Draws on the LED display.

int MainWindow::ledDigits() const
{
    return ui->lcdNumber->digitCount();
}

void MainWindow::showLedText(const QString &text)
{
    m_currentText = text;
    ui->lcdNumber->display(text);
}

void MainWindow::startDrawTimer()
{
    m_drawTimer->start(drawIntervalMs(ui->m_timeSpeedSlider->value(), m_mode == LedRollMode));
}

void MainWindow::on_m_timeSpeedSlider_valueChanged(int)
{
    if (m_drawTimer && m_drawTimer->isActive()) {
        m_drawTimer->stop();
        startDrawTimer();
    }
}

void MainWindow::lotteryScroll()
{
    const int count = static_cast<int>(m_studentIDs.size());
    ++m_ledIndex;
    if (m_ledIndex >= count)
        m_ledIndex = 0;
    if (count > 0)
        showLedText(m_studentIDs[m_ledIndex]);
}

void MainWindow::buildRollerBuffer()
{
    m_rollerBuffer = buildRollerRing(m_studentIDs, ledDigits());
    m_rollerPos = 0;
}

void MainWindow::OnLEDRollerTimer()
{
    if (m_rollerBuffer.empty())
        return;
    showLedText(rollerWindow(m_rollerBuffer, m_rollerPos, ledDigits()));
}

void MainWindow::collectShownIDs(std::vector<QString> &ids) const
{
    ids.clear();
    if (m_mode == LedRollMode) {
        ids = completeIdsShown(m_rollerBuffer, m_rollerPos, m_currentText);
        return;
    }
    // The display shows the ID without its leading zeros; the ID itself is
    // what names the student's directory, so take the text that was shown.
    ids.push_back(m_currentText);
}

void MainWindow::on_pushButton_clicked()
{
    if (!m_running) {
        beginDraw();
        if (m_studentIDs.empty())
            return;
        ui->pushButton->setText(tr("Stop"));
        clearDrawnNames();
        delete m_drawTimer;
        m_drawTimer = new QTimer;
        if (m_mode == LedRollMode)
            connect(m_drawTimer, &QTimer::timeout, this, &MainWindow::OnLEDRollerTimer);
        else
            connect(m_drawTimer, &QTimer::timeout, this, &MainWindow::lotteryScroll);
        startDrawTimer();
        m_running = true;
        return;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    ui->pushButton->setText(tr("Start"));
    if (m_drawTimer)
        m_drawTimer->stop();

    if (m_mode == LedRollMode) {
        std::vector<QString> ids;
        collectShownIDs(ids);
        for (int settle = 1; ids.empty() && settle < ledDigits() && !m_rollerBuffer.empty(); ++settle) {
            OnLEDRollerTimer();
            ui->lcdNumber->repaint();
            collectShownIDs(ids);
        }
        if (!ids.empty()) {
            statusBar()->showMessage(spokenText(ids, QStringLiteral(" "), false));
            readLater(spokenText(ids, QStringLiteral(" "), m_speech->readsNames()));
            noteDrawn(ids);
        }
        showDrawnNames(ids);
    } else {
        std::vector<QString> ids;
        collectShownIDs(ids);
        showDrawnNames(ids);
        if (m_speech->readsNames())
            readAloud(spokenText({m_currentText}, QString(), true));
        else // the number as the display shows it
            readAloud(announcementText(shownNumberText(ui->lcdNumber->value())));
        if (m_ledIndex >= 0 && m_ledIndex < static_cast<int>(m_studentIDs.size()))
            noteDrawn({m_studentIDs[m_ledIndex]});
    }

    QApplication::restoreOverrideCursor();
    m_running = false;
}

void MainWindow::on_pushButton_2_clicked()
{
    const int count = static_cast<int>(m_studentIDs.size());
    if (count == 0)
        return;
    if (m_mode == LedSingleMode) {
        --m_ledIndex;
        if (m_ledIndex < 0)
            m_ledIndex = count - 1;
        showLedText(m_studentIDs[m_ledIndex]);
    } else if (!m_rollerBuffer.empty()) {
        const unsigned n = static_cast<unsigned>(m_rollerBuffer.size());
        m_rollerPos = (n + m_rollerPos - 2) % n;
        OnLEDRollerTimer();
    }
}

void MainWindow::on_pushButton_3_clicked()
{
    const int count = static_cast<int>(m_studentIDs.size());
    if (count == 0)
        return;
    if (m_mode == LedSingleMode)
        lotteryScroll();
    else
        OnLEDRollerTimer();
}

void MainWindow::on_checkBox_clicked()
{
    if (ui->checkBox->isChecked()) {
        m_mode = LedRollMode;
        buildRollerBuffer();
    } else {
        m_mode = LedSingleMode;
    }
    if (m_running) {
        if (m_drawTimer)
            m_drawTimer->stop();
        m_running = false;
        on_pushButton_clicked();
    }
}

// Draws on the tile board and the TV roller.

void MainWindow::feedMicroTile()
{
    m_microTile->setNames(m_studentIDs);
    m_microTile->arrangeTiles(true);
    m_microTile->update();
}

void MainWindow::on_pushButton_11_clicked()
{
    if (!m_running) {
        beginDraw();
        ui->pushButton_11->setText(tr("Stop Trace!"));
        clearDrawnNames();
        m_running = true;
        m_microTile->startTrace();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ui->pushButton_11->setText(tr("Trace it!"));
    m_running = false;
    m_microTile->stopTrace();
    const int k = m_microTile->selectedIndex();
    if (k >= 0 && k < static_cast<int>(m_studentIDs.size())) {
        showDrawnNames({m_studentIDs[k]});
        readAloud(spokenText({m_studentIDs[k]}, QString(), m_speech->readsNames()));
        noteDrawn({m_studentIDs[k]});
    }
    QApplication::restoreOverrideCursor();
}

void MainWindow::on_checkBox_2_clicked()
{
    m_microTile->setShowFrames(ui->checkBox_2->isChecked());
}

void MainWindow::feedTvRoller()
{
    m_tvRoller->setNames(m_studentIDs);
    m_tvRoller->arrangeRows();
    m_tvRoller->update();
}

void MainWindow::on_pushButton_12_clicked()
{
    if (!m_running) {
        beginDraw();
        ui->pushButton_12->setText(tr("Stop Roll!"));
        clearDrawnNames();
        m_running = true;
        m_tvRoller->startTrace();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ui->pushButton_12->setText(tr("Roll it!"));
    m_running = false;
    m_tvRoller->stopTrace();
    std::vector<QString> names;
    m_tvRoller->selectedNames(names);
    showDrawnNames(names);
    readAloud(spokenText(names, QStringLiteral("  "), m_speech->readsNames()));
    noteDrawn(names);
    QApplication::restoreOverrideCursor();
}

void MainWindow::fillSelectCounts()
{
    ui->comboBox_4->clear();
    for (int count = 1; count <= m_tvRoller->visibleCount(); ++count)
        ui->comboBox_4->addItem(QString::number(count));
}

void MainWindow::on_comboBox_3_activated(const QString &arg1)
{
    m_tvRoller->setVisibleCount(arg1.toInt());
    const int visible = m_tvRoller->visibleCount();
    const int selected = std::min(m_tvRoller->selectCount(), visible);
    fillSelectCounts();
    ui->comboBox_4->setCurrentIndex(selected - 1);
    m_tvRoller->setSelectCount(selected);
}

void MainWindow::on_comboBox_4_activated(const QString &arg1)
{
    m_tvRoller->setSelectCount(arg1.toInt());
}

// Draws on the wheels.

void MainWindow::addWheelSpacer(int width, int height)
{
    auto *spacer = new QSpacerItem(width, height, QSizePolicy::Minimum, QSizePolicy::Minimum);
    ui->horizontalLayout_5->addItem(spacer);
    m_wheelSpacers.push_back(spacer);
}

void MainWindow::buildWheels(int count)
{
    showPanel(ui->widget_2);

    for (WheelAssemblyWidget *wheel : m_wheels) {
        ui->horizontalLayout_5->removeWidget(wheel);
        delete wheel;
    }
    m_wheels.clear();
    for (QSpacerItem *spacer : m_wheelSpacers) {
        ui->horizontalLayout_5->removeItem(spacer);
        delete spacer;
    }
    m_wheelSpacers.clear();

    const int spacerWidth = wheelSpacerWidth(count);
    if (spacerWidth > 0)
        addWheelSpacer(spacerWidth, 50);
    const QStringList ids(m_studentIDs.cbegin(), m_studentIDs.cend());
    for (WheelAssemblyWidget *wheel : createWheelAssemblies(ids, count)) {
        ui->horizontalLayout_5->addWidget(wheel);
        m_wheels.push_back(wheel);
    }
    if (spacerWidth > 0)
        addWheelSpacer(spacerWidth, 30);

    m_stoppedWheels.expect(count);
}

void MainWindow::refillWheels()
{
    const QStringList ids(m_studentIDs.cbegin(), m_studentIDs.cend());
    const QVector<QStringList> shares = wheelShares(ids, static_cast<int>(m_wheels.size()));
    for (int w = 0; w < shares.size() && w < static_cast<int>(m_wheels.size()); ++w)
        m_wheels[static_cast<size_t>(w)]->setItems(shares.at(w));
}

void MainWindow::on_comboBox_5_activated(const QString &arg1)
{
    buildWheels(arg1.toInt());
}

void MainWindow::on_pushButton_4_clicked()
{
    beginDraw();
    if (m_wheels.empty())
        return;
    clearDrawnNames();
    m_stoppedWheels.expect(spinWheels(m_wheels));
}

// Score entry and undo.

void MainWindow::giveScore(const QString &id, char letter)
{
    const int i = currentClassIndex();
    // The store passes over an ID it does not know; so do undo and history.
    const bool known = i >= 0 && m_classSettingDialog->hasStudent(m_classNames[i], id);
    m_classSettingDialog->appendScore(id, letter);
    if (!known)
        return;
    const GivenScore given{m_classNames[i], id, m_studentNames.value(id), letter, historyDisplay(m_mode)};
    m_givenScores.push_back(given);
    ui->actionUndoScore->setEnabled(true);
    appendHistory(given.className,
                  historyLine({historyTime(QDateTime::currentDateTime()), QString::fromLatin1(kHistoryScore),
                               given.display, id, given.name, QString(QChar::fromLatin1(letter))}));
}

void MainWindow::appendHistory(const QString &className, const QByteArray &lines)
{
    const QString path = historyFilePath(m_dataDir, className);
    if (path.isEmpty() || m_history.append(path, lines) || m_historyFailureReported)
        return;
    m_historyFailureReported = true;
    QMessageBox::warning(this, tr("History Not Saved"),
                         tr("Zandrel cannot add the draws and scores to the history file\n%1\n\n"
                            "They are kept while Zandrel runs, and every new draw or score tries to add "
                            "them again. Check that the disk has free space and that this folder can be "
                            "written to.")
                             .arg(QDir::toNativeSeparators(path)));
}

bool MainWindow::acceptedScoreLetter(const QLineEdit *box, char &letter)
{
    letter = scoreLetter(box->text());
    if (letter)
        return true;
    QMessageBox::warning(this, tr("Warning"), tr("Please input letter 'A','B','C','D','E' or 'F'"));
    return false;
}

void MainWindow::scoreShownStudent(char letter)
{
    QString target;
    if (m_mode == LedSingleMode) {
        if (m_ledIndex < 0 || m_ledIndex >= static_cast<int>(m_studentIDs.size()))
            return;
        target = m_studentIDs[m_ledIndex];
    } else {
        std::vector<QString> ids;
        collectShownIDs(ids);
        if (ids.empty())
            return;
        target = ids.front();
    }
    giveScore(target, letter);
}

void MainWindow::scoreFromButton(QPushButton *button, char letter)
{
    scoreShownStudent(letter);
    showBanner(button, QString(QLatin1Char(letter)));
}

void MainWindow::on_pushButton_5_clicked() { scoreFromButton(ui->pushButton_5, 'A'); }
void MainWindow::on_pushButton_6_clicked() { scoreFromButton(ui->pushButton_6, 'B'); }
void MainWindow::on_pushButton_8_clicked() { scoreFromButton(ui->pushButton_8, 'C'); }
void MainWindow::on_pushButton_7_clicked() { scoreFromButton(ui->pushButton_7, 'D'); }
void MainWindow::on_pushButton_9_clicked() { scoreFromButton(ui->pushButton_9, 'E'); }
void MainWindow::on_pushButton_10_clicked() { scoreFromButton(ui->pushButton_10, 'F'); }

void MainWindow::on_lineEdit_returnPressed()
{
    char letter = 0;
    if (!acceptedScoreLetter(ui->lineEdit, letter))
        return;
    scoreShownStudent(letter);
    ui->lineEdit->clear();
    showBanner(ui->lineEdit, QStringLiteral("*"));
}

void MainWindow::on_comboBox_2_activated(const QString &arg1)
{
    const int k = m_microTile->selectedIndex();
    if (k < 0 || k >= static_cast<int>(m_studentIDs.size()) || arg1.isEmpty())
        return;
    giveScore(m_studentIDs[k], arg1.at(0).toLatin1());
    showBanner(ui->comboBox_2, arg1);
}

void MainWindow::on_lineEdit_2_returnPressed()
{
    const int k = m_microTile->selectedIndex();
    if (k < 0 || k >= static_cast<int>(m_studentIDs.size()))
        return;
    char letter = 0;
    if (!acceptedScoreLetter(ui->lineEdit_2, letter))
        return;
    ui->lineEdit_2->clear();
    giveScore(m_studentIDs[k], letter);
    showBanner(ui->lineEdit_2, QStringLiteral("*"));
}

void MainWindow::on_actionUndoScore_triggered()
{
    if (m_givenScores.empty())
        return;
    const GivenScore given = m_givenScores.back();
    m_givenScores.pop_back();
    ui->actionUndoScore->setEnabled(!m_givenScores.empty());

    // The score may belong to a class chosen before; the store removes it
    // from its current class.
    const int i = currentClassIndex();
    const bool otherClass = i < 0 || m_classNames[i] != given.className;
    if (otherClass)
        m_classSettingDialog->selectClass(given.className);
    const bool removed = m_classSettingDialog->removeLastScore(given.id, given.letter);
    if (otherClass && i >= 0)
        m_classSettingDialog->selectClass(m_classNames[i]);

    const QString letter(QChar::fromLatin1(given.letter));
    if (!removed) {
        statusBar()->showMessage(tr("%1 was not removed: the scores of %2 no longer end with it").arg(letter, given.id));
        return;
    }
    appendHistory(given.className, historyLine({historyTime(QDateTime::currentDateTime()),
                                                QString::fromLatin1(kHistoryUndo), given.display, given.id,
                                                given.name, letter}));
    statusBar()->showMessage(tr("Removed %1 from %2").arg(letter, given.id));
}

// The Class menu.

void MainWindow::on_actionClass_Settings_triggered()
{
    m_classSettingDialog->exec();
    refreshRoster(true, true);
}

void MainWindow::on_actionCalculate_Ave_Score_triggered()
{
    m_calcAveScoreDialog->exec();
}

void MainWindow::on_actionOpen_Directory_triggered()
{
    openDataDirectory();
}

void MainWindow::on_actionOpen_Student_Directory_triggered()
{
    const int i = currentClassIndex();
    if (i < 0)
        return;
    const QString &className = m_classNames[i];
    std::vector<QString> ids;
    collectDrawnIDs(ids);
    for (const QString &id : ids) {
        // An empty ID (nothing drawn yet) opens the class directory.
        const QString path = id.isEmpty() ? classDirectoryPath(m_dataDir, className)
                                          : studentDirectoryPath(m_dataDir, className, id);
        if (ensureDirectory(path))
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
}

void MainWindow::on_actionMove_Homework_triggered()
{
    const int i = currentClassIndex();
    if (i < 0)
        return;
    m_moveHomeworkDialog->setClassName(m_classNames[i]);
    m_moveHomeworkDialog->exec();
}

void MainWindow::on_actionAbsentStudents_triggered()
{
    const int i = currentClassIndex();
    if (i < 0)
        return;
    if (!m_absentDialog)
        m_absentDialog = new AbsentStudentsDialog(this);
    QStringList names;
    for (const QString &id : m_drawPool.students())
        names.append(m_studentNames.value(id));
    m_absentDialog->setStudents(m_drawPool.students(), names, m_drawPool.absent());
    if (m_absentDialog->exec() != QDialog::Accepted)
        return;
    DrawSettings::setAbsentOn(m_classNames[i], QDate::currentDate(), m_absentDialog->absentStudents());
    refreshRoster(false, false);
}

void MainWindow::on_actionHistory_triggered()
{
    const int i = currentClassIndex();
    if (i < 0)
        return;
    if (!m_historyDialog)
        m_historyDialog = new HistoryDialog(this);
    QStringList ids, names;
    m_classSettingDialog->classStudents(m_classNames[i], ids, names);
    m_historyDialog->showHistory(m_classNames[i], historyFilePath(m_dataDir, m_classNames[i]), ids, names);
    m_historyDialog->exec();
}

// The Lottery Mode menu.

void MainWindow::checkModeAction(QAction *action)
{
    for (QAction *modeAction : {ui->actionLED, ui->actionMicro_Tile, ui->actionTV_Roller, ui->actionWheel})
        modeAction->setChecked(modeAction == action);
}

void MainWindow::showPanel(QWidget *panel)
{
    if (panel != ui->widget)
        panel->move(ui->widget->pos());
    for (QWidget *each : {ui->widget, ui->widget_2, ui->widget_3, ui->widget_4})
        each->setVisible(each == panel);
    if (m_drawnNamesLabel)
        placeDrawnNamesLabel();
}

void MainWindow::on_actionLED_triggered()
{
    m_mode = LedSingleMode;
    checkModeAction(ui->actionLED);
    showPanel(ui->widget);
}

void MainWindow::on_actionWheel_triggered()
{
    m_mode = WheelMode;
    checkModeAction(ui->actionWheel);
    buildWheels(ui->comboBox_5->currentText().toInt());
}

void MainWindow::on_actionMicro_Tile_triggered()
{
    m_mode = MicroTileMode;
    checkModeAction(ui->actionMicro_Tile);
    showPanel(ui->widget_3);
    feedMicroTile();
}

void MainWindow::on_actionTV_Roller_triggered()
{
    m_mode = TvRollerMode;
    checkModeAction(ui->actionTV_Roller);
    showPanel(ui->widget_4);
    feedTvRoller();
}

void MainWindow::on_actionNoRepeat_triggered(bool checked)
{
    DrawSettings::setNoRepeat(checked);
    m_drawPool.setNoRepeat(checked);
    refreshRoster(false, false);
}

void MainWindow::on_actionNewRound_triggered()
{
    const int i = currentClassIndex();
    if (i < 0)
        return;
    m_drawPool.newRound();
    DrawSettings::setDrawnInRound(m_classNames[i], m_drawPool.drawn());
    refreshRoster(false, false);
}

// The View menu.

void MainWindow::applyView()
{
    const bool fullScreen = ui->actionFullScreen->isChecked();
    scaleContent(fullScreen || m_zoom != ViewSettings::kActualSize);
    m_leaveFullScreen->setEnabled(fullScreen);
    ui->actionZoomIn->setEnabled(m_zoom < ViewSettings::kLargestZoom);
    ui->actionZoomOut->setEnabled(m_zoom > ViewSettings::kActualSize);

    if (fullScreen) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_scaledView->setMinimumSize(0, 0);
        m_scaledView->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        // Where no window manager acts on the request, the window itself
        // takes the screen.
        if (windowHandle() && windowHandle()->screen())
            setGeometry(windowHandle()->screen()->geometry());
        return;
    }
    if (isFullScreen())
        showNormal();
    if (!m_scaledView) {
        limitWindowSize();
        return;
    }
    // The menus and the status bar keep their size; the content grows.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_scaledView->setFixedSize(m_scaledView->contentSize() * (m_zoom / double(ViewSettings::kActualSize)));
    layout()->invalidate();
    setFixedSize(layout()->totalMinimumSize());
}

void MainWindow::scaleContent(bool scaled)
{
    if (scaled == (m_scaledView != nullptr))
        return;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    if (scaled) {
        // The content is scaled from the size it has in the normal window.
        if (layout())
            layout()->activate();
        const QSize contentSize = ui->centralWidget->size();
        takeCentralWidget();
        // Taken out, the content lost its parent. Back as the window's first
        // child, it is searched first again, so that a lookup by name finds
        // the same widget as before and not one of a dialog.
        ui->centralWidget->setParent(this);
        ui->centralWidget->lower();
        m_scaledView = new ScaledContentView(ui->centralWidget, contentSize, this);
        setCentralWidget(m_scaledView);
        m_scaledView->show();
    } else {
        takeCentralWidget();
        m_scaledView->releaseContent();
        delete m_scaledView;
        m_scaledView = nullptr;
        setCentralWidget(ui->centralWidget);
        ui->centralWidget->show();
    }
    if (focus && ui->centralWidget->isAncestorOf(focus))
        focus->setFocus();
}

void MainWindow::setZoom(int percent)
{
    m_zoom = ViewSettings::validZoom(percent);
    ViewSettings::storeZoom(m_zoom);
    applyView();
}

void MainWindow::on_actionFullScreen_toggled(bool)
{
    applyView();
}

void MainWindow::on_actionZoomIn_triggered()
{
    setZoom(ViewSettings::steppedZoom(m_zoom, 1));
}

void MainWindow::on_actionZoomOut_triggered()
{
    setZoom(ViewSettings::steppedZoom(m_zoom, -1));
}

void MainWindow::on_actionZoomReset_triggered()
{
    setZoom(ViewSettings::kActualSize);
}

void MainWindow::on_actionShowNames_toggled(bool on)
{
    ViewSettings::storeShowNames(on);
    m_drawnNamesLabel->setVisible(on);
}

// Speech and the voice switch.

void MainWindow::on_actionSetting_triggered()
{
    m_speechDialog->exec();
}

void MainWindow::setVoiceSwitch(bool on)
{
    m_speech->setVoiceEnabled(on, true);
    m_voiceSwitch->showState(on);
    showSpeechSilence();
}

void MainWindow::showSpeechSilence()
{
    const bool silent = m_speech->isSilent();
    m_voiceSwitch->setSilent(silent);
    if (!m_voiceSwitch->isChecked())
        m_voiceSwitch->setToolTip(tr("Voice Closed"));
    else
        m_voiceSwitch->setToolTip(silent ? SpeechService::silenceMessage() : tr("Voice Opened"));
}

void MainWindow::OnStatusBarVoiceSwitchClicked()
{
    setVoiceSwitch(m_voiceSwitch->isChecked());
}

// Help and language.

void MainWindow::on_actionAbout_triggered()
{
    const QString address = QString::fromLatin1(kContactAddress);
    QMessageBox::about(this, tr("About Zandrel"),
                       QStringLiteral("Contact us <a href=\"mailto:%1?subject=About Zandrel\">%1</a>").arg(address));
}

void MainWindow::checkLanguageAction(const QString &language)
{
    ui->actionEnglish_2->setChecked(language == QLatin1String("english"));
    ui->actionChinese_Simplify->setChecked(language == QLatin1String("simplify"));
    ui->actionChinese_Tranditional->setChecked(language == QLatin1String("traditional"));
}

void MainWindow::changeLanguage(const QString &language)
{
    InterfaceLanguage::store(language);
    if (language == QLatin1String("english")) {
        QCoreApplication::removeTranslator(m_translator);
        QCoreApplication::removeTranslator(m_qtTranslator);
    } else
        installTranslation(language);
    QCoreApplication::quit();
    InterfaceLanguage::startProgramAgain();
}

void MainWindow::on_actionChinese_Simplify_triggered()
{
    changeLanguage(QStringLiteral("simplify"));
}

void MainWindow::on_actionEnglish_2_triggered()
{
    changeLanguage(QStringLiteral("english"));
}

void MainWindow::on_actionChinese_Tranditional_triggered()
{
    changeLanguage(QStringLiteral("traditional"));
}
