#include "app/startup_phase.h"

#include <QLoggingCategory>

#include <chrono>

namespace {
Q_LOGGING_CATEGORY(startup_log, "parvolis.startup", QtWarningMsg)
}

void mark_startup_phase(const char* phase)
{
    if (!startup_log().isDebugEnabled())
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    qCDebug(startup_log, "%s %lld", phase,
            static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}
