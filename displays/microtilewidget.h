#ifndef MICROTILEWIDGET_H
#define MICROTILEWIDGET_H

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStaticText>
#include <QStringList>
#include <QWidget>
#include <vector>

class QTimer;

// The board of name tiles: every name as a small coloured label at a random
// place, none overlapping. While a trace runs, one random tile is drawn
// large and bold every 50 ms; the one highlighted when the trace stops is
// the drawn student.
class MicroTileWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MicroTileWidget(QWidget *parent = nullptr);
    ~MicroTileWidget() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Takes a copy of the names; the caller follows with arrangeTiles().
    void setNames(const std::vector<QString> &names);
    // Lays the tiles out afresh for the current names and widget size.
    void arrangeTiles(bool randomCorner);
    void setShowFrames(bool show);
    void startTrace();
    void stopTrace();
    int selectedIndex() const { return m_selectedIndex; }
    QString selectedText() const;

    const std::vector<QRect> &tileRects() const { return m_tileRects; }
    const std::vector<QColor> &tileColours() const { return m_tileColours; }

public slots:
    void traceItTimer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintEmptyBoard(QPainter &painter);
    void paintTiles(QPainter &painter);
    void paintHighlight(QPainter &painter);
    // The board paints no background of its own; what shows through is this.
    QColor boardBackground() const;

    int m_selectedIndex = -1;
    QStringList m_names;
    std::vector<QRect> m_tileRects;
    std::vector<QColor> m_tileColours;
    std::vector<QFont> m_tileFonts;
    // The names laid out once for drawing; the trace repaints the whole
    // board 20 times a second.
    std::vector<QStaticText> m_tileTexts;
    bool m_showFrames = false;
    int m_selectedPointSize = 20;
    QTimer *m_traceTimer = nullptr;
};

#endif // MICROTILEWIDGET_H
