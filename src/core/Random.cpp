#include "core/Random.h"

#include <chrono>

namespace varnholt {

std::int32_t RandomSource::Random(std::int32_t n)
{
    seed_ = seed_ * 134775813u + 1u;
    if (n <= 0)
        return 0;
    const std::uint64_t product = std::uint64_t(seed_) * std::uint64_t(std::uint32_t(n));
    return std::int32_t(product >> 32);
}

void RandomSource::seedFromClock()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    seed_ = std::uint32_t(msOfDay);
}

} // namespace varnholt
