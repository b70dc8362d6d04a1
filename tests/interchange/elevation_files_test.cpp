#include <gtest/gtest.h>

#include <cmath>

#include "gdal_tools.h"
#include "interchange/gdal_heights.h"
#include "scratch.h"

namespace {

struct Read {
    ElevationRead read;
    HeightSamples samples;
};

Read ReadFile(const std::string& path, const ElevationOptions& options = {}) {
    Read result;
    result.read = ReadElevation(path, options, result.samples);
    return result;
}

class ElevationFiles : public ::testing::Test {
protected:
    std::string Grid(const std::string& name, int width, int height, const std::string& values,
                     const std::string& noData = "") {
        WriteAsciiGrid(dir / name, width, height, values, noData);
        return dir / name;
    }

    ScratchDir dir;
};

TEST_F(ElevationFiles, IntegersWithinSixteenBitsAreTakenAsTheyAreWithGapsAndPlace) {
    Read grid = ReadFile(Grid("a.asc", 3, 2, "0 17 65535\n-9999 300 4", "-9999"));
    ASSERT_EQ(grid.read.error, "");
    EXPECT_EQ(grid.samples.bits, 16);
    EXPECT_EQ(grid.samples.values, (std::vector<uint16_t>{0, 17, 65535, 0, 300, 4}));
    EXPECT_EQ(grid.samples.gaps, (std::vector<uint8_t>{0, 0, 0, 1, 0, 0}));
    const HeightSource& source = grid.read.source;
    EXPECT_TRUE(source.TakenAsItIs());
    EXPECT_EQ(source.noData, -9999);
    ASSERT_TRUE(source.georeference.transform);
    EXPECT_EQ(*source.georeference.transform, (std::array<double, 6>{500000, 30, 0, 4000060, 0, -30}));

    // Bytes make an 8-bit field, their no-data value a gap like any other.
    std::string bytes = dir / "b.tif";
    GdalTool("gdal_translate -q -ot Byte -a_nodata 7 " + Grid("b.asc", 2, 1, "7 200") + " " + bytes);
    Read byte = ReadFile(bytes);
    ASSERT_EQ(byte.read.error, "");
    EXPECT_EQ(byte.samples.bits, 8);
    EXPECT_EQ(byte.samples.values[1], 200);
    EXPECT_EQ(byte.samples.gaps, (std::vector<uint8_t>{1, 0}));
    EXPECT_EQ(byte.read.source.type, RasterType::kByte);
}

TEST_F(ElevationFiles, OtherBandsAreMappedFromTheirRangeOrTheOneGivenOrChosen) {
    std::string metres = Grid("m.asc", 3, 2, "236.5 1076.25 500\n-9999 656.375 236.5", "-9999");
    Read data = ReadFile(metres);
    ASSERT_EQ(data.read.error, "");
    EXPECT_EQ(data.samples.bits, 16);
    EXPECT_EQ(data.samples.gaps, (std::vector<uint8_t>{0, 0, 0, 1, 0, 0}));
    const HeightSource& source = data.read.source;
    EXPECT_EQ(data.samples.values[0], 0);
    EXPECT_EQ(data.samples.values[1], 65535);
    // Every height comes back within half a step of the mapping.
    const double heights[] = {236.5, 1076.25, 500, 0, 656.375, 236.5};
    for (int i : {0, 1, 2, 4, 5}) {
        EXPECT_NEAR(source.Height(data.samples.values[size_t(i)]), heights[i], source.HeightStep() / 2 + 1e-9) << i;
    }
    EXPECT_NEAR(source.HeightStep(), (1076.25 - 236.5) / 65535, 1e-12);

    // Integers below 0 are mapped too.
    Read negative = ReadFile(Grid("n.asc", 3, 1, "-20 0 100"));
    EXPECT_FALSE(negative.read.source.TakenAsItIs());
    EXPECT_EQ(negative.samples.values, (std::vector<uint16_t>{0, uint16_t(std::lround(20 * 65535 / 120.0)), 65535}));

    // A range given maps from it, holding what lies beyond to its ends.
    Read given = ReadFile(metres, {.range = HeightRange{0, 1000}, .askRange = nullptr});
    EXPECT_EQ(given.samples.values[1], 65535);
    EXPECT_EQ(given.samples.values[2], std::lround(500 * 65.535));

    // The editor's question is offered the data's range; its answer maps, no answer
    // cancels before anything is stored.
    HeightRange offered;
    Read asked = ReadFile(metres, {.range = std::nullopt, .askRange = [&](const HeightRange& range, const std::string&) {
                                       offered = range;
                                       return std::optional<HeightRange>(HeightRange{200, 1100});
                                   }});
    EXPECT_EQ(offered.low, 236.5);
    EXPECT_EQ(offered.high, 1076.25);
    EXPECT_NEAR(asked.read.source.Height(0), 200, 1e-9);
    Read cancelled = ReadFile(metres, {.range = std::nullopt, .askRange = [](const HeightRange&, const std::string&) {
                                           return std::optional<HeightRange>();
                                       }});
    EXPECT_TRUE(cancelled.read.cancelled);
    EXPECT_TRUE(cancelled.samples.values.empty());
}

TEST_F(ElevationFiles, OnlyOneBandOfNumbersWithinAFieldsBoundsIsRead) {
    WriteBytes(dir / "notes.dat", {'h', 'e', 'l', 'l', 'o', '\n'});
    EXPECT_FALSE(ReadFile(dir / "notes.dat").read.opened);
    EXPECT_FALSE(ReadFile(dir / "missing.tif").read.opened);
    EXPECT_FALSE(ReadFile(dir.path()).read.opened);

    std::vector<uint8_t> colour = {'P', '6', '\n', '2', ' ', '1', '\n', '2', '5', '5', '\n', 1, 2, 3, 4, 5, 6};
    WriteBytes(dir / "colour.pnm", colour);
    Read picture = ReadFile(dir / "colour.pnm");
    EXPECT_TRUE(picture.read.opened);
    EXPECT_NE(picture.read.error.find("3 bands"), std::string::npos) << picture.read.error;

    // A header that asks for more than a field may hold is refused before any value is read.
    Read huge = ReadFile(Grid("huge.asc", 70000, 1, "1"));
    EXPECT_NE(huge.read.error.find("outside a field's bounds"), std::string::npos) << huge.read.error;
    EXPECT_TRUE(huge.samples.values.empty());
}

}  // namespace
