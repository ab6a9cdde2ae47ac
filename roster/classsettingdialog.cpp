#include "roster/classsettingdialog.h"
#include "ui_classsettingdialog.h"

#include "app/appservices.h"
#include "roster/batchaddiddialog.h"
#include "roster/importfilecheck.h"
#include "roster/importreader.h"
#include "roster/refusingitemdelegate.h"
#include "roster/rosterimport.h"
#include "roster/rosterorder.h"
#include "roster/rosterstore.h"
#include "roster/studentidcheck.h"
#include "roster/studentids.h"
#include "roster/truncatingitemdelegate.h"
#include "roster/workbookreader.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelection>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QUrl>

#include <algorithm>
#include <limits>
#include <set>

namespace {
const int kIdColumnWidth = 150;
const quint64 kLargestIdRange = 1000;
// Which student of the store a table row is, kept in its ID cell.
const int kStudentKeyRole = Qt::UserRole + 1;
}

ClassSettingDialog::ClassSettingDialog(RosterStore *store, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_store(store)
    , ui(new Ui::ClassSettingDialog)
{
    ui->setupUi(this);
    connect(m_store, &RosterStore::saveFailed, this, &ClassSettingDialog::reportSaveFailure);
    // The roster is first read while the main window is still being built;
    // the message waits for the event loop, when the window is whole.
    connect(m_store, &RosterStore::damagedFileKept, this, &ClassSettingDialog::reportDamagedFile,
            Qt::QueuedConnection);
    m_classListModel = new QStringListModel(this);
    ui->listView->setModel(m_classListModel);
    m_studentModel = new QStandardItemModel(0, 3, this);
    ui->tableView->setModel(m_studentModel);
    ui->tableView->setItemDelegate(new TruncatingItemDelegate(ui->tableView));
    auto *idDelegate = new RefusingItemDelegate(
        [](const QModelIndex &, const QString &id) {
            return StudentIdCheck::isWholeNumber(id) ? QString() : StudentIdCheck::notAnIdMessage(id.simplified());
        },
        ui->tableView);
    ui->tableView->setItemDelegateForColumn(0, idDelegate);
    auto *classNameDelegate = new RefusingItemDelegate(
        [this](const QModelIndex &index, const QString &name) {
            const QStringList names = m_classListModel->stringList();
            for (int row = 0; row < names.size(); ++row) {
                if (row != index.row() && names.at(row) == name)
                    return tr("There is a class named %1 already. The class keeps its name %2.")
                        .arg(name, index.data().toString());
            }
            return QString();
        },
        ui->listView);
    ui->listView->setItemDelegate(classNameDelegate);
    // Told once the editor has closed, which a box opened while it commits
    // would make it commit again.
    for (RefusingItemDelegate *delegate : {idDelegate, classNameDelegate})
        connect(delegate, &RefusingItemDelegate::refused, this, &ClassSettingDialog::tellRefusal, Qt::QueuedConnection);
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

void ClassSettingDialog::loadClasses()
{
    m_store->loadClasses();
    m_modified = false;
}

bool ClassSettingDialog::saveClasses(bool syncFirst)
{
    if (syncFirst) {
        syncFromTable();
        if (refuseRepeatedIds()) {
            m_modified = true;
            return false;
        }
    }
    m_modified = false;
    m_store->saveClasses();
    return true;
}

bool ClassSettingDialog::refuseRepeatedIds()
{
    // Saving would make one student of two: the draw, the scores and the
    // directories know a student by the number alone.
    const int current = m_store->currentClass();
    std::vector<int> order{current};
    for (int k = 0; k < m_store->classCount(); ++k) {
        if (k != current)
            order.push_back(k);
    }
    for (const int k : order) {
        if (k < 0 || k >= m_store->classCount())
            continue;
        const QList<int> rows = StudentIdCheck::firstRepeatedId(m_store->ids(k));
        if (rows.isEmpty())
            continue;
        if (k != current) {
            m_store->setCurrentClass(k);
            fillStudentTable();
        }
        QItemSelection selection;
        for (const int row : rows)
            selection.select(m_studentModel->index(row, 0), m_studentModel->index(row, 0));
        ui->tableView->selectionModel()->select(selection,
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QMessageBox::warning(this, tr("Warning"), StudentIdCheck::usedTwiceMessage(m_store->ids(k).at(rows.first())));
        return true;
    }
    return false;
}

void ClassSettingDialog::tellRefusal(const QString &reason)
{
    QMessageBox::warning(this, tr("Warning"), reason);
}

void ClassSettingDialog::tellWhenNoFileName(const QString &className)
{
    if (m_store->classIndex(className) < 0)
        return;
    const QString warning = m_store->fileNameWarning(className);
    if (!warning.isEmpty())
        QMessageBox::warning(parentWidget() ? parentWidget() : this, tr("Files Not Written"), warning);
}

void ClassSettingDialog::reportSaveFailure(const QString &settingsFile)
{
    if (m_saveFailureReported)
        return;
    m_saveFailureReported = true;
    QMessageBox::warning(parentWidget() ? parentWidget() : this, tr("Scores Not Saved"),
                         tr("Zandrel cannot save the classes and scores to\n%1\n\n"
                            "The scores given are kept while Zandrel runs, and every new score "
                            "tries to save them again. Check that the disk has free space and "
                            "that this folder can be written to.")
                             .arg(QDir::toNativeSeparators(settingsFile)));
}

void ClassSettingDialog::reportDamagedFile(const QString &copyPath)
{
    QMessageBox::warning(parentWidget() ? parentWidget() : this, tr("Class List Damaged"),
                         tr("The class list could not be read completely. A copy of it was kept: %1")
                             .arg(QDir::toNativeSeparators(copyPath)));
}

void ClassSettingDialog::classNames(std::vector<QString> &names) const
{
    m_store->classNames(names);
}

void ClassSettingDialog::studentIds(const QString &className, std::vector<QString> &ids)
{
    m_store->studentIds(className, ids);
}

void ClassSettingDialog::selectClass(const QString &className)
{
    m_store->selectClass(className);
}

bool ClassSettingDialog::hasStudent(const QString &className, const QString &id) const
{
    return m_store->hasStudent(className, id);
}

void ClassSettingDialog::appendScore(const QString &id, char letter)
{
    m_store->appendScore(id, letter);
    m_modified = false;
}

bool ClassSettingDialog::removeLastScore(const QString &id, char letter)
{
    if (!m_store->removeLastScore(id, letter))
        return false;
    m_modified = false;
    return true;
}

void ClassSettingDialog::classStudents(const QString &className, QStringList &ids, QStringList &names) const
{
    m_store->classStudents(className, ids, names);
}

void ClassSettingDialog::syncFromTable()
{
    if (!m_store->hasCurrentClass())
        return;
    const int current = m_store->currentClass();
    if (current < m_classListModel->rowCount())
        m_store->renameClass(current, m_classListModel->index(current).data().toString());

    // Every row is kept, also one whose ID another row has: saving refuses
    // them until one is changed, and nothing typed is lost meanwhile.
    QStringList ids, names, scores;
    QList<quint64> keys;
    const int rows = m_studentModel->rowCount();
    for (int row = 0; row < rows; ++row) {
        ids.append(cellText(row, 0).simplified());
        names.append(cellText(row, 1));
        scores.append(cellText(row, 2));
        const QStandardItem *idItem = m_studentModel->item(row, 0);
        keys.append(idItem ? idItem->data(kStudentKeyRole).toULongLong() : 0);
    }
    m_store->setStudents(current, ids, names, scores, keys);
    // New rows now are students of the store; the next synchronisation
    // must find them as the same.
    const QList<quint64> &storeKeys = m_store->studentKeys(current);
    for (int row = 0; row < rows; ++row) {
        if (keys.at(row) != storeKeys.at(row)) {
            if (QStandardItem *idItem = m_studentModel->item(row, 0))
                idItem->setData(storeKeys.at(row), kStudentKeyRole);
        }
    }
}

bool ClassSettingDialog::isModified() const
{
    const QStringList &classNames = m_store->classNameList();
    if (m_classListModel->rowCount() != classNames.size())
        return true;
    const bool hasCurrentClass = m_store->hasCurrentClass();
    const int current = m_store->currentClass();
    if (hasCurrentClass && m_studentModel->rowCount() != m_store->ids(current).size())
        return true;
    for (int k = 0; k < classNames.size(); ++k) {
        if (m_classListModel->index(k).data().toString() != classNames.at(k))
            return true;
    }
    if (!hasCurrentClass)
        return false;
    const QStringList &ids = m_store->ids(current);
    const QStringList &names = m_store->names(current);
    const QStringList &scores = m_store->scores(current);
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
    m_store->setCurrentClass(0);
    m_classListModel->setStringList(m_store->classNameList());
    fillStudentTable();
    m_modified = false;
}

void ClassSettingDialog::fillStudentTable()
{
    m_studentModel->clear();
    m_studentModel->setColumnCount(3);
    m_studentModel->setHorizontalHeaderLabels({tr("ID"), tr("Name"), tr("Score")});
    ui->tableView->setColumnWidth(0, kIdColumnWidth);
    const int current = m_store->currentClass();
    ui->listView->setCurrentIndex(m_classListModel->index(current));
    if (m_store->hasCurrentClass())
        appendStudentRows(m_store->ids(current), m_store->names(current), m_store->scores(current),
                          m_store->studentKeys(current));
}

void ClassSettingDialog::appendStudentRows(const QStringList &ids, const QStringList &names, const QStringList &scores,
                                           const QList<quint64> &keys)
{
    // Whole rows at once: an item set into an existing row announces a
    // change of its own, which made filling a large class thirty times slower.
    for (int i = 0; i < ids.size(); ++i) {
        auto *idItem = new QStandardItem(ids.at(i));
        idItem->setData(keys.value(i), kStudentKeyRole);
        m_studentModel->appendRow({idItem, new QStandardItem(names.value(i)), new QStandardItem(scores.value(i))});
    }
}

void ClassSettingDialog::selectIdCell(int row)
{
    ui->tableView->setCurrentIndex(m_studentModel->index(row, 0));
}

void ClassSettingDialog::showEvent(QShowEvent *event)
{
    // The window system's own show events bring back a window that was
    // minimized, with everything typed into it; only a new showing reloads.
    if (!event->spontaneous()) {
        loadClasses();
        refreshView();
    }
    QDialog::showEvent(event);
}

void ClassSettingDialog::reject()
{
    commitOpenEdits();
    if (!m_modified)
        m_modified = isModified();
    // A save refused keeps the window open with everything typed in it.
    if (m_modified
        && QMessageBox::question(this, tr("Class Setting Information"),
                                 tr("Class Information has been modified, do you want to save it?"),
                                 QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes
        && !saveClasses(true))
        return;
    QDialog::reject();
}

void ClassSettingDialog::on_listView_clicked(const QModelIndex &index)
{
    if (!m_modified)
        m_modified = isModified();
    syncFromTable();
    if (index.row() != m_store->currentClass()) {
        m_store->setCurrentClass(index.row());
        fillStudentTable();
    }
}

void ClassSettingDialog::on_pushButton_7_clicked()
{
    syncFromTable();
    int n = 1;
    while (m_store->classNameList().contains(QStringLiteral("Class %1").arg(n)))
        ++n;
    m_store->appendClass(QStringLiteral("Class %1").arg(n));
    m_classListModel->setStringList(m_store->classNameList());
    m_store->setCurrentClass(m_store->classCount() - 1);
    fillStudentTable();
    m_modified = true;
}

void ClassSettingDialog::on_pushButton_8_clicked()
{
    const int students = m_studentModel->rowCount();
    if (students > 0) {
        const QString name = m_classListModel->index(m_store->currentClass()).data().toString();
        QMessageBox box(QMessageBox::Question, tr("Delete Class"),
                        tr("Delete the class %1 with %n students and their scores?", nullptr, students).arg(name),
                        QMessageBox::NoButton, this);
        QPushButton *remove = box.addButton(tr("Delete"), QMessageBox::DestructiveRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        if (box.clickedButton() != remove)
            return;
    }
    m_store->removeClass(m_store->currentClass());
    m_classListModel->setStringList(m_store->classNameList());
    if (m_store->currentClass() >= m_store->classCount())
        m_store->setCurrentClass(m_store->classCount() - 1);
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
    appendStudentRows({QString::number(next)}, QStringList(), QStringList(), {});
    selectIdCell(m_studentModel->rowCount() - 1);
    m_modified = true;
    syncFromTable();
}

void ClassSettingDialog::on_pushButton_5_clicked()
{
    if (!m_batchDialog) {
        m_batchDialog = new BatchAddIDDialog(this);
        connect(m_batchDialog, &BatchAddIDDialog::rangeRequested, this, &ClassSettingDialog::addIdRange);
    }
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
    const int current = m_store->currentClass();
    const QStringList &ids = m_store->ids(current);
    const QStringList &names = m_store->names(current);
    const QStringList &scores = m_store->scores(current);
    const QList<quint64> &studentKeys = m_store->studentKeys(current);
    QStringList sortedIds, sortedNames, sortedScores;
    QList<quint64> sortedKeys;
    for (const int i : order) {
        sortedIds.append(ids.at(i));
        sortedNames.append(names.at(i));
        sortedScores.append(scores.at(i));
        sortedKeys.append(studentKeys.at(i));
    }
    m_store->setStudents(current, sortedIds, sortedNames, sortedScores, sortedKeys);
    fillStudentTable();
    // The order turns round exactly when the keys were ascending already.
    const bool descending = std::is_sorted(keys.cbegin(), keys.cend());
    ui->tableView->horizontalHeader()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void ClassSettingDialog::sortById()
{
    takeOverTypedEdits();
    if (!m_store->hasCurrentClass())
        return;
    const int current = m_store->currentClass();
    QStringList ids = m_store->ids(current);
    std::vector<qint64> keys;
    keys.reserve(size_t(ids.size()));
    for (QString &id : ids) {
        id = id.simplified();
        keys.push_back(studentIdValue(id));
    }
    m_store->setStudents(current, ids, m_store->names(current), m_store->scores(current),
                         m_store->studentKeys(current));
    applySortKeys(keys, 0);
}

void ClassSettingDialog::sortByName()
{
    takeOverTypedEdits();
    if (!m_store->hasCurrentClass())
        return;
    const QStringList &names = m_store->names(m_store->currentClass());
    std::vector<QString> keys;
    keys.reserve(size_t(names.size()));
    for (const QString &name : names)
        keys.push_back(name.simplified());
    applySortKeys(keys, 1);
}

void ClassSettingDialog::SortByScore()
{
    takeOverTypedEdits();
    if (!m_store->hasCurrentClass())
        return;
    std::vector<double> keys;
    averageScores(m_store->scores(m_store->currentClass()), keys);
    applySortKeys(keys, 2);
}

void ClassSettingDialog::SortByNumScore()
{
    takeOverTypedEdits();
    if (!m_store->hasCurrentClass())
        return;
    const QStringList &scores = m_store->scores(m_store->currentClass());
    std::vector<uint> keys;
    keys.reserve(size_t(scores.size()));
    for (const QString &score : scores)
        keys.push_back(uint(score.size()));
    applySortKeys(keys, 2);
}

void ClassSettingDialog::writeScoreFile(const QString &className, double aScore, double fScore,
                                        ScoreRounding rounding, bool csv)
{
    tellWhenNoFileName(className);
    m_store->writeScoreFile(className, aScore, fScore, rounding, csv);
}

void ClassSettingDialog::openScoreFiles(const QString &className)
{
    for (const QString &path : m_store->scoreFilePaths(className))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ClassSettingDialog::exportScoreWorkbook(const QString &className, double aScore, double fScore,
                                             ScoreRounding rounding)
{
    tellWhenNoFileName(className);
    // A workbook that could not be written is not opened, so an older one
    // is never shown as the new result.
    const QString path = m_store->writeScoreWorkbook(className, aScore, fScore, rounding);
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ClassSettingDialog::addIdRange(const QString &from, const QString &to)
{
    for (const QString &end : {from, to}) {
        if (!StudentIdCheck::isWholeNumber(end)) {
            QMessageBox::warning(this, tr("Warning"), StudentIdCheck::notAnIdMessage(end.simplified()));
            return;
        }
    }
    qint64 smallest = studentIdValue(from.simplified());
    qint64 largest = studentIdValue(to.simplified());
    if (smallest > largest)
        std::swap(smallest, largest);
    // The difference in unsigned arithmetic cannot overflow, whatever the ends.
    const quint64 span = quint64(largest) - quint64(smallest);
    if (span >= kLargestIdRange) {
        QMessageBox::warning(this, tr("Warning!"), tr("You can't add more than 1000 students!"), QMessageBox::Ok);
        return;
    }

    const QSet<qint64> existing = tableIdValues();
    QStringList ids;
    for (quint64 step = 0; step <= span; ++step) {
        const qint64 id = qint64(quint64(smallest) + step);
        if (!existing.contains(id))
            ids.append(QString::number(id));
    }
    appendStudentRows(ids, QStringList(), QStringList(), {});
    syncFromTable();
    m_modified = true;
}

void ClassSettingDialog::importRoster()
{
    const QStringList filters{tr("Text/CSV files (*.txt *.csv)"), tr("Excel Workbook (*.xlsx)"),
                              tr("All files (*.*)")};
    const QString path = QFileDialog::getOpenFileName(this, tr("Open ID File"), QString(),
                                                      filters.join(QStringLiteral(";;")));
    if (path.isEmpty())
        return;
    QFile file(path);
    const QString problem = ImportFileCheck::open(file);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, tr("Warning"), problem, QMessageBox::Ok);
        return;
    }
    const QFileInfo info(path);
    ImportedStudents imported;
    QString sheetName;
    const bool workbookFile = WorkbookReader::isWorkbook(info.suffix(), file);
    if (workbookFile) {
        WorkbookReader workbook;
        if (!workbook.read(file)) {
            QMessageBox::warning(this, tr("Warning"), workbook.errorMessage(), QMessageBox::Ok);
            return;
        }
        imported = workbook.students();
        if (workbook.sheetCount() > 1)
            sheetName = workbook.sheetName();
    } else {
        const bool csv = info.suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
        imported = readImportFile(file.readAll(), csv);
    }
    file.close();

    QStringList tableIds, tableNames;
    for (int row = 0; row < m_studentModel->rowCount(); ++row) {
        tableIds.append(cellText(row, 0));
        tableNames.append(cellText(row, 1));
    }
    const RosterImport rosterImport(tableIds, tableNames, imported);
    for (const auto &filled : rosterImport.filledNames())
        m_studentModel->setItem(filled.first, 1, new QStandardItem(filled.second));
    if (!rosterImport.addedIds().isEmpty()) {
        appendStudentRows(rosterImport.addedIds(), rosterImport.addedNames(), QStringList(), {});
        selectIdCell(m_studentModel->rowCount() - 1);
    }
    if (!rosterImport.addedIds().isEmpty() || !rosterImport.filledNames().empty()) {
        m_modified = true;
        syncFromTable();
    }
    QMessageBox::warning(this, tr("Warning"), rosterImport.summary(!workbookFile, sheetName), QMessageBox::Ok);
}
