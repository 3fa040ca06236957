#pragma once

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>

#include <cstdint>

// The vector operations the wide colour rows are written in, on 256-bit
// registers: sixteen 16-bit lanes in two 128-bit blocks.
struct Avx2Lanes {
    using Vector = __m256i;
    // One bit set per 16-bit lane that a blend takes from its second operand.
    using Choice = __m256i;
    static constexpr int32_t Blocks = 2;

    [[gnu::target("avx2")]] static Vector Load(const uint16_t* p)
    {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    }
    [[gnu::target("avx2")]] static Vector Set(uint16_t v)
    {
        return _mm256_set1_epi16(static_cast<short>(v));
    }
    [[gnu::target("avx2")]] static Vector Add(Vector a, Vector b)
    {
        return _mm256_add_epi16(a, b);
    }
    [[gnu::target("avx2")]] static Vector Or(Vector a, Vector b)
    {
        return _mm256_or_si256(a, b);
    }
    [[gnu::target("avx2")]] static Vector MulLow(Vector a, Vector b)
    {
        return _mm256_mullo_epi16(a, b);
    }
    [[gnu::target("avx2")]] static Vector MulHigh(Vector a, Vector b)
    {
        return _mm256_mulhi_epu16(a, b);
    }
    [[gnu::target("avx2")]] static Vector AddCeiling(Vector a, Vector b)
    {
        return _mm256_adds_epu16(a, b);
    }
    [[gnu::target("avx2")]] static Vector SubFloor0(Vector a, Vector b)
    {
        return _mm256_subs_epu16(a, b);
    }
    // v in the lanes where a equals b, else 0.
    [[gnu::target("avx2")]] static Vector SelectEqual(Vector a, Vector b, Vector v)
    {
        return _mm256_and_si256(_mm256_cmpeq_epi16(a, b), v);
    }
    template <int Bits>
    [[gnu::target("avx2")]] static Vector ShiftRight(Vector a)
    {
        return _mm256_srli_epi16(a, Bits);
    }
    template <int Bits>
    [[gnu::target("avx2")]] static Vector ShiftLeft(Vector a)
    {
        return _mm256_slli_epi16(a, Bits);
    }
    // Lanes 0, 2, 4 ... when even, else the odd ones.
    [[gnu::target("avx2")]] static Choice EveryOther(bool even)
    {
        return _mm256_set1_epi32(even ? 0x0000FFFF : ~0x0000FFFF);
    }
    [[gnu::target("avx2")]] static Vector Blend(Choice chosen, Vector a, Vector b)
    {
        return _mm256_blendv_epi8(a, b, chosen);
    }
    [[gnu::target("avx2")]] static Vector InterleaveLow(Vector a, Vector b)
    {
        return _mm256_unpacklo_epi16(a, b);
    }
    [[gnu::target("avx2")]] static Vector InterleaveHigh(Vector a, Vector b)
    {
        return _mm256_unpackhi_epi16(a, b);
    }
    // The low three bytes of each 32-bit lane, packed into the first twelve
    // of each block.
    [[gnu::target("avx2")]] static Vector SqueezeBlocks(Vector a)
    {
        const __m128i squeeze =
            _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
        return _mm256_shuffle_epi8(a, _mm256_broadcastsi128_si256(squeeze));
    }
    template <int Index>
    [[gnu::target("avx2")]] static void StoreBlock(uint8_t* out, Vector a)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_extracti128_si256(a, Index));
    }
};

#endif
