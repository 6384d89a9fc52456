// One libFuzzer target: FUZZ_ENTRY names the entry point of fuzz_entries.h it
// feeds. A "fault:" outcome is a finding, like a crash.

#include "fuzz_entries.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString outcome = FUZZ_ENTRY(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (outcome.startsWith(QLatin1String("fault:"))) {
        std::fprintf(stderr, "%s\n", qPrintable(outcome));
        std::abort();
    }
    return 0;
}
