#ifndef TVROLLERWIDGET_H
#define TVROLLERWIDGET_H

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <vector>

class QHBoxLayout;
class QSpacerItem;
class ScoreChooser;
class QTimer;

// The TV roller: the names in a random order fixed per class, as a column
// that rolls up one row every 100 ms past a band of marked rows in the
// middle. The marked rows hold the drawn names; beside each the roller
// offers a letter chooser and a score box for it.
class TVRollerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TVRollerWidget(QWidget *parent = nullptr);
    ~TVRollerWidget() override;

    // Takes a copy of the names; the caller follows with arrangeRows().
    void setNames(const std::vector<QString> &names);
    // Draws a new row order, fits the font and rebuilds the score rows.
    void arrangeRows();
    void setVisibleCount(int count);
    void setSelectCount(int count);
    int visibleCount() const { return m_visibleCount; }
    int selectCount() const { return m_selectCount; }
    void startTrace();
    void stopTrace();
    // The names in the marked rows, top to bottom.
    void selectedIndices(std::vector<int> &indices) const;
    void selectedNames(std::vector<QString> &names) const;

public slots:
    void traceItTimer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitRollerFont();
    void rebuildScoreRows();
    void clearScoreRows();

    int m_currentIndex = -1;
    std::vector<int> m_rowOrder;
    QStringList m_names;
    int m_visibleCount = 3;
    int m_selectCount = 3;
    QTimer *m_traceTimer = nullptr;
    QFont m_rollerFont;
    std::vector<ScoreChooser *> m_scoreChoosers;
    std::vector<QHBoxLayout *> m_rowLayouts;
    std::vector<QSpacerItem *> m_fillerSpacers;
    QWidget *m_scorePanel = nullptr;
    QSpacerItem *m_leftSpacer = nullptr;
    QSpacerItem *m_rightSpacer = nullptr;
};

#endif // TVROLLERWIDGET_H
