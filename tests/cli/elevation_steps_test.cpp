#include <gtest/gtest.h>

#include <cmath>

#include "gdal_tools.h"
#include "run_cli.h"

namespace {

class ElevationSteps : public ::testing::Test {
protected:
    // A GeoTIFF made by GDAL's own tools from a grid of values, in UTM zone 32.
    std::string GeoTiff(const std::string& name, const std::string& type, int width, int height,
                        const std::string& values, const std::string& noData = "") {
        WriteAsciiGrid(dir / (name + ".asc"), width, height, values, noData);
        GdalTool("gdal_translate -q -ot " + type + " -a_srs EPSG:32632 " + dir / (name + ".asc") + " " + dir / name);
        return name;
    }
    CliRun Run(const std::vector<std::string>& arguments) { return RunCli(dir, arguments); }

    ScratchDir dir;
};

TEST_F(ElevationSteps, FloatGeoTiffSavedUnchangedKeepsHeightsWithinHalfAStepAndItsPlace) {
    std::string source = GeoTiff("metres.tif", "Float32", 4, 3,
                                 "236.5 1076.25 500.125 -9999\n 812.75 300 299.99 1000\n 236.5 777.7 650.5 1076", "-9999");
    CliRun run = Run({"--open", source, "--save", "back.tif"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("heights 236.50 to 1076.25 stored as 0 to 65535"), std::string::npos) << run.err;

    EXPECT_EQ(GdalPlace(dir / "back.tif"), GdalPlace(dir / source));
    EXPECT_NE(GdalPlace(dir / source).find("UTM zone 32N"), std::string::npos);
    std::string info = GdalTool("gdalinfo " + dir / "back.tif");
    EXPECT_NE(info.find("Type=Float32"), std::string::npos);
    EXPECT_NE(info.find("NoData Value=-9999"), std::string::npos);
    std::vector<double> before = GdalValues(dir / source), after = GdalValues(dir / "back.tif");
    ASSERT_EQ(after.size(), before.size());
    double halfStep = (1076.25 - 236.5) / 65535 / 2;
    for (size_t i = 0; i < before.size(); ++i) EXPECT_NEAR(after[i], before[i], halfStep * 1.0001) << i;
}

TEST_F(ElevationSteps, IntegerGeoTiffsComeBackExactWhetherTakenAsTheyAreOrMapped) {
    std::string asTheyAre = GeoTiff("as.tif", "UInt16", 3, 2, "0 17 65535\n 4 300 9");
    std::string mapped = GeoTiff("mapped.tif", "Int16", 3, 2, "-20 0 100\n 32767 -32000 -1", "-1");
    for (const std::string& source : {asTheyAre, mapped}) {
        CliRun run = Run({"--open", source, "--save", "back.tif"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(GdalValues(dir / "back.tif"), GdalValues(dir / source)) << source;
        EXPECT_EQ(GdalPlace(dir / "back.tif"), GdalPlace(dir / source));
        std::string info = GdalTool("gdalinfo " + dir / "back.tif");
        EXPECT_NE(info.find(source == mapped ? "Type=Int16" : "Type=UInt16"), std::string::npos) << info;
    }
}

TEST_F(ElevationSteps, HeightsFollowTheFieldThroughZoomsAndConversions) {
    std::string source = GeoTiff("m.tif", "Float32", 2, 2, "100 200\n 300 400");
    // Halved in size, each position covers twice the ground; as 8 bits, a value stands
    // for 256 steps, and the heights stay where they were.
    ASSERT_EQ(Run({"--open", source, "--shrink", "--to-tga", "--save", "small.tif"}).status, 0);
    std::string info = GdalTool("gdalinfo " + dir / "small.tif");
    EXPECT_NE(info.find("Pixel Size = (60.000000000000000,-60.000000000000000)"), std::string::npos) << info;
    EXPECT_NE(info.find("Type=Float32"), std::string::npos);
    std::vector<double> small = GdalValues(dir / "small.tif");
    ASSERT_EQ(small.size(), 1u);
    EXPECT_NEAR(small[0], 100, 300.0 / 255);

    // An expand handed straight to the save halves the positions as one made in memory.
    ASSERT_EQ(Run({"--open", source, "--expand", "--save", "large.tif"}).status, 0);
    EXPECT_NE(GdalTool("gdalinfo " + dir / "large.tif").find("Pixel Size = (15.000000000000000,-15.000000000000000)"),
              std::string::npos);

    CliRun info8 = Run({"--open", source, "--to-tga", "--info"});
    EXPECT_NE(info8.out.find("heights: 0=100 255=399 "), std::string::npos) << info8.out;
    // A field of no raster writes a plain GeoTIFF of its own values, and a fresh field
    // forgets the heights of the one before.
    ASSERT_EQ(Run({"--open", source, "--new", "3x2:16", "--fill", "513", "--save", "plain.tif"}).status, 0);
    std::string plain = GdalTool("gdalinfo " + dir / "plain.tif");
    EXPECT_NE(plain.find("Type=UInt16"), std::string::npos);
    EXPECT_EQ(plain.find("Coordinate System is:"), std::string::npos);
    EXPECT_EQ(GdalValues(dir / "plain.tif"), std::vector<double>(6, 513));
}

TEST_F(ElevationSteps, RangesNamesAndFormatsAreCheckedAsUsersGiveThem) {
    for (const char* range : {"5:5", "9:2", "a:b", "7", ":3"}) {
        EXPECT_EQ(Run({"--import-range", range, "--info"}).status, 2) << range;
    }
    std::string source = GeoTiff("m.tif", "Float32", 2, 1, "100 200");
    CliRun ranged = Run({"--import-range", "-1000:1000", "--import", source, "--info"});
    ASSERT_EQ(ranged.status, 0) << ranged.err;
    EXPECT_NE(ranged.out.find("min=36044 max=39321"), std::string::npos) << ranged.out;
    EXPECT_NE(ranged.out.find("georeferenced=yes"), std::string::npos);

    // Only GeoTIFF is written; other rasters GDAL reads are opened by what they hold.
    CliRun ascii = Run({"--open", source, "--save", "m.asc"});
    EXPECT_EQ(ascii.status, 1);
    EXPECT_NE(ascii.err.find("only GeoTIFF is written"), std::string::npos) << ascii.err;
    std::ofstream(dir / "grid.xyz") << "0 1 5\n1 1 6\n0 0 7\n1 0 8\n";
    CliRun xyz = Run({"--open", "grid.xyz", "--info"});
    EXPECT_NE(xyz.out.find("width=2 height=2 kind=8 min=5 max=8"), std::string::npos) << xyz.err;
    WriteBytes(dir / "MAP.TGA", ReadBytes(std::string(KNOLL_SOURCE_DIR) + "/demo/Intro.tga"));
    std::ofstream(dir / "notes.txt") << "no heights here\n";
    for (const char* refused : {"MAP.TGA", "notes.txt"}) {
        CliRun run = Run({"--open", refused});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("WRONG  FILE TYPE!!"), std::string::npos) << refused << ": " << run.err;
    }
}

}  // namespace

namespace {

TEST_F(ElevationSteps, SavesKeepWhatTheFileSaidAndLeaveNothingStaleBeside) {
    // Heights at points rather than over cells, compressed, in feet: all of it comes back.
    std::string source = GeoTiff("points.tif", "Float32", 3, 2, "10.5 20 30\n 40 50 60.25");
    GdalTool("gdal_edit.py -mo AREA_OR_POINT=Point -units ft " + dir / source);
    GdalTool("gdal_translate -q -co COMPRESS=LZW " + dir / source + " " + dir / "lzw.tif");
    ASSERT_EQ(Run({"--open", "lzw.tif", "--save", "back.tif"}).status, 0);
    EXPECT_EQ(GdalPlace(dir / "back.tif"), GdalPlace(dir / "lzw.tif"));
    std::string info = GdalTool("gdalinfo " + dir / "back.tif");
    for (const char* said : {"AREA_OR_POINT=Point", "COMPRESSION=LZW", "Unit Type: ft"}) {
        EXPECT_NE(info.find(said), std::string::npos) << said << " in " << info;
    }
    CliRun readOut = Run({"--open", "back.tif", "--info"});
    EXPECT_NE(readOut.out.find("heights: 0=10.5000 ft 65535=60.2500 ft"), std::string::npos) << readOut.out;

    // What GDAL kept beside an earlier file of the name would be read with the new one.
    std::ofstream(dir / "plain.tif.aux.xml") << "<PAMDataset><SRS>EPSG:4326</SRS></PAMDataset>\n";
    ASSERT_EQ(Run({"--new", "2x2", "--fill", "7", "--save", "plain.tif"}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "plain.tif.aux.xml"));
    EXPECT_EQ(GdalTool("gdalinfo " + dir / "plain.tif").find("Coordinate System is:"), std::string::npos);
    EXPECT_NE(GdalTool("gdalinfo " + dir / "plain.tif").find("Type=Byte"), std::string::npos);
}

}  // namespace
