#include "roster/studentidcheck.h"

#include "roster/studentids.h"

#include <QHash>
#include <QSet>

namespace {
// Whole numbers compare by their value, anything else by its text.
QString duplicateKey(const QString &id)
{
    return StudentIdCheck::isWholeNumber(id) ? QString::number(studentIdValue(id)) : QLatin1Char('~') + id.simplified();
}
}

bool StudentIdCheck::isWholeNumber(const QString &id)
{
    bool ok = false;
    id.trimmed().toLongLong(&ok, 10);
    return ok;
}

QList<int> StudentIdCheck::firstRepeatedId(const QStringList &ids)
{
    QHash<QString, int> firstRow;
    for (int row = 0; row < ids.size(); ++row) {
        const QString key = duplicateKey(ids.at(row));
        const auto found = firstRow.constFind(key);
        if (found == firstRow.cend()) {
            firstRow.insert(key, row);
            continue;
        }
        QList<int> rows;
        for (int each = *found; each < ids.size(); ++each) {
            if (duplicateKey(ids.at(each)) == key)
                rows.append(each);
        }
        return rows;
    }
    return {};
}

QStringList StudentIdCheck::undrawable(const QStringList &ids)
{
    QSet<qint64> values;
    QSet<QString> listed;
    QStringList lost;
    for (const QString &id : ids) {
        // The draw reads any other text as 0, which then takes the place of
        // a real 0 further on.
        const qint64 value = studentIdValue(id);
        const bool seen = values.contains(value);
        values.insert(value);
        if ((seen || !isWholeNumber(id)) && !listed.contains(id)) {
            listed.insert(id);
            lost.append(id);
        }
    }
    return lost;
}

QString StudentIdCheck::undrawableMessage(const QStringList &ids)
{
    const QStringList lost = undrawable(ids);
    if (lost.isEmpty())
        return QString();
    return tr("%n students cannot be drawn: their IDs are not whole numbers or are used twice: %1", nullptr,
              lost.size())
        .arg(lost.join(QStringLiteral(", ")));
}

QString StudentIdCheck::notAnIdMessage(const QString &id)
{
    return tr("%1 is not a student ID: an ID is a whole number.").arg(id);
}

QString StudentIdCheck::usedTwiceMessage(const QString &id)
{
    return tr("The ID %1 is used by two students. Change one of them before saving.").arg(id);
}
