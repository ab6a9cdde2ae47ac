#include "app/leddraw.h"

#include <QByteArray>
#include <cmath>

int drawIntervalMs(int speed, bool rollMode)
{
    const int interval = static_cast<int>(1000.0 / std::sqrt(static_cast<double>(speed)));
    return rollMode ? static_cast<int>(interval / 1.5) : interval;
}

std::vector<char> buildRollerRing(const std::vector<QString> &ids, int digits)
{
    std::vector<char> ring;
    if (ids.empty())
        return ring;
    const int leadingBlanks = digits - ids.front().length();
    if (leadingBlanks > 0)
        ring.assign(leadingBlanks, ' ');
    for (const QString &id : ids) {
        const QByteArray bytes = id.toLocal8Bit();
        ring.insert(ring.end(), bytes.cbegin(), bytes.cend());
        ring.push_back(' ');
        ring.push_back(' ');
    }
    return ring;
}

QString rollerWindow(const std::vector<char> &ring, unsigned &position, int digits)
{
    const unsigned n = static_cast<unsigned>(ring.size());
    if (n == 0)
        return QString();
    const unsigned start = position;
    QByteArray shown;
    for (int k = 0; k < digits; ++k) {
        if (position >= n)
            position = 0;
        shown.append(ring[position]);
        ++position;
    }
    position = (start + 1) % n;
    return QString::fromLocal8Bit(shown);
}

std::vector<QString> completeIdsShown(const std::vector<char> &ring, unsigned nextPosition,
                                      const QString &shownText)
{
    std::vector<QString> ids;
    const unsigned n = static_cast<unsigned>(ring.size());
    if (n == 0)
        return ids;
    const unsigned first = (nextPosition + n - 1) % n;
    const QByteArray text = shownText.toLocal8Bit();
    const int length = text.size();
    auto isBlank = [&ring, n](unsigned position) { return ring[position % n] == ' '; };

    int i = 0;
    if (first != 0 && !isBlank(first) && !isBlank(first - 1)) {
        while (i < length && text[i] != ' ')
            ++i;
    }
    while (i < length) {
        while (i < length && text[i] == ' ')
            ++i;
        const int tokenStart = i;
        while (i < length && text[i] != ' ')
            ++i;
        if (i > tokenStart)
            ids.push_back(QString::fromLocal8Bit(text.mid(tokenStart, i - tokenStart)));
    }
    if (length > 0 && !isBlank(first + length - 1) && !isBlank(first + length) && !ids.empty())
        ids.pop_back();
    return ids;
}

QString mostShownId(const std::vector<char> &ring, unsigned nextPosition, int digits)
{
    const unsigned n = static_cast<unsigned>(ring.size());
    if (n == 0 || digits <= 0)
        return QString();
    const unsigned first = (nextPosition + n - 1) % n;
    auto isBlank = [&ring, n](unsigned position) { return ring[position % n] == ' '; };
    unsigned bestStart = 0;
    int bestShown = 0;
    for (int k = 0; k < digits;) {
        const unsigned position = first + static_cast<unsigned>(k);
        if (isBlank(position)) {
            ++k;
            continue;
        }
        unsigned start = position % n;
        for (unsigned back = 0; back < n && !isBlank(start + n - 1); ++back)
            start = (start + n - 1) % n;
        int shown = 0;
        while (k < digits && !isBlank(first + static_cast<unsigned>(k))) {
            ++shown;
            ++k;
        }
        if (shown > bestShown) {
            bestShown = shown;
            bestStart = start;
        }
    }
    QByteArray id;
    for (unsigned position = bestStart; bestShown > 0 && !isBlank(position) && id.size() < int(n); ++position)
        id += ring[position % n];
    return QString::fromLocal8Bit(id);
}
