#ifndef DRAWPANELS_H
#define DRAWPANELS_H

#include "app/lotterymode.h"

#include <QObject>

class QAction;
class QPushButton;
class QString;
class QWidget;
class DrawDisplay;
class DrawSession;
class LedDrawDisplay;
class MicroTileWidget;
class ScoreBook;
class TileDrawDisplay;
class TvRollerDrawDisplay;
class TVRollerWidget;
class WheelDrawDisplay;

namespace Ui {
class MainWindow;
}

// The main window's displays the session drives, the panel each shows on and
// the switch between them. The window keeps its slots and hands them on.
class DrawPanels : public QObject
{
    Q_OBJECT

public:
    DrawPanels(Ui::MainWindow *ui, DrawSession *session, ScoreBook *scoreBook, QObject *parent);

    LedDrawDisplay *led() const { return m_ledDisplay; }
    WheelDrawDisplay *wheels() const { return m_wheelDisplay; }

    // The tile board and the TV roller with their choosers, once the class
    // is chosen.
    void setUpPanels();
    // After the chosen class changed: the display shown starts on it, and a
    // draw can begin only with someone to draw.
    void refill();

    void showLed();
    void showWheels();
    void showTiles();
    void showTvRoller();
    // The LED display between one name and a rolling list.
    void switchLedRoll(bool roll);
    void stepBack();
    void stepOn();
    void showTileFrames(bool on);
    void chooseVisibleCount(const QString &text);
    void chooseSelectCount(const QString &text);
    void buildWheels(const QString &text);
    void startOrStop(LotteryMode mode);
    // The draw button of the display shown, as a click would, without
    // taking the focus from where it is.
    void startOrStopActive();

signals:
    // The drawn names line goes below the panel now shown.
    void panelShown();

private:
    DrawDisplay *displayOf(LotteryMode mode) const;
    void setMode(LotteryMode mode);
    // Fills the display shown with the candidates; a draw that begins keeps
    // the wheels there are.
    void feedDisplay(bool drawBegins);
    void buildWheels(int count);
    QPushButton *activeDrawButton() const;
    void fillSelectCounts();
    void checkModeAction(QAction *action);
    void showPanel(QWidget *panel);
    // The arrows show a student as a draw would.
    void nameSteppedStudents();

    Ui::MainWindow *m_ui;
    DrawSession *m_session;
    ScoreBook *m_scoreBook;
    LotteryMode m_mode = LedSingleMode;
    MicroTileWidget *m_microTile = nullptr;
    TVRollerWidget *m_tvRoller = nullptr;
    LedDrawDisplay *m_ledDisplay = nullptr;
    TileDrawDisplay *m_tileDisplay = nullptr;
    TvRollerDrawDisplay *m_tvRollerDisplay = nullptr;
    WheelDrawDisplay *m_wheelDisplay = nullptr;
};

#endif // DRAWPANELS_H
