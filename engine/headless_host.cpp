#include "engine/headless_host.h"

#include <chrono>
#include <ctime>

namespace velmora {

TimeOfDay HeadlessHost::Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return {local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms)};
}

}  // namespace velmora
