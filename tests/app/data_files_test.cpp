#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/data_files.h"

TEST(DataFiles, TheNamedFileWinsThenTheInstalledCopyThenTheNameStands) {
    std::string pattern = (std::filesystem::temp_directory_path() / "knoll-data-XXXXXX").string();
    std::filesystem::path root = mkdtemp(pattern.data());
    std::filesystem::create_directories(root / "start");
    std::filesystem::create_directories(root / "share");
    std::ofstream(root / "share/Std.pal") << "installed";
    std::string installed = (root / "share").string();
    std::string inStart = (root / "start/Std.pal").string();

    EXPECT_EQ(FindDataFile(inStart, installed), (root / "share/Std.pal").string());
    std::ofstream(inStart) << "own";
    EXPECT_EQ(FindDataFile(inStart, installed), inStart);
    EXPECT_EQ(FindDataFile("Knollwork.hlp", installed), "Knollwork.hlp");
    EXPECT_EQ(FindDataFile("Knollwork.hlp", ""), "Knollwork.hlp");
    std::filesystem::remove_all(root);
}
