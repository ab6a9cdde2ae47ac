#ifndef SCALEDCONTENTVIEW_H
#define SCALEDCONTENTVIEW_H

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QSize>

// Shows one widget uniformly scaled to the largest size that fits the view,
// centred, its aspect kept. The widget paints straight into the scaled
// painter, so text and drawing come out sharp at the final size, and every
// mouse and key event reaches the control drawn under it.
class ScaledContentView : public QGraphicsView
{
    Q_OBJECT

public:
    // Embeds content, a child of the window the view is for, at contentSize.
    ScaledContentView(QWidget *content, const QSize &contentSize, QWidget *parent = nullptr);
    ~ScaledContentView() override;

    // Gives the content back, no longer embedded, a hidden child of its parent.
    QWidget *releaseContent();
    // An embedded pop-up does not take the keys before the window's
    // shortcuts do, as a pop-up of its own window would: Esc asks here first.
    // False when no pop-up was open.
    bool closePopups();
    QSize contentSize() const { return m_contentSize; }
    double scale() const { return m_scale; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    class ContentProxy;

    void fitContent();

    QGraphicsScene m_scene;
    ContentProxy *m_proxy = nullptr;
    QSize m_contentSize;
    double m_scale = 1.0;
};

#endif // SCALEDCONTENTVIEW_H
