#include "speechcapture.h"

#include "recordingspeechbackend.h"
#include "speech/speechservice.h"

namespace {
std::shared_ptr<SpeechRecord> g_newestRecord;
}

namespace SpeechCapture {

void install()
{
    SpeechService::setBackendFactory([]() -> std::unique_ptr<SpeechBackend> {
        auto backend = std::make_unique<RecordingSpeechBackend>(QStringList{QStringLiteral("sit/cmn:804:preferred")});
        g_newestRecord = backend->record();
        return backend;
    });
}

QStringList spokenTexts()
{
    QStringList spoken;
    if (!g_newestRecord)
        return spoken;
    const QString prefix = QStringLiteral("speak ");
    for (const QString &call : g_newestRecord->calls) {
        if (call.startsWith(prefix))
            spoken << call.mid(prefix.size());
    }
    return spoken;
}

int cutOffs()
{
    return g_newestRecord ? g_newestRecord->stops : 0;
}

void clear()
{
    if (g_newestRecord)
        g_newestRecord->calls.clear();
}

}
