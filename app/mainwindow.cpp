#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "roster/classsettingdialog.h"
#include "roster/datapaths.h"
#include "roster/studentids.h"

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include <cstdlib>
#include <ctime>

namespace {
const char *const kContactAddress = "zandrel@brimvale.org";
QString g_appTitle;
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    installAppServices(this);
    initDataDir();

    ui = new Ui::MainWindow;
    ui->setupUi(this);

    m_clockTimer = new QTimer;
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::showTimeInLCD);
    m_clockTimer->start(1000);

    std::srand(static_cast<unsigned>(std::time(nullptr)));

    m_classSettingDialog = new ClassSettingDialog(this);

    refreshRoster(true, true);

    m_running = false;
    g_appTitle = tr("Zandrel v2.0");
    setWindowTitle(g_appTitle);

    ui->calendarWidget->hide();

    ui->actionLED->setChecked(true);
    ui->actionMicro_Tile->setChecked(false);
    ui->actionTV_Roller->setChecked(false);
    ui->actionWheel->setChecked(false);
    ui->widget_2->hide();
    ui->widget_3->hide();
    ui->widget_4->hide();

    setMinimumHeight(400);
    setMaximumHeight(400);
    setMinimumWidth(500);
    setMaximumWidth(540);

    m_clockLabel = new QLabel(statusBar());
    m_clockLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    statusBar()->addPermanentWidget(m_clockLabel);
    showTimeInLCD();
}

MainWindow::~MainWindow()
{
    installAppServices(nullptr);
    delete m_clockTimer;
    delete ui;
}

void MainWindow::initDataDir()
{
    m_dataDir = QDir::homePath() + QStringLiteral("/Brimvale");
    ensureDirectory(m_dataDir);
}

QString MainWindow::currentClassName() const
{
    const int i = ui->comboBox->currentIndex();
    if (i < 0 || i >= static_cast<int>(m_classNames.size()))
        return QString();
    return m_classNames[i];
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

    const int i = ui->comboBox->currentIndex();
    if (i < 0 || i >= static_cast<int>(m_classNames.size()))
        return;
    const QString className = m_classNames[i];

    std::vector<QString> rosterIds;
    m_classSettingDialog->studentIds(className, rosterIds);
    m_studentIDs = sortedUniqueIds(rosterIds);

    ensureDirectory(classDirectoryPath(m_dataDir, className));
    for (const QString &id : m_studentIDs)
        ensureDirectory(studentDirectoryPath(m_dataDir, className, id));

    m_currentText = m_studentIDs.empty() ? QString() : m_studentIDs.front();
    ui->lcdNumber->display(m_currentText);
    ui->label_3->setText(QStringLiteral("%1 ").arg(m_studentIDs.size()) + tr("Students"));

    m_classSettingDialog->selectClass(className);
    m_ledIndex = 0;

    const bool hasStudents = !m_studentIDs.empty();
    ui->pushButton->setEnabled(hasStudents);
    ui->pushButton_4->setEnabled(hasStudents);
    ui->pushButton_11->setEnabled(hasStudents);
    ui->pushButton_12->setEnabled(hasStudents);
}

void MainWindow::showTimeInLCD()
{
    m_clockLabel->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")) + QLatin1Char(' '));
}

void MainWindow::on_comboBox_currentIndexChanged(int)
{
    refreshRoster(false, false);
}

void MainWindow::on_actionAbout_triggered()
{
    const QString address = QString::fromLatin1(kContactAddress);
    QMessageBox::about(this, tr("About Zandrel"),
                       QStringLiteral("Contact us <a href=\"mailto:%1?subject=About Zandrel\">%1</a>").arg(address));
}

void MainWindow::on_actionOpen_Directory_triggered()
{
    openDataDirectory();
}

void MainWindow::on_actionClass_Settings_triggered()
{
    m_classSettingDialog->exec();
    refreshRoster(true, true);
}

void MainWindow::openDataDirectory()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_dataDir));
}

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
    showPanel(ui->widget_2);
}

void MainWindow::on_actionMicro_Tile_triggered()
{
    m_mode = MicroTileMode;
    checkModeAction(ui->actionMicro_Tile);
    showPanel(ui->widget_3);
}

void MainWindow::on_actionTV_Roller_triggered()
{
    m_mode = TvRollerMode;
    checkModeAction(ui->actionTV_Roller);
    showPanel(ui->widget_4);
}

void MainWindow::recordScore(const QString &id, char letter)
{
    m_classSettingDialog->appendScore(id, letter);
}

void MainWindow::showBanner(QWidget *, const QString &)
{
}

void MainWindow::syncVoiceSwitch(bool)
{
}

QString MainWindow::dataDirectory() const
{
    return m_dataDir;
}

void MainWindow::onWheelStopped()
{
}

bool MainWindow::isStudentOfClass(const QString &className, const QString &id)
{
    return m_classSettingDialog->hasStudent(className, id);
}

void MainWindow::calculateScores(int, int, int)
{
}

void MainWindow::openScoreFiles()
{
}

void MainWindow::averageScores(const QStringList &scoreStrings, std::vector<double> &averages)
{
    averages.assign(scoreStrings.size(), 0.0);
}
