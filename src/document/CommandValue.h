#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

// The setting that a command of a family (colour modes, filters, zooms, full
// screens) stands for; -1 for an id outside the family.
template <std::size_t N>
constexpr std::int32_t CommandValue(const std::array<std::pair<int, std::int32_t>, N>& family, int id)
{
    const auto found = std::find_if(family.begin(), family.end(), [id](const auto& entry) { return entry.first == id; });
    return found == family.end() ? -1 : found->second;
}
