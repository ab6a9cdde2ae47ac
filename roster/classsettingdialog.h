#ifndef CLASSSETTINGDIALOG_H
#define CLASSSETTINGDIALOG_H

#include "roster/averagescores.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

class BatchAddIDDialog;
class QMenu;
class QModelIndex;
class QSettings;
class QStandardItemModel;
class QStringListModel;

namespace Ui {
class ClassSettingDialog;
}

// The class settings dialog, which also holds the roster store: every class
// with its students' IDs, names and score strings, read from and written
// back whole to the settings area "Zandrel_ClassSetting". Its window edits
// the classes in a list and the current class's students in a table, which
// is the working copy until syncFromTable takes it over.
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
    // The name of the first student of the class with that ID; empty when
    // there is none.
    QString studentName(const QString &className, const QString &id) const;
    void appendScore(const QString &id, char letter);

    // The score files of the first class of that name in the data directory.
    void writeScoreFile(const QString &className, double aScore, double fScore, ScoreRounding rounding,
                        bool csv);
    void openScoreFiles(const QString &className);

    // Appends to the table the IDs of the range (either order) that it does
    // not hold yet; refuses a range of more than 1000 IDs.
    void addIdRange(const QString &from, const QString &to);
    // Asks for a class list file and appends the students it names.
    void importRoster();

protected:
    void showEvent(QShowEvent *event) override;
    // Escape, "Close" and the title bar's close button all end here.
    void reject() override;

private slots:
    void on_listView_clicked(const QModelIndex &index);
    void on_pushButton_7_clicked();
    void on_pushButton_8_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();
    void orderButton(int column);
    void SortByScore();
    void SortByNumScore();

private:
    void refreshView();
    void fillStudentTable();
    bool isModified() const;
    void takeOverTypedEdits();
    void commitOpenEdits();
    // Names and scores missing from the end of their lists are empty.
    void appendStudentRows(const QStringList &ids, const QStringList &names, const QStringList &scores);
    QString cellText(int row, int column) const;
    // The numeric values of the table's ID cells.
    QSet<qint64> tableIdValues() const;
    void selectIdCell(int row);
    template<typename Key>
    void applySortKeys(const std::vector<Key> &keys, int column);
    void sortById();
    void sortByName();

    int classIndex(const QString &className) const;
    // A class without students at the end of the roster.
    void appendClass(const QString &name);
    void writeRoster();
    bool rosterMatchesStoredCopy() const;
    // Writes only the score key of one student (none for index -1); false
    // when the stored roster is missing and a full save is needed.
    bool writeOneScore(int classIndex, int studentIndex);
    void rememberStoredCopy();
    // Whether the last write reached the disk; tells the teacher once per run
    // when it did not.
    bool checkSaved(QSettings &settings);
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
    bool m_saveFailed = false;
    bool m_saveFailureReported = false;

    Ui::ClassSettingDialog *ui;
    QStringListModel *m_classListModel;
    QStandardItemModel *m_studentModel;
    QMenu *m_sortMenu;
    BatchAddIDDialog *m_batchDialog = nullptr;
};

#endif // CLASSSETTINGDIALOG_H
