// SHA-256 compression with the processor's SHA extensions: two rounds per
// instruction, the message schedule computed alongside. The chaining words live
// in two registers, ABEF and CDGH. Compiled for the SHA extensions and SSE4.1;
// everything here besides the compression stays internal.

#include <immintrin.h>

#include "hash/x86/ShaCompressionsX86.h"
#include "hash/x86/ShaExtensionsLoad.h"

namespace validador::x86 {

void Sha256CompressBlocksWithExtensions(std::uint32_t (&chainState)[8],
                                        const std::uint8_t* blocks, std::size_t count) {
  // Each 32-bit word byte-swapped in place.
  const __m128i byteSwap = _mm_set_epi64x(0x0C0D0E0F08090A0BLL, 0x0405060700010203LL);
  const __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chainState));
  const __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chainState + 4));
  const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
  const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
  __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
  __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);
  __m128i words, msg0, msg1, msg2, msg3;

  for (; count > 0; --count, blocks += 64) {
    const __m128i abefBefore = abef;
    const __m128i cdghBefore = cdgh;

    // Rounds 0 to 3.
    msg0 = LoadSwapped(blocks + 0, byteSwap);
    words = _mm_add_epi32(msg0, _mm_set_epi32(0xE9B5DBA5u, 0xB5C0FBCFu, 0x71374491u, 0x428A2F98u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));

    // Rounds 4 to 7.
    msg1 = LoadSwapped(blocks + 16, byteSwap);
    words = _mm_add_epi32(msg1, _mm_set_epi32(0xAB1C5ED5u, 0x923F82A4u, 0x59F111F1u, 0x3956C25Bu));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg0 = _mm_sha256msg1_epu32(msg0, msg1);

    // Rounds 8 to 11.
    msg2 = LoadSwapped(blocks + 32, byteSwap);
    words = _mm_add_epi32(msg2, _mm_set_epi32(0x550C7DC3u, 0x243185BEu, 0x12835B01u, 0xD807AA98u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg1 = _mm_sha256msg1_epu32(msg1, msg2);

    // Rounds 12 to 15.
    msg3 = LoadSwapped(blocks + 48, byteSwap);
    words = _mm_add_epi32(msg3, _mm_set_epi32(0xC19BF174u, 0x9BDC06A7u, 0x80DEB1FEu, 0x72BE5D74u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg0 = _mm_sha256msg2_epu32(_mm_add_epi32(msg0, _mm_alignr_epi8(msg3, msg2, 4)), msg3);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg2 = _mm_sha256msg1_epu32(msg2, msg3);

    // Rounds 16 to 19.
    words = _mm_add_epi32(msg0, _mm_set_epi32(0x240CA1CCu, 0x0FC19DC6u, 0xEFBE4786u, 0xE49B69C1u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg1 = _mm_sha256msg2_epu32(_mm_add_epi32(msg1, _mm_alignr_epi8(msg0, msg3, 4)), msg0);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg3 = _mm_sha256msg1_epu32(msg3, msg0);

    // Rounds 20 to 23.
    words = _mm_add_epi32(msg1, _mm_set_epi32(0x76F988DAu, 0x5CB0A9DCu, 0x4A7484AAu, 0x2DE92C6Fu));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg2 = _mm_sha256msg2_epu32(_mm_add_epi32(msg2, _mm_alignr_epi8(msg1, msg0, 4)), msg1);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg0 = _mm_sha256msg1_epu32(msg0, msg1);

    // Rounds 24 to 27.
    words = _mm_add_epi32(msg2, _mm_set_epi32(0xBF597FC7u, 0xB00327C8u, 0xA831C66Du, 0x983E5152u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg3 = _mm_sha256msg2_epu32(_mm_add_epi32(msg3, _mm_alignr_epi8(msg2, msg1, 4)), msg2);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg1 = _mm_sha256msg1_epu32(msg1, msg2);

    // Rounds 28 to 31.
    words = _mm_add_epi32(msg3, _mm_set_epi32(0x14292967u, 0x06CA6351u, 0xD5A79147u, 0xC6E00BF3u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg0 = _mm_sha256msg2_epu32(_mm_add_epi32(msg0, _mm_alignr_epi8(msg3, msg2, 4)), msg3);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg2 = _mm_sha256msg1_epu32(msg2, msg3);

    // Rounds 32 to 35.
    words = _mm_add_epi32(msg0, _mm_set_epi32(0x53380D13u, 0x4D2C6DFCu, 0x2E1B2138u, 0x27B70A85u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg1 = _mm_sha256msg2_epu32(_mm_add_epi32(msg1, _mm_alignr_epi8(msg0, msg3, 4)), msg0);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg3 = _mm_sha256msg1_epu32(msg3, msg0);

    // Rounds 36 to 39.
    words = _mm_add_epi32(msg1, _mm_set_epi32(0x92722C85u, 0x81C2C92Eu, 0x766A0ABBu, 0x650A7354u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg2 = _mm_sha256msg2_epu32(_mm_add_epi32(msg2, _mm_alignr_epi8(msg1, msg0, 4)), msg1);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg0 = _mm_sha256msg1_epu32(msg0, msg1);

    // Rounds 40 to 43.
    words = _mm_add_epi32(msg2, _mm_set_epi32(0xC76C51A3u, 0xC24B8B70u, 0xA81A664Bu, 0xA2BFE8A1u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg3 = _mm_sha256msg2_epu32(_mm_add_epi32(msg3, _mm_alignr_epi8(msg2, msg1, 4)), msg2);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg1 = _mm_sha256msg1_epu32(msg1, msg2);

    // Rounds 44 to 47.
    words = _mm_add_epi32(msg3, _mm_set_epi32(0x106AA070u, 0xF40E3585u, 0xD6990624u, 0xD192E819u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg0 = _mm_sha256msg2_epu32(_mm_add_epi32(msg0, _mm_alignr_epi8(msg3, msg2, 4)), msg3);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg2 = _mm_sha256msg1_epu32(msg2, msg3);

    // Rounds 48 to 51.
    words = _mm_add_epi32(msg0, _mm_set_epi32(0x34B0BCB5u, 0x2748774Cu, 0x1E376C08u, 0x19A4C116u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg1 = _mm_sha256msg2_epu32(_mm_add_epi32(msg1, _mm_alignr_epi8(msg0, msg3, 4)), msg0);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    msg3 = _mm_sha256msg1_epu32(msg3, msg0);

    // Rounds 52 to 55.
    words = _mm_add_epi32(msg1, _mm_set_epi32(0x682E6FF3u, 0x5B9CCA4Fu, 0x4ED8AA4Au, 0x391C0CB3u));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg2 = _mm_sha256msg2_epu32(_mm_add_epi32(msg2, _mm_alignr_epi8(msg1, msg0, 4)), msg1);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));

    // Rounds 56 to 59.
    words = _mm_add_epi32(msg2, _mm_set_epi32(0x8CC70208u, 0x84C87814u, 0x78A5636Fu, 0x748F82EEu));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    msg3 = _mm_sha256msg2_epu32(_mm_add_epi32(msg3, _mm_alignr_epi8(msg2, msg1, 4)), msg2);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));

    // Rounds 60 to 63.
    words = _mm_add_epi32(msg3, _mm_set_epi32(0xC67178F2u, 0xBEF9A3F7u, 0xA4506CEBu, 0x90BEFFFAu));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(words, 0x0E));
    abef = _mm_add_epi32(abef, abefBefore);
    cdgh = _mm_add_epi32(cdgh, cdghBefore);
  }

  const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
  const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(chainState), _mm_blend_epi16(feba, dchg, 0xF0));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(chainState + 4), _mm_alignr_epi8(dchg, feba, 8));
}

}  // namespace validador::x86
