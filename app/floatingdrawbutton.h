#ifndef FLOATINGDRAWBUTTON_H
#define FLOATINGDRAWBUTTON_H

#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QMenu;
class FloatingResultWindow;

// A small round button over every window, the teacher's slides included:
// a click asks for a draw, a right click offers more, and it can be dragged
// anywhere; its place is kept for the next start. It never takes the
// keyboard focus and is half transparent while the pointer is elsewhere.
// It knows nothing of classes: whoever shows it answers its requests and
// brings back the result.
class FloatingDrawButton : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal kIdleOpacity = 0.5;
    static constexpr int kDiameter = 64;

    explicit FloatingDrawButton(QWidget *parent = nullptr);

    FloatingResultWindow *resultWindow() const { return m_result; }

public slots:
    // ids and the line shown for each ("1001 Li Lei"), in the order drawn.
    void showResult(const QStringList &ids, const QStringList &entries);
    // Why nothing was drawn, in place of a result.
    void showNotice(const QString &text);

signals:
    void drawRequested(int count);
    void scoreRequested(const QString &id, char letter);
    void showMainWindowRequested();
    void hideRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void createMenu();
    void placeOnScreen();
    QRect placeForResult();
    void updateOpacity();
    void keepOnTop();

    QMenu *m_menu = nullptr;
    FloatingResultWindow *m_result = nullptr;
    // Full-screen programs raised after the button would cover it.
    QTimer m_raiseTimer;
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressOffset;
    QPoint m_pressPos;
};

#endif // FLOATINGDRAWBUTTON_H
