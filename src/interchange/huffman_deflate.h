#pragma once

#include <cstddef>
#include <cstdint>

// Compresses bytes as deflate blocks that code each byte alone, with a Huffman code
// fitted to each block and no search for repeats, which on filtered terrain finds few.
// None of the blocks is final, and they end on a byte boundary with an empty stored block
// as a full flush ends them: runs made apart, laid one after another, form one stream, and
// each can be inflated without those before it. Returns the end of what it wrote to out,
// which must have room for HuffmanBlocksBound(size) bytes.
uint8_t* WriteHuffmanBlocks(const uint8_t* data, size_t size, uint8_t* out);

// The room WriteHuffmanBlocks needs, a little more than it writes.
size_t HuffmanBlocksBound(size_t size);
