#pragma once

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>

#include <cstdint>

// The operations of Avx2Lanes in SSE2, which every x86-64 processor has:
// eight 16-bit lanes in one 128-bit block. What SSE2 lacks (a blend, a
// byte shuffle) is built from what it has.
struct Sse2Lanes {
    using Vector = __m128i;
    // All ones in each chosen lane.
    using Choice = __m128i;
    static constexpr int32_t Blocks = 1;

    static Vector Load(const uint16_t* p)
    {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }
    static Vector Set(uint16_t v) { return _mm_set1_epi16(static_cast<short>(v)); }
    static Vector Add(Vector a, Vector b) { return _mm_add_epi16(a, b); }
    static Vector Or(Vector a, Vector b) { return _mm_or_si128(a, b); }
    static Vector MulLow(Vector a, Vector b) { return _mm_mullo_epi16(a, b); }
    static Vector MulHigh(Vector a, Vector b) { return _mm_mulhi_epu16(a, b); }
    static Vector AddCeiling(Vector a, Vector b) { return _mm_adds_epu16(a, b); }
    static Vector SubFloor0(Vector a, Vector b) { return _mm_subs_epu16(a, b); }
    // v in the lanes where a equals b, else 0.
    static Vector SelectEqual(Vector a, Vector b, Vector v) { return _mm_and_si128(_mm_cmpeq_epi16(a, b), v); }
    template <int Bits>
    static Vector ShiftRight(Vector a)
    {
        return _mm_srli_epi16(a, Bits);
    }
    template <int Bits>
    static Vector ShiftLeft(Vector a)
    {
        return _mm_slli_epi16(a, Bits);
    }
    // Lanes 0, 2, 4 ... when even, else the odd ones.
    static Choice EveryOther(bool even) { return _mm_set1_epi32(even ? 0x0000FFFF : ~0x0000FFFF); }
    static Vector Blend(Choice chosen, Vector a, Vector b)
    {
        return _mm_or_si128(_mm_and_si128(chosen, b), _mm_andnot_si128(chosen, a));
    }
    static Vector InterleaveLow(Vector a, Vector b) { return _mm_unpacklo_epi16(a, b); }
    static Vector InterleaveHigh(Vector a, Vector b) { return _mm_unpackhi_epi16(a, b); }
    // The low three bytes of each 32-bit lane, packed within each 64-bit
    // half (six bytes each): moving the upper six next to the lower ones
    // would cost more shifts than a second store.
    static Vector SqueezeBlocks(Vector a)
    {
        const __m128i lowPixel = _mm_set1_epi64x(0x0000000000FFFFFF);
        const __m128i highPixel = _mm_set1_epi64x(0x0000FFFFFF000000);
        return _mm_or_si128(_mm_and_si128(a, lowPixel), _mm_and_si128(_mm_srli_epi64(a, 8), highPixel));
    }
    // Twelve pixel bytes at out as two overlapping eight-byte stores, the
    // second writing two bytes past them.
    template <int Index>
    static void StoreBlock(uint8_t* out, Vector a)
    {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), a);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 6), _mm_unpackhi_epi64(a, a));
    }
};

#endif
