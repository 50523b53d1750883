// The host's one source of chance. Seeded once from the clock by the program
// and with a fixed value in tests, so a test deal is always the same.
#pragma once

#include <cstdint>
#include <random>

namespace velmora::host {

class Random {
public:
    explicit Random(std::uint32_t seed) : gen_(seed) {}
    static std::uint32_t clockSeed();

    void seed(std::uint32_t value) { gen_.seed(value); }
    // A uniform integer 1..n (n >= 1).
    int draw(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen_) + 1; }

private:
    std::mt19937 gen_;
};

}  // namespace velmora::host
