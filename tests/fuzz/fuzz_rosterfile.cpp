// libFuzzer entry for the roster file loader.
#include "fuzztargets.h"

#include <QCoreApplication>

#include <cstdlib>

#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The roster file under test lives in a scratch settings folder.
    const QByteArray scratch = "/tmp/zandrel-fuzz-" + QByteArray::number(qint64(getpid()));
    qputenv("XDG_CONFIG_HOME", scratch);
    qputenv("HOME", scratch);
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (!loadRosterBytes(data, size))
        std::abort();
    return 0;
}
