#include "displays/microtilewidget.h"

#include "common/drawrandom.h"
#include "displays/contrast.h"
#include "displays/tilelayout.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

#include <map>

namespace {
const int kTraceIntervalMs = 50;
const double kMinimumContrast = 3.0;
// The highlighted label is sized from the font of the first board arranged
// in the program's run; later arrangements keep that size.
bool g_highlightSizeChosen = false;

// The outline a one-pixel pen draws around the rectangle, from its top-left
// pixel to one past its right and bottom edges. Four filled lines cost far
// less than stroking the rectangle, which counts with a thousand tiles.
void drawFrame(QPainter &painter, const QRect &rect, const QColor &colour)
{
    const int x = rect.x();
    const int y = rect.y();
    const int w = rect.width();
    const int h = rect.height();
    painter.fillRect(x, y, w + 1, 1, colour);
    painter.fillRect(x, y + h, w + 1, 1, colour);
    painter.fillRect(x, y + 1, 1, h - 1, colour);
    painter.fillRect(x + w, y + 1, 1, h - 1, colour);
}
}

MicroTileWidget::MicroTileWidget(QWidget *parent)
    : QWidget(parent)
{
}

MicroTileWidget::~MicroTileWidget()
{
    delete m_traceTimer;
}

QSize MicroTileWidget::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(10 * metrics.horizontalAdvance(QLatin1Char('m')) + 6, 7 * metrics.height() + 6);
}

QSize MicroTileWidget::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(5 * metrics.horizontalAdvance(QLatin1Char('m')) + 6, 3 * metrics.height() + 6);
}

void MicroTileWidget::setNames(const std::vector<QString> &names)
{
    m_selectedIndex = -1;
    m_names = QStringList(names.cbegin(), names.cend());
    m_tileTexts.clear();
    m_tileTexts.reserve(names.size());
    for (const QString &name : names) {
        m_tileTexts.emplace_back(name);
        m_tileTexts.back().setTextFormat(Qt::PlainText);
    }
    update();
}

void MicroTileWidget::arrangeTiles(bool randomCorner)
{
    m_tileRects.clear();
    m_tileColours.clear();
    m_tileFonts.clear();
    if (m_names.isEmpty())
        return;
    if (!g_highlightSizeChosen) {
        g_highlightSizeChosen = true;
        m_selectedPointSize = font().pointSize() + 14;
    }

    // One font and one set of metrics per point size, shared by every tile
    // of that size.
    std::map<int, std::pair<QFont, QFontMetrics>> fonts;
    auto fontOfSize = [&](int pointSize) -> const std::pair<QFont, QFontMetrics> & {
        auto found = fonts.find(pointSize);
        if (found == fonts.end()) {
            QFont sized = font();
            sized.setPointSize(pointSize);
            found = fonts.emplace(pointSize, std::make_pair(sized, QFontMetrics(sized))).first;
        }
        return found->second;
    };
    const TileMeasure measure = [&](int index, int pointSize) {
        const QFontMetrics &metrics = fontOfSize(pointSize).second;
        return QSize(metrics.horizontalAdvance(m_names.at(index)), metrics.height());
    };

    TileArrangement arrangement =
        arrangeTileRects(m_names.size(), size(), font().pointSize(), randomCorner, measure, drawRandomInt);
    m_tileRects = std::move(arrangement.rects);
    m_tileColours = std::move(arrangement.colours);
    // Random colours near the board's own are unreadable from the back of
    // the room; such a colour is darkened or lightened just enough.
    const QColor background = boardBackground();
    for (QColor &colour : m_tileColours)
        colour = withContrast(colour, background, kMinimumContrast);
    m_tileFonts.reserve(arrangement.pointSizes.size());
    for (int pointSize : arrangement.pointSizes)
        m_tileFonts.push_back(fontOfSize(pointSize).first);
}

QColor MicroTileWidget::boardBackground() const
{
    return palette().color(backgroundRole());
}

void MicroTileWidget::setShowFrames(bool show)
{
    m_showFrames = show;
    update();
}

void MicroTileWidget::startTrace()
{
    if (!m_traceTimer) {
        m_traceTimer = new QTimer;
        connect(m_traceTimer, &QTimer::timeout, this, &MicroTileWidget::traceItTimer);
    }
    m_selectedIndex = -1;
    if (!m_names.isEmpty())
        m_traceTimer->start(kTraceIntervalMs);
}

void MicroTileWidget::stopTrace()
{
    if (m_traceTimer)
        m_traceTimer->stop();
}

QString MicroTileWidget::selectedText() const
{
    if (m_selectedIndex >= 0 && m_selectedIndex < m_names.size())
        return m_names.at(m_selectedIndex);
    return QString();
}

void MicroTileWidget::traceItTimer()
{
    if (!m_names.isEmpty())
        m_selectedIndex = drawRandomBelow(m_names.size());
    update();
}

void MicroTileWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_tileRects.empty()) {
        paintEmptyBoard(painter);
        return;
    }
    paintTiles(painter);
    paintHighlight(painter);
}

void MicroTileWidget::paintEmptyBoard(QPainter &painter)
{
    QLinearGradient gradient(0.5, 0.0, 0.5, 1.0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0.0, QColor(255, 0, 0));
    gradient.setColorAt(0.2, QColor(0, 255, 0));
    gradient.setColorAt(0.8, QColor(0, 0, 255));
    gradient.setColorAt(1.0, QColor(30, 30, 35));
    QFont large = font();
    large.setPointSize(large.pointSize() + 10);
    painter.setFont(large);
    painter.setPen(QPen(QBrush(gradient), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawText(rect(), Qt::AlignCenter, tr("zzzzzzzzzzzzzzzz!!"));
}

void MicroTileWidget::paintTiles(QPainter &painter)
{
    const int count = std::min({int(m_tileRects.size()), int(m_tileColours.size()),
                                int(m_tileFonts.size()), int(m_tileTexts.size())});
    const QFont *current = nullptr;
    for (int i = 0; i < count; ++i) {
        const QRect &tile = m_tileRects[size_t(i)];
        if (i == m_selectedIndex || tile.width() == 0)
            continue;
        const QFont &tileFont = m_tileFonts[size_t(i)];
        if (!current || tileFont != *current) {
            current = &tileFont;
            painter.setFont(tileFont);
        }
        const QColor &colour = m_tileColours[size_t(i)];
        if (m_showFrames)
            drawFrame(painter, tile, colour);
        painter.setPen(colour);
        painter.drawStaticText(tile.topLeft(), m_tileTexts[size_t(i)]);
    }
}

void MicroTileWidget::paintHighlight(QPainter &painter)
{
    if (m_selectedIndex < 0 || m_selectedIndex >= m_names.size())
        return;
    QFont labelFont = font();
    labelFont.setBold(true);
    labelFont.setPointSize(m_selectedPointSize);
    const QFontMetrics metrics(labelFont);
    const QString &name = m_names.at(m_selectedIndex);
    const QRect tile = m_selectedIndex < int(m_tileRects.size()) ? m_tileRects[size_t(m_selectedIndex)] : QRect();
    const QRect label = highlightLabelRect(tile, QSize(metrics.horizontalAdvance(name), metrics.height()), size());
    painter.setFont(labelFont);
    const QColor colour = m_selectedIndex < int(m_tileColours.size()) ? m_tileColours[size_t(m_selectedIndex)]
                                                                       : painter.pen().color();
    // A backing in the board's colour keeps the tiles around from running
    // through the large label.
    painter.fillRect(label, boardBackground());
    drawFrame(painter, label, colour);
    painter.setPen(colour);
    painter.drawText(QRectF(label), name, QTextOption());
}
