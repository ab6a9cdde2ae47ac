#include "fuzztargets.h"

#include "../support/testenvironment.h"

#include <QDir>
#include <QFile>

#include <functional>

// Replays every input the fuzzers kept: none may crash, hang or leak, and
// no score given over a kept roster file may land on another student.
class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private:
    using Target = std::function<bool(const std::uint8_t *, std::size_t)>;

    static void replay(const QString &folder, const Target &target)
    {
        const QDir corpus(QStringLiteral(FUZZ_CORPUS_DIR "/") + folder);
        const QStringList inputs = corpus.entryList(QDir::Files);
        QVERIFY2(!inputs.isEmpty(), qPrintable(corpus.path()));
        for (const QString &input : inputs) {
            QFile file(corpus.filePath(input));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(target(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())),
                     qPrintable(input));
        }
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }
    void importReader()
    {
        replay(QStringLiteral("importreader"), [](const std::uint8_t *data, std::size_t size) {
            readImportBytes(data, size);
            return true;
        });
    }
    void workbookReader()
    {
        replay(QStringLiteral("workbookreader"), [](const std::uint8_t *data, std::size_t size) {
            readWorkbookBytes(data, size);
            return true;
        });
    }
    void rosterFile() { replay(QStringLiteral("rosterfile"), loadRosterBytes); }
};

ZANDREL_TEST_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
