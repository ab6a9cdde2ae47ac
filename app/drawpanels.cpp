#include "app/drawpanels.h"
#include "ui_mainwindow.h"

#include "app/leddrawdisplay.h"
#include "app/tiledrawdisplay.h"
#include "app/tvrollerdrawdisplay.h"
#include "app/wheeldrawdisplay.h"
#include "displays/microtilewidget.h"
#include "displays/tvrollerwidget.h"
#include "roster/drawsession.h"
#include "roster/scorebook.h"

#include <algorithm>

DrawPanels::DrawPanels(Ui::MainWindow *ui, DrawSession *session, ScoreBook *scoreBook, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_session(session)
    , m_scoreBook(scoreBook)
{
    m_ledDisplay = new LedDrawDisplay(m_session, ui->pushButton, ui->lcdNumber, ui->m_timeSpeedSlider, this);
    m_wheelDisplay = new WheelDrawDisplay(m_session, ui->horizontalLayout_5, this);
    setMode(LedSingleMode);
    connect(m_session, &DrawSession::candidatesChanged, this, [this] {
        m_ledDisplay->showFirst();
        feedDisplay(true);
        m_session->clearNames();
    });
}

void DrawPanels::setUpPanels()
{
    m_ui->actionLED->setChecked(true);
    m_ui->actionMicro_Tile->setChecked(false);
    m_ui->actionTV_Roller->setChecked(false);
    m_ui->actionWheel->setChecked(false);
    m_ui->widget_2->hide();

    m_microTile = new MicroTileWidget(m_ui->widget_3);
    m_ui->horizontalLayout_7->addWidget(m_microTile);
    m_tileDisplay = new TileDrawDisplay(m_session, m_ui->pushButton_11, m_microTile, this);
    m_ui->widget_3->hide();
    for (const char *letter : {"A", "B", "C", "D", "E", "F"})
        m_ui->comboBox_2->addItem(QLatin1String(letter));

    m_tvRoller = new TVRollerWidget(m_ui->widget_4);
    m_ui->horizontalLayout_9->addWidget(m_tvRoller);
    m_tvRollerDisplay = new TvRollerDrawDisplay(m_session, m_ui->pushButton_12, m_tvRoller, this);
    m_ui->widget_4->hide();
    for (int count = 1; count <= 15; ++count)
        m_ui->comboBox_3->addItem(QString::number(count));
    m_ui->comboBox_3->setCurrentIndex(4);
    m_tvRoller->setVisibleCount(5);
    fillSelectCounts();
    m_ui->comboBox_4->setCurrentIndex(0);
    m_tvRoller->setSelectCount(1);

    for (int count = 1; count <= 6; ++count)
        m_ui->comboBox_5->addItem(QString::number(count));
}

void DrawPanels::refill()
{
    m_ledDisplay->restartTimerIfActive();
    feedDisplay(false);

    const bool hasStudents = !m_session->candidates().empty();
    m_ui->pushButton->setEnabled(hasStudents);
    m_ui->pushButton_4->setEnabled(hasStudents);
    m_ui->pushButton_11->setEnabled(hasStudents);
    m_ui->pushButton_12->setEnabled(hasStudents);
}

DrawDisplay *DrawPanels::displayOf(LotteryMode mode) const
{
    switch (mode) {
    case WheelMode:
        return m_wheelDisplay;
    case MicroTileMode:
        return m_tileDisplay;
    case TvRollerMode:
        return m_tvRollerDisplay;
    case LedSingleMode:
    case LedRollMode:
        break;
    }
    return m_ledDisplay;
}

void DrawPanels::setMode(LotteryMode mode)
{
    // Wheels left turning behind another display would draw students nobody
    // sees.
    m_wheelDisplay->cancel();
    m_session->clearNames();
    m_mode = mode;
    m_ledDisplay->setMode(mode);
    DrawDisplay *display = displayOf(mode);
    m_session->setDisplay(display);
    m_scoreBook->setDisplay(display->historyName());
}

void DrawPanels::feedDisplay(bool drawBegins)
{
    if (m_mode == WheelMode && !drawBegins)
        buildWheels(m_ui->comboBox_5->currentText().toInt());
    else
        m_session->display()->fill();
}

void DrawPanels::buildWheels(int count)
{
    showPanel(m_ui->widget_2);
    m_wheelDisplay->build(count);
}

void DrawPanels::buildWheels(const QString &text)
{
    buildWheels(text.toInt());
}

QPushButton *DrawPanels::activeDrawButton() const
{
    switch (m_mode) {
    case WheelMode:
        return m_ui->pushButton_4;
    case MicroTileMode:
        return m_ui->pushButton_11;
    case TvRollerMode:
        return m_ui->pushButton_12;
    case LedSingleMode:
    case LedRollMode:
        break;
    }
    return m_ui->pushButton;
}

void DrawPanels::startOrStopActive()
{
    activeDrawButton()->click();
}

void DrawPanels::startOrStop(LotteryMode mode)
{
    m_session->startOrStop(displayOf(mode));
}

void DrawPanels::stepBack()
{
    m_ledDisplay->stepBack();
    nameSteppedStudents();
}

void DrawPanels::stepOn()
{
    m_ledDisplay->stepOn();
    nameSteppedStudents();
}

void DrawPanels::nameSteppedStudents()
{
    if (!m_session->isRunning())
        m_session->nameStudents(m_ledDisplay->drawnIds());
}

void DrawPanels::switchLedRoll(bool roll)
{
    setMode(roll ? LedRollMode : LedSingleMode);
    m_ledDisplay->fill();
    if (m_session->isRunning()) {
        // Starts again in the new mode, without announcing the draw cut short.
        m_ledDisplay->stopTimer();
        m_session->cancel();
        m_session->startOrStop(m_ledDisplay);
    }
}

void DrawPanels::showTileFrames(bool on)
{
    m_microTile->setShowFrames(on);
}

void DrawPanels::fillSelectCounts()
{
    m_ui->comboBox_4->clear();
    for (int count = 1; count <= m_tvRoller->visibleCount(); ++count)
        m_ui->comboBox_4->addItem(QString::number(count));
}

void DrawPanels::chooseVisibleCount(const QString &text)
{
    m_tvRoller->setVisibleCount(text.toInt());
    const int visible = m_tvRoller->visibleCount();
    const int selected = std::min(m_tvRoller->selectCount(), visible);
    fillSelectCounts();
    m_ui->comboBox_4->setCurrentIndex(selected - 1);
    m_tvRoller->setSelectCount(selected);
}

void DrawPanels::chooseSelectCount(const QString &text)
{
    m_tvRoller->setSelectCount(text.toInt());
}

void DrawPanels::checkModeAction(QAction *action)
{
    for (QAction *modeAction : {m_ui->actionLED, m_ui->actionMicro_Tile, m_ui->actionTV_Roller, m_ui->actionWheel})
        modeAction->setChecked(modeAction == action);
}

void DrawPanels::showPanel(QWidget *panel)
{
    if (panel != m_ui->widget)
        panel->move(m_ui->widget->pos());
    for (QWidget *each : {m_ui->widget, m_ui->widget_2, m_ui->widget_3, m_ui->widget_4})
        each->setVisible(each == panel);
    emit panelShown();
}

void DrawPanels::showLed()
{
    setMode(LedSingleMode);
    checkModeAction(m_ui->actionLED);
    showPanel(m_ui->widget);
}

void DrawPanels::showWheels()
{
    setMode(WheelMode);
    checkModeAction(m_ui->actionWheel);
    buildWheels(m_ui->comboBox_5->currentText().toInt());
}

void DrawPanels::showTiles()
{
    setMode(MicroTileMode);
    checkModeAction(m_ui->actionMicro_Tile);
    showPanel(m_ui->widget_3);
    m_tileDisplay->fill();
}

void DrawPanels::showTvRoller()
{
    setMode(TvRollerMode);
    checkModeAction(m_ui->actionTV_Roller);
    showPanel(m_ui->widget_4);
    m_tvRollerDisplay->fill();
}
