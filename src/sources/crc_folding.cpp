#include "sources/crc_folding.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUORVANE_CLMUL_TARGET __attribute__((target("pclmul,sse4.1")))
#endif

namespace quorvane::crc_folding {

#ifdef QUORVANE_CLMUL_TARGET

namespace {

QUORVANE_CLMUL_TARGET inline __m128i load(const std::uint8_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// lane * x^distance, reduced to at most 96 bits, added to next. The low quadword of a
// lane holds the higher-degree half of its polynomial (reflected order), so it meets
// the constant for distance + 64.
QUORVANE_CLMUL_TARGET inline __m128i fold(__m128i lane, __m128i constants, __m128i next) {
  const __m128i high = _mm_clmulepi64_si128(lane, constants, 0x00);
  const __m128i low = _mm_clmulepi64_si128(lane, constants, 0x11);
  return _mm_xor_si128(_mm_xor_si128(high, low), next);
}

}  // namespace

QUORVANE_CLMUL_TARGET std::uint32_t Fold(const FoldConstants& k, std::uint32_t crc, const std::uint8_t* bytes,
                                         std::size_t length, TableUpdate finish) {
  const __m128i by4 = _mm_set_epi64x(static_cast<long long>(k.by4Low), static_cast<long long>(k.by4High));
  const __m128i by1 = _mm_set_epi64x(static_cast<long long>(k.by1Low), static_cast<long long>(k.by1High));

  // A reflected CRC register adds into the message's first bits, so starting from crc
  // is the same as starting from 0 with crc added to the first bytes.
  __m128i x0 = _mm_xor_si128(load(bytes), _mm_cvtsi32_si128(static_cast<int>(crc)));
  __m128i x1 = load(bytes + 16);
  __m128i x2 = load(bytes + 32);
  __m128i x3 = load(bytes + 48);
  bytes += 64;
  length -= 64;
  while (length >= 64) {
    x0 = fold(x0, by4, load(bytes));
    x1 = fold(x1, by4, load(bytes + 16));
    x2 = fold(x2, by4, load(bytes + 32));
    x3 = fold(x3, by4, load(bytes + 48));
    bytes += 64;
    length -= 64;
  }
  __m128i x = fold(x0, by1, x1);
  x = fold(x, by1, x2);
  x = fold(x, by1, x3);
  while (length >= 16) {
    x = fold(x, by1, load(bytes));
    bytes += 16;
    length -= 16;
  }

  // x is congruent to the whole message so far; its CRC from 0 is the message's CRC.
  alignas(16) std::uint8_t remainder[16];
  _mm_store_si128(reinterpret_cast<__m128i*>(remainder), x);
  return finish(finish(0, remainder, sizeof remainder), bytes, length);
}

#else

std::uint32_t Fold(const FoldConstants&, std::uint32_t crc, const std::uint8_t* bytes, std::size_t length,
                   TableUpdate finish) {
  return finish(crc, bytes, length);
}

#endif

}  // namespace quorvane::crc_folding
