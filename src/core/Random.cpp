#include "core/Random.h"

#include <chrono>

namespace varnholt {

void RandomSource::seedFromClock()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    seed_ = std::uint32_t(msOfDay);
}

} // namespace varnholt
