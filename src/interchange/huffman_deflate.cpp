#include "interchange/huffman_deflate.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace {

// Bits leave the writer four bytes at a time, stored as the machine orders them.
static_assert(std::endian::native == std::endian::little);

// Large enough that the code tables cost little, small enough to follow the data's
// changes across a field.
constexpr size_t kBlockBytes = 64 * 1024;
constexpr int kEndOfBlock = 256;
constexpr int kLiteralCodes = 257;
// Literals only, but decoders want a distance code: two of one bit, as zlib sends.
constexpr int kDistanceCodes = 2;
constexpr int kMaxLiteralBits = 15;
constexpr int kMaxLengthCodeBits = 7;
constexpr int kLengthCodes = 19;
constexpr std::array<uint8_t, kLengthCodes> kLengthCodeOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                                11, 4,  12, 3, 13, 2, 14, 1, 15};
// The most one block can take beyond 15 bits a byte: its header and tables.
constexpr size_t kBlockHeaderBound = 600;

// Bits put least significant first, as deflate packs them, into memory reserved ahead.
class BitWriter {
public:
    explicit BitWriter(uint8_t* out) : out_(out) {}

    // At most 32 bits in all since the last Spill.
    void Put(uint32_t bits, int count) {
        buffer_ |= uint64_t(bits) << count_;
        count_ += count;
    }
    void Spill() {
        while (count_ >= 8) {
            *out_++ = uint8_t(buffer_);
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    // The bytes coded with codes and lengths, with the writer's state kept in registers:
    // stores through a byte pointer could otherwise alias it. Three codes of at most 15
    // bits fit beside the 7 bits left over; all eight bytes of the buffer are stored each
    // time and the whole ones among them kept, with no test on the count.
    void PutBytes(const uint8_t* data, size_t size, const uint16_t* codes, const uint8_t* lengths) {
        Spill();
        uint64_t buffer = buffer_;
        int count = count_;
        uint8_t* out = out_;
        size_t i = 0;
        for (; i + 3 <= size; i += 3) {
            buffer |= uint64_t(codes[data[i]]) << count;
            count += lengths[data[i]];
            buffer |= uint64_t(codes[data[i + 1]]) << count;
            count += lengths[data[i + 1]];
            buffer |= uint64_t(codes[data[i + 2]]) << count;
            count += lengths[data[i + 2]];
            std::memcpy(out, &buffer, 8);  // little-endian, as deflate packs bits
            out += count >> 3;
            buffer >>= count & ~7;
            count &= 7;
        }
        buffer_ = buffer;
        count_ = count;
        out_ = out;
        for (; i < size; ++i) {
            Put(codes[data[i]], lengths[data[i]]);
            Spill();
        }
    }
    void AlignToByte() {
        Spill();
        if (count_ > 0) Put(0, 8 - count_);
        Spill();
    }
    uint8_t* end() const { return out_; }

private:
    uint8_t* out_;
    uint64_t buffer_ = 0;
    int count_ = 0;
};

// Huffman code lengths of at most maxBits for the counts, 0 for symbols not used; at
// least two symbols get a code, so the code is always complete. Counts too uneven for
// maxBits are halved until they fit, which costs a little size and only then.
void CodeLengths(const uint32_t* counts, int symbols, int maxBits, uint8_t* lengths) {
    std::vector<uint32_t> weights(counts, counts + symbols);
    std::vector<int> used;
    for (int s = 0; s < symbols; ++s) {
        if (weights[s] > 0) used.push_back(s);
    }
    for (int s = 0; used.size() < 2; ++s) {
        if (weights[s] == 0) {
            weights[s] = 1;
            used.push_back(s);
        }
    }
    const int leaves = int(used.size());
    std::vector<uint32_t> weight(2 * leaves - 1);
    std::vector<int> parent(2 * leaves - 1);
    std::vector<int> depth(2 * leaves - 1);
    for (;;) {
        std::stable_sort(used.begin(), used.end(), [&](int a, int b) { return weights[a] < weights[b]; });
        for (int i = 0; i < leaves; ++i) weight[i] = weights[used[i]];
        // Two queues: the sorted leaves and the joined nodes, which come out in order.
        int leaf = 0;
        int joined = leaves;
        auto takeSmallest = [&](int node) {
            int taken = (leaf < leaves && (joined >= node || weight[leaf] <= weight[joined])) ? leaf++ : joined++;
            parent[taken] = node;
            return weight[taken];
        };
        for (int node = leaves; node < 2 * leaves - 1; ++node) {
            uint32_t first = takeSmallest(node);
            weight[node] = first + takeSmallest(node);
        }
        depth[2 * leaves - 2] = 0;
        int deepest = 0;
        for (int node = 2 * leaves - 3; node >= 0; --node) {
            depth[node] = depth[parent[node]] + 1;
            deepest = std::max(deepest, depth[node]);
        }
        if (deepest <= maxBits) break;
        for (int s : used) weights[s] = (weights[s] + 1) / 2;
    }
    std::fill(lengths, lengths + symbols, 0);
    for (int i = 0; i < leaves; ++i) lengths[used[i]] = uint8_t(depth[i]);
}

// Canonical codes for the lengths, bit-reversed since deflate sends codes from their top bit.
void CanonicalCodes(const uint8_t* lengths, int symbols, uint16_t* codes) {
    std::array<int, 16> perLength{};
    for (int s = 0; s < symbols; ++s) ++perLength[lengths[s]];
    perLength[0] = 0;
    std::array<uint32_t, 16> next{};
    uint32_t code = 0;
    for (int bits = 1; bits < 16; ++bits) {
        code = (code + perLength[bits - 1]) << 1;
        next[bits] = code;
    }
    for (int s = 0; s < symbols; ++s) {
        const int bits = lengths[s];
        if (bits == 0) continue;
        uint32_t forward = next[bits]++;
        uint32_t reversed = 0;
        for (int b = 0; b < bits; ++b) reversed |= ((forward >> b) & 1u) << (bits - 1 - b);
        codes[s] = uint16_t(reversed);
    }
}

// A code length as sent: a length-code symbol and its extra bits.
struct LengthSymbol {
    uint8_t symbol;
    uint8_t extraBits;
    uint8_t extra;
};

// The code lengths run-length coded: 16 repeats the last length, 17 and 18 give zeros.
std::vector<LengthSymbol> RunLengths(const uint8_t* lengths, int count) {
    std::vector<LengthSymbol> sent;
    for (int i = 0; i < count;) {
        const uint8_t length = lengths[i];
        int run = 1;
        while (i + run < count && lengths[i + run] == length) ++run;
        i += run;
        if (length == 0) {
            for (; run >= 11; run -= std::min(run, 138)) sent.push_back({18, 7, uint8_t(std::min(run, 138) - 11)});
            if (run >= 3) {
                sent.push_back({17, 3, uint8_t(run - 3)});
                run = 0;
            }
        } else {
            sent.push_back({length, 0, 0});
            for (--run; run >= 3; run -= std::min(run, 6)) sent.push_back({16, 2, uint8_t(std::min(run, 6) - 3)});
        }
        for (; run > 0; --run) sent.push_back({length, 0, 0});
    }
    return sent;
}

void WriteBlock(const uint8_t* data, size_t size, BitWriter& bits) {
    std::array<std::array<uint32_t, 256>, 4> partCounts{};
    size_t i = 0;
    for (; i + 4 <= size; i += 4) {
        for (int p = 0; p < 4; ++p) ++partCounts[p][data[i + p]];
    }
    for (; i < size; ++i) ++partCounts[0][data[i]];
    std::array<uint32_t, kLiteralCodes + kDistanceCodes> counts{};
    for (int b = 0; b < 256; ++b) counts[b] = partCounts[0][b] + partCounts[1][b] + partCounts[2][b] + partCounts[3][b];
    counts[kEndOfBlock] = 1;

    std::array<uint8_t, kLiteralCodes + kDistanceCodes> lengths{};
    CodeLengths(counts.data(), kLiteralCodes, kMaxLiteralBits, lengths.data());
    lengths[kLiteralCodes] = lengths[kLiteralCodes + 1] = 1;
    std::array<uint16_t, kLiteralCodes> codes{};
    CanonicalCodes(lengths.data(), kLiteralCodes, codes.data());

    const std::vector<LengthSymbol> sent = RunLengths(lengths.data(), int(lengths.size()));
    std::array<uint32_t, kLengthCodes> lengthCounts{};
    for (const LengthSymbol& s : sent) ++lengthCounts[s.symbol];
    std::array<uint8_t, kLengthCodes> lengthBits{};
    CodeLengths(lengthCounts.data(), kLengthCodes, kMaxLengthCodeBits, lengthBits.data());
    std::array<uint16_t, kLengthCodes> lengthCodes{};
    CanonicalCodes(lengthBits.data(), kLengthCodes, lengthCodes.data());
    int lengthCodesSent = kLengthCodes;
    while (lengthCodesSent > 4 && lengthBits[kLengthCodeOrder[lengthCodesSent - 1]] == 0) --lengthCodesSent;

    bits.Put(2 << 1, 3);  // not final, dynamic codes
    bits.Put(kLiteralCodes - 257, 5);
    bits.Put(kDistanceCodes - 1, 5);
    bits.Put(uint32_t(lengthCodesSent - 4), 4);
    bits.Spill();
    for (int c = 0; c < lengthCodesSent; ++c) {
        bits.Put(lengthBits[kLengthCodeOrder[c]], 3);
        bits.Spill();
    }
    for (const LengthSymbol& s : sent) {
        bits.Put(lengthCodes[s.symbol], lengthBits[s.symbol]);
        bits.Put(s.extra, s.extraBits);
        bits.Spill();
    }
    bits.PutBytes(data, size, codes.data(), lengths.data());
    bits.Put(codes[kEndOfBlock], lengths[kEndOfBlock]);
    bits.Spill();
}

}  // namespace

size_t HuffmanBlocksBound(size_t size) {
    // At most 15 bits a byte, the tables of each block, the flush and the 8 bytes the
    // last store of whole bytes may reach past them.
    return size * 2 + (size / kBlockBytes + 1) * kBlockHeaderBound + 16;
}

uint8_t* WriteHuffmanBlocks(const uint8_t* data, size_t size, uint8_t* out) {
    BitWriter bits(out);
    for (size_t at = 0; at < size; at += kBlockBytes) WriteBlock(data + at, std::min(kBlockBytes, size - at), bits);
    bits.Put(0, 3);  // an empty stored block, not final
    bits.AlignToByte();
    uint8_t* end = bits.end();
    for (uint8_t byte : {0x00, 0x00, 0xFF, 0xFF}) *end++ = byte;
    return end;
}
