#pragma once
#include <cstdint>

namespace varnholt {

// The machine's one random source: a 32-bit linear congruential generator.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed = 0) : seed_(seed) {}

    static constexpr std::uint32_t kMultiplier = 134775813u;
    static constexpr std::uint32_t kIncrement = 1u;

    // A value from 0 to n - 1 (0 when n <= 0). Inline: the odds simulation draws millions.
    std::int32_t Random(std::int32_t n)
    {
        seed_ = seed_ * kMultiplier + kIncrement;
        return scaled(seed_, n);
    }

    // What Random(n) returns once the generator holds `seed`: the upper half of seed * n.
    static constexpr std::int32_t scaled(std::uint32_t seed, std::int32_t n)
    {
        if (n <= 0)
            return 0;
        return std::int32_t((std::uint64_t(seed) * std::uint64_t(std::uint32_t(n))) >> 32);
    }

    void setSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

    // Seeds from the UTC time of day in milliseconds.
    void seedFromClock();

private:
    std::uint32_t seed_;
};

} // namespace varnholt
