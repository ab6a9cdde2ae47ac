#include "../support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

// Every text of the program is translated: lupdate, run over the sources
// into a copy of each translation file, must find nothing new, and every
// message of every context must have a finished translation.
class TestTranslations : public QObject
{
    Q_OBJECT

private:
    struct Unfinished
    {
        QStringList messages;
        int total = 0;
    };

    static Unfinished unfinishedMessages(const QString &tsFile)
    {
        Unfinished result;
        QFile file(tsFile);
        if (!file.open(QIODevice::ReadOnly))
            return result;
        QXmlStreamReader xml(&file);
        QString context, source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                ++result.total;
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                // A text that counts holds one form per count it tells apart.
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (!type.isEmpty() || text.isEmpty())
                    result.messages << context + QStringLiteral(": ") + source;
            }
        }
        if (xml.hasError())
            result.messages << QStringLiteral("XML error: ") + xml.errorString();
        return result;
    }

private slots:
    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("simplified Chinese") << "simplify";
        QTest::newRow("traditional Chinese") << "traditional";
        QTest::newRow("English") << "english";
    }

    void everyTextIsTranslated()
    {
        QFETCH(QString, language);
        const QString sourceDir = QStringLiteral(ZANDREL_SOURCE_DIR);
        QTemporaryDir scratch;
        const QString copy = scratch.filePath(language + QStringLiteral(".ts"));
        QVERIFY(QFile::copy(sourceDir + QStringLiteral("/resources/translations/") + language + QStringLiteral(".ts"), copy));

        QProcess lupdate;
        lupdate.setWorkingDirectory(sourceDir);
        lupdate.start(QStringLiteral("lupdate"),
                      {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("app"), QStringLiteral("roster"), QStringLiteral("displays"),
                       QStringLiteral("speech"), QStringLiteral("homework"), QStringLiteral("-ts"), copy});
        if (!lupdate.waitForStarted())
            QSKIP("lupdate is not installed");
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        const Unfinished unfinished = unfinishedMessages(copy);
        QVERIFY(unfinished.total > 50);
        QVERIFY2(unfinished.messages.isEmpty(), qPrintable(unfinished.messages.join(QLatin1Char('\n'))));
    }
};

ZANDREL_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
