#include "displays/tvrollerwidget.h"

#include "displays/rollerrows.h"
#include "displays/scorechooser.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {
const int kStepMs = 100;
const int kBoxMargin = 20;
const int kPanelSpacing = 1;
}

TVRollerWidget::TVRollerWidget(QWidget *parent)
    : QWidget(parent)
    , m_rollerFont(font())
{
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(1);
    layout->setContentsMargins(0, 0, 0, 0);
    m_leftSpacer = new QSpacerItem(600, 10, QSizePolicy::Fixed, QSizePolicy::Minimum);
    m_rightSpacer = new QSpacerItem(100, 10, QSizePolicy::Fixed, QSizePolicy::Minimum);
    m_scorePanel = new QWidget(this);
    m_scorePanel->setObjectName(QStringLiteral("scorePanel"));
    m_scorePanel->setGeometry(0, 0, 90, 1000);
    m_scorePanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    auto *panelLayout = new QVBoxLayout(m_scorePanel);
    panelLayout->setSpacing(kPanelSpacing);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    layout->addItem(m_leftSpacer);
    layout->addWidget(m_scorePanel);
    layout->addItem(m_rightSpacer);
}

TVRollerWidget::~TVRollerWidget()
{
    delete m_traceTimer;
}

void TVRollerWidget::setNames(const std::vector<QString> &names)
{
    m_currentIndex = 0;
    m_names = QStringList(names.cbegin(), names.cend());
    update();
}

void TVRollerWidget::arrangeRows()
{
    m_currentIndex = 0;
    m_rowOrder = randomRowOrder(m_names.size(), std::rand);
    fitRollerFont();
    rebuildScoreRows();
}

void TVRollerWidget::setVisibleCount(int count)
{
    count = std::max(count, 1);
    if (count == m_visibleCount)
        return;
    m_visibleCount = count;
    fitRollerFont();
    update();
}

void TVRollerWidget::setSelectCount(int count)
{
    m_selectCount = std::max(count, 1);
    rebuildScoreRows();
    update();
}

void TVRollerWidget::startTrace()
{
    if (!m_traceTimer) {
        m_traceTimer = new QTimer;
        connect(m_traceTimer, &QTimer::timeout, this, &TVRollerWidget::traceItTimer);
        std::srand(static_cast<unsigned>(std::time(nullptr)));
    }
    m_currentIndex = 0;
    if (!m_names.isEmpty())
        m_traceTimer->start(kStepMs);
}

void TVRollerWidget::stopTrace()
{
    if (m_traceTimer)
        m_traceTimer->stop();
}

void TVRollerWidget::selectedIndices(std::vector<int> &indices) const
{
    const MarkedRows marked = markedRows(m_names.size(), m_visibleCount, m_selectCount);
    const std::vector<int> names = namesInRows(m_rowOrder, m_names.size(), m_currentIndex, marked.first,
                                               marked.marked);
    indices.insert(indices.end(), names.cbegin(), names.cend());
}

void TVRollerWidget::selectedNames(std::vector<QString> &names) const
{
    names.clear();
    std::vector<int> indices;
    selectedIndices(indices);
    for (int i : indices)
        names.push_back(m_names.at(i));
}

void TVRollerWidget::traceItTimer()
{
    if (!m_names.isEmpty()) {
        m_currentIndex = (m_currentIndex + 1) % m_names.size();
        update();
    }
}

void TVRollerWidget::fitRollerFont()
{
    QFont sized = font();
    const int pointSize = fittedRollerPointSize(font().pointSize(), m_visibleCount, height(), [&](int size) {
        sized.setPointSize(size);
        return QFontMetrics(sized).height();
    });
    m_rollerFont = font();
    m_rollerFont.setPointSize(pointSize);
}

void TVRollerWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(m_rollerFont);
    const QFontMetrics metrics(m_rollerFont);
    const int nameCount = m_names.size();
    const std::vector<int> top = namesInRows(m_rowOrder, nameCount, m_currentIndex, 0, 1);
    const int textWidth = top.empty() ? 100 : metrics.horizontalAdvance(m_names.at(top.front()));
    const int lineHeight = metrics.height();
    const int rowHeight = height() / m_visibleCount;
    const int offset = int((rowHeight - lineHeight) * 0.5);
    const QRect text(width() / 2 - textWidth / 2, offset, textWidth, lineHeight);

    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor buttonText = palette().color(group, QPalette::ButtonText);
    const QColor button = palette().color(group, QPalette::Button);
    QLinearGradient gradient(0.5, 0.0, 0.5, 1.0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0.0, buttonText);
    gradient.setColorAt(0.2, button);
    gradient.setColorAt(0.8, button);
    gradient.setColorAt(1.0, buttonText);
    painter.setPen(buttonText);
    painter.setBrush(gradient);

    const MarkedRows rows = markedRows(nameCount, m_visibleCount, m_selectCount);
    const QRect firstBox = text.adjusted(-kBoxMargin, rows.first * rowHeight, kBoxMargin, rows.first * rowHeight);
    for (int k = 0; k < std::max(rows.marked, 1); ++k)
        painter.drawRect(firstBox.translated(0, k * rowHeight));

    const std::vector<int> shown = namesInRows(m_rowOrder, nameCount, m_currentIndex, 0, rows.rows);
    for (size_t k = 0; k < shown.size(); ++k)
        painter.drawText(QRectF(text.translated(0, int(k) * rowHeight)), m_names.at(shown[k]), QTextOption());
}

void TVRollerWidget::clearScoreRows()
{
    QLayout *panelLayout = m_scorePanel->layout();
    for (QSpacerItem *filler : m_fillerSpacers) {
        panelLayout->removeItem(filler);
        delete filler;
    }
    for (size_t k = 0; k < m_rowLayouts.size(); ++k) {
        m_rowLayouts[k]->removeWidget(m_scoreChoosers[k]);
        panelLayout->removeItem(m_rowLayouts[k]);
        delete m_scoreChoosers[k];
        delete m_rowLayouts[k];
    }
    m_fillerSpacers.clear();
    m_scoreChoosers.clear();
    m_rowLayouts.clear();
}

void TVRollerWidget::rebuildScoreRows()
{
    clearScoreRows();
    if (m_names.isEmpty())
        return;

    const QFontMetrics metrics(m_rollerFont);
    int widest = 0;
    for (const QString &name : qAsConst(m_names))
        widest = std::max(widest, metrics.horizontalAdvance(name));
    const int boxWidth = 2 * kBoxMargin + widest;
    const MarkedRows rows = markedRows(m_names.size(), m_visibleCount, m_selectCount);

    // Every filler and every score row takes exactly one painted row, so that
    // each score row lies level with its marked box whatever the row count;
    // the room below the last row stays empty. The panel's spacing falls only
    // between score rows, not next to spacers, so a row gives it up.
    const int rowHeight = std::max(height() / m_visibleCount, 1);
    const int slotHeight = std::max(rowHeight - kPanelSpacing, 1);
    auto *panelLayout = static_cast<QVBoxLayout *>(m_scorePanel->layout());
    auto addFillers = [&](int count) {
        for (int k = 0; k < count; ++k) {
            auto *filler = new QSpacerItem(1, rowHeight, QSizePolicy::Minimum, QSizePolicy::Fixed);
            panelLayout->addItem(filler);
            m_fillerSpacers.push_back(filler);
        }
    };
    addFillers(rows.first);
    for (int k = 0; k < rows.marked; ++k) {
        auto *row = new QHBoxLayout;
        row->setSpacing(0);
        row->setContentsMargins(0, 0, 0, 0);
        auto *scores = new ScoreChooser(
            QStringLiteral("combobox"), 0,
            [this, k](QString &id) {
                std::vector<QString> names;
                selectedNames(names);
                if (size_t(k) >= names.size())
                    return false;
                id = names[size_t(k)];
                return true;
            },
            m_scorePanel);
        // Many rows make the painted rows lower than the controls; the
        // controls then shrink to the row and take the rows' font.
        scores->fitHeight(slotHeight, m_rollerFont);
        row->addWidget(scores, 0, Qt::AlignVCenter);
        row->addSpacerItem(new QSpacerItem(0, slotHeight, QSizePolicy::Fixed, QSizePolicy::Fixed));
        panelLayout->addLayout(row, 1);
        m_scoreChoosers.push_back(scores);
        m_rowLayouts.push_back(row);
    }
    addFillers(rows.rows - rows.first - rows.marked);
    auto *rest = new QSpacerItem(1, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
    panelLayout->addItem(rest);
    m_fillerSpacers.push_back(rest);

    const ScorePanelSpacers spacers = scorePanelSpacers(width(), boxWidth);
    m_leftSpacer->changeSize(spacers.left, 10, QSizePolicy::Fixed, QSizePolicy::Minimum);
    m_rightSpacer->changeSize(spacers.right, 10, QSizePolicy::Fixed, QSizePolicy::Minimum);
    layout()->invalidate();
    layout()->update();
    m_scorePanel->update();
}
