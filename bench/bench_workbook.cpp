// Times the Excel paths of the roster: reading a class list workbook of
// 10,000 rows (a title, a header row, number IDs, Chinese names) on its own
// and through the "Import..." button, and writing the score workbook of a
// class of 10,000 students with 100-letter score strings on its own and as
// the export does it. Run by hand: prints the median of several runs in
// milliseconds.

#include "app/appservices.h"
#include "roster/classsettingdialog.h"
#include "roster/rosterstore.h"
#include "roster/scoreworkbook.h"
#include "roster/workbookreader.h"

#include "benchsupport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <cstdio>
#include <random>

namespace {

const int kRows = 10000;
const int kLetters = 100;

// Takes the place of the desktop's file opener, so no viewer starts.
class NoOpener : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl &) {}
};

bool writeClassList(const QString &path)
{
    const char *const family[] = {"张", "李", "王", "刘", "陈", "杨", "赵", "黄"};
    const char *const given[] = {"伟", "娜", "芳", "敏", "静", "磊", "洋", "勇", "艳", "杰"};
    lxw_workbook *workbook = workbook_new(QFile::encodeName(path).constData());
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    worksheet_merge_range(sheet, 0, 0, 0, 2, "高一(3)班花名册", nullptr);
    worksheet_write_string(sheet, 1, 0, "序号", nullptr);
    worksheet_write_string(sheet, 1, 1, "学号", nullptr);
    worksheet_write_string(sheet, 1, 2, "姓名", nullptr);
    for (int i = 0; i < kRows; ++i) {
        const auto row = lxw_row_t(i + 2);
        const QByteArray name = QByteArray(family[i % 8]) + given[(i / 8) % 10] + given[(i / 80) % 10];
        worksheet_write_number(sheet, row, 0, i + 1, nullptr);
        worksheet_write_number(sheet, row, 1, 30000000 + i, nullptr);
        worksheet_write_string(sheet, row, 2, name.constData(), nullptr);
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    useTemporaryHome(home);
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NoOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");

    const QString listPath = home.path() + QStringLiteral("/class.xlsx");
    if (!writeClassList(listPath))
        return 1;
    std::printf("class list workbook of %d rows: %lld bytes\n", kRows,
                static_cast<long long>(QFile(listPath).size()));
    size_t students = 0;
    report("reading the workbook (WorkbookReader)", medianMs(11, [&] {
               QFile file(listPath);
               WorkbookReader reader;
               if (file.open(QIODevice::ReadOnly) && reader.read(file))
                   students = reader.students().students.size();
           }),
           1000);
    std::printf("students read: %zu\n", students);

    // An empty class to import into, the first one, which the dialog shows.
    {
        QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
        settings.beginWriteArray(QStringLiteral("Classes"));
        settings.setArrayIndex(0);
        settings.setValue(QStringLiteral("Name"), QStringLiteral("Empty"));
        settings.beginWriteArray(QStringLiteral("StudentInfor"));
        settings.endArray();
        settings.endArray();
    }
    RosterStore importStore(dataDirectory());
    ClassSettingDialog dialog(&importStore);
    auto *importButton = dialog.findChild<QPushButton *>(QStringLiteral("pushButton_3"));
    QString summary;
    report("importing it (file dialog to summary)", medianMs(5, [&] { importButton->click(); }, [&] {
               dialog.hide();
               dialog.show();
               answerImportDialogs(listPath, &summary);
           }),
           1000);
    std::printf("import summary: %s\n", qPrintable(summary));
    dialog.hide();

    std::mt19937 random(12345);
    QString scores;
    for (int k = 0; k < kLetters; ++k)
        scores += QChar('A' + int(random() % 6));
    writeBenchRoster(1, kRows, scores);
    const QString dataDir = home.path() + QStringLiteral("/Brimvale");
    QDir().mkpath(dataDir);
    RosterStore rosterStore(dataDirectory());
    ClassSettingDialog store(&rosterStore);
    store.loadClasses();
    QStringList ids, names;
    for (const QString &id : numberedIds(kRows)) {
        ids << id;
        names << QString::fromUtf8("学生 %1").arg(ids.size());
    }
    const QStringList scoreStrings(QVector<QString>(kRows, scores).toList());
    const QString workbookPath = home.path() + QStringLiteral("/Big_score100.xlsx");
    report("writing the score workbook (ScoreWorkbook::write)", medianMs(11, [&] {
               ScoreWorkbook::write(workbookPath, QStringLiteral("Big"), ids, names, scoreStrings, 30, 10, KeepFloat);
           }),
           1000);
    std::printf("score workbook of %d students: %lld bytes\n", kRows,
                static_cast<long long>(QFile(workbookPath).size()));
    report("exporting class 1 (write and open)",
           medianMs(11, [&] { store.exportScoreWorkbook(QStringLiteral("Class 1"), 30, 10, KeepFloat); }), 1000);
    std::printf("exported: %s\n", QFile::exists(dataDir + QStringLiteral("/Class 1_score100.xlsx")) ? "yes" : "no");
    return 0;
}

#include "bench_workbook.moc"
