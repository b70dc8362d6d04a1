#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <random>

#include "interchange/height_files.h"
#include "interchange/huffman_deflate.h"
#include "scratch.h"
#include "test_png.h"

namespace {

// Raw deflate data inflated by zlib, or empty when zlib refuses it.
std::vector<uint8_t> Inflate(const std::vector<uint8_t>& deflated, size_t expected) {
    std::vector<uint8_t> out(expected + 1);
    z_stream stream{};
    inflateInit2(&stream, -15);
    stream.next_in = const_cast<uint8_t*>(deflated.data());
    stream.avail_in = uInt(deflated.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const int result = inflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    inflateEnd(&stream);
    return result == Z_STREAM_END ? out : std::vector<uint8_t>{0xEE};
}

// Runs coded apart and laid end to end, closed by a final empty block, are one stream.
TEST(HuffmanBlocks, RunsLaidEndToEndInflateToTheirBytes) {
    std::mt19937 random(5);
    std::vector<uint8_t> noise(200000);
    for (uint8_t& byte : noise) byte = uint8_t(random());
    // Counts that grow as Fibonacci's numbers make a Huffman code deeper than deflate's 15 bits.
    std::vector<uint8_t> skewed;
    for (uint32_t symbol = 0, count = 1, before = 1; skewed.size() + count < 60000; ++symbol) {
        skewed.insert(skewed.end(), count, uint8_t(symbol * 7));
        before = std::exchange(count, count + before);
    }
    const std::vector<std::vector<uint8_t>> runs = {noise, skewed, std::vector<uint8_t>(70000, 42), {9}, {}};
    std::vector<uint8_t> deflated;
    std::vector<uint8_t> expected;
    for (const std::vector<uint8_t>& run : runs) {
        std::vector<uint8_t> alone(HuffmanBlocksBound(run.size()));
        alone.resize(size_t(WriteHuffmanBlocks(run.data(), run.size(), alone.data()) - alone.data()));
        alone.insert(alone.end(), {0x03, 0x00});
        EXPECT_EQ(Inflate(alone, run.size()), run) << run.size() << " bytes";
        deflated.insert(deflated.end(), alone.begin(), alone.end() - 2);
        expected.insert(expected.end(), run.begin(), run.end());
    }
    deflated.insert(deflated.end(), {0x03, 0x00});
    EXPECT_EQ(Inflate(deflated, expected.size()), expected);
    EXPECT_LT(deflated.size(), expected.size());
}

void PutBigEndian(uint32_t value, std::vector<uint8_t>& bytes) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(uint8_t(value >> shift));
}

void PutChunk(const char* type, const std::vector<uint8_t>& data, std::vector<uint8_t>& file) {
    PutBigEndian(uint32_t(data.size()), file);
    std::vector<uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    file.insert(file.end(), typed.begin(), typed.end());
    PutBigEndian(uint32_t(crc32(0, typed.data(), uInt(typed.size()))), file);
}

// A row filtered with the PNG filter given; up is the row above (zeros for the first).
std::vector<uint8_t> Filtered(uint8_t filter, const uint8_t* row, const uint8_t* up, size_t bytes, size_t pixel) {
    std::vector<uint8_t> out{filter};
    for (size_t i = 0; i < bytes; ++i) {
        const int a = i >= pixel ? row[i - pixel] : 0, b = up[i], c = i >= pixel ? up[i - pixel] : 0;
        const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
        const int paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
        const int predicted[] = {0, a, b, (a + b) / 2, paeth};
        out.push_back(uint8_t(row[i] - predicted[filter]));
    }
    return out;
}

class PngBands : public ::testing::Test {
protected:
    ScratchDir dir;
};

// Fields of several bands, wide and narrow, written and read back by this program and by
// libpng to the same samples; a damaged band is refused, not read wrong.
TEST_F(PngBands, WrittenFieldsReadTheSameHereAndInLibpng) {
    std::mt19937 random(11);
    for (int bits : {16, 8}) {
        HeightSamples field;
        field.width = 1000;
        field.height = 1300;  // five bands of 16-bit rows
        field.bits = bits;
        field.values.resize(size_t(field.width) * size_t(field.height));
        const int top = bits == 16 ? 65535 : 255;
        for (int y = 0; y < field.height; ++y) {
            for (int x = 0; x < field.width; ++x) {
                // Flat, smooth and rough parts, as terrain has.
                int value = y < 300 ? 1000 : (x * 37 + y * 11 + int(random() % (y < 900 ? 3 : 4000)));
                field.values[size_t(y) * size_t(field.width) + size_t(x)] = uint16_t(value % (top + 1));
            }
        }
        // Written as a batch run writes it: rows streamed from a greymap.
        const std::string header = "P5\n1000 1300\n" + std::to_string(top) + "\n";
        std::vector<uint8_t> greymap(header.begin(), header.end());
        for (uint16_t value : field.values) {
            if (bits == 16) greymap.push_back(uint8_t(value >> 8));
            greymap.push_back(uint8_t(value));
        }
        const std::string source = dir / "field.pgm";
        WriteBytes(source, greymap);
        HeightField made;
        std::unique_ptr<FieldRows> rows = HeightRowsAsAsked(made, source);
        ASSERT_NE(rows, nullptr);
        FieldSamples given(*rows);
        const std::string path = dir / ("field" + std::to_string(bits) + ".png");
        ASSERT_EQ(WriteHeights(path, HeightFormat::kPng, given), "");
        HeightSamples back;
        ASSERT_EQ(ReadHeights(path, HeightFormat::kPng, 0, 0, back), "");
        EXPECT_EQ(back.bits, bits);
        EXPECT_EQ(back.values, field.values);

        std::vector<uint8_t> fromLibpng = ReadTestPng(path);
        std::vector<uint16_t> samples(field.values.size());
        for (size_t i = 0; i < samples.size(); ++i) {
            samples[i] = bits == 16 ? uint16_t(fromLibpng[2 * i] << 8 | fromLibpng[2 * i + 1]) : fromLibpng[i];
        }
        EXPECT_EQ(samples, field.values);

        std::vector<uint8_t> damaged = ReadBytes(path);
        damaged[damaged.size() * 2 / 3] ^= 0x10;
        WriteBytes(path, damaged);
        EXPECT_NE(ReadHeights(path, HeightFormat::kPng, 0, 0, back), "");
    }
}

// Bands made by another writer: zlib's full flushes, every filter, and bands whose first
// row refers to the band before; read here as libpng reads them.
TEST_F(PngBands, BandsOfAnyFiltersReadAsLibpngReadsThem) {
    const int width = 37, height = 23, bandRows = 4;
    const size_t rowBytes = 2 * width;
    std::vector<uint8_t> raw(rowBytes * height);
    std::mt19937 random(2);
    for (size_t i = 0; i < raw.size(); ++i) raw[i] = uint8_t(i / 7 + random() % 5);
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBigEndian(width, header);
    PutBigEndian(height, header);
    header.insert(header.end(), {16, 0, 0, 0, 0});
    PutChunk("IHDR", header, file);
    std::vector<uint8_t> rows;
    PutBigEndian(bandRows, rows);
    PutChunk("kwBD", rows, file);
    PutChunk("IDAT", {0x78, 0x01}, file);
    const std::vector<uint8_t> zeros(rowBytes);
    uLong adler = adler32(0, nullptr, 0);
    for (int top = 0; top < height; top += bandRows) {
        std::vector<uint8_t> filtered;
        for (int y = top; y < std::min(height, top + bandRows); ++y) {
            const uint8_t* up = y ? &raw[(y - 1) * rowBytes] : zeros.data();
            std::vector<uint8_t> row = Filtered(uint8_t((3 * y + top) % 5), &raw[y * rowBytes], up, rowBytes, 2);
            filtered.insert(filtered.end(), row.begin(), row.end());
        }
        adler = adler32(adler, filtered.data(), uInt(filtered.size()));
        std::vector<uint8_t> band(compressBound(uLong(filtered.size())) + 16);
        z_stream stream{};
        deflateInit2(&stream, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        stream.next_in = filtered.data();
        stream.avail_in = uInt(filtered.size());
        stream.next_out = band.data();
        stream.avail_out = uInt(band.size());
        ASSERT_EQ(deflate(&stream, Z_FULL_FLUSH), Z_OK);
        band.resize(stream.total_out);
        deflateEnd(&stream);
        PutChunk("IDAT", band, file);
    }
    std::vector<uint8_t> end = {0x03, 0x00};
    PutBigEndian(uint32_t(adler), end);
    PutChunk("IDAT", end, file);
    PutChunk("IEND", {}, file);
    const std::string path = dir / "filters.png";
    WriteBytes(path, file);

    ASSERT_EQ(ReadTestPng(path), raw);
    HeightSamples back;
    ASSERT_EQ(ReadHeights(path, HeightFormat::kPng, 0, 0, back), "");
    for (size_t i = 0; i < back.values.size(); ++i) {
        ASSERT_EQ(back.values[i], raw[2 * i] << 8 | raw[2 * i + 1]) << i;
    }
}

}  // namespace
