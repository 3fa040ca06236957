#pragma once

#include <cstddef>
#include <cstdint>

// A small deterministic generator (splitmix64): the same seed gives the same
// demo installation on every machine and every run.
class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();
    // A whole number in [low, high].
    int Between(int low, int high);
    // A number in [0, 1).
    double Unit();
    // One element of a non-empty array.
    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N])
    {
        return items[Between(0, static_cast<int>(N) - 1)];
    }

private:
    std::uint64_t state_;
};
