#pragma once

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>

#include <cstdint>

// The operations of Avx2Lanes on 512-bit registers: thirty-two 16-bit lanes
// in four 128-bit blocks, and blends chosen by a mask register. The
// broadcast and the extraction are the zero-masked forms with every lane kept:
// GCC 12 warns that the unmasked ones read an uninitialised register.
struct Avx512Lanes {
    using Vector = __m512i;
    using Choice = __mmask32;
    static constexpr int32_t Blocks = 4;

    [[gnu::target("avx512f,avx512bw")]] static Vector Load(const uint16_t* p)
    {
        return _mm512_loadu_si512(p);
    }
    [[gnu::target("avx512f,avx512bw")]] static Vector Set(uint16_t v)
    {
        return _mm512_set1_epi16(static_cast<short>(v));
    }
    [[gnu::target("avx512f,avx512bw")]] static Vector Add(Vector a, Vector b)
    {
        return _mm512_add_epi16(a, b);
    }
    [[gnu::target("avx512f,avx512bw")]] static Vector Or(Vector a, Vector b)
    {
        return _mm512_or_si512(a, b);
    }
    [[gnu::target("avx512f,avx512bw")]] static Vector MulLow(Vector a, Vector b)
    {
        return _mm512_mullo_epi16(a, b);
    }
    [[gnu::target("avx512f,avx512bw")]] static Vector MulHigh(Vector a, Vector b)
    {
        return _mm512_mulhi_epu16(a, b);
    }
    [[gnu::target("avx512f,avx512bw")]] static Vector AddCeiling(Vector a, Vector b)
    {
        return _mm512_adds_epu16(a, b);
    }
    [[gnu::target("avx512f,avx512bw")]] static Vector SubFloor0(Vector a, Vector b)
    {
        return _mm512_subs_epu16(a, b);
    }
    // v in the lanes where a equals b, else 0.
    [[gnu::target("avx512f,avx512bw")]] static Vector SelectEqual(Vector a, Vector b, Vector v)
    {
        return _mm512_maskz_mov_epi16(_mm512_cmpeq_epi16_mask(a, b), v);
    }
    template <int Bits>
    [[gnu::target("avx512f,avx512bw")]] static Vector ShiftRight(Vector a)
    {
        return _mm512_srli_epi16(a, Bits);
    }
    template <int Bits>
    [[gnu::target("avx512f,avx512bw")]] static Vector ShiftLeft(Vector a)
    {
        return _mm512_slli_epi16(a, Bits);
    }
    // Lanes 0, 2, 4 ... when even, else the odd ones.
    [[gnu::target("avx512f,avx512bw")]] static Choice EveryOther(bool even)
    {
        return even ? 0x55555555U : 0xAAAAAAAAU;
    }
    [[gnu::target("avx512f,avx512bw")]] static Vector Blend(Choice chosen, Vector a, Vector b)
    {
        return _mm512_mask_blend_epi16(chosen, a, b);
    }
    [[gnu::target("avx512f,avx512bw")]] static Vector InterleaveLow(Vector a, Vector b)
    {
        return _mm512_unpacklo_epi16(a, b);
    }
    [[gnu::target("avx512f,avx512bw")]] static Vector InterleaveHigh(Vector a, Vector b)
    {
        return _mm512_unpackhi_epi16(a, b);
    }
    // The low three bytes of each 32-bit lane, packed into the first twelve
    // of each block.
    [[gnu::target("avx512f,avx512bw")]] static Vector SqueezeBlocks(Vector a)
    {
        const __m128i squeeze =
            _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
        return _mm512_shuffle_epi8(a, _mm512_maskz_broadcast_i32x4(0xFFFF, squeeze));
    }
    template <int Index>
    [[gnu::target("avx512f,avx512bw")]] static void StoreBlock(uint8_t* out, Vector a)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm512_maskz_extracti32x4_epi32(0xF, a, Index));
    }
};

#endif
