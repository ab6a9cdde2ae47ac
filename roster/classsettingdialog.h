#ifndef CLASSSETTINGDIALOG_H
#define CLASSSETTINGDIALOG_H

#include "roster/averagescores.h"

#include <QDialog>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

class BatchAddIDDialog;
class QMenu;
class QModelIndex;
class QStandardItemModel;
class RosterStore;
class QStringListModel;

namespace Ui {
class ClassSettingDialog;
}

// The class settings dialog over the roster store the program shares, which
// it still answers for to the rest of the program. Its window edits the classes in a list and the
// current class's students in a table, which is the working copy until
// syncFromTable takes it over.
class ClassSettingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ClassSettingDialog(RosterStore *store, QWidget *parent = nullptr);
    ~ClassSettingDialog() override;

    void loadClasses();
    // Refused, with the rows selected and the teacher told, while two
    // students of a class share an ID; false then, and nothing is saved.
    bool saveClasses(bool syncFirst);
    void classNames(std::vector<QString> &names) const;
    void studentIds(const QString &className, std::vector<QString> &ids);
    void selectClass(const QString &className);
    bool hasStudent(const QString &className, const QString &id) const;
    void appendScore(const QString &id, char letter);
    RosterStore *store() const { return m_store; }
    // Takes the last letter off the score string of that student of the
    // current class, and saves, only when the string still ends with that
    // letter; false when nothing was removed.
    bool removeLastScore(const QString &id, char letter);
    // The IDs and names of the first class of that name, in roster order.
    void classStudents(const QString &className, QStringList &ids, QStringList &names) const;

    // The score files of the first class of that name in the data directory.
    void writeScoreFile(const QString &className, double aScore, double fScore, ScoreRounding rounding,
                        bool csv);
    void openScoreFiles(const QString &className);
    // Writes the class's score workbook into the data directory and opens it.
    void exportScoreWorkbook(const QString &className, double aScore, double fScore, ScoreRounding rounding);

    // Tells the teacher, once per class and reason, that the class's history
    // and score files cannot be written under its name.
    void tellWhenNoFileName(const QString &className);

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
    // Keys missing from the end of their list are new students.
    void appendStudentRows(const QStringList &ids, const QStringList &names, const QStringList &scores,
                           const QList<quint64> &keys);
    QString cellText(int row, int column) const;
    // The numeric values of the table's ID cells.
    QSet<qint64> tableIdValues() const;
    void selectIdCell(int row);
    template<typename Key>
    void applySortKeys(const std::vector<Key> &keys, int column);
    void sortById();
    void sortByName();

    // Tells the teacher once per run that the roster could not be saved.
    void reportSaveFailure(const QString &settingsFile);
    void reportDamagedFile(const QString &copyPath);
    // Selects the rows of the first ID two students share, in the current
    // class or else in the first class with one, and says so.
    bool refuseRepeatedIds();
    void tellRefusal(const QString &reason);
    void syncFromTable();

    RosterStore *m_store;
    bool m_modified = false;
    bool m_saveFailureReported = false;

    Ui::ClassSettingDialog *ui;
    QStringListModel *m_classListModel;
    QStandardItemModel *m_studentModel;
    QMenu *m_sortMenu;
    BatchAddIDDialog *m_batchDialog = nullptr;
};

#endif // CLASSSETTINGDIALOG_H
