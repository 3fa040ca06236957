#include "demo/DemoRandom.h"

std::uint64_t DemoRandom::Next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int DemoRandom::Between(int low, int high)
{
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low + 1);
    return low + static_cast<int>(Next() % span);
}

double DemoRandom::Unit()
{
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}
