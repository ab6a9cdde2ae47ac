#include "roster/classsettingdialog.h"
#include "ui_classsettingdialog.h"

#include "app/appservices.h"
#include "roster/batchaddiddialog.h"
#include "roster/importreader.h"
#include "roster/rosterorder.h"
#include "roster/scorefiles.h"
#include "roster/studentids.h"
#include "roster/truncatingitemdelegate.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QUrl>

#include <algorithm>
#include <limits>
#include <set>

namespace {
const char *const kOrganization = "Velmor";
const char *const kRosterApplication = "Zandrel_ClassSetting";
const char *const kFirstClassName = "Class 1";
const int kIdColumnWidth = 150;
const quint64 kLargestIdRange = 1000;
// A class list of a million students stays far below this; anything larger
// is not one, and reading it whole would only exhaust memory.
const qint64 kLargestImportFile = 64 * 1024 * 1024;
}

ClassSettingDialog::ClassSettingDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_dataDir(dataDirectory())
    , ui(new Ui::ClassSettingDialog)
{
    ui->setupUi(this);
    m_classListModel = new QStringListModel(this);
    ui->listView->setModel(m_classListModel);
    m_studentModel = new QStandardItemModel(0, 3, this);
    ui->tableView->setModel(m_studentModel);
    ui->tableView->setItemDelegate(new TruncatingItemDelegate(ui->tableView));
    QHeaderView *header = ui->tableView->horizontalHeader();
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionClicked, this, &ClassSettingDialog::orderButton);

    m_sortMenu = new QMenu(this);
    m_sortMenu->addAction(tr("Sort by Score"), this, &ClassSettingDialog::SortByScore);
    m_sortMenu->addAction(tr("Sort by Number of Score"), this, &ClassSettingDialog::SortByNumScore);
}

ClassSettingDialog::~ClassSettingDialog()
{
    delete ui;
}

namespace {
// The array entries a file holds, as indices from 0, in order. A damaged
// file may claim far more entries than it holds (a size of two billion with
// a handful of entries); only entries that hold a key are read, so loading
// never walks through entries that are not there.
std::vector<int> presentEntries(const QSettings &settings, int claimedSize)
{
    std::vector<int> entries;
    const QStringList groups = settings.childGroups();
    for (const QString &group : groups) {
        bool isIndex = false;
        const int index = group.toInt(&isIndex);
        if (isIndex && index >= 1 && index <= claimedSize)
            entries.push_back(index - 1);
    }
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    return entries;
}

// A save killed at the wrong moment can leave the settings lock file empty,
// naming no process; the settings store would then wait half a minute before
// taking it over, and the program would hang at the next score. Only one copy
// of the program writes the roster, so such a file is always left over.
void removeAbandonedLock(const QSettings &settings)
{
    const QFileInfo lock(settings.fileName() + QStringLiteral(".lock"));
    if (lock.exists() && lock.size() == 0)
        QFile::remove(lock.filePath());
}
}

void ClassSettingDialog::loadClasses()
{
    // Scores that could not be saved stay in memory until a save succeeds.
    if (m_saveFailed) {
        writeRoster();
        if (m_saveFailed) {
            m_currentClass = 0;
            m_modified = false;
            return;
        }
    }

    m_classNames.clear();
    m_ids.clear();
    m_names.clear();
    m_scores.clear();

    QSettings settings(kOrganization, kRosterApplication);
    const std::vector<int> classEntries = presentEntries(settings, settings.beginReadArray(QStringLiteral("Classes")));
    for (int k : classEntries) {
        settings.setArrayIndex(k);
        m_classNames.append(settings.value(QStringLiteral("Name")).toString());
        QStringList ids, names, scores;
        const std::vector<int> studentEntries = presentEntries(settings, settings.beginReadArray(QStringLiteral("StudentInfor")));
        for (int i : studentEntries) {
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

    if (m_classNames.isEmpty())
        appendClass(QString::fromLatin1(kFirstClassName));
    m_modified = false;
}

void ClassSettingDialog::appendClass(const QString &name)
{
    m_classNames.append(name);
    m_ids.append(QStringList());
    m_names.append(QStringList());
    m_scores.append(QStringList());
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
    removeAbandonedLock(settings);
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
    if (checkSaved(settings))
        rememberStoredCopy();
}

bool ClassSettingDialog::checkSaved(QSettings &settings)
{
    m_saveFailed = settings.status() != QSettings::NoError;
    if (!m_saveFailed)
        return true;
    m_storedCopyKnown = false;
    if (!m_saveFailureReported) {
        m_saveFailureReported = true;
        QMessageBox::warning(parentWidget() ? parentWidget() : this, tr("Scores Not Saved"),
                             tr("Zandrel cannot save the classes and scores to\n%1\n\n"
                                "The scores given are kept while Zandrel runs, and every new score "
                                "tries to save them again. Check that the disk has free space and "
                                "that this folder can be written to.")
                                 .arg(QDir::toNativeSeparators(settings.fileName())));
    }
    return false;
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
    removeAbandonedLock(settings);
    if (!settings.contains(QStringLiteral("Classes/size")))
        return false;
    if (studentIndex >= 0) {
        settings.setValue(QStringLiteral("Classes/%1/StudentInfor/%2/Score")
                              .arg(classIndex + 1)
                              .arg(studentIndex + 1),
                          m_scores.at(classIndex).at(studentIndex));
        settings.sync();
        if (checkSaved(settings))
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

QString ClassSettingDialog::studentName(const QString &className, const QString &id) const
{
    const int k = classIndex(className);
    const int i = k >= 0 ? m_ids.at(k).indexOf(id) : -1;
    return i >= 0 ? m_names.at(k).value(i) : QString();
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
    if (m_currentClass < 0 || m_currentClass >= m_classNames.size())
        return;
    if (m_currentClass < m_classListModel->rowCount())
        m_classNames[m_currentClass] = m_classListModel->index(m_currentClass).data().toString();

    QStringList ids, names, scores;
    QSet<QString> seen;
    const int rows = m_studentModel->rowCount();
    seen.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        const QString id = cellText(row, 0).simplified();
        if (seen.contains(id))
            continue;
        seen.insert(id);
        ids.append(id);
        names.append(cellText(row, 1));
        scores.append(cellText(row, 2));
    }
    m_ids[m_currentClass] = ids;
    m_names[m_currentClass] = names;
    m_scores[m_currentClass] = scores;
}

bool ClassSettingDialog::isModified() const
{
    if (m_classListModel->rowCount() != m_classNames.size())
        return true;
    const bool hasCurrentClass = m_currentClass >= 0 && m_currentClass < m_classNames.size();
    if (hasCurrentClass && m_studentModel->rowCount() != m_ids.at(m_currentClass).size())
        return true;
    for (int k = 0; k < m_classNames.size(); ++k) {
        if (m_classListModel->index(k).data().toString() != m_classNames.at(k))
            return true;
    }
    if (!hasCurrentClass)
        return false;
    const QStringList &ids = m_ids.at(m_currentClass);
    const QStringList &names = m_names.at(m_currentClass);
    const QStringList &scores = m_scores.at(m_currentClass);
    for (int row = 0; row < ids.size(); ++row) {
        if (cellText(row, 0) != ids.at(row) || cellText(row, 1) != names.at(row)
            || cellText(row, 2) != scores.at(row))
            return true;
    }
    return false;
}

QString ClassSettingDialog::cellText(int row, int column) const
{
    const QStandardItem *item = m_studentModel->item(row, column);
    return item ? item->text() : QString();
}

QSet<qint64> ClassSettingDialog::tableIdValues() const
{
    QSet<qint64> values;
    for (int row = 0; row < m_studentModel->rowCount(); ++row)
        values.insert(studentIdValue(cellText(row, 0)));
    return values;
}

void ClassSettingDialog::takeOverTypedEdits()
{
    // A sort refills the table from the stored lists; without this, names
    // typed since the last synchronisation would vanish with a header click.
    if (isModified()) {
        m_modified = true;
        syncFromTable();
    }
}

void ClassSettingDialog::commitOpenEdits()
{
    // A cell or class name still being typed reaches its model only when the
    // editor loses focus, which closing by the title bar never causes.
    QWidget *focus = QApplication::focusWidget();
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(ui->tableView),
                                    static_cast<QAbstractItemView *>(ui->listView)}) {
        if (focus && focus != view && view->isAncestorOf(focus))
            view->setFocus();
    }
}

void ClassSettingDialog::refreshView()
{
    m_currentClass = 0;
    if (m_classNames.isEmpty())
        appendClass(QString::fromLatin1(kFirstClassName));
    m_classListModel->setStringList(m_classNames);
    fillStudentTable();
    m_modified = false;
}

void ClassSettingDialog::fillStudentTable()
{
    m_studentModel->clear();
    m_studentModel->setColumnCount(3);
    m_studentModel->setHorizontalHeaderLabels({tr("ID"), tr("Name"), tr("Score")});
    ui->tableView->setColumnWidth(0, kIdColumnWidth);
    ui->listView->setCurrentIndex(m_classListModel->index(m_currentClass));
    if (m_currentClass >= 0 && m_currentClass < m_classNames.size())
        appendStudentRows(m_ids.at(m_currentClass), m_names.at(m_currentClass), m_scores.at(m_currentClass));
}

void ClassSettingDialog::appendStudentRows(const QStringList &ids, const QStringList &names,
                                           const QStringList &scores)
{
    // Whole rows at once: an item set into an existing row announces a
    // change of its own, which made filling a large class thirty times slower.
    for (int i = 0; i < ids.size(); ++i) {
        m_studentModel->appendRow({new QStandardItem(ids.at(i)), new QStandardItem(names.value(i)),
                                   new QStandardItem(scores.value(i))});
    }
}

void ClassSettingDialog::selectIdCell(int row)
{
    ui->tableView->setCurrentIndex(m_studentModel->index(row, 0));
}

void ClassSettingDialog::showEvent(QShowEvent *event)
{
    loadClasses();
    refreshView();
    QDialog::showEvent(event);
}

void ClassSettingDialog::reject()
{
    commitOpenEdits();
    if (!m_modified)
        m_modified = isModified();
    if (m_modified
        && QMessageBox::question(this, tr("Class Setting Information"),
                                 tr("Class Information has been modified, do you want to save it?"),
                                 QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes)
        saveClasses(true);
    QDialog::reject();
}

void ClassSettingDialog::on_listView_clicked(const QModelIndex &index)
{
    if (!m_modified)
        m_modified = isModified();
    syncFromTable();
    if (index.row() != m_currentClass) {
        m_currentClass = index.row();
        fillStudentTable();
    }
}

void ClassSettingDialog::on_pushButton_7_clicked()
{
    syncFromTable();
    int n = 1;
    while (m_classNames.contains(QStringLiteral("Class %1").arg(n)))
        ++n;
    appendClass(QStringLiteral("Class %1").arg(n));
    m_classListModel->setStringList(m_classNames);
    m_currentClass = m_classNames.size() - 1;
    fillStudentTable();
    m_modified = true;
}

void ClassSettingDialog::on_pushButton_8_clicked()
{
    if (m_currentClass >= 0 && m_currentClass < m_classNames.size()) {
        m_classNames.removeAt(m_currentClass);
        m_ids.removeAt(m_currentClass);
        m_names.removeAt(m_currentClass);
        m_scores.removeAt(m_currentClass);
    }
    if (m_classNames.isEmpty())
        appendClass(QString::fromLatin1(kFirstClassName));
    m_classListModel->setStringList(m_classNames);
    if (m_currentClass >= m_classNames.size())
        m_currentClass = m_classNames.size() - 1;
    m_modified = true;
    fillStudentTable();
}

void ClassSettingDialog::on_pushButton_4_clicked()
{
    qint64 largest = 0;
    for (const qint64 id : tableIdValues())
        largest = std::max(largest, id);
    // The largest ID there is has no successor; the new row then repeats it.
    const qint64 next = largest < std::numeric_limits<qint64>::max() ? largest + 1 : largest;
    appendStudentRows({QString::number(next)}, QStringList(), QStringList());
    selectIdCell(m_studentModel->rowCount() - 1);
    m_modified = true;
    syncFromTable();
}

void ClassSettingDialog::on_pushButton_5_clicked()
{
    if (!m_batchDialog)
        m_batchDialog = new BatchAddIDDialog(this);
    m_batchDialog->exec();
}

void ClassSettingDialog::on_pushButton_6_clicked()
{
    std::set<int> rows;
    for (const QModelIndex &index : ui->tableView->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty())
        return;
    m_modified = true;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        m_studentModel->removeRow(*row);
    syncFromTable();

    const int remaining = m_studentModel->rowCount();
    if (remaining == 0)
        return;
    if (rows.size() == 1) {
        selectIdCell(std::min(*rows.cbegin(), remaining - 1));
        return;
    }
    const int next = *rows.crbegin() - int(rows.size()) + 1;
    if (next >= 0 && next < remaining)
        selectIdCell(next);
}

void ClassSettingDialog::on_pushButton_3_clicked()
{
    importRoster();
}

void ClassSettingDialog::on_pushButton_2_clicked()
{
    commitOpenEdits();
    saveClasses(true);
}

void ClassSettingDialog::on_pushButton_clicked()
{
    close();
}

void ClassSettingDialog::orderButton(int column)
{
    if (column == 0)
        sortById();
    else if (column == 1)
        sortByName();
    else if (column == 2)
        m_sortMenu->popup(QCursor::pos());
}

template<typename Key>
void ClassSettingDialog::applySortKeys(const std::vector<Key> &keys, int column)
{
    const std::vector<int> order = toggledSortOrder(keys);
    QStringList &ids = m_ids[m_currentClass];
    QStringList &names = m_names[m_currentClass];
    QStringList &scores = m_scores[m_currentClass];
    QStringList sortedIds, sortedNames, sortedScores;
    for (const int i : order) {
        sortedIds.append(ids.at(i));
        sortedNames.append(names.at(i));
        sortedScores.append(scores.at(i));
    }
    ids = sortedIds;
    names = sortedNames;
    scores = sortedScores;
    fillStudentTable();
    // The order turns round exactly when the keys were ascending already.
    const bool descending = std::is_sorted(keys.cbegin(), keys.cend());
    ui->tableView->horizontalHeader()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void ClassSettingDialog::sortById()
{
    takeOverTypedEdits();
    if (m_currentClass < 0 || m_currentClass >= m_classNames.size())
        return;
    QStringList &ids = m_ids[m_currentClass];
    std::vector<qint64> keys;
    keys.reserve(size_t(ids.size()));
    for (QString &id : ids) {
        id = id.simplified();
        keys.push_back(studentIdValue(id));
    }
    applySortKeys(keys, 0);
}

void ClassSettingDialog::sortByName()
{
    takeOverTypedEdits();
    if (m_currentClass < 0 || m_currentClass >= m_classNames.size())
        return;
    std::vector<QString> keys;
    keys.reserve(size_t(m_names.at(m_currentClass).size()));
    for (const QString &name : m_names.at(m_currentClass))
        keys.push_back(name.simplified());
    applySortKeys(keys, 1);
}

void ClassSettingDialog::SortByScore()
{
    takeOverTypedEdits();
    if (m_currentClass < 0 || m_currentClass >= m_classNames.size())
        return;
    std::vector<double> keys;
    averageScores(m_scores.at(m_currentClass), keys);
    applySortKeys(keys, 2);
}

void ClassSettingDialog::SortByNumScore()
{
    takeOverTypedEdits();
    if (m_currentClass < 0 || m_currentClass >= m_classNames.size())
        return;
    std::vector<uint> keys;
    keys.reserve(size_t(m_scores.at(m_currentClass).size()));
    for (const QString &score : m_scores.at(m_currentClass))
        keys.push_back(uint(score.size()));
    applySortKeys(keys, 2);
}

void ClassSettingDialog::writeScoreFile(const QString &className, double aScore, double fScore,
                                        ScoreRounding rounding, bool csv)
{
    const int k = classIndex(className);
    const QString path = scoreFilePath(m_dataDir, className, csv);
    if (k < 0 || path.isEmpty())
        return;
    // Written aside and renamed into place, so a failed write leaves the
    // previous file whole rather than cut short.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(scoreFileContent(m_ids.at(k), m_scores.at(k), aScore, fScore, rounding, csv));
    file.commit();
}

void ClassSettingDialog::openScoreFiles(const QString &className)
{
    for (const bool csv : {false, true}) {
        const QString path = scoreFilePath(m_dataDir, className, csv);
        if (!path.isEmpty())
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
}

void ClassSettingDialog::addIdRange(const QString &from, const QString &to)
{
    qint64 smallest = studentIdValue(from.simplified());
    qint64 largest = studentIdValue(to.simplified());
    if (smallest > largest)
        std::swap(smallest, largest);
    // The difference in unsigned arithmetic cannot overflow, whatever the ends.
    const quint64 span = quint64(largest) - quint64(smallest);
    if (span >= kLargestIdRange) {
        QMessageBox::question(this, tr("Warning!"), tr("You can't add more than 1000 students!"),
                              QMessageBox::Yes | QMessageBox::No);
        return;
    }

    const QSet<qint64> existing = tableIdValues();
    QStringList ids;
    for (quint64 step = 0; step <= span; ++step) {
        const qint64 id = qint64(quint64(smallest) + step);
        if (!existing.contains(id))
            ids.append(QString::number(id));
    }
    appendStudentRows(ids, QStringList(), QStringList());
    syncFromTable();
    m_modified = true;
}

void ClassSettingDialog::importRoster()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open ID File"), QString(),
                                                      tr("Text/CSV files (*.txt *.csv);;All files (*.*)"));
    if (path.isEmpty())
        return;
    // A device or pipe chosen under "All files" would be read for ever.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestImportFile)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const bool csv = info.suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    const std::vector<ImportedStudent> students = readImportFile(file.readAll(), csv);
    file.close();

    const QSet<qint64> existing = tableIdValues();
    QStringList ids, names;
    bool sawDuplicate = false;
    for (const ImportedStudent &student : students) {
        if (existing.contains(student.id)) {
            sawDuplicate = true;
            continue;
        }
        ids.append(QString::number(student.id));
        names.append(student.name);
    }

    QString message;
    if (!ids.isEmpty()) {
        appendStudentRows(ids, names, QStringList());
        m_modified = true;
        selectIdCell(m_studentModel->rowCount() - 1);
        syncFromTable();
        message = QStringLiteral("%1 record added in this file!").arg(ids.size());
    } else if (sawDuplicate) {
        message = QStringLiteral("0 record added in this file!");
    } else {
        message = QStringLiteral("Sorry, no ID and Name recognized in this file!");
    }
    QMessageBox::warning(this, tr("Warning"), message, QMessageBox::Ok);
}
