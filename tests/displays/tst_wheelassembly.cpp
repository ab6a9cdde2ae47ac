#include "displays/wheelassemblywidget.h"

#include "../support/modalanswerer.h"
#include "../support/recordingservices.h"
#include "../support/testenvironment.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

class TestWheelAssembly : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        Fixture()
        {
            wheel.setItems({QStringLiteral("10322015"), QStringLiteral("10322016")});
            wheel.show();
            lineEdit = wheel.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
            comboBox = wheel.findChild<QComboBox *>(QStringLiteral("comboBox"));
        }

        RecordingServices services;
        WheelAssemblyWidget wheel{true};
        QLineEdit *lineEdit = nullptr;
        QComboBox *comboBox = nullptr;
    };

    // Opens the chooser's list and clicks the entry, as a teacher does.
    static void choose(QComboBox *comboBox, const QString &entry)
    {
        comboBox->showPopup();
        QAbstractItemView *list = comboBox->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        // The list ignores a release that comes quicker than a double click.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QRect entryRect = list->visualRect(comboBox->model()->index(comboBox->findText(entry), 0));
        const QPoint onEntry(list->viewport()->width() / 2, entryRect.center().y());
        QTest::mouseMove(list->viewport(), onEntry);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, onEntry);
        QTRY_VERIFY(!list->isVisible());
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void scoreControlsSitUnderTheWheel()
    {
        Fixture f;
        QVERIFY(f.lineEdit);
        QVERIFY(f.comboBox);
        QCOMPARE(f.lineEdit->echoMode(), QLineEdit::Password);
        QCOMPARE(f.lineEdit->maximumWidth(), 40);
        QStringList letters;
        for (int i = 0; i < f.comboBox->count(); ++i)
            letters << f.comboBox->itemText(i);
        QCOMPARE(letters, QStringList({"A", "B", "C", "D", "E", "F"}));
        QVERIFY(f.comboBox->mapTo(&f.wheel, QPoint()).y() > 0);
        QCOMPARE(f.wheel.currentText(), QStringLiteral("10322015"));
        QCOMPARE(f.wheel.itemCount(), 2);
    }

    void aTypedLetterIsRecordedInUpperCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<char>("letter");
        QTest::newRow("lower-case d") << "d" << 'D';
        QTest::newRow("A") << "A" << 'A';
        QTest::newRow("lower-case f") << "f" << 'F';
    }

    void aTypedLetterIsRecordedInUpperCase()
    {
        QFETCH(QString, typed);
        QFETCH(char, letter);
        Fixture f;
        QTest::keyClicks(f.lineEdit, typed);
        QTest::keyClick(f.lineEdit, Qt::Key_Return);
        QCOMPARE(f.services.scores, (QList<RecordingServices::Score>{{QStringLiteral("10322015"), letter}}));
        QCOMPARE(f.services.banners.size(), 1);
        QCOMPARE(f.services.banners.first().target.data(), f.lineEdit);
        QCOMPARE(f.services.banners.first().text, QStringLiteral("*"));
        QCOMPARE(f.lineEdit->text(), QString());
    }

    void aWrongEntryWarnsAndRecordsNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("two letters") << "AB";
        QTest::newRow("after F") << "g";
        QTest::newRow("nothing") << "";
        QTest::newRow("digit") << "1";
    }

    void aWrongEntryWarnsAndRecordsNothing()
    {
        QFETCH(QString, typed);
        Fixture f;
        QTest::keyClicks(f.lineEdit, typed);
        ModalAnswerer answerer;
        QTest::keyClick(f.lineEdit, Qt::Key_Return);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Warning"));
        QCOMPARE(answerer.text(), QStringLiteral("Please input letter 'A','B','C','D','E' or 'F'"));
        QVERIFY(f.services.scores.isEmpty());
        QVERIFY(f.services.banners.isEmpty());
        QCOMPARE(f.lineEdit->text(), typed);
    }

    void aChosenLetterIsRecordedAndBannered_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("A") << "A";
        QTest::newRow("E") << "E";
    }

    void aChosenLetterIsRecordedAndBannered()
    {
        QFETCH(QString, entry);
        Fixture f;
        QTest::keyClicks(f.lineEdit, QStringLiteral("b"));
        choose(f.comboBox, entry);
        QCOMPARE(f.services.scores,
                 (QList<RecordingServices::Score>{{QStringLiteral("10322015"), entry.toLatin1().at(0)}}));
        QCOMPARE(f.services.banners.size(), 1);
        QCOMPARE(f.services.banners.first().target.data(), f.comboBox);
        QCOMPARE(f.services.banners.first().text, entry);
        QCOMPARE(f.lineEdit->text(), QString());
    }

    void anEmptyWheelScoresNobody()
    {
        Fixture f;
        f.wheel.setItems({});
        QTest::keyClicks(f.lineEdit, QStringLiteral("c"));
        QTest::keyClick(f.lineEdit, Qt::Key_Return);
        QCOMPARE(f.services.scores, (QList<RecordingServices::Score>{{QString(), 'C'}}));
    }
};

ZANDREL_TEST_MAIN(TestWheelAssembly)
#include "tst_wheelassembly.moc"
