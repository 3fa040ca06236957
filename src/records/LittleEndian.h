#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Numbers as the record files store them, least significant byte first.

inline std::uint16_t Little16(const unsigned char* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

inline std::uint32_t Little32(const unsigned char* bytes)
{
    return std::uint32_t{Little16(bytes)} | std::uint32_t{Little16(bytes + 2)} << 16;
}

inline void PutLittle16(std::string& bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

inline void PutLittle32(std::string& bytes, std::size_t offset, std::uint32_t value)
{
    PutLittle16(bytes, offset, static_cast<std::uint16_t>(value & 0xFFFF));
    PutLittle16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}
