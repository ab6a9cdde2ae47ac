#ifndef FLOATINGRESULTWINDOW_H
#define FLOATINGRESULTWINDOW_H

#include <QStringList>
#include <QTimer>
#include <QWidget>

class QScreen;
class QVBoxLayout;

// The result of a draw from the floating button, shown beside it in large
// type: one line per student ("1001 Li Lei") with the six score letters
// A to F below it. It floats over the slides without taking the focus and
// closes by itself after a while, or on a click anywhere outside it.
class FloatingResultWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kCloseAfterMs = 8000;
    // Once every student shown has a letter, the result stays only long
    // enough to see which one was given.
    static constexpr int kCloseAfterScoredMs = 1500;

    explicit FloatingResultWindow(QWidget *parent = nullptr);

    // Changes how long a result stays, for the tests.
    void setCloseAfter(int ms);
    int closeAfter() const { return m_closeAfterMs; }

    // ids and the line shown for each, in the order drawn, beside button
    // (its place on the desktop).
    void showResult(const QStringList &ids, const QStringList &entries, const QRect &button);
    // A message in place of a result, without letters.
    void showNotice(const QString &text, const QRect &button);

signals:
    void scoreRequested(const QString &id, char letter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void fitTo(const QScreen *screen);
    void clearRows();
    QWidget *addRow(const QString &text);
    void addLetters(QWidget *row, const QString &id);
    void scoreGiven(QWidget *row, const QString &id, char letter);
    void showBeside(const QRect &button);
    void grabClicksOutside();

    QVBoxLayout *m_rows = nullptr;
    QTimer m_closeTimer;
    int m_closeAfterMs = kCloseAfterMs;
    int m_unscored = 0;
    int m_textPixels = 0;
    int m_widestLine = 0;
    int m_grabTriesLeft = 0;
};

#endif // FLOATINGRESULTWINDOW_H
