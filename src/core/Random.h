#pragma once
#include <cstdint>

namespace varnholt {

// The machine's one random source: a 32-bit linear congruential generator.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed = 0) : seed_(seed) {}

    // A value from 0 to n - 1 (0 when n <= 0).
    std::int32_t Random(std::int32_t n);

    void setSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

    // Seeds from the UTC time of day in milliseconds.
    void seedFromClock();

private:
    std::uint32_t seed_;
};

} // namespace varnholt
