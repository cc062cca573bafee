// libFuzzer target: the keystroke script parser. Any script must either be
// sent or refused with a SendKeysError, and no key may stay held afterwards.
#include "keys/RecordingKeySink.h"
#include "keys/SendKeysError.h"
#include "keys/clsSendKeys.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Counts can ask for millions of keys; keep each input small.
    if (size > 256)
        return 0;
    static int argc = 1;
    static char name[] = "fuzz_sendkeys";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QString script = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    RecordingKeySink sink;
    try {
        clsSendKeys sender(sink);
        sender.SendKeys(script, false);
    } catch (const SendKeysError &) {
    }
    if (!sink.keysHeld().empty())
        std::abort();
    return 0;
}
