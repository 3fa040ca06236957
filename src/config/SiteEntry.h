#pragma once

#include <array>
#include <cstdint>
#include <string>

// A camera unit's MAC address, first byte first.
using MacAddress = std::array<std::uint8_t, 6>;

// One roadside site, known by the MAC address of its camera unit.
struct SiteEntry {
    MacAddress mac{};
    std::string address;  // UTF-8, as the user typed it; may be empty
};
