#include "app/aboutbox.h"
#include "app/quickguidedialog.h"

#include "../support/modalanswerer.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QApplication>
#include <QTextBrowser>

// The Help menu: the Quick Guide in each interface language and About.
class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void theGuideOpensInTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("simplified Chinese") << "simplify" << QStringLiteral("Zandrel 快速入门")
                                            << QStringList{"建立班级", "导入学生名单", "抽签",   "打分", "公平轮次",
                                                           "投影",     "成绩文件",     "收作业", "备份"};
        QTest::newRow("English") << "english" << QStringLiteral("Zandrel Quick Guide")
                                 << QStringList{"Making a class", "Importing",   "Drawing",
                                                "Giving scores",  "Fair rounds", "projector",
                                                "Score files",    "homework",    "Backups"};
        QTest::newRow("traditional Chinese") << "traditional" << QStringLiteral("Zandrel 快速入門")
                                             << QStringList{"建立班級", "匯入學生名單", "抽籤",   "打分數", "公平輪次",
                                                            "投影",     "成績檔案",     "收作業", "備份"};
        QTest::newRow("unknown language")
            << "klingon" << QStringLiteral("Zandrel Quick Guide") << QStringList{"Backups"};
    }

    void theGuideOpensInTheInterfaceLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QStringList, steps);
        QuickGuideDialog dialog(language);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quick Guide"));
        const QString text = findByName<QTextBrowser>(dialog, "textBrowser")->toPlainText();
        QVERIFY(text.startsWith(title));
        for (const QString &step : steps)
            QVERIFY2(text.contains(step), qPrintable(step));
    }

    void aboutNamesTheVersionTheLicenceAndTheContact()
    {
        ModalAnswerer answerer;
        AboutBox::show(nullptr);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("About Zandrel"));
        const QString text = answerer.text();
        QVERIFY(text.contains(QStringLiteral("Zandrel 2.0")));
        QVERIFY(text.contains(QStringLiteral("GPL-3.0")));
        QVERIFY(text.contains(QStringLiteral("Contact us <a href=\"mailto:")));
        QVERIFY(text.contains(QStringLiteral("?subject=About Zandrel\">")));
    }
};

ZANDREL_TEST_MAIN(TestHelp)
#include "tst_help.moc"
