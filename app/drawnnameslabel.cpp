#include "app/drawnnameslabel.h"

#include "app/drawnnames.h"

namespace {
const int kNamesPointSize = 22;
const int kSmallestNamesPointSize = 8;
}

DrawnNamesLabel::DrawnNamesLabel(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("drawnNamesLabel"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    QFont namesFont = font();
    namesFont.setBold(true);
    namesFont.setPointSize(kNamesPointSize);
    setFont(namesFont);
}

void DrawnNamesLabel::showNames(const std::vector<QString> &ids,
                                const std::function<QString(const QString &id)> &nameOf)
{
    m_entries = drawnNamesEntries(ids, nameOf);
    m_notice = false;
    fit();
}

void DrawnNamesLabel::clearNames()
{
    m_entries.clear();
    m_notice = false;
    clear();
}

void DrawnNamesLabel::showNotice(const QString &text)
{
    m_entries = QStringList{text};
    m_notice = true;
    fit();
}

void DrawnNamesLabel::setRoom(const QRect &room)
{
    setGeometry(room);
    fit();
}

void DrawnNamesLabel::fit()
{
    QFont fitted = font();
    const auto sized = [&](int pointSize) {
        QFont each = fitted;
        each.setPointSize(pointSize);
        return QFontMetrics(each);
    };
    const NamesLayout layout = fittedNamesLayout(
        m_entries, kNamesPointSize, kSmallestNamesPointSize, size(),
        [&](int pointSize, const QString &line) { return sized(pointSize).horizontalAdvance(line); },
        [&](int pointSize) { return sized(pointSize).height(); });
    fitted.setPointSize(layout.pointSize);
    setFont(fitted);
    setText(layout.text);
}
