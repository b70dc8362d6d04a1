#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include "core/ppm.h"
#include "core/tga.h"
#include "files/png_writer.h"
#include "scratch.h"

namespace {

// Takes the first `limit` bytes, then fails as a full disk does.
class FailingSink : public WriteSink {
public:
    explicit FailingSink(size_t limit) : left_(limit) {}
    ssize_t Write(int fd, const void* data, size_t size) override {
        if (left_ == 0) {
            errno = ENOSPC;
            return -1;
        }
        size_t taken = std::min(size, left_);
        left_ -= taken;
        return SystemWrites().Write(fd, data, taken);
    }

private:
    size_t left_;
};

// Saves path through the sink; true when the writer reports success.
using Writer = std::function<bool(const std::string& path, WriteSink& sink)>;

bool SaveField(HeightField& field, const std::string& path, WriteSink& sink,
               int (*save)(HeightField&, char*, size_t, WriteSink&)) {
    std::vector<char> name(path.begin(), path.end());
    name.resize(path.size() + 8, '\0');
    return save(field, name.data(), name.size(), sink) == kSaveDone;
}

// Every failure point from the first byte to the last: the writer reports the failure,
// the old file keeps every byte, and no temporary file is left. With all bytes taken
// the save succeeds.
void ExpectEveryWriteErrorSurvived(const Writer& write, const std::string& name) {
    ScratchDir dir;
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    std::string target = dir / name;
    FailingSink unlimited(SIZE_MAX);
    ASSERT_TRUE(write(dir / ("whole-" + name), unlimited));
    const size_t size = ReadBytes(dir / ("whole-" + name)).size();
    std::filesystem::remove(dir / ("whole-" + name));
    for (size_t limit = 0; limit < size; ++limit) {
        WriteBytes(target, old);
        FailingSink sink(limit);
        ASSERT_FALSE(write(target, sink)) << name << " failing after " << limit << " bytes";
        ASSERT_EQ(ReadBytes(target), old) << name << " failing after " << limit << " bytes";
        ASSERT_EQ(dir.EntryCount(), 1u) << name << " failing after " << limit << " bytes";
    }
    FailingSink enough(size);
    EXPECT_TRUE(write(target, enough));
    EXPECT_EQ(ReadBytes(target).size(), size);
}

// A small field, with values and without.
void FillSmall(HeightField& field, int kind) {
    FillField(field, {{1, 2, 3, -1, 5}, {200, -1, 7, 8, 9}, {0, 10, 20, 30, 40}}, kind);
}

TEST(WriteErrors, NoWriterCrashesLosesTheOldFileOrLeavesATemporary) {
    HeightField narrow, wide;
    FillSmall(narrow, kEightBitField);
    FillSmall(wide, kSixteenBitField);
    ExpectEveryWriteErrorSurvived(
        [&](const std::string& path, WriteSink& sink) { return SaveField(narrow, path, sink, SaveTga); },
        "map.tga");
    ExpectEveryWriteErrorSurvived(
        [&](const std::string& path, WriteSink& sink) { return SaveField(wide, path, sink, SavePpm); },
        "map.ppm");
    ExpectEveryWriteErrorSurvived(
        [&](const std::string& path, WriteSink& sink) {
            return WritePng(narrow.working().raster(), path.c_str(), sink);
        },
        "map.png");
}

// Rows that pass the size of the write buffer, failing at points around its edges,
// where the buffer is handed over: nothing may land past its end.
TEST(WriteErrors, FailuresAtTheBufferEdgeOfLargeFieldsAreReported) {
    ScratchDir dir;
    HeightField field;
    field.ReplaceField(8192, 200);
    constexpr size_t kBuffer = 1 << 20;
    for (size_t limit : {size_t(0), kBuffer - 1, kBuffer, kBuffer + 1}) {
        FailingSink tga(limit), ppm(limit);
        EXPECT_FALSE(SaveField(field, dir / "big.tga", tga, SaveTga)) << limit;
        EXPECT_FALSE(SaveField(field, dir / "big.ppm", ppm, SavePpm)) << limit;
        EXPECT_EQ(dir.EntryCount(), 0u);
    }
}

}  // namespace
