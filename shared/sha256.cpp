#include "shared/sha256.h"

#include <algorithm>
#include <cstring>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <cpuid.h>
#include <immintrin.h>
#define TSR_SHA_EXTENSIONS 1
#endif

#include "shared/file_routines.h"

namespace {

constexpr std::uint32_t kRound[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

std::uint32_t Rotr(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

#ifdef TSR_SHA_EXTENSIONS
// The processor's own SHA-256 rounds: a 1 MB document is fingerprinted at
// logon in well under a millisecond instead of several.
bool CpuHasShaExtensions() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
    const bool ssse3 = (c & (1u << 9)) != 0, sse41 = (c & (1u << 19)) != 0;
    if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return false;
    return ssse3 && sse41 && (b & (1u << 29)) != 0;
}

__attribute__((target("sha,sse4.1,ssse3"))) void ShaExtensionBlocks(std::uint32_t* state, const unsigned char* data,
                                                                    std::size_t blocks) {
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
    // The rounds keep the state as ABEF and CDGH.
    __m128i swapped = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0xB1);
    __m128i cdgh = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4)), 0x1B);
    __m128i abef = _mm_alignr_epi8(swapped, cdgh, 8);
    cdgh = _mm_blend_epi16(cdgh, swapped, 0xF0);
    for (; blocks > 0; --blocks, data += 64) {
        const __m128i abefBefore = abef, cdghBefore = cdgh;
        __m128i w[4];  // message words 4g .. 4g+3 in w[g % 4]
        for (int g = 0; g < 16; ++g) {
            if (g < 4) {
                w[g] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * g)), byteSwap);
            } else {
                __m128i next = _mm_sha256msg1_epu32(w[g & 3], w[(g - 3) & 3]);
                next = _mm_add_epi32(next, _mm_alignr_epi8(w[(g - 1) & 3], w[(g - 2) & 3], 4));
                w[g & 3] = _mm_sha256msg2_epu32(next, w[(g - 1) & 3]);
            }
            __m128i message =
                _mm_add_epi32(w[g & 3], _mm_loadu_si128(reinterpret_cast<const __m128i*>(kRound + 4 * g)));
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
            message = _mm_shuffle_epi32(message, 0x0E);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, message);
        }
        abef = _mm_add_epi32(abef, abefBefore);
        cdgh = _mm_add_epi32(cdgh, cdghBefore);
    }
    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    cdgh = _mm_shuffle_epi32(cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(feba, cdgh, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(cdgh, feba, 8));
}
#endif

}  // namespace

Sha256::Sha256(bool useCpuExtensions)
    : state_{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19},
      buffer_{} {
#ifdef TSR_SHA_EXTENSIONS
    static const bool available = CpuHasShaExtensions();
    cpuExtensions_ = useCpuExtensions && available;
#else
    (void)useCpuExtensions;
#endif
}

void Sha256::Blocks(const unsigned char* data, std::size_t count) {
#ifdef TSR_SHA_EXTENSIONS
    if (cpuExtensions_) {
        ShaExtensionBlocks(state_, data, count);
        return;
    }
#endif
    for (; count > 0; --count, data += 64) Block(data);
}

void Sha256::Add(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    length_ += size;
    if (buffered_ > 0) {
        const std::size_t take = std::min(size, sizeof buffer_ - buffered_);
        std::memcpy(buffer_ + buffered_, bytes, take);
        buffered_ += take, bytes += take, size -= take;
        if (buffered_ < sizeof buffer_) return;
        Blocks(buffer_, 1);
        buffered_ = 0;
    }
    // Whole blocks straight from the input.
    const std::size_t whole = size / sizeof buffer_;
    Blocks(bytes, whole);
    bytes += whole * sizeof buffer_, size -= whole * sizeof buffer_;
    std::memcpy(buffer_, bytes, size);
    buffered_ = size;
}

std::string Sha256::HexDigest() {
    const std::uint64_t bits = length_ * 8;
    const unsigned char pad = 0x80;
    Add(&pad, 1);
    const unsigned char zero = 0;
    while (buffered_ != 56) Add(&zero, 1);
    unsigned char tail[8];
    for (int i = 0; i < 8; ++i) tail[i] = static_cast<unsigned char>(bits >> (56 - 8 * i));
    Add(tail, 8);
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (std::uint32_t word : state_) {
        for (int shift = 28; shift >= 0; shift -= 4) hex += kHex[(word >> shift) & 0xF];
    }
    return hex;
}

void Sha256::Block(const unsigned char* block) {
    std::uint32_t w[64];
    for (int i = 0; i < 16; ++i) {
        w[i] = (std::uint32_t(block[4 * i]) << 24) | (std::uint32_t(block[4 * i + 1]) << 16) |
               (std::uint32_t(block[4 * i + 2]) << 8) | std::uint32_t(block[4 * i + 3]);
    }
    for (int i = 16; i < 64; ++i) {
        const std::uint32_t s0 = Rotr(w[i - 15], 7) ^ Rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const std::uint32_t s1 = Rotr(w[i - 2], 17) ^ Rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    std::uint32_t e = state_[4], f = state_[5], g = state_[6], h = state_[7];
    for (int i = 0; i < 64; ++i) {
        const std::uint32_t t1 = h + (Rotr(e, 6) ^ Rotr(e, 11) ^ Rotr(e, 25)) + ((e & f) ^ (~e & g)) + kRound[i] + w[i];
        const std::uint32_t t2 = (Rotr(a, 2) ^ Rotr(a, 13) ^ Rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
        h = g, g = f, f = e, e = d + t1, d = c, c = b, b = a, a = t1 + t2;
    }
    state_[0] += a, state_[1] += b, state_[2] += c, state_[3] += d;
    state_[4] += e, state_[5] += f, state_[6] += g, state_[7] += h;
}

std::string Sha256Hex(const std::string& bytes) {
    Sha256 hash;
    hash.Add(bytes.data(), bytes.size());
    return hash.HexDigest();
}

std::string FileSha256Hex(const std::string& path) {
    std::string bytes;
    if (!FileExists(path) || !ReadWholeFile(path, &bytes)) return std::string();
    return Sha256Hex(bytes);
}
