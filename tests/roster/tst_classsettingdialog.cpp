#include "roster/averagescores.h"
#include "roster/classsettingdialog.h"
#include "roster/drawsettings.h"

#include "../support/classsettingdialogwithstore.h"
#include "../support/libreoffice.h"
#include "../support/modalanswerer.h"
#include "../support/recordingservices.h"
#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"
#include "../support/urlrecorder.h"
#include "../support/widgetlookup.h"
#include "../support/workbookfiles.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTextCodec>
#include <QTranslator>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>

Q_DECLARE_METATYPE(ScoreRounding)
Q_DECLARE_METATYPE(QDialogButtonBox::StandardButton)

class TestClassSettingDialog : public QObject
{
    Q_OBJECT

private:
    std::optional<RecordingServices> m_services;

    static QString dataDir() { return TestEnvironment::homePath() + QStringLiteral("/Brimvale"); }

    static void click(QWidget &dialog, const char *button)
    {
        QTest::mouseClick(findByName<QPushButton>(dialog, button), Qt::LeftButton);
    }

    static QStringList tableColumn(QWidget &dialog, int column)
    {
        QAbstractItemModel *model = findByName<QTableView>(dialog, "tableView")->model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }

    static QStringList classList(QWidget &dialog)
    {
        QAbstractItemModel *model = findByName<QListView>(dialog, "listView")->model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, 0).data().toString();
        return texts;
    }

    static QList<int> selectedRows(QWidget &dialog)
    {
        QList<int> rows;
        for (const QModelIndex &index : findByName<QTableView>(dialog, "tableView")->selectionModel()->selectedRows())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    // Double-clicks the item, types the text over it and, unless told not
    // to, presses Enter.
    static void typeInto(QAbstractItemView *view, const QModelIndex &index, const QString &text, bool enter = true)
    {
        const QPoint centre = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        if (enter)
            QTest::keyClick(editor, Qt::Key_Return);
    }

    static void typeIntoCell(QWidget &dialog, int row, int column, const QString &text, bool enter = true)
    {
        auto *table = findByName<QTableView>(dialog, "tableView");
        typeInto(table, table->model()->index(row, column), text, enter);
    }

    static void clickHeader(QWidget &dialog, int column)
    {
        QHeaderView *header = findByName<QTableView>(dialog, "tableView")->horizontalHeader();
        const QPoint point(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                           header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    }

    static void chooseSortMenuEntry(QWidget &dialog, const QString &text)
    {
        clickHeader(dialog, 2);
        QMenu *menu = nullptr;
        for (QMenu *each : dialog.findChildren<QMenu *>())
            if (each->isVisible())
                menu = each;
        QVERIFY(menu);
        for (QAction *action : menu->actions())
            if (action->text() == text)
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
        QTRY_VERIFY(!menu->isVisible());
    }

    // Shows the dialog as the main window's menu does and leaves it open.
    static void open(ClassSettingDialog &dialog)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

    static QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = TestEnvironment::homePath() + QLatin1Char('/') + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Presses "Import...", types the path into the file dialog, accepts it
    // and answers the summary box; returns the summary's text.
    static QString importThroughTheDialog(QWidget &dialog, const QString &path)
    {
        // The summary opens only after the file dialog's own loop has ended,
        // so its answerer must outlive the action on the file dialog.
        std::unique_ptr<ModalAnswerer> summaryAnswerer;
        ModalAnswerer fileAnswerer([&summaryAnswerer, &path](QWidget *modal) {
            auto *fileDialog = qobject_cast<QFileDialog *>(modal);
            if (!fileDialog) {
                modal->close();
                return;
            }
            // In the language installed, English when there is none.
            const auto shown = [](const char *text) { return QCoreApplication::translate("ClassSettingDialog", text); };
            QCOMPARE(fileDialog->windowTitle(), shown("Open ID File"));
            QCOMPARE(fileDialog->nameFilters(),
                     (QStringList{shown("Text/CSV files (*.txt *.csv)"), shown("Excel Workbook (*.xlsx)"),
                                  shown("All files (*.*)")}));
            auto *nameEdit = fileDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(nameEdit);
            QTest::keyClicks(nameEdit, path);
            QTest::keyClick(nameEdit, Qt::Key_Return);
            summaryAnswerer.reset(new ModalAnswerer);
        });
        click(dialog, "pushButton_3");
        if (!fileAnswerer.answered() || !summaryAnswerer || !summaryAnswerer->answered())
            return QStringLiteral("(no file dialog or no summary)");
        if (summaryAnswerer->title() != QCoreApplication::translate("ClassSettingDialog", "Warning"))
            return QStringLiteral("(summary titled %1)").arg(summaryAnswerer->title());
        return summaryAnswerer->text();
    }

    // Opens "Batch Add Student", fills the range, presses "Apply" once per
    // application and closes the window; returns the text of a box that
    // "Apply" raised, if any.
    static QString batchAdd(QWidget &dialog, const QString &from, const QString &to, int applications = 1)
    {
        QString boxText;
        ModalAnswerer answerer([&](QWidget *modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Input ID Range"));
            auto *first = findByName<QLineEdit>(*modal, "lineEdit");
            auto *last = findByName<QLineEdit>(*modal, "lineEdit_2");
            first->clear();
            last->clear();
            QTest::keyClicks(first, from);
            QTest::keyClicks(last, to);
            for (int i = 0; i < applications; ++i) {
                ModalAnswerer boxAnswerer(QDialogButtonBox::No, 300);
                click(*modal, "pushButton_2");
                if (boxAnswerer.answered())
                    boxText = boxAnswerer.title() + QLatin1Char('|') + boxAnswerer.text();
            }
            click(*modal, "pushButton");
        });
        click(dialog, "pushButton_5");
        if (!answerer.answered())
            qWarning("the batch window never opened");
        return boxText;
    }

    // Presses "Delete Class" and answers its question with the button of
    // that text; returns the question, empty when none was asked.
    static QString deleteClass(QWidget &dialog, const QString &answer)
    {
        QString question;
        ModalAnswerer answerer(
            [&](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                QVERIFY(box);
                QStringList texts;
                for (QAbstractButton *button : box->buttons())
                    texts << button->text();
                std::sort(texts.begin(), texts.end());
                QCOMPARE(texts, (QStringList{"Cancel", "Delete"}));
                question = box->text();
                for (QAbstractButton *button : box->buttons())
                    if (button->text() == answer)
                        button->click();
            },
            answer.isEmpty() ? 300 : 5000);
        click(dialog, "pushButton_8");
        if (answer.isEmpty())
            QTest::qWait(400);
        return question;
    }

    static QStringList numbers(int first, int last)
    {
        QStringList ids;
        for (int id = first; id <= last; ++id)
            ids << QString::number(id);
        return ids;
    }

    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        TestEnvironment::clearUserData();
        QDir().mkpath(dataDir());
        // The main window's side as the dialogs see it: the data directory,
        // and averages on the average dialog's untouched scale (A = 30, F = 10).
        m_services.emplace();
        m_services->dataDir = dataDir();
        m_services->averages = [](const QStringList &scoreStrings, std::vector<double> &averages) {
            computeAverages(scoreStrings, 30, 10, RoundOff, averages);
        };
    }

    void cleanup() { m_services.reset(); }

    void showingLoadsTheRosterIntoListAndTable()
    {
        seedRoster({{QStringLiteral("Maths"), {"1001", "1002"}, {"Tom", QString::fromUtf8("张伟")}, {"AB", ""}},
                    {QStringLiteral("Art"), {"7"}, {"Ann"}, {"C"}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Class Setting"));
        QCOMPARE(classList(dialog), (QStringList{"Maths", "Art"}));
        QCOMPARE(findByName<QListView>(dialog, "listView")->currentIndex().row(), 0);
        QAbstractItemModel *model = findByName<QTableView>(dialog, "tableView")->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ID"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Score"));
        QCOMPARE(findByName<QTableView>(dialog, "tableView")->columnWidth(0), 150);
        QCOMPARE(tableColumn(dialog, 1), (QStringList{"Tom", QString::fromUtf8("张伟")}));

        auto *list = findByName<QListView>(dialog, "listView");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualRect(list->model()->index(1, 0)).center());
        QCOMPARE(tableColumn(dialog, 0), QStringList{"7"});
        QCOMPARE(tableColumn(dialog, 2), QStringList{"C"});
    }

    void restoringFromMinimizedKeepsTypedEdits()
    {
        seedRoster({{QStringLiteral("Maths"), {"1001", "1002"}, {"Tom", "Al"}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        typeIntoCell(dialog, 1, 1, QStringLiteral("Alice"));
        QTRY_COMPARE(tableColumn(dialog, 1), (QStringList{"Tom", "Alice"}));
        dialog.showMinimized();
        QTRY_VERIFY(dialog.isMinimized());
        dialog.showNormal();
        QTRY_VERIFY(!dialog.isMinimized());
        QCOMPARE(tableColumn(dialog, 1), (QStringList{"Tom", "Alice"}));

        ModalAnswerer answerer(QDialogButtonBox::Yes);
        dialog.close();
        QVERIFY(answerer.answered());
        QCOMPARE(storedRoster()[0].names, (QStringList{"Tom", "Alice"}));

        // A new showing reads the roster afresh.
        seedRoster({{QStringLiteral("Art"), {"7"}, {}, {}}});
        open(dialog);
        QCOMPARE(classList(dialog), QStringList{"Art"});
    }

    void addClassTakesTheFirstFreeNumber()
    {
        seedRoster({{QStringLiteral("Class 1"), {"1"}, {}, {}}, {QStringLiteral("Class 3"), {}, {}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        click(dialog, "pushButton_7");
        QCOMPARE(classList(dialog), (QStringList{"Class 1", "Class 3", "Class 2"}));
        QCOMPARE(findByName<QListView>(dialog, "listView")->currentIndex().row(), 2);
        QVERIFY(tableColumn(dialog, 0).isEmpty());
        click(dialog, "pushButton_7");
        QCOMPARE(classList(dialog), (QStringList{"Class 1", "Class 3", "Class 2", "Class 4"}));

        click(dialog, "pushButton_2");
        QVERIFY(dialog.isVisible());
        const QVector<SeedClass> stored = storedRoster();
        QCOMPARE(stored.size(), 4);
        QCOMPARE(stored[3].name, QStringLiteral("Class 4"));
        QCOMPARE(stored[0].ids, QStringList{"1"});
    }

    void deletingTheLastClassLeavesClassOne()
    {
        seedRoster({{QStringLiteral("Maths"), {"1"}, {}, {}}, {QStringLiteral("Art"), {"2"}, {}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        QVERIFY(!deleteClass(dialog, QStringLiteral("Delete")).isEmpty());
        QCOMPARE(classList(dialog), QStringList{"Art"});
        QCOMPARE(tableColumn(dialog, 0), QStringList{"2"});
        deleteClass(dialog, QStringLiteral("Delete"));
        QCOMPARE(classList(dialog), QStringList{"Class 1"});
        QVERIFY(tableColumn(dialog, 0).isEmpty());
    }

    void deletingAClassWithStudentsAsksFirst_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("classesAfter");
        QTest::newRow("cancelled") << QStringList{"1", "2"} << "Cancel"
                                   << "Delete the class Maths with 2 students and their scores?"
                                   << QStringList{"Maths", "Art"};
        QTest::newRow("deleted") << QStringList{"1", "2"} << "Delete"
                                 << "Delete the class Maths with 2 students and their scores?" << QStringList{"Art"};
        QTest::newRow("empty class, no question") << QStringList{} << ""
                                                  << "" << QStringList{"Art"};
    }

    void deletingAClassWithStudentsAsksFirst()
    {
        QFETCH(QStringList, ids);
        QFETCH(QString, answer);
        QFETCH(QString, question);
        QFETCH(QStringList, classesAfter);
        seedRoster({{QStringLiteral("Maths"), ids, {}, {"A"}}, {QStringLiteral("Art"), {"7"}, {}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        QCOMPARE(deleteClass(dialog, answer), question);
        QCOMPARE(classList(dialog), classesAfter);
        QCOMPARE(tableColumn(dialog, 0), classesAfter.size() == 2 ? ids : QStringList{"7"});
    }

    void saveRefusesTwoStudentsWithOneId_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("typedId");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");
        const QString taken = QStringLiteral("The ID %1 is used by two students. Change one of them before saving.");
        QTest::newRow("Apply") << QStringList{"1001", "1002"} << "1001"
                               << "apply" << taken.arg("1001");
        QTest::newRow("leading zeros are the same number") << QStringList{"0012", "13"} << "12"
                                                           << "apply" << taken.arg("0012");
        QTest::newRow("saved when closing") << QStringList{"1001", "1002"} << "1001"
                                            << "close" << taken.arg("1001");
        QTest::newRow("another class chosen in between") << QStringList{"1001", "1002"} << "1001"
                                                         << "switch" << taken.arg("1001");
    }

    void saveRefusesTwoStudentsWithOneId()
    {
        QFETCH(QStringList, ids);
        QFETCH(QString, typedId);
        QFETCH(QString, how);
        QFETCH(QString, message);
        seedRoster(
            {{QStringLiteral("Maths"), ids, {"Tom", "Ann"}, {"A", "BB"}}, {QStringLiteral("Art"), {"7"}, {}, {}}});
        const QVector<SeedClass> before = storedRoster();
        ClassSettingDialogWithStore dialog;
        open(dialog);
        typeIntoCell(dialog, 1, 0, typedId);
        if (how == QLatin1String("switch")) {
            auto *list = findByName<QListView>(dialog, "listView");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                              list->visualRect(list->model()->index(1, 0)).center());
            QCOMPARE(tableColumn(dialog, 0), QStringList{"7"});
        }
        std::unique_ptr<ModalAnswerer> refusal;
        if (how == QLatin1String("close")) {
            ModalAnswerer yes([&refusal](QWidget *modal) {
                refusal.reset(new ModalAnswerer);
                qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click();
            });
            dialog.close();
            QVERIFY(yes.answered());
        } else {
            refusal.reset(new ModalAnswerer);
            click(dialog, "pushButton_2");
        }
        QVERIFY(refusal->answered());
        QCOMPARE(refusal->text(), message);
        QVERIFY(dialog.isVisible());
        QCOMPARE(storedRoster()[0].ids, before[0].ids);
        QCOMPARE(storedRoster()[0].scores, before[0].scores);
        // Nothing typed is lost, and the two rows are shown.
        QCOMPARE(findByName<QListView>(dialog, "listView")->currentIndex().row(), 0);
        QCOMPARE(tableColumn(dialog, 0), (QStringList{ids.at(0), typedId}));
        QCOMPARE(tableColumn(dialog, 1), (QStringList{"Tom", "Ann"}));
        QCOMPARE(selectedRows(dialog), (QList<int>{0, 1}));

        // The box gave the window's focus away.
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        typeIntoCell(dialog, 1, 0, QStringLiteral("1003"));
        if (QTest::currentTestFailed())
            return;
        click(dialog, "pushButton_2");
        QCOMPARE(storedRoster()[0].ids, (QStringList{ids.at(0), "1003"}));
        QCOMPARE(storedRoster()[0].names, (QStringList{"Tom", "Ann"}));
        QCOMPARE(storedRoster()[0].scores, (QStringList{"A", "BB"}));
    }

    void typedIdThatIsNotAWholeNumberIsRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("typedId");
        QTest::newRow("letters") << "abc";
        QTest::newRow("a letter first") << "S01";
        QTest::newRow("18 digits and X") << "11010519900101123X";
        QTest::newRow("beyond 64 bits") << "99999999999999999999";
        QTest::newRow("two numbers") << "10 05";
        QTest::newRow("a fraction") << "12.5";
    }

    void typedIdThatIsNotAWholeNumberIsRefusedAtOnce()
    {
        QFETCH(QString, typedId);
        seedRoster({{QStringLiteral("Maths"), {"1001", "1002"}, {"Tom", "Ann"}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        ModalAnswerer answerer;
        typeIntoCell(dialog, 1, 0, typedId);
        QTRY_VERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Warning"));
        QCOMPARE(answerer.text(), typedId + QStringLiteral(" is not a student ID: an ID is a whole number."));
        QCOMPARE(tableColumn(dialog, 0), (QStringList{"1001", "1002"}));

        ModalAnswerer noQuestion(QDialogButtonBox::Yes, 300);
        dialog.close();
        QVERIFY(!noQuestion.answered());
        QCOMPARE(storedRoster()[0].ids, (QStringList{"1001", "1002"}));
    }

    void renamingToANameInUseIsRefused_data()
    {
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<bool>("refused");
        QTest::newRow("the name of another class") << "Art" << true;
        QTest::newRow("another case is another name") << "art" << false;
        QTest::newRow("a new name") << "Music" << false;
    }

    void renamingToANameInUseIsRefused()
    {
        QFETCH(QString, typedName);
        QFETCH(bool, refused);
        seedRoster({{QStringLiteral("Maths"), {"1"}, {}, {}}, {QStringLiteral("Art"), {"2"}, {}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        ModalAnswerer answerer(QDialogButtonBox::Ok, refused ? 5000 : 300);
        auto *list = findByName<QListView>(dialog, "listView");
        typeInto(list, list->model()->index(0, 0), typedName);
        if (refused) {
            QTRY_VERIFY(answerer.answered());
            QCOMPARE(answerer.text(),
                     QStringLiteral("There is a class named Art already. The class keeps its name Maths."));
        } else {
            QTest::qWait(400);
            QVERIFY(!answerer.answered());
        }
        QCOMPARE(classList(dialog), (QStringList{refused ? QStringLiteral("Maths") : typedName, "Art"}));
        click(dialog, "pushButton_2");
        QCOMPARE(storedRoster()[0].name, refused ? QStringLiteral("Maths") : typedName);
        QCOMPARE(storedRoster()[1].name, QStringLiteral("Art"));
    }

    void renamedAndDeletedClassesTakeTheirRoundsAbsencesAndHistory()
    {
        seedRoster({{QStringLiteral("Class 1"), {"1", "2"}, {}, {}}, {QStringLiteral("Class 2"), {"3"}, {}, {}}});
        const QDate today = QDate::currentDate();
        DrawSettings::setDrawnInRound(QStringLiteral("Class 1"), {"1"});
        DrawSettings::setAbsentOn(QStringLiteral("Class 1"), today, {"2"});
        DrawSettings::setDrawnInRound(QStringLiteral("Class 2"), {"3"});
        DrawSettings::setAbsentOn(QStringLiteral("Class 2"), today, {"3"});
        writeFile(QStringLiteral("Brimvale/Class 1_history.csv"), "first class");
        writeFile(QStringLiteral("Brimvale/Class 2_history.csv"), "second class");

        ClassSettingDialogWithStore dialog;
        open(dialog);
        auto *list = findByName<QListView>(dialog, "listView");
        typeInto(list, list->model()->index(0, 0), QStringLiteral("Math"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualRect(list->model()->index(1, 0)).center());
        deleteClass(dialog, QStringLiteral("Delete"));
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // The new class takes the free name of the one renamed.
        click(dialog, "pushButton_7");
        QCOMPARE(classList(dialog), (QStringList{"Math", "Class 1"}));
        click(dialog, "pushButton_2");

        QCOMPARE(DrawSettings::drawnInRound(QStringLiteral("Math")), QSet<QString>{"1"});
        QCOMPARE(DrawSettings::absentOn(QStringLiteral("Math"), today), QSet<QString>{"2"});
        QVERIFY(DrawSettings::drawnInRound(QStringLiteral("Class 1")).isEmpty());
        QVERIFY(DrawSettings::absentOn(QStringLiteral("Class 1"), today).isEmpty());
        QVERIFY(DrawSettings::drawnInRound(QStringLiteral("Class 2")).isEmpty());
        QVERIFY(DrawSettings::absentOn(QStringLiteral("Class 2"), today).isEmpty());

        QCOMPARE(fileBytes(dataDir() + QStringLiteral("/Math_history.csv")), QByteArray("first class"));
        QVERIFY(!QFile::exists(dataDir() + QStringLiteral("/Class 1_history.csv")));
        QVERIFY(!QFile::exists(dataDir() + QStringLiteral("/Class 2_history.csv")));
        const QStringList aside = QDir(dataDir()).entryList({QStringLiteral("Class 2_history-deleted-*")});
        QCOMPARE(aside.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^Class 2_history-deleted-\\d{8}-\\d{6}\\.csv$"))
                     .match(aside.at(0))
                     .hasMatch(),
                 qPrintable(aside.at(0)));
        QCOMPARE(fileBytes(dataDir() + QLatin1Char('/') + aside.at(0)), QByteArray("second class"));

        // Closing without saving moves nothing.
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        typeInto(list, list->model()->index(0, 0), QStringLiteral("Physics"));
        ModalAnswerer no(QDialogButtonBox::No);
        dialog.close();
        QVERIFY(no.answered());
        QCOMPARE(fileBytes(dataDir() + QStringLiteral("/Math_history.csv")), QByteArray("first class"));
        QCOMPARE(DrawSettings::drawnInRound(QStringLiteral("Math")), QSet<QString>{"1"});
    }

    void batchAddOfMoreThanAThousandIsToldWithOneButton()
    {
        ClassSettingDialogWithStore dialog;
        open(dialog);
        QList<QMessageBox::StandardButton> buttons;
        ModalAnswerer answerer([&buttons](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            for (QAbstractButton *button : box->buttons())
                buttons << box->standardButton(button);
            box->buttons().constFirst()->click();
        });
        dialog.addIdRange(QStringLiteral("1"), QStringLiteral("1001"));
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Warning!"));
        QCOMPARE(answerer.text(), QStringLiteral("You can't add more than 1000 students!"));
        QCOMPARE(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        QVERIFY(tableColumn(dialog, 0).isEmpty());
    }

    void renamingAndApplyStoresTheName()
    {
        seedRoster({{QStringLiteral("Maths"), {"1001"}, {"Tom"}, {"A"}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        auto *list = findByName<QListView>(dialog, "listView");
        typeInto(list, list->model()->index(0, 0), QStringLiteral("Physics"));
        click(dialog, "pushButton_2");
        QVERIFY(dialog.isVisible());
        const QVector<SeedClass> stored = storedRoster();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].name, QStringLiteral("Physics"));
        QCOMPARE(stored[0].ids, QStringList{"1001"});
        QCOMPARE(stored[0].scores, QStringList{"A"});
    }

    void closingAsksOnlyWhenSomethingChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("storedIds");
        QTest::addColumn<QStringList>("storedNames");
        QTest::addColumn<QString>("storedClass");
        const QStringList ids{"3", "1", "2"};
        const QStringList names{"Cy", "Al", "Bo"};
        QTest::newRow("nothing") << "" << false << QDialogButtonBox::Yes << ids << names << "Maths";
        QTest::newRow("sorting alone") << "sort" << false << QDialogButtonBox::Yes << ids << names << "Maths";
        QTest::newRow("typed name, no") << "name" << true << QDialogButtonBox::No << ids << names << "Maths";
        QTest::newRow("typed name, yes") << "name" << true << QDialogButtonBox::Yes << ids
                                         << QStringList{"Cy", "Alice", "Bo"} << "Maths";
        QTest::newRow("name still in its editor") << "editing" << true << QDialogButtonBox::Yes << ids
                                                  << QStringList{"Cy", "Alice", "Bo"} << "Maths";
        QTest::newRow("typed name, then sorted") << "name+sort" << true << QDialogButtonBox::Yes
                                                 << QStringList{"1", "2", "3"} << QStringList{"Alice", "Bo", "Cy"}
                                                 << "Maths";
        QTest::newRow("renamed class") << "rename" << true << QDialogButtonBox::Yes << ids << names << "Physics";
        QTest::newRow("added student, no") << "add" << true << QDialogButtonBox::No << ids << names << "Maths";
    }

    void closingAsksOnlyWhenSomethingChanged()
    {
        QFETCH(QString, change);
        QFETCH(bool, asked);
        QFETCH(QDialogButtonBox::StandardButton, answer);
        QFETCH(QStringList, storedIds);
        QFETCH(QStringList, storedNames);
        QFETCH(QString, storedClass);
        seedRoster({{QStringLiteral("Maths"), {"3", "1", "2"}, {"Cy", "Al", "Bo"}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        if (change.startsWith(QLatin1String("name")))
            typeIntoCell(dialog, 1, 1, QStringLiteral("Alice"));
        if (change == QLatin1String("editing"))
            typeIntoCell(dialog, 1, 1, QStringLiteral("Alice"), false);
        if (change.endsWith(QLatin1String("sort")))
            clickHeader(dialog, 0);
        if (change == QLatin1String("rename")) {
            auto *list = findByName<QListView>(dialog, "listView");
            typeInto(list, list->model()->index(0, 0), QStringLiteral("Physics"));
        }
        if (change == QLatin1String("add"))
            click(dialog, "pushButton_4");

        ModalAnswerer answerer(answer, 500);
        dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(answerer.answered(), asked);
        if (asked) {
            QCOMPARE(answerer.title(), QStringLiteral("Class Setting Information"));
            QCOMPARE(answerer.text(), QStringLiteral("Class Information has been modified, do you want to save it?"));
        }
        const QVector<SeedClass> stored = storedRoster();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].name, storedClass);
        QCOMPARE(stored[0].ids, storedIds);
        QCOMPARE(stored[0].names, storedNames);
    }

    void escapeAsksLikeClosing()
    {
        seedRoster({{QStringLiteral("Maths"), {"1"}, {"Al"}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        click(dialog, "pushButton_4");
        ModalAnswerer answerer(QDialogButtonBox::Yes);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(answerer.answered());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(storedRoster()[0].ids, (QStringList{"1", "2"}));
    }

    void synchronisingSimplifiesIds_data()
    {
        QTest::addColumn<QString>("typedId");
        QTest::addColumn<QStringList>("storedIds");
        QTest::addColumn<QStringList>("storedNames");
        QTest::newRow("trimmed") << "  1005 " << QStringList{"1001", "1005"} << QStringList{"Tom", "Ann"};
        QTest::newRow("leading zeros kept") << "0012" << QStringList{"1001", "0012"} << QStringList{"Tom", "Ann"};
    }

    void synchronisingSimplifiesIds()
    {
        QFETCH(QString, typedId);
        QFETCH(QStringList, storedIds);
        QFETCH(QStringList, storedNames);
        seedRoster({{QStringLiteral("Maths"), {"1001", "1002"}, {"Tom", "Ann"}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        typeIntoCell(dialog, 1, 0, typedId);
        click(dialog, "pushButton_2");
        const QVector<SeedClass> stored = storedRoster();
        QCOMPARE(stored[0].ids, storedIds);
        QCOMPARE(stored[0].names, storedNames);
        // The table keeps what was typed until it is filled again.
        QCOMPARE(tableColumn(dialog, 0), (QStringList{"1001", typedId}));
    }

    void addStudentTakesTheNextId_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("added");
        QTest::newRow("empty class") << QStringList{} << "1";
        QTest::newRow("after the largest") << QStringList{"1003", "1001"} << "1004";
        QTest::newRow("words count as 0") << QStringList{"abc", " 12 "} << "13";
    }

    void addStudentTakesTheNextId()
    {
        QFETCH(QStringList, ids);
        QFETCH(QString, added);
        seedRoster({{QStringLiteral("Maths"), ids, {}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        click(dialog, "pushButton_4");
        QCOMPARE(tableColumn(dialog, 0), ids + QStringList{added});
        QCOMPARE(selectedRows(dialog), QList<int>{ids.size()});
    }

    void headerClicksSortAndTurnTheOrderRound_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QStringList>("ascendingIds");
        QTest::newRow("by ID") << "0" << QStringList{"abc", "2", "9", "10", "011"};
        QTest::newRow("by name") << "1" << QStringList{"abc", " 2 ", "011", "9", "10"};
        QTest::newRow("by score") << "Sort by Score" << QStringList{"9", "10", "abc", "011", " 2 "};
        QTest::newRow("by number of scores") << "Sort by Number of Score"
                                             << QStringList{"011", "9", " 2 ", "abc", "10"};
    }

    void headerClicksSortAndTurnTheOrderRound()
    {
        QFETCH(QString, sort);
        QFETCH(QStringList, ascendingIds);
        // Names sort upper case first; the averages are 27, 13, 28, 30 and 30
        // from 3, 1, 2, 0 and 1 characters.
        seedRoster({{QStringLiteral("Maths"), {"10", "9", "abc", "011", " 2 "}, {"b", "a", "Ann", "Bob", "Ann"},
                     {"ABC", "F", "AB", "", "x"}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        const auto sortOnce = [&] {
            if (sort.size() == 1)
                clickHeader(dialog, sort.toInt());
            else
                chooseSortMenuEntry(dialog, sort);
        };
        sortOnce();
        QCOMPARE(tableColumn(dialog, 0), ascendingIds);
        sortOnce();
        QStringList descending = ascendingIds;
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(tableColumn(dialog, 0), descending);
        QCOMPARE(storedRoster()[0].ids, (QStringList{"10", "9", "abc", "011", " 2 "}));
    }

    void sortedOrderIsStoredByApply()
    {
        seedRoster({{QStringLiteral("Maths"), {"3", " 1 ", "2"}, {"c", "a", "b"}, {"C", "A", "B"}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        clickHeader(dialog, 0);
        QCOMPARE(storedRoster()[0].ids, (QStringList{"3", " 1 ", "2"}));
        click(dialog, "pushButton_2");
        const QVector<SeedClass> stored = storedRoster();
        QCOMPARE(stored[0].ids, (QStringList{"1", "2", "3"}));
        QCOMPARE(stored[0].names, (QStringList{"a", "b", "c"}));
        QCOMPARE(stored[0].scores, (QStringList{"A", "B", "C"}));
    }

    void deletingStudentsRemovesTheSelectedRows_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QList<int>>("selectedAfter");
        QTest::newRow("rows 2 to 4 of 0 to 6") << QList<int>{2, 3, 4} << QStringList{"0", "1", "5", "6"}
                                               << QList<int>{2};
        QTest::newRow("one row") << QList<int>{3} << QStringList{"0", "1", "2", "4", "5", "6"} << QList<int>{3};
        QTest::newRow("the last row") << QList<int>{6} << QStringList{"0", "1", "2", "3", "4", "5"}
                                      << QList<int>{5};
        QTest::newRow("apart") << QList<int>{0, 5} << QStringList{"1", "2", "3", "4", "6"} << QList<int>{4};
        QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4, 5, 6} << QStringList{} << QList<int>{};
        QTest::newRow("none") << QList<int>{} << QStringList{"0", "1", "2", "3", "4", "5", "6"} << QList<int>{};
    }

    void deletingStudentsRemovesTheSelectedRows()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, remaining);
        QFETCH(QList<int>, selectedAfter);
        seedRoster({{QStringLiteral("Maths"), numbers(0, 6), {}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        auto *table = findByName<QTableView>(dialog, "tableView");
        table->clearSelection();
        for (const int row : selected) {
            const QRect cell = table->visualRect(table->model()->index(row, 1));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
        }
        QCOMPARE(selectedRows(dialog), selected);
        click(dialog, "pushButton_6");
        QCOMPARE(tableColumn(dialog, 0), remaining);
        QCOMPARE(selectedRows(dialog), selectedAfter);

        click(dialog, "pushButton_2");
        QCOMPARE(storedRoster()[0].ids, remaining);
    }

    void importAppendsTheStudentsItRecognises_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("existingIds");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("storedIds");

        QTest::newRow("header skipped") << "list.txt" << QByteArray("ID,Name\n1001, Tom\n1002, Ann\n") << QStringList{}
                                        << "2 record added in this file!" << QStringList{"1001", "1002"}
                                        << QStringList{"Tom", "Ann"} << QStringList{"1001", "1002"};
        QTest::newRow("all there already")
            << "list.txt" << QByteArray("1001 Tom\r\n1002 Ann\r\n") << QStringList{"1001", "1002"}
            << "0 record added in this file!\n2 names filled in." << QStringList{"1001", "1002"}
            << QStringList{"Tom", "Ann"} << QStringList{"1001", "1002"};
        QTest::newRow("all there already, no names")
            << "list.txt" << QByteArray("1001\r\n1002\r\n") << QStringList{"1001", "1002"}
            << "0 record added in this file!" << QStringList{"1001", "1002"} << QStringList{"", ""}
            << QStringList{"1001", "1002"};
        QTest::newRow("nothing recognised") << "list.txt" << QByteArray("Tom 1001\nAnn\n") << QStringList{"5"}
                                            << "Sorry, no ID and Name recognized in this file!" << QStringList{"5"}
                                            << QStringList{""} << QStringList{"5"};
        QTest::newRow("007 blocks 7") << "list.txt" << QByteArray("7\n") << QStringList{"007"}
                                      << "0 record added in this file!" << QStringList{"007"} << QStringList{""}
                                      << QStringList{"007"};
        QTest::newRow("a word counts as 0")
            << "list.txt" << QByteArray("0\n12 Bob\n") << QStringList{"abc"} << "1 record added in this file!"
            << QStringList{"abc", "12"} << QStringList{"", "Bob"} << QStringList{"abc", "12"};
        QTest::newRow("same new ID twice")
            << "list.txt" << QByteArray("+12 Bob\n012 Ben\n") << QStringList{} << "1 record added in this file!"
            << QStringList{"12"} << QStringList{"Bob"} << QStringList{"12"};
        QTest::newRow("lines whose ID cannot be taken")
            << "list.csv" << QByteArray("学号,姓名\r\nS01,Ann\r\n1001,Tom\r\n3.20102200901016E+17,Wu\r\n")
            << QStringList{}
            << "1 record added in this file!\n1 line skipped: the ID is not a whole number (line 2).\n"
               "1 line skipped: the ID was stored as a rounded number (line 4); store IDs as text in the "
               "spreadsheet."
            << QStringList{"1001"} << QStringList{"Tom"} << QStringList{"1001"};
        QTest::newRow("glued comma in a text file") << "list.txt" << QByteArray("1001,Tom\n") << QStringList{}
                                                    << "1 record added in this file!" << QStringList{"1001"}
                                                    << QStringList{",Tom"} << QStringList{"1001"};
        QTest::newRow("spreadsheet CSV") << "list.CSV" << QByteArray("1001,Tom\r\n20230101,\"张伟\"\r\n")
                                         << QStringList{} << "2 record added in this file!"
                                         << QStringList{"1001", "20230101"}
                                         << QStringList{"Tom", QString::fromUtf8("张伟")}
                                         << QStringList{"1001", "20230101"};
        QTest::newRow("CSV UTF-8 with byte-order mark")
            << "list.csv" << QByteArray("\xEF\xBB\xBF" "1001,Tom\r\n1002,Ann\r\n") << QStringList{}
            << "2 record added in this file!" << QStringList{"1001", "1002"} << QStringList{"Tom", "Ann"}
            << QStringList{"1001", "1002"};
        QTest::newRow("GB18030 CSV") << "list.csv"
                                     << QTextCodec::codecForName("GB18030")->fromUnicode(
                                            QString::fromUtf8("学号,姓名\r\n1001,张伟\r\n1002,李娜\r\n"))
                                     << QStringList{} << "2 record added in this file!"
                                     << QStringList{"1001", "1002"}
                                     << QStringList{QString::fromUtf8("张伟"), QString::fromUtf8("李娜")}
                                     << QStringList{"1001", "1002"};
    }

    void importAppendsTheStudentsItRecognises()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, existingIds);
        QFETCH(QString, summary);
        QFETCH(QStringList, ids);
        QFETCH(QStringList, names);
        QFETCH(QStringList, storedIds);
        seedRoster({{QStringLiteral("Maths"), existingIds, {}, {}}, {QStringLiteral("Art"), {"1"}, {"Al"}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        const QString path = writeFile(fileName, bytes);
        QCOMPARE(importThroughTheDialog(dialog, path), summary);
        QCOMPARE(tableColumn(dialog, 0), ids);
        QCOMPARE(tableColumn(dialog, 1), names);
        QCOMPARE(tableColumn(dialog, 2), QStringList(QVector<QString>(ids.size()).toList()));
        const bool added = ids.size() > existingIds.size();
        if (added)
            QCOMPARE(selectedRows(dialog), QList<int>{ids.size() - 1});
        // The class's students come without names.
        const bool namesFilled = names.mid(0, existingIds.size()).join(QString()) != QString();

        ModalAnswerer closeAnswerer(QDialogButtonBox::Yes, 500);
        dialog.close();
        QCOMPARE(closeAnswerer.answered(), added || namesFilled);
        const QVector<SeedClass> stored = storedRoster();
        QCOMPARE(stored[0].ids, storedIds);
        QCOMPARE(stored[1].ids, QStringList{"1"});
    }

    void badFilesAreReadWithoutHarm_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastName");
        QByteArray binary("\x89PNG\r\n\x1a\n");
        for (int i = 0; i < 1 << 16; ++i)
            binary.append(char((i * 7919) & 0xff) == '\n' ? '\0' : char((i * 7919) & 0xff));
        QTest::newRow("binary") << binary << "Sorry, no ID and Name recognized in this file!" << 0 << "";
        QTest::newRow("lines of a megabyte") << "5 " + QByteArray(1 << 20, 'x') + "\n" + QByteArray(1 << 20, '9')
                                             << "1 record added in this file!\n"
                                                "1 line skipped: the ID is not a whole number (line 2)."
                                             << 1 << QString(1 << 20, QLatin1Char('x'));
        QTest::newRow("IDs beyond 64 bits") << QByteArray("9223372036854775808 Tom\n-9223372036854775809 Ann\n")
                                            << "Sorry, no ID and Name recognized in this file!\n"
                                               "2 lines skipped: the ID is not a whole number (lines 1, 2)."
                                            << 0 << "";
        QByteArray many;
        for (int i = 1; i <= 100000; ++i)
            many += QByteArray::number(i) + " Name" + QByteArray::number(i) + "\n";
        QTest::newRow("100,000 lines") << many << "100000 record added in this file!" << 100000
                                       << "Name100000";
    }

    void badFilesAreReadWithoutHarm()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, summary);
        QFETCH(int, rows);
        QFETCH(QString, lastName);
        ClassSettingDialogWithStore dialog;
        open(dialog);
        QCOMPARE(importThroughTheDialog(dialog, writeFile(QStringLiteral("bad.txt"), bytes)), summary);
        QCOMPARE(tableColumn(dialog, 0).size(), rows);
        if (rows > 0)
            QCOMPARE(tableColumn(dialog, 1).constLast(), lastName);
        QVERIFY(!dialog.grab().isNull());
    }

    void unusableFilesSayWhyNothingWasImported_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("over the size limit") << "large" << " is larger than 64 MB, far more than any class list.";
        QTest::newRow("a pipe") << "fifo" << " is not an ordinary file.";
    }

    void unusableFilesSayWhyNothingWasImported()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        seedRoster({{QStringLiteral("Maths"), {"1"}, {}, {}}});
        const QString path = TestEnvironment::homePath() + QStringLiteral("/list.txt");
        if (kind == QLatin1String("fifo")) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else {
            // Sparse: the size counts, not the disk it takes.
            QFile large(writeFile(QStringLiteral("list.txt"), "1001 Tom\n"));
            QVERIFY(large.resize(64 * 1024 * 1024 + 1));
        }
        ClassSettingDialogWithStore dialog;
        open(dialog);
        QCOMPARE(importThroughTheDialog(dialog, path), QStringLiteral("Nothing was imported: ") + path + reason);
        QCOMPARE(tableColumn(dialog, 0), QStringList{"1"});
    }

    void cancelledImportChangesNothing()
    {
        seedRoster({{QStringLiteral("Maths"), {"1"}, {}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        ModalAnswerer answerer([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
        click(dialog, "pushButton_3");
        QVERIFY(answerer.answered());
        QCOMPARE(tableColumn(dialog, 0), QStringList{"1"});
        ModalAnswerer closeAnswerer(QDialogButtonBox::Yes, 300);
        dialog.close();
        QVERIFY(!closeAnswerer.answered());
    }

    void importReadsExcelWorkbooks_data()
    {
        QTest::addColumn<QByteArray>("workbook");
        QTest::addColumn<QStringList>("existingIds");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("names");
        const QStringList listed{"20230101", "20230102", "20230103"};
        const QStringList chinese{QString::fromUtf8("张伟"), QString::fromUtf8("李娜"), QString::fromUtf8("王芳")};
        QTest::newRow("title, header, number IDs") << WorkbookFiles::schoolClassList() << QStringList{}
                                                   << "3 record added in this file!" << listed << chinese;
        // Made from data/libreoffice-roster.csv with
        // soffice --headless --infilter=CSV:44,34,76 --convert-to xlsx.
        QTest::newRow("saved by LibreOffice") << fileBytes(QStringLiteral(ROSTER_TEST_DATA_DIR "/libreoffice-roster.xlsx"))
                                              << QStringList{"1"} << "3 record added in this file!"
                                              << QStringList{"1"} + listed << QStringList{""} + chinese;
        QTest::newRow("shared strings, no header")
            << WorkbookFiles::fromRows({{"0012", "Tom"}, {"1002", " Ann Lee "}}) << QStringList{}
            << "2 record added in this file!" << QStringList{"12", "1002"} << QStringList{"Tom", "Ann Lee"};
        QTest::newRow("all there already")
            << WorkbookFiles::schoolClassList() << QStringList{"20230101", "20230102", "020230103"}
            << "0 record added in this file!\n3 names filled in." << QStringList{"20230101", "20230102", "020230103"}
            << chinese;
        QTest::newRow("学生学号 and 学生姓名 after a running count")
            << WorkbookFiles::fromRows({{"序号", "学生学号", "学生姓名"}, {1, 20230101, "张伟"}, {2, 20230102, "李娜"}})
            << QStringList{} << "2 record added in this file!" << QStringList(listed.mid(0, 2))
            << QStringList(chinese.mid(0, 2));
        QTest::newRow("学  号 and 姓 名")
            << WorkbookFiles::fromRows({{"序号", "学  号", "姓 名："}, {1, 20230101, "张伟"}}) << QStringList{}
            << "1 record added in this file!" << QStringList(listed.mid(0, 1)) << QStringList(chinese.mid(0, 1));
        QTest::newRow("学号 before 编号")
            << WorkbookFiles::fromRows({{"编号", "学号", "姓名"}, {1, 20230101, "张伟"}, {2, 20230102, "李娜"}})
            << QStringList{} << "2 record added in this file!" << QStringList(listed.mid(0, 2))
            << QStringList(chinese.mid(0, 2));
        QTest::newRow("Student ID before No.")
            << WorkbookFiles::fromRows({{"No.", "Student ID", "Name"}, {1, 20230101, "张伟"}}) << QStringList{}
            << "1 record added in this file!" << QStringList(listed.mid(0, 1)) << QStringList(chinese.mid(0, 1));
        const QVector<QVariantList> classList{
            {"学号", "姓名"}, {20230101, "张伟"}, {20230102, "李娜"}, {20230103, "王芳"}};
        QTest::newRow("hidden drop-down lists first")
            << WorkbookFiles::withSheets({{"lists", true, {{"示例学生"}, {"男"}}}, {"名单", false, classList}})
            << QStringList{} << "3 record added in this file!\nRead the sheet 名单." << listed << chinese;
        QTest::newRow("subjects first") << WorkbookFiles::withSheets(
            {{"科目", false, {{"语文"}, {"数学"}}}, {"名单", false, classList}})
                                        << QStringList{} << "3 record added in this file!\nRead the sheet 名单."
                                        << listed << chinese;
        QTest::newRow("rows whose ID cannot be taken")
            << WorkbookFiles::fromRows({{"学号", "姓名"},
                                        {"32010220090101601X", "Lee"},
                                        {20230101, "张伟"},
                                        {320102200901016011.0, "Wu"},
                                        {"S01", "Ann"}})
            << QStringList{}
            << "1 record added in this file!\n2 rows skipped: the ID is not a whole number (rows 2, 5).\n"
               "1 row skipped: the ID was stored as a rounded number (row 4); store IDs as text in the "
               "spreadsheet."
            << QStringList(listed.mid(0, 1)) << QStringList(chinese.mid(0, 1));
        QTest::newRow("no ID recognised") << WorkbookFiles::fromRows({{"Name", "Sex"}, {"Tom", "M"}})
                                          << QStringList{"5"} << "Sorry, no ID and Name recognized in this file!"
                                          << QStringList{"5"} << QStringList{""};
    }

    void importReadsExcelWorkbooks()
    {
        QFETCH(QByteArray, workbook);
        QFETCH(QStringList, existingIds);
        QFETCH(QString, summary);
        QFETCH(QStringList, ids);
        QFETCH(QStringList, names);
        seedRoster({{QStringLiteral("Maths"), existingIds, {}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        QCOMPARE(importThroughTheDialog(dialog, writeFile(QStringLiteral("class.xlsx"), workbook)), summary);
        QCOMPARE(tableColumn(dialog, 0), ids);
        QCOMPARE(tableColumn(dialog, 1), names);
        QCOMPARE(tableColumn(dialog, 2), QStringList(QVector<QString>(ids.size()).toList()));
        click(dialog, "pushButton_2");
        QCOMPARE(storedRoster()[0].ids, ids);
    }

    // Batch Add gives IDs without names; the class list names them, and a
    // name or score already there stays.
    void importNamesTheStudentsTheClassHas()
    {
        seedRoster({{QStringLiteral("Maths"), {"1003"}, {"Cy"}, {"AB"}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        batchAdd(dialog, QStringLiteral("1001"), QStringLiteral("1002"));
        QCOMPARE(tableColumn(dialog, 0), (QStringList{"1003", "1001", "1002"}));
        const QString path =
            writeFile(QStringLiteral("class.xlsx"),
                      WorkbookFiles::fromRows(
                          {{"学号", "姓名"}, {1001, "张伟"}, {1002, "李娜"}, {1003, "王芳"}, {1004, "刘洋"}}));
        QCOMPARE(importThroughTheDialog(dialog, path),
                 QStringLiteral("1 record added in this file!\n2 names filled in."));
        const QStringList names{QString::fromUtf8("Cy"), QString::fromUtf8("张伟"), QString::fromUtf8("李娜"),
                                QString::fromUtf8("刘洋")};
        QCOMPARE(tableColumn(dialog, 1), names);
        click(dialog, "pushButton_2");
        const SeedClass stored = storedRoster()[0];
        QCOMPARE(stored.ids, (QStringList{"1003", "1001", "1002", "1004"}));
        QCOMPARE(stored.names, names);
        QCOMPARE(stored.scores, (QStringList{"AB", "", "", ""}));
    }

    void importSummaryIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("summary");
        QTest::newRow("added, simplified") << "simplify" << QByteArray("1001 Tom\n") << "已从此文件添加 1 条记录！";
        QTest::newRow("none added, traditional")
            << "traditional" << QByteArray("5 Eve\n") << "已從此檔案新增 0 筆記錄！";
        QTest::newRow("none recognised, simplified")
            << "simplify" << QByteArray("Tom\n") << "抱歉，此文件中没有识别出学号和姓名！";
    }

    void importSummaryIsTranslated()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, summary);
        seedRoster({{QStringLiteral("Maths"), {"5"}, {"Eve"}, {}}});
        QTranslator translator;
        QVERIFY(translator.load(language, QCoreApplication::applicationDirPath()));
        QCoreApplication::installTranslator(&translator);
        ClassSettingDialogWithStore dialog;
        open(dialog);
        const QString shown = importThroughTheDialog(dialog, writeFile(QStringLiteral("list.txt"), bytes));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(shown, summary);
    }

    void badWorkbooksAreRefusedAndChangeNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString notAWorkbook = QStringLiteral(
            "This file is not an Excel workbook (.xlsx). A workbook in the old .xls format or one protected by a "
            "password cannot be read: save it in Excel as an .xlsx workbook without a password, then import it "
            "again.");
        const QByteArray good = WorkbookFiles::schoolClassList();
        QTest::newRow("old .xls") << "class.xls" << WorkbookFiles::compoundFile() << notAWorkbook;
        QTest::newRow("encrypted workbook") << "class.xlsx" << WorkbookFiles::compoundFile() << notAWorkbook;
        QTest::newRow("renamed text file") << "list.xlsx" << QByteArray("1001 Tom\n1002 Ann\n") << notAWorkbook;
        QTest::newRow("damaged zip") << "class.xlsx" << good.left(good.size() / 2)
                                     << "This Excel workbook is damaged and cannot be read.";
        QTest::newRow("worksheet missing")
            << "class.xlsx" << WorkbookFiles::withParts(good, {}, {QString::fromLatin1(WorkbookFiles::kFirstSheet)})
            << "This Excel workbook has no worksheet that can be read: parts of it are missing.";
        const QString uncomputed = QStringLiteral(
            "This Excel workbook holds formulas whose values were never calculated, as programs that write "
            "workbooks leave them: open it in a spreadsheet program (Excel, WPS or LibreOffice) and save it once, "
            "then import it again.");
        QTest::newRow("formulas never calculated")
            << "class.xlsx"
            << WorkbookFiles::withoutCachedValues(WorkbookFiles::build([](lxw_workbook *, lxw_worksheet *sheet) {
                   worksheet_write_string(sheet, 0, 0, "学号", nullptr);
                   worksheet_write_string(sheet, 0, 1, "姓名", nullptr);
                   worksheet_write_formula(sheet, 1, 0, "=20230100+1", nullptr);
                   worksheet_write_string(sheet, 1, 1, "张伟", nullptr);
               }))
            << uncomputed;
        // Written as openpyxl writes formulas: an empty value, no type.
        QTest::newRow("names joined by formulas never calculated")
            << "class.xlsx" << fileBytes(QStringLiteral(ROSTER_TEST_DATA_DIR "/formulas-not-calculated.xlsx"))
            << uncomputed;
        QTest::newRow("zip bomb") << "class.xlsx" << WorkbookFiles::withHugeWorksheet(good)
                                  << "This Excel workbook is too large to be a class list (more than 64 MiB).";
    }

    void badWorkbooksAreRefusedAndChangeNothing()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        seedRoster({{QStringLiteral("Maths"), {"5"}, {"Eve"}, {"A"}}, {QStringLiteral("Art"), {"1"}, {"Al"}, {}}});
        const QByteArray stored = fileBytes(TestEnvironment::settingsFile(QStringLiteral("Zandrel_ClassSetting")));
        ClassSettingDialogWithStore dialog;
        open(dialog);
        QCOMPARE(importThroughTheDialog(dialog, writeFile(fileName, bytes)), message);
        QCOMPARE(tableColumn(dialog, 0), QStringList{"5"});
        QCOMPARE(tableColumn(dialog, 1), QStringList{"Eve"});
        QCOMPARE(tableColumn(dialog, 2), QStringList{"A"});
        ModalAnswerer closeAnswerer(QDialogButtonBox::Yes, 300);
        dialog.close();
        QVERIFY(!closeAnswerer.answered());
        QCOMPARE(fileBytes(TestEnvironment::settingsFile(QStringLiteral("Zandrel_ClassSetting"))), stored);
    }

    void batchAddAppendsTheMissingIds_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("applications");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("1001 to 1030") << QStringList{} << "1001" << "1030" << 1 << "" << numbers(1001, 1030);
        QTest::newRow("reversed") << QStringList{} << "1030" << " 1001 " << 1 << "" << numbers(1001, 1030);
        QTest::newRow("1000 IDs") << QStringList{} << "1" << "1000" << 1 << "" << numbers(1, 1000);
        QTest::newRow("1001 IDs refused") << QStringList{"5"} << "1" << "1001" << 1
                                          << "Warning!|You can't add more than 1000 students!" << QStringList{"5"};
        QTest::newRow("whole 64-bit span refused") << QStringList{} << "-9223372036854775808"
                                                   << "9223372036854775807" << 1
                                                   << "Warning!|You can't add more than 1000 students!"
                                                   << QStringList{};
        QTest::newRow("top of the 64-bit range") << QStringList{} << "9223372036854775806" << "9223372036854775807"
                                                 << 1 << ""
                                                 << QStringList{"9223372036854775806", "9223372036854775807"};
        QTest::newRow("existing skipped, appended after")
            << QStringList{"1010", "1005"} << "1001" << "1010" << 1 << ""
            << QStringList{"1010", "1005", "1001", "1002", "1003", "1004", "1006", "1007", "1008", "1009"};
        QTest::newRow("007 blocks 7") << QStringList{"007"} << "5" << "8" << 1 << ""
                                      << QStringList{"007", "5", "6", "8"};
        QTest::newRow("twice adds nothing more") << QStringList{} << "1" << "3" << 2 << "" << numbers(1, 3);
        QTest::newRow("a word is refused")
            << QStringList{} << "none"
            << "2" << 1 << "Warning|none is not a student ID: an ID is a whole number." << QStringList{};
        QTest::newRow("words at both ends")
            << QStringList{"5"} << "abc"
            << "xyz" << 1 << "Warning|abc is not a student ID: an ID is a whole number." << QStringList{"5"};
        QTest::newRow("beyond 64 bits") << QStringList{} << "1"
                                        << "99999999999999999999" << 1
                                        << "Warning|99999999999999999999 is not a student ID: an ID is a whole "
                                           "number."
                                        << QStringList{};
        QTest::newRow("empty field") << QStringList{"5"} << "1" << "  " << 1 << "Input ID Range|ID should not be empty!"
                                     << QStringList{"5"};
    }

    void batchAddAppendsTheMissingIds()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, applications);
        QFETCH(QString, box);
        QFETCH(QStringList, ids);
        seedRoster({{QStringLiteral("Maths"), existing, {}, {}}});
        ClassSettingDialogWithStore dialog;
        open(dialog);
        QCOMPARE(batchAdd(dialog, from, to, applications), box);
        QCOMPARE(tableColumn(dialog, 0), ids);
        click(dialog, "pushButton_2");
        QCOMPARE(storedRoster()[0].ids, ids);
    }

    void batchWindowKeepsItsFields()
    {
        ClassSettingDialogWithStore dialog;
        open(dialog);
        batchAdd(dialog, QStringLiteral("1"), QStringLiteral("2"));
        QString first, last;
        ModalAnswerer answerer([&](QWidget *modal) {
            first = findByName<QLineEdit>(*modal, "lineEdit")->text();
            last = findByName<QLineEdit>(*modal, "lineEdit_2")->text();
            modal->close();
        });
        click(dialog, "pushButton_5");
        QCOMPARE(first, QStringLiteral("1"));
        QCOMPARE(last, QStringLiteral("2"));
    }

    void scoreFilesHoldTheFirstClassOfTheName_data()
    {
        QTest::addColumn<ScoreRounding>("rounding");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("round off") << RoundOff << QByteArray("1001 28\r\n1002 19\r\n10,03 30\r\n")
                                   << QByteArray("1001, 28\r\n1002, 19\r\n\"10,03\", 30\r\n");
        QTest::newRow("keep float") << KeepFloat << QByteArray("1001 28.3\r\n1002 18.8\r\n10,03 30\r\n")
                                    << QByteArray("1001, 28.3\r\n1002, 18.8\r\n\"10,03\", 30\r\n");
    }

    void scoreFilesHoldTheFirstClassOfTheName()
    {
        QFETCH(ScoreRounding, rounding);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, csv);
        const QString className = QString::fromUtf8("三年级 2");
        seedRoster({{className, {"1001", "1002", "10,03"}, {}, {"AB", "cdf", ""}},
                    {className, {"9"}, {}, {"F"}}});
        ClassSettingDialogWithStore store;
        store.loadClasses();
        store.writeScoreFile(className, 30, 10, rounding, false);
        store.writeScoreFile(className, 30, 10, rounding, true);
        QCOMPARE(fileBytes(dataDir() + QLatin1Char('/') + className + QStringLiteral("_score100.txt")), text);
        QCOMPARE(fileBytes(dataDir() + QLatin1Char('/') + className + QStringLiteral("_score100.csv")), csv);
    }

    void scoreFilesOfUnknownOrUnsafeClassesAreNotWritten()
    {
        seedRoster({{QStringLiteral("a/b"), {"2"}, {}, {}}, {QStringLiteral("a\\b"), {"3"}, {}, {}},
                    {QStringLiteral("Empty"), {}, {}, {}}});
        ClassSettingDialogWithStore store;
        store.loadClasses();
        for (const QString &name : {QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("Nobody")}) {
            ModalAnswerer answerer(QDialogButtonBox::Ok, 300);
            store.writeScoreFile(name, 30, 10, RoundOff, false);
            store.writeScoreFile(name, 30, 10, RoundOff, true);
        }
        QCOMPARE(QDir(TestEnvironment::homePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Brimvale")});
        QVERIFY(QDir(dataDir()).isEmpty());

        store.writeScoreFile(QStringLiteral("Empty"), 30, 10, RoundOff, true);
        QVERIFY(QFile::exists(dataDir() + QStringLiteral("/Empty_score100.csv")));
        QCOMPARE(fileBytes(dataDir() + QStringLiteral("/Empty_score100.csv")), QByteArray());
    }

    void classNamesThatCannotBeFileNamesAreToldOncePerClassAndReason()
    {
        const QString tooLong(250, QLatin1Char('x'));
        seedRoster({{QStringLiteral("7/A"), {"1"}, {}, {}},
                    {QStringLiteral("../x"), {"2"}, {}, {}},
                    {tooLong, {"3"}, {}, {}},
                    {QStringLiteral("Maths"), {"4"}, {}, {}}});
        UrlRecorder recorder;
        ClassSettingDialogWithStore store;
        store.loadClasses();
        const QString told = QStringLiteral(
            "The class name %1 cannot be used as a file name: rename the class to keep its history and score files.");
        // Each answer is the text of the one box the action raised, or
        // empty; a second box would be left for the next answerer.
        const auto boxRaisedBy = [](const std::function<void()> &action) {
            ModalAnswerer answerer(QDialogButtonBox::Ok, 300);
            action();
            QTest::qWait(350);
            return answerer.answered() ? answerer.text() : QString();
        };
        for (const QString &name : {QStringLiteral("7/A"), QStringLiteral("../x"), tooLong}) {
            QCOMPARE(boxRaisedBy([&] {
                         store.writeScoreFile(name, 30, 10, RoundOff, false);
                         store.writeScoreFile(name, 30, 10, RoundOff, true);
                     }),
                     told.arg(name));
            QCOMPARE(boxRaisedBy([&] { store.writeScoreFile(name, 30, 10, RoundOff, false); }), QString());
            QCOMPARE(boxRaisedBy([&] { store.exportScoreWorkbook(name, 30, 10, RoundOff); }), QString());
        }
        QCOMPARE(boxRaisedBy([&] { store.writeScoreFile(QStringLiteral("Maths"), 30, 10, RoundOff, false); }),
                 QString());
        QCOMPARE(QDir(dataDir()).entryList(QDir::Files), QStringList{QStringLiteral("Maths_score100.txt")});
        QVERIFY(recorder.urls.isEmpty());
    }

    void exportOfAClassWhoseNameCannotBeAFileNameSaysWhy()
    {
        const QString name = QStringLiteral("Class/1\\2");
        seedRoster({{name, {"1"}, {}, {"A"}}});
        UrlRecorder recorder;
        ClassSettingDialogWithStore store;
        store.loadClasses();
        ModalAnswerer answerer;
        store.exportScoreWorkbook(name, 30, 10, RoundOff);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.text(),
                 QStringLiteral("The class name %1 cannot be used as a file name: rename the class to "
                                "keep its history and score files.")
                     .arg(name));
        QVERIFY(QDir(dataDir()).isEmpty());
        QVERIFY(recorder.urls.isEmpty());
    }

    void scoreFilesOfOddClassNamesStayInTheDataDirectory_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("empty") << "" << "_score100";
        QTest::newRow("parent") << ".." << ".._score100";
        QTest::newRow("dot") << "." << "._score100";
    }

    void scoreFilesOfOddClassNamesStayInTheDataDirectory()
    {
        QFETCH(QString, className);
        QFETCH(QString, fileName);
        seedRoster({{className, {"1"}, {}, {"A"}}});
        UrlRecorder recorder;
        ClassSettingDialogWithStore store;
        store.loadClasses();
        store.writeScoreFile(className, 30, 10, RoundOff, false);
        store.writeScoreFile(className, 30, 10, RoundOff, true);
        QCOMPARE(QDir(TestEnvironment::homePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Brimvale")});
        const QString base = dataDir() + QLatin1Char('/') + fileName;
        QCOMPARE(fileBytes(base + QStringLiteral(".txt")), QByteArray("1 30\r\n"));
        QCOMPARE(fileBytes(base + QStringLiteral(".csv")), QByteArray("1, 30\r\n"));
        store.openScoreFiles(className);
        QCOMPARE(recorder.urls, (QList<QUrl>{QUrl::fromLocalFile(base + QStringLiteral(".txt")),
                                             QUrl::fromLocalFile(base + QStringLiteral(".csv"))}));
    }

    void openScoreFilesOpensTextThenCsv()
    {
        UrlRecorder recorder;
        ClassSettingDialogWithStore store;
        store.loadClasses();
        store.openScoreFiles(QStringLiteral("Not stored"));
        store.openScoreFiles(QStringLiteral("a/b"));
        QCOMPARE(recorder.urls,
                 (QList<QUrl>{QUrl::fromLocalFile(dataDir() + QStringLiteral("/Not stored_score100.txt")),
                              QUrl::fromLocalFile(dataDir() + QStringLiteral("/Not stored_score100.csv"))}));
    }

    void scoreWorkbookIsOpenedOnlyWhenWritten()
    {
        seedRoster({{QStringLiteral("a/b"), {"2"}, {}, {}}, {QStringLiteral("Maths"), {"3"}, {}, {}}});
        UrlRecorder recorder;
        ClassSettingDialogWithStore store;
        store.loadClasses();
        for (const QString &name : {QStringLiteral("a/b"), QStringLiteral("Nobody")}) {
            ModalAnswerer answerer(QDialogButtonBox::Ok, 300);
            store.exportScoreWorkbook(name, 30, 10, RoundOff);
        }
        QVERIFY(QDir(dataDir()).isEmpty());
        QVERIFY(recorder.urls.isEmpty());

        QVERIFY(QDir(dataDir()).removeRecursively());
        store.exportScoreWorkbook(QStringLiteral("Maths"), 30, 10, RoundOff);
        QVERIFY(recorder.urls.isEmpty());
        QVERIFY(QDir().mkpath(dataDir()));
        store.exportScoreWorkbook(QStringLiteral("Maths"), 30, 10, RoundOff);
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(dataDir() + QStringLiteral("/Maths_score100.xlsx"))});
    }

    void spreadsheetReadsIdAndAverageIntoTwoColumns()
    {
        if (LibreOffice::program().isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
        seedRoster({{QStringLiteral("Maths"), {"1001", "20230102", "10,03", "a\"b", QString::fromUtf8("张伟")}, {},
                     {"AB", "CDF", "", "E", "F"}}});
        ClassSettingDialogWithStore store;
        store.loadClasses();
        store.writeScoreFile(QStringLiteral("Maths"), 30, 10, KeepFloat, true);

        // Converted to HTML, every cell that the spreadsheet took for a number
        // carries its value, so the check sees columns and values as read.
        const LibreOffice::Conversion conversion
            = LibreOffice::convert(dataDir() + QStringLiteral("/Maths_score100.csv"),
                                   {QStringLiteral("--infilter=CSV:44,34,76")}, QStringLiteral("html"),
                                   QStringLiteral("html"));
        const QString html = QString::fromUtf8(conversion.output);
        QVERIFY2(!html.isEmpty(), conversion.log.constData());

        QRegularExpression rowPattern(QStringLiteral("<tr[^>]*>(.*?)</tr>"),
                                      QRegularExpression::DotMatchesEverythingOption);
        QRegularExpression cellPattern(QStringLiteral("<td([^>]*)>(.*?)</td>"),
                                       QRegularExpression::DotMatchesEverythingOption);
        QStringList rows;
        auto rowMatches = rowPattern.globalMatch(html);
        while (rowMatches.hasNext()) {
            QStringList cells;
            auto cellMatches = cellPattern.globalMatch(rowMatches.next().captured(1));
            while (cellMatches.hasNext()) {
                const auto cell = cellMatches.next();
                const auto value = QRegularExpression(QStringLiteral("sdval=\"([^\"]*)\"")).match(cell.captured(1));
                QString text = cell.captured(2);
                text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
                cells << (value.hasMatch() ? QStringLiteral("=") + value.captured(1) : text.trimmed());
            }
            rows << cells.join(QLatin1Char('|'));
        }
        QCOMPARE(rows, (QStringList{"=1001|=28.3", "=20230102|=18.8", "10,03|=30", "a&quot;b|=16.6",
                                    QString::fromUtf8("张伟|=13.3")}));
    }
};

ZANDREL_TEST_MAIN(TestClassSettingDialog)
#include "tst_classsettingdialog.moc"
