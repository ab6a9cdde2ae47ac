#include "fuzztargets.h"

#include "../support/testenvironment.h"

#include <QDir>
#include <QFile>

// Replays every input the fuzzers kept: none may crash, hang or leak.
class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private:
    static void replay(const QString &folder, void (*target)(const std::uint8_t *, std::size_t))
    {
        const QDir corpus(QStringLiteral(FUZZ_CORPUS_DIR "/") + folder);
        const QStringList inputs = corpus.entryList(QDir::Files);
        QVERIFY2(!inputs.isEmpty(), qPrintable(corpus.path()));
        for (const QString &input : inputs) {
            QFile file(corpus.filePath(input));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            target(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        }
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }
    void importReader() { replay(QStringLiteral("importreader"), readImportBytes); }
    void rosterFile() { replay(QStringLiteral("rosterfile"), loadRosterBytes); }
};

ZANDREL_TEST_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
