#include "app/scaledcontentview.h"

#include <QComboBox>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>

#include <algorithm>

namespace {
// The rectangle moved (and, where it is larger, cut) to lie inside area.
QRectF keptInside(QRectF rect, const QRectF &area)
{
    rect.setWidth(std::min(rect.width(), area.width()));
    rect.setHeight(std::min(rect.height(), area.height()));
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() - rect.width()));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() - rect.height()));
    return rect;
}
}

// The content's proxy. A pop-up of the content (a combo box's list) is
// embedded as a child of it, placed by the toolkit to fit the screen as if
// the content were not scaled; it is kept inside the content instead, so
// that all of it stays on the screen.
class ScaledContentView::ContentProxy : public QGraphicsProxyWidget
{
public:
    // Takes the pop-ups out of the scene, where they would be deleted with
    // the proxy, and leaves them to the controls they belong to.
    void releasePopups()
    {
        for (QGraphicsItem *child : childItems())
            if (auto *popup = dynamic_cast<QGraphicsProxyWidget *>(child))
                popup->setWidget(nullptr);
    }

    // Closes the pop-ups that are open; false when none was.
    bool closePopups()
    {
        bool closed = false;
        for (QGraphicsItem *child : childItems()) {
            auto *popup = dynamic_cast<QGraphicsProxyWidget *>(child);
            if (popup && popup->widget() && popup->isVisible()) {
                if (auto *comboBox = qobject_cast<QComboBox *>(popup->widget()->parentWidget()))
                    comboBox->hidePopup();
                else
                    popup->widget()->hide();
                closed = true;
            }
        }
        return closed;
    }

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override
    {
        // The new child is not built yet; it is watched once it is.
        if (change == ItemChildAddedChange)
            QMetaObject::invokeMethod(this, &ContentProxy::keepPopupsInside, Qt::QueuedConnection);
        return QGraphicsProxyWidget::itemChange(change, value);
    }

private:
    // The press that opened a pop-up went to its box, and the release to the
    // pop-up; the proxy would send every later click to that box, opening
    // the pop-up again. A release of its own ends that once the pop-up is gone.
    void endPressOfHiddenPopup()
    {
        for (QGraphicsItem *child : childItems())
            if (dynamic_cast<QGraphicsProxyWidget *>(child) && child->isVisible())
                return;
        QGraphicsSceneMouseEvent release(QEvent::GraphicsSceneMouseRelease);
        release.setButton(Qt::LeftButton);
        release.setButtons(Qt::NoButton);
        release.setPos(QPointF(-1, -1));
        mouseReleaseEvent(&release);
    }

    void keepPopupsInside()
    {
        const QRectF area(QPointF(0, 0), size());
        for (QGraphicsItem *child : childItems()) {
            auto *popup = dynamic_cast<QGraphicsProxyWidget *>(child);
            if (!popup)
                continue;
            connect(popup, &QGraphicsWidget::geometryChanged, this, &ContentProxy::keepPopupsInside,
                    Qt::UniqueConnection);
            connect(popup, &QGraphicsObject::visibleChanged, this, &ContentProxy::endPressOfHiddenPopup,
                    Qt::UniqueConnection);
            const QRectF kept = keptInside(popup->geometry(), area);
            if (kept == popup->geometry())
                continue;
            // The pop-up keeps a minimum height of its own; lowered, its
            // list scrolls within the shorter height.
            if (QWidget *widget = popup->widget())
                widget->setMinimumSize(0, 0);
            popup->setGeometry(kept);
        }
    }
};

ScaledContentView::ScaledContentView(QWidget *content, const QSize &contentSize, QWidget *parent)
    : QGraphicsView(parent)
    , m_contentSize(contentSize)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignCenter);
    // One fill of the window's colour around the content, not two.
    setBackgroundBrush(palette().window());
    viewport()->setAutoFillBackground(false);
    // The widgets paint as in the window, without smoothing their edges; the
    // icons, the one bitmap part, are smoothed when enlarged.
    setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setOptimizationFlag(QGraphicsView::DontAdjustForAntialiasing);
    setScene(&m_scene);

    // The proxy embeds only windows. Flagged as one, the content keeps its
    // parent and its place among the parent's children, so that lookups by
    // name from the main window find the same widgets as before.
    content->setWindowFlags(Qt::Window);
    m_proxy = new ContentProxy;
    m_proxy->setWidget(content);
    m_scene.addItem(m_proxy);
    m_proxy->setGeometry(QRectF(QPointF(0, 0), QSizeF(m_contentSize)));
    m_scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(m_contentSize)));
    fitContent();
}

ScaledContentView::~ScaledContentView()
{
    // The scene would take the content down with the proxy.
    releaseContent();
}

QWidget *ScaledContentView::releaseContent()
{
    if (!m_proxy)
        return nullptr;
    QWidget *content = m_proxy->widget();
    m_proxy->releasePopups();
    m_proxy->setWidget(nullptr);
    delete m_proxy;
    m_proxy = nullptr;
    if (content)
        content->setWindowFlags(Qt::Widget);
    return content;
}

bool ScaledContentView::closePopups()
{
    return m_proxy && m_proxy->closePopups();
}

void ScaledContentView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    fitContent();
}

void ScaledContentView::fitContent()
{
    if (m_contentSize.isEmpty())
        return;
    const QSize area = viewport()->size();
    m_scale = std::min(double(area.width()) / m_contentSize.width(), double(area.height()) / m_contentSize.height());
    if (m_scale <= 0)
        m_scale = 1.0;
    setTransform(QTransform::fromScale(m_scale, m_scale));
}
