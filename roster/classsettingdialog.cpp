#include "roster/classsettingdialog.h"

#include "app/appservices.h"

#include <QSettings>

namespace {
const char *const kOrganization = "Velmor";
const char *const kRosterApplication = "Zandrel_ClassSetting";
const char *const kFirstClassName = "Class 1";
}

ClassSettingDialog::ClassSettingDialog(QWidget *parent)
    : QDialog(parent)
    , m_dataDir(dataDirectory())
{
}

ClassSettingDialog::~ClassSettingDialog() = default;

void ClassSettingDialog::loadClasses()
{
    m_classNames.clear();
    m_ids.clear();
    m_names.clear();
    m_scores.clear();

    QSettings settings(kOrganization, kRosterApplication);
    const int classCount = settings.beginReadArray(QStringLiteral("Classes"));
    for (int k = 0; k < classCount; ++k) {
        settings.setArrayIndex(k);
        m_classNames.append(settings.value(QStringLiteral("Name")).toString());
        QStringList ids, names, scores;
        const int studentCount = settings.beginReadArray(QStringLiteral("StudentInfor"));
        for (int i = 0; i < studentCount; ++i) {
            settings.setArrayIndex(i);
            ids.append(settings.value(QStringLiteral("ID")).toString());
            names.append(settings.value(QStringLiteral("Name")).toString());
            scores.append(settings.value(QStringLiteral("Score")).toString());
        }
        settings.endArray();
        m_ids.append(ids);
        m_names.append(names);
        m_scores.append(scores);
    }
    settings.endArray();
    rememberStoredCopy();
    m_currentClass = 0;

    if (m_classNames.isEmpty()) {
        m_classNames.append(QString::fromLatin1(kFirstClassName));
        m_ids.append(QStringList());
        m_names.append(QStringList());
        m_scores.append(QStringList());
    }
    m_modified = false;
}

void ClassSettingDialog::saveClasses(bool syncFirst)
{
    m_modified = false;
    if (syncFirst)
        syncFromTable();
    writeRoster();
}

void ClassSettingDialog::writeRoster()
{
    QSettings settings(kOrganization, kRosterApplication);
    settings.beginWriteArray(QStringLiteral("Classes"));
    for (int k = 0; k < m_classNames.size(); ++k) {
        settings.setArrayIndex(k);
        settings.setValue(QStringLiteral("Name"), m_classNames.at(k));
        settings.beginWriteArray(QStringLiteral("StudentInfor"));
        const QStringList &ids = m_ids.at(k);
        for (int i = 0; i < ids.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("ID"), ids.at(i));
            settings.setValue(QStringLiteral("Name"), m_names.at(k).at(i));
            settings.setValue(QStringLiteral("Score"), m_scores.at(k).at(i));
        }
        settings.endArray();
    }
    settings.endArray();
    settings.sync();
    rememberStoredCopy();
}

void ClassSettingDialog::rememberStoredCopy()
{
    m_storedClassNames = m_classNames;
    m_storedIds = m_ids;
    m_storedNames = m_names;
    m_storedScores = m_scores;
    m_storedCopyKnown = true;
}

bool ClassSettingDialog::rosterMatchesStoredCopy() const
{
    return m_storedCopyKnown && m_classNames == m_storedClassNames && m_ids == m_storedIds
        && m_names == m_storedNames && m_scores == m_storedScores;
}

bool ClassSettingDialog::writeOneScore(int classIndex, int studentIndex)
{
    // The same key a full save writes for this student, so the file ends up
    // exactly as a full save would leave it.
    QSettings settings(kOrganization, kRosterApplication);
    if (!settings.contains(QStringLiteral("Classes/size")))
        return false;
    if (studentIndex >= 0) {
        settings.setValue(QStringLiteral("Classes/%1/StudentInfor/%2/Score")
                              .arg(classIndex + 1)
                              .arg(studentIndex + 1),
                          m_scores.at(classIndex).at(studentIndex));
        settings.sync();
        m_storedScores[classIndex][studentIndex] = m_scores.at(classIndex).at(studentIndex);
    }
    return true;
}

void ClassSettingDialog::classNames(std::vector<QString> &names) const
{
    names.assign(m_classNames.cbegin(), m_classNames.cend());
}

int ClassSettingDialog::classIndex(const QString &className) const
{
    return m_classNames.indexOf(className);
}

void ClassSettingDialog::studentIds(const QString &className, std::vector<QString> &ids)
{
    ids.clear();
    m_currentClass = classIndex(className);
    if (m_currentClass >= 0)
        ids.assign(m_ids.at(m_currentClass).cbegin(), m_ids.at(m_currentClass).cend());
}

void ClassSettingDialog::selectClass(const QString &className)
{
    m_currentClass = classIndex(className);
}

bool ClassSettingDialog::hasStudent(const QString &className, const QString &id) const
{
    const int k = classIndex(className);
    return k >= 0 && m_ids.at(k).contains(id);
}

void ClassSettingDialog::appendScore(const QString &id, char letter)
{
    if (m_currentClass < 0 || m_currentClass >= m_classNames.size())
        return;

    const bool onlyThisScoreChanges = rosterMatchesStoredCopy();
    const int student = m_ids.at(m_currentClass).indexOf(id);
    if (student >= 0)
        m_scores[m_currentClass][student].append(QChar::fromLatin1(letter));

    m_modified = false;
    // A roster removed from disk under us, or edits not yet saved, need the
    // full save.
    if (!onlyThisScoreChanges || !writeOneScore(m_currentClass, student))
        writeRoster();
}

void ClassSettingDialog::syncFromTable()
{
}
