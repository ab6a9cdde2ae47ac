#include "app/interfacelanguage.h"
#include "app/mainwindow.h"

#include "../support/testenvironment.h"

#include <QAction>
#include <QActionGroup>
#include <QSettings>

class TestInterfaceLanguage : public QObject
{
    Q_OBJECT

private:
    QStringList m_started;

    static void storeLanguage(const QVariant &value)
    {
        QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Language"));
        if (value.isNull())
            settings.remove(QStringLiteral("Language"));
        else
            settings.setValue(QStringLiteral("Language"), value);
    }

    static QString checkedLanguageAction(MainWindow &window)
    {
        QString checked;
        for (const char *name : {"actionChinese_Simplify", "actionEnglish_2", "actionChinese_Tranditional"}) {
            if (window.findChild<QAction *>(QLatin1String(name))->isChecked())
                checked += QLatin1String(name);
        }
        return checked;
    }

private slots:
    void init()
    {
        TestEnvironment::clearUserData();
        m_started.clear();
        InterfaceLanguage::setProgramStarter([this](const QString &program) {
            m_started << program;
            return true;
        });
    }

    void cleanup() { InterfaceLanguage::setProgramStarter(nullptr); }

    void storedValueChecksItsAction_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("checked");
        QTest::newRow("nothing stored") << QVariant() << "actionChinese_Simplify";
        QTest::newRow("english") << QVariant("english") << "actionEnglish_2";
        QTest::newRow("traditional") << QVariant("traditional") << "actionChinese_Tranditional";
        QTest::newRow("unknown") << QVariant("klingon") << QString();
    }

    void storedValueChecksItsAction()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, checked);
        storeLanguage(stored);
        MainWindow window;
        QCOMPARE(checkedLanguageAction(window), checked);
        auto *action = window.findChild<QAction *>(QStringLiteral("actionEnglish_2"));
        QVERIFY(action->actionGroup() && action->actionGroup()->isExclusive());
        if (stored.isNull())
            QCOMPARE(InterfaceLanguage::stored(), QStringLiteral("simplify"));
    }

    void translationFilesLieBesideTheProgram()
    {
        QCOMPARE(InterfaceLanguage::translationFile(QStringLiteral("klingon")),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/klingon.qm"));
    }

    void eachActionStoresItsValueAndRestarts_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("value");
        QTest::newRow("simplified") << "actionChinese_Simplify" << "simplify";
        QTest::newRow("english") << "actionEnglish_2" << "english";
        QTest::newRow("traditional") << "actionChinese_Tranditional" << "traditional";
    }

    void eachActionStoresItsValueAndRestarts()
    {
        QFETCH(QString, action);
        QFETCH(QString, value);
        MainWindow window;
        window.findChild<QAction *>(action)->trigger();
        QCOMPARE(InterfaceLanguage::stored(), value);
        QCOMPARE(m_started, QStringList{QCoreApplication::applicationFilePath()});
        QCOMPARE(checkedLanguageAction(window), action);
    }
};

ZANDREL_TEST_MAIN(TestInterfaceLanguage)
#include "tst_interfacelanguage.moc"
