#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/classmenu.h"
#include "app/classroomscreen.h"
#include "app/drawnnameslabel.h"
#include "app/drawpanels.h"
#include "app/floatingdraws.h"
#include "app/floatingplace.h"
#include "app/interfacelanguage.h"
#include "app/languagemenu.h"
#include "app/leddrawdisplay.h"
#include "app/remotecommandserver.h"
#include "app/savefailurereports.h"
#include "app/scoreentry.h"
#include "app/sessiondrawcommands.h"
#include "app/statusbarcontrols.h"
#include "app/studentcounts.h"
#include "app/viewsettings.h"
#include "app/wheeldrawdisplay.h"
#include "app/windowservices.h"
#include "common/datapaths.h"
#include "common/drawrandom.h"
#include "common/midnightwatch.h"
#include "displays/wigglywidget.h"
#include "homework/movehomeworkdialog.h"
#include "roster/calculateavescoredialog.h"
#include "roster/classhistory.h"
#include "roster/classsettingdialog.h"
#include "roster/drawsession.h"
#include "roster/rosterstore.h"
#include "roster/scorebook.h"
#include "roster/studentidcheck.h"
#include "speech/speechdialog.h"
#include "speech/speechservice.h"
#include "speech/voiceswitchbutton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace {
QString g_appTitle;
}

MainWindow::MainWindow(QWidget *parent)
    : MainWindow(new RosterStore(defaultDataDirectory()), parent)
{
    m_store->setParent(this);
}

MainWindow::MainWindow(RosterStore *store, QWidget *parent)
    : QMainWindow(parent)
    , m_store(store)
{
    initDataDir();

    const QString language = InterfaceLanguage::stored();
    m_language = new LanguageMenu(language);

    ui = new Ui::MainWindow;
    ui->setupUi(this);
    createDialogs();
    setUpDraws();
    m_saveFailures = new SaveFailureReports(this, m_store, m_history);
    m_classMenu =
        new ClassMenu(this, m_dataDir, m_session, {m_classSettingDialog, m_calcAveScoreDialog, m_moveHomeworkDialog},
                      [this] { return chosenClass(); });
    setUpRounds();
    refreshRoster(true, true);
    m_language->setUpActions(ui->menuLanguage_Support_2, ui->actionEnglish_2, ui->actionChinese_Simplify,
                             ui->actionChinese_Tranditional);

    m_speech->initVoice();
    g_appTitle = tr("Zandrel v2.0");
    setWindowTitle(g_appTitle);

    setUpDisplays();
    m_services =
        new WindowServices({m_store, m_classSettingDialog, m_calcAveScoreDialog, m_scoreBook, m_speech,
                            m_panels->wheels(), m_wiggly, ui->lineEdit, m_dataDir, [this] { return chosenClass(); }});
    installAppServices(m_services);
    m_scoreEntry = new ScoreEntry(this, m_session, m_scoreBook, m_services);
    ClassroomScreen::limitWindowSize(this);
    setUpStatusBar();
    setUpView();
    setUpFloating();
    // Told once the window shows, not while it is being built.
    m_built = true;
    QMetaObject::invokeMethod(this, &MainWindow::tellUndrawableStudents, Qt::QueuedConnection);
}

MainWindow::~MainWindow()
{
    // Removing the translators below sends events through the filter, which
    // would reach the form after it is gone.
    qApp->removeEventFilter(this);
    installAppServices(nullptr);
    delete m_scoreEntry;
    delete m_services;
    if (m_screen)
        m_screen->release();
    delete ui;
    delete m_classMenu;
    delete m_language;
}

void MainWindow::initDataDir()
{
    m_dataDir = defaultDataDirectory();
    ensureDirectory(m_dataDir);
}

// Created once, with the window as parent, and kept between showings.
void MainWindow::createDialogs()
{
    m_moveHomeworkDialog = new MoveHomeworkDialog(this);
    m_calcAveScoreDialog = new CalculateAveScoreDialog(this);
    m_classSettingDialog = new ClassSettingDialog(m_store, this);
    m_speech = new SpeechService(this);
    m_speechDialog = new SpeechDialog(m_speech, this);
}

void MainWindow::setUpDisplays()
{
    ui->calendarWidget->hide();

    m_wiggly = new WigglyWidget(ui->centralWidget);
    m_wiggly->setGeometry(0, 0, 10, 10);
    m_wiggly->hide();

    m_panels->setUpPanels();
}

void MainWindow::setUpStatusBar()
{
    m_statusBarControls = new StatusBarControls(statusBar(), m_speech);
    connect(m_statusBarControls->clockTimer(), &QTimer::timeout, this, &MainWindow::showTimeInLCD);
    connect(m_statusBarControls->voiceSwitch(), &QPushButton::clicked, this,
            &MainWindow::OnStatusBarVoiceSwitchClicked);
}

void MainWindow::setUpRounds()
{
    ui->actionNoRepeat->setChecked(m_session->pool().noRepeat());
    m_studentCounts = new StudentCounts(ui->label_3, ui->menuBar, m_session, this);
    // The score boxes of every display, also those the displays make later.
    qApp->installEventFilter(this);
    // The absent marks end at midnight; with everyone away the draw buttons
    // would otherwise stay off until the class is chosen again.
    connect(new MidnightWatch(this), &MidnightWatch::dayBegan, this, [this] {
        if (m_session->pool().absentCount() > 0)
            refreshRoster(false, false);
    });
}

void MainWindow::setUpView()
{
    m_drawnNamesLabel = new DrawnNamesLabel(ui->centralWidget);
    m_drawnNamesLabel->lower();
    ui->centralWidget->installEventFilter(this);
    placeDrawnNamesLabel();

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
    showEmptyClassNotice();
    m_screen = new ClassroomScreen(this, ui->centralWidget, ui->actionFullScreen, ui->actionZoomIn, ui->actionZoomOut,
                                   ui->actionZoomReset);
    m_screen->apply();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_saveFailures->offerToSaveBeforeClosing();
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

void MainWindow::recordScore(const QString &id, char letter)
{
    m_services->recordScore(id, letter);
}

// The chosen class and its students.

void MainWindow::showTimeInLCD()
{
    m_statusBarControls->showTime();
}

int MainWindow::currentClassIndex() const
{
    const int i = ui->comboBox->currentIndex();
    return i < static_cast<int>(m_classNames.size()) ? i : -1;
}

std::optional<QString> MainWindow::chosenClass() const
{
    const int i = currentClassIndex();
    return i >= 0 ? std::optional<QString>(m_classNames[i]) : std::nullopt;
}

void MainWindow::refreshRoster(bool reloadStore, bool refillClasses)
{
    if (reloadStore)
        m_classSettingDialog->loadClasses();

    if (refillClasses) {
        m_refillingClasses = true;
        // At start-up the chooser is still empty: the class chosen when the
        // program last closed.
        const QString remembered =
            ui->comboBox->count() > 0 ? ui->comboBox->currentText() : ViewSettings::storedLastClass();
        m_classSettingDialog->classNames(m_classNames);
        ui->comboBox->clear();
        int chosen = 0;
        for (size_t k = 0; k < m_classNames.size(); ++k) {
            ui->comboBox->addItem(m_classNames[k]);
            if (m_classNames[k] == remembered)
                chosen = static_cast<int>(k);
        }
        ui->comboBox->setCurrentIndex(chosen);
        m_refillingClasses = false;
    }

    const int i = currentClassIndex();
    if (i < 0)
        return;
    m_session->setClass(m_classNames[i]);
    m_scoreBook->setClass(m_classNames[i]);
    // The display starts afresh, so it no longer shows who the line named.
    m_session->clearNames();
    // Stored as the choice is made, so a language change or a restore, which
    // end the program without closing the window, starts on it too.
    if (!m_refillingClasses) {
        ViewSettings::storeLastClass(m_classNames[i]);
        tellUndrawableStudents();
    }
    showEmptyClassNotice();

    m_panels->led()->showFirst();
    m_studentCounts->show();
    m_panels->refill();
}

void MainWindow::showEmptyClassNotice()
{
    const int i = currentClassIndex();
    if (!m_drawnNamesLabel || i < 0)
        return;
    const int k = m_store->classIndex(m_classNames[i]);
    if (k >= 0 && m_store->ids(k).isEmpty()) {
        m_drawnNamesLabel->showNotice(tr("No students yet: add them in Class > Class Settings."));
        m_drawnNamesLabel->show();
    } else if (m_drawnNamesLabel->showsNotice()) {
        m_drawnNamesLabel->clearNames();
        m_drawnNamesLabel->setVisible(ui->actionShowNames->isChecked());
    }
}

void MainWindow::tellUndrawableStudents()
{
    const int i = currentClassIndex();
    const int k = i >= 0 ? m_store->classIndex(m_classNames[i]) : -1;
    if (!m_built || k < 0)
        return;
    const QStringList undrawable = StudentIdCheck::undrawable(m_store->ids(k));
    QStringList &told = m_undrawableTold[m_store->classKey(k)];
    if (undrawable == told)
        return;
    told = undrawable;
    if (!undrawable.isEmpty())
        QMessageBox::warning(this, tr("Warning"), StudentIdCheck::undrawableMessage(m_store->ids(k)));
}

void MainWindow::on_comboBox_currentIndexChanged(int)
{
    refreshRoster(false, false);
}

// Draws: the displays the session drives.

void MainWindow::setUpDraws()
{
    m_history = new ClassHistory(m_dataDir, this);
    connect(m_history, &ClassHistory::noFileName, m_classSettingDialog, &ClassSettingDialog::tellWhenNoFileName);
    m_session = new DrawSession(m_store, m_history, m_dataDir, this);
    m_scoreBook = new ScoreBook(m_store, m_history, this);
    connect(m_scoreBook, &ScoreBook::undoAvailable, ui->actionUndoScore, &QAction::setEnabled);

    m_panels = new DrawPanels(ui, m_session, m_scoreBook, this);
    connect(m_panels, &DrawPanels::panelShown, this, [this] {
        if (m_drawnNamesLabel)
            placeDrawnNamesLabel();
    });

    connect(m_session, &DrawSession::newRoundBegun, this,
            [this] { statusBar()->showMessage(tr("All students have been drawn; a new round begins")); });
    connect(m_session, &DrawSession::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
    connect(m_session, &DrawSession::namesShown, this, &MainWindow::showDrawnNames);
    connect(m_session, &DrawSession::announcementReady, m_speech, &SpeechService::announce);
    // A new draw cuts off the reading of the last one.
    connect(m_session, &DrawSession::drawStarted, m_speech, &SpeechService::stopReading);
}

void MainWindow::placeDrawnNamesLabel()
{
    // Below the panel shown, where no display or control lies.
    int top = 0;
    for (const QWidget *panel : {ui->horizontalLayoutWidget_2, ui->widget, ui->widget_2, ui->widget_3, ui->widget_4})
        if (!panel->isHidden())
            top = std::max(top, panel->geometry().bottom() + 1);
    m_drawnNamesLabel->setRoom(
        QRect(0, top, ui->centralWidget->width(), std::max(ui->centralWidget->height() - top, 0)));
}

void MainWindow::showDrawnNames(const std::vector<QString> &ids)
{
    // The first roster refresh comes before the line exists; the notice of
    // a class without students stays until it has some.
    if (!m_drawnNamesLabel || (ids.empty() && m_drawnNamesLabel->showsNotice()))
        return;
    m_drawnNamesLabel->showNames(ids, [this](const QString &id) { return m_session->nameOf(id); });
}

void MainWindow::startOrStopActiveDraw()
{
    m_panels->startOrStopActive();
}

// Each display's controls.

void MainWindow::lotteryScroll()
{
    m_panels->led()->step();
}

void MainWindow::OnLEDRollerTimer()
{
    m_panels->led()->roll();
}

void MainWindow::OnVoiceReadLaterTimer()
{
    m_session->announcePending();
}

void MainWindow::on_pushButton_clicked()
{
    m_panels->startOrStop(LedSingleMode);
}

void MainWindow::on_m_timeSpeedSlider_valueChanged(int)
{
    m_panels->led()->restartTimerIfActive();
}

void MainWindow::on_pushButton_2_clicked()
{
    m_panels->stepBack();
}

void MainWindow::on_pushButton_3_clicked()
{
    m_panels->stepOn();
}

void MainWindow::on_checkBox_clicked()
{
    m_panels->switchLedRoll(ui->checkBox->isChecked());
}

void MainWindow::on_pushButton_11_clicked()
{
    m_panels->startOrStop(MicroTileMode);
}

void MainWindow::on_checkBox_2_clicked()
{
    m_panels->showTileFrames(ui->checkBox_2->isChecked());
}

void MainWindow::on_pushButton_12_clicked()
{
    m_panels->startOrStop(TvRollerMode);
}

void MainWindow::on_comboBox_3_activated(const QString &arg1)
{
    m_panels->chooseVisibleCount(arg1);
}

void MainWindow::on_comboBox_4_activated(const QString &arg1)
{
    m_panels->chooseSelectCount(arg1);
}

void MainWindow::on_comboBox_5_activated(const QString &arg1)
{
    m_panels->buildWheels(arg1);
}

void MainWindow::on_pushButton_4_clicked()
{
    m_panels->startOrStop(WheelMode);
}

// Score entry and undo.

void MainWindow::on_pushButton_5_clicked()
{
    m_scoreEntry->scoreFromButton(ui->pushButton_5, 'A');
}

void MainWindow::on_pushButton_6_clicked()
{
    m_scoreEntry->scoreFromButton(ui->pushButton_6, 'B');
}

void MainWindow::on_pushButton_8_clicked()
{
    m_scoreEntry->scoreFromButton(ui->pushButton_8, 'C');
}

void MainWindow::on_pushButton_7_clicked()
{
    m_scoreEntry->scoreFromButton(ui->pushButton_7, 'D');
}

void MainWindow::on_pushButton_9_clicked()
{
    m_scoreEntry->scoreFromButton(ui->pushButton_9, 'E');
}

void MainWindow::on_pushButton_10_clicked()
{
    m_scoreEntry->scoreFromButton(ui->pushButton_10, 'F');
}

void MainWindow::on_lineEdit_returnPressed()
{
    m_scoreEntry->scoreFromLedBox(ui->lineEdit);
}

void MainWindow::on_comboBox_2_activated(const QString &arg1)
{
    m_scoreEntry->scoreFromChooser(ui->comboBox_2, arg1);
}

void MainWindow::on_lineEdit_2_returnPressed()
{
    m_scoreEntry->scoreFromTileBox(ui->lineEdit_2);
}

void MainWindow::on_actionUndoScore_triggered()
{
    m_scoreEntry->undo();
}

// The Class menu.

void MainWindow::on_actionClass_Settings_triggered()
{
    m_classSettingDialog->exec();
    refreshRoster(true, true);
}

void MainWindow::on_actionCalculate_Ave_Score_triggered()
{
    m_classMenu->calculateAverages();
}

void MainWindow::on_actionBackUp_triggered()
{
    m_classMenu->backUp();
}

void MainWindow::on_actionRestore_triggered()
{
    m_classMenu->restore();
}

void MainWindow::on_actionRestoreEarlierDay_triggered()
{
    m_classMenu->restoreEarlierDay();
}

void MainWindow::on_actionQuit_triggered()
{
    close();
}

void MainWindow::on_actionOpen_Directory_triggered()
{
    openDataDirectory();
}

void MainWindow::on_actionOpen_Student_Directory_triggered()
{
    m_classMenu->openStudentDirectories();
}

void MainWindow::on_actionMove_Homework_triggered()
{
    m_classMenu->moveHomework();
}

void MainWindow::on_actionAbsentStudents_triggered()
{
    if (m_classMenu->markAbsentStudents())
        refreshRoster(false, false);
}

void MainWindow::on_actionHistory_triggered()
{
    m_classMenu->showHistory();
}

// The Lottery Mode menu.

void MainWindow::on_actionLED_triggered()
{
    m_panels->showLed();
}

void MainWindow::on_actionWheel_triggered()
{
    m_panels->showWheels();
}

void MainWindow::on_actionMicro_Tile_triggered()
{
    m_panels->showTiles();
}

void MainWindow::on_actionTV_Roller_triggered()
{
    m_panels->showTvRoller();
}

void MainWindow::on_actionNoRepeat_triggered(bool checked)
{
    m_session->setNoRepeat(checked);
    refreshRoster(false, false);
}

void MainWindow::on_actionNewRound_triggered()
{
    const int i = currentClassIndex();
    if (i < 0)
        return;
    m_session->newRound();
    refreshRoster(false, false);
}

// The View menu.

void MainWindow::on_actionFullScreen_toggled(bool)
{
    m_screen->apply();
}

void MainWindow::on_actionZoomIn_triggered()
{
    m_screen->zoomIn();
}

void MainWindow::on_actionZoomOut_triggered()
{
    m_screen->zoomOut();
}

void MainWindow::on_actionZoomReset_triggered()
{
    m_screen->zoomReset();
}

void MainWindow::setUpFloating()
{
    m_drawCommands = new SessionDrawCommands(m_session, m_scoreBook, m_store, drawRandomInt, this);
    m_floatingDraws = new FloatingDraws(m_drawCommands, this);
    connect(m_drawCommands, &SessionDrawCommands::mainWindowWanted, this, [this] {
        // Brought back as it was left, full screen included.
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        show();
        raise();
        activateWindow();
    });
    connect(m_drawCommands, &SessionDrawCommands::floatingButtonWanted, ui->actionFloatingButton, &QAction::setChecked);
    connect(m_drawCommands, &SessionDrawCommands::drawnAtOnce, this,
            [this](const QStringList &ids) { m_panels->led()->showDrawn(ids.first()); });
    ui->actionFloatingButton->setChecked(FloatingPlace::storedShown());
}

bool MainWindow::listenForCommands()
{
    return m_floatingDraws->listen(RemoteCommandServer::defaultPath());
}

void MainWindow::on_actionFloatingButton_toggled(bool on)
{
    FloatingPlace::storeShown(on);
    m_floatingDraws->setButtonShown(on);
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

void MainWindow::OnStatusBarVoiceSwitchClicked()
{
    m_statusBarControls->takeVoiceSwitch();
}

// Help and language.

void MainWindow::on_actionQuickGuide_triggered()
{
    m_classMenu->showQuickGuide();
}

void MainWindow::on_actionAbout_triggered()
{
    m_classMenu->showAbout();
}

void MainWindow::on_actionChinese_Simplify_triggered()
{
    m_language->change(QStringLiteral("simplify"));
}

void MainWindow::on_actionEnglish_2_triggered()
{
    m_language->change(QStringLiteral("english"));
}

void MainWindow::on_actionChinese_Tranditional_triggered()
{
    m_language->change(QStringLiteral("traditional"));
}
