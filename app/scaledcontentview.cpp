#include "app/scaledcontentview.h"

#include <QGraphicsProxyWidget>

#include <algorithm>

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
    m_proxy = m_scene.addWidget(content);
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
    m_proxy->setWidget(nullptr);
    delete m_proxy;
    m_proxy = nullptr;
    if (content)
        content->setWindowFlags(Qt::Widget);
    return content;
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
