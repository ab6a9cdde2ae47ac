#ifndef CLASSSETTINGDIALOG_H
#define CLASSSETTINGDIALOG_H

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// The class settings dialog, which also holds the roster store: every class
// with its students' IDs, names and score strings, read from and written
// back whole to the settings area "Zandrel_ClassSetting".
class ClassSettingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ClassSettingDialog(QWidget *parent = nullptr);
    ~ClassSettingDialog() override;

    void loadClasses();
    void saveClasses(bool syncFirst);
    void classNames(std::vector<QString> &names) const;
    void studentIds(const QString &className, std::vector<QString> &ids);
    void selectClass(const QString &className);
    bool hasStudent(const QString &className, const QString &id) const;
    void appendScore(const QString &id, char letter);

private:
    int classIndex(const QString &className) const;
    void writeRoster();
    bool rosterMatchesStoredCopy() const;
    // Writes only the score key of one student (none for index -1); false
    // when the stored roster is missing and a full save is needed.
    bool writeOneScore(int classIndex, int studentIndex);
    void rememberStoredCopy();
    void syncFromTable();

    QStringList m_classNames;
    QList<QStringList> m_ids;
    QList<QStringList> m_names;
    QList<QStringList> m_scores;
    int m_currentClass = -1;
    bool m_modified = false;
    QString m_dataDir;

    // What the settings file holds since the last load or save, so that a
    // single new score can be written as the one key that changed.
    QStringList m_storedClassNames;
    QList<QStringList> m_storedIds;
    QList<QStringList> m_storedNames;
    QList<QStringList> m_storedScores;
    bool m_storedCopyKnown = false;
};

#endif // CLASSSETTINGDIALOG_H
