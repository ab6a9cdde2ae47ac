#ifndef ROSTERSTORE_H
#define ROSTERSTORE_H

#include "roster/averagescores.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

class QSettings;

// What a roster file holds, counted: classes, students, and scores (the
// letters given, one a character of the score strings).
struct RosterCounts
{
    int classes = 0;
    int students = 0;
    int scores = 0;
};

// Every class with its students' IDs, names and score strings, read from and
// written back whole to the settings area "Zandrel_ClassSetting". One class is
// the current one: scores go to its students.
class RosterStore : public QObject
{
    Q_OBJECT

public:
    explicit RosterStore(const QString &dataDir, QObject *parent = nullptr);

    // Always leaves at least one class, named "Class 1" when the file has none.
    void loadClasses();
    void saveClasses();
    void classNames(std::vector<QString> &names) const;
    // Also makes that class the current one.
    void studentIds(const QString &className, std::vector<QString> &ids);
    void selectClass(const QString &className);
    bool hasStudent(const QString &className, const QString &id) const;
    // To the current class.
    void appendScore(const QString &id, char letter);
    // Takes the last letter off the score string of that student of the
    // current class, and saves, only when the string still ends with that
    // letter; false when nothing was removed.
    bool removeLastScore(const QString &id, char letter);
    // The same for the first class of that name, whichever is current; a
    // class that is not in the roster takes no score.
    void appendScore(const QString &className, const QString &id, char letter);
    // The same for the student with that key in the class with that key
    // (classKey, studentKey), wherever they stand now and whatever their
    // names; false also when either is gone.
    bool removeLastScoreOf(quint64 classKey, quint64 studentKey, char letter);
    // The IDs and names of the first class of that name, in roster order.
    void classStudents(const QString &className, QStringList &ids, QStringList &names) const;
    // The names of the first class of that name by ID; of two students with
    // one ID the first keeps it.
    QHash<QString, QString> namesById(const QString &className) const;

    // The score files of the first class of that name in the data directory;
    // false when the class is not there, its name cannot be a file name, or
    // the file could not be written.
    bool writeScoreFile(const QString &className, double aScore, double fScore, ScoreRounding rounding, bool csv);
    // Those that may exist: the text file first, then the CSV file.
    QStringList scoreFilePaths(const QString &className) const;
    // The workbook written, or empty when it could not be written.
    QString writeScoreWorkbook(const QString &className, double aScore, double fScore, ScoreRounding rounding);

    // The roster as the class settings window edits it, by class index.
    int classCount() const { return m_classNames.size(); }
    const QStringList &classNameList() const { return m_classNames; }
    int classIndex(const QString &className) const;
    int currentClass() const { return m_currentClass; }
    bool hasCurrentClass() const { return m_currentClass >= 0 && m_currentClass < m_classNames.size(); }
    void setCurrentClass(int classIndex) { m_currentClass = classIndex; }
    const QStringList &ids(int classIndex) const { return m_ids.at(classIndex); }
    const QStringList &names(int classIndex) const { return m_names.at(classIndex); }
    const QStringList &scores(int classIndex) const { return m_scores.at(classIndex); }
    // A class without students at the end of the roster.
    void appendClass(const QString &name);
    // Removing the last class leaves a new "Class 1" in its place.
    void removeClass(int classIndex);
    void renameClass(int classIndex, const QString &name);
    // The keys say which student each row is (studentKey); a row with key 0
    // or a key the class does not hold is a new student.
    void setStudents(int classIndex, const QStringList &ids, const QStringList &names, const QStringList &scores,
                     const QList<quint64> &keys);

    // What stays the same for a class and for a student while the program
    // runs, whatever is renamed, retyped, sorted or saved: a key the store
    // gives each when it first reads or adds them, kept when it reads again
    // the file it wrote itself. Never 0. A class or student deleted, or
    // read from a file written by someone else, has a new key.
    quint64 classKey(int classIndex) const { return m_classKeys.at(classIndex); }
    quint64 studentKey(int classIndex, int student) const { return m_studentKeys.at(classIndex).at(student); }
    const QList<quint64> &studentKeys(int classIndex) const { return m_studentKeys.at(classIndex); }
    // -1 when no class or student has the key.
    int classOfKey(quint64 key) const;
    int studentOfKey(int classIndex, quint64 key) const;

    // The warning that the class's history and score files cannot be
    // written, the first time in this run that a class name meets this
    // reason; empty when the name can be a file name, or was told already.
    QString fileNameWarning(const QString &className);

    // Read as the store reads its own file; a file it cannot read counts
    // nothing.
    static RosterCounts countsOfFile(const QString &rosterFile);

    // Scores the disk refused so far, kept in memory only.
    bool hasUnsavedScores() const { return m_saveFailed; }

signals:
    // A write reached the disk.
    void saved();
    // A write did not reach the disk; the roster stays in memory and every
    // further score tries to save it whole again.
    void saveFailed(const QString &settingsFile);
    // The roster file could not be read completely; a copy of it as it was
    // lies at copyPath, made before anything was written over it.
    void damagedFileKept(const QString &copyPath);
    // The copy of the roster file kept before a save could not be written
    // into folder; told once a run, and the save goes on all the same.
    void backupFailed(const QString &folder);

private:
    void writeRoster();
    // Before the first save of a day, and before one that removes students
    // or a class, the file as it was is copied aside.
    void backUpBeforeSave(bool removing);
    bool removesStudents() const;
    bool rosterMatchesStoredCopy() const;
    void appendScoreIn(int classIndex, const QString &id, char letter);
    // Nothing is removed for student -1.
    bool removeLastScoreIn(int classIndex, int student, char letter);
    // After a change to one score string of that class.
    void saveScoreOf(int classIndex, int student, bool onlyThisScoreChanged);
    // Writes only the score key of one student (none for index -1); false
    // when the file is no longer the one last read or written, and a full
    // save is needed.
    bool writeOneScore(int classIndex, int studentIndex);
    void rememberStoredCopy();
    bool checkSaved(QSettings &settings, const QByteArray &digestBefore);
    void keepDamagedCopy(const QString &settingsFile, const QByteArray &bytes, const QByteArray &digest);
    quint64 newKey() { return m_nextKey++; }
    QList<quint64> newKeys(int count);
    // Takes the rounds, absent marks and history files along with the
    // classes renamed and deleted since the roster was last read or saved.
    void followClassChanges();

    QStringList m_classNames;
    QList<QStringList> m_ids;
    QList<QStringList> m_names;
    QList<QStringList> m_scores;
    QList<quint64> m_classKeys;
    QList<QList<quint64>> m_studentKeys;
    int m_currentClass = -1;
    QString m_dataDir;
    quint64 m_nextKey = 1;
    // The classes as the rounds, absent marks and history files know them:
    // as last read or saved.
    QList<quint64> m_filedClassKeys;
    QStringList m_filedClassNames;
    QSet<QPair<QString, int>> m_toldFileNames;

    // What the settings file holds since the last load or save, so that a
    // single new score can be written as the one key that changed.
    QStringList m_storedClassNames;
    QList<QStringList> m_storedIds;
    QList<QStringList> m_storedNames;
    QList<QStringList> m_storedScores;
    QList<quint64> m_storedClassKeys;
    QList<QList<quint64>> m_storedStudentKeys;
    bool m_storedCopyKnown = false;
    bool m_saveFailed = false;
    // The file's digest when this program last read or wrote it.
    QByteArray m_fileDigest;
    // Where each class and each student stands in the file, as array
    // indices from 0: a file with gaps puts them elsewhere than in memory.
    std::vector<int> m_classEntries;
    std::vector<std::vector<int>> m_studentEntries;
    // The damaged file last kept, so that the same damage is kept once.
    QByteArray m_damagedDigest;
    QDate m_backedUpOn;
    bool m_backupFailureTold = false;
};

#endif // ROSTERSTORE_H
