#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Compresses bytes as deflate blocks that code each byte alone, with a Huffman code
// fitted to each block and no search for repeats, which on filtered terrain finds few.
// The blocks are appended to out, none of them final, and end on a byte boundary with an
// empty stored block as a full flush ends them: runs made apart, laid one after another,
// form one stream, and each can be inflated without those before it.
void AppendHuffmanBlocks(const uint8_t* data, size_t size, std::vector<uint8_t>& out);
