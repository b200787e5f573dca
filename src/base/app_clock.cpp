#include "base/app_clock.h"

namespace {
const SystemClock systemClock;
const AppClock* installed = nullptr;
}  // namespace

const AppClock& AppClock::current() {
    return installed ? *installed : systemClock;
}

void AppClock::install(const AppClock* clock) {
    installed = clock;
}
