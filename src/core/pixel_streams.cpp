#include "core/pixel_streams.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr std::size_t kStreamFrom = std::size_t(8) << 20;  // bytes

// Pixels before the first 16-byte boundary of `to`, at most count.
std::size_t HeadCount(const uint32_t* to, std::size_t count) {
    std::size_t misaligned = (reinterpret_cast<std::uintptr_t>(to) / sizeof(uint32_t)) % 4;
    return std::min(count, misaligned ? 4 - misaligned : std::size_t(0));
}

}  // namespace

bool StreamsImage(std::size_t pixels) { return pixels * sizeof(uint32_t) >= kStreamFrom; }

#ifdef __SSE2__

void StreamPixelRow(uint32_t* to, const uint32_t* from, std::size_t count) {
    std::size_t head = HeadCount(to, count);
    std::memcpy(to, from, head * sizeof(uint32_t));
    std::size_t i = head;
    for (; i + 4 <= count; i += 4) {
        __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        _mm_stream_si128(reinterpret_cast<__m128i*>(to + i), four);
    }
    std::memcpy(to + i, from + i, (count - i) * sizeof(uint32_t));
    _mm_sfence();
}

void FillPixels(uint32_t* to, uint32_t pixel, std::size_t count) {
    if (!StreamsImage(count)) {
        std::fill(to, to + count, pixel);
        return;
    }
    std::size_t head = HeadCount(to, count);
    std::fill(to, to + head, pixel);
    const __m128i four = _mm_set1_epi32(int(pixel));
    std::size_t i = head;
    for (; i + 4 <= count; i += 4) _mm_stream_si128(reinterpret_cast<__m128i*>(to + i), four);
    std::fill(to + i, to + count, pixel);
    _mm_sfence();
}

#else

void StreamPixelRow(uint32_t* to, const uint32_t* from, std::size_t count) {
    std::memcpy(to, from, count * sizeof(uint32_t));
}

void FillPixels(uint32_t* to, uint32_t pixel, std::size_t count) { std::fill(to, to + count, pixel); }

#endif

void PutImageRow(uint32_t* to, const uint32_t* from, std::size_t count, bool stream) {
    if (stream) {
        StreamPixelRow(to, from, count);
    } else {
        std::memcpy(to, from, count * sizeof(uint32_t));
    }
}

void CopyPixelRun(uint32_t* to, const uint32_t* from, std::size_t count) {
    PutImageRow(to, from, count, StreamsImage(count));
}
