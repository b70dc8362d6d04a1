// The history's budget lives in a file of its own where the desktop keeps configuration.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/history_preferences.h"
#include "scratch.h"

TEST(HistoryPreferences, BudgetIsReadWrittenAndKeptApartFromTheSettings) {
    ScratchDir folder;
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    EXPECT_EQ(HistoryPreferencesPath(), folder / "knollwork/history.conf");
    EXPECT_EQ(ReadHistoryBudget().images, 1.0) << "one image without a file";

    ASSERT_TRUE(WriteHistoryBudget({.bytes = size_t(512) << 20}));
    EXPECT_EQ(ReadHistoryBudget().bytes, size_t(512) << 20);
    EXPECT_EQ(BudgetText(ReadHistoryBudget()), "512 MiB");
    ASSERT_TRUE(WriteHistoryBudget({.images = 2.5}));
    EXPECT_EQ(ReadHistoryBudget().images, 2.5);
    EXPECT_EQ(BudgetText(ReadHistoryBudget()), "2.5 images");

    for (const char* refused : {"", "lots", "-1 image", "3", "2 images please", "5000 images", "0.1 B", "nan image"}) {
        EXPECT_FALSE(ReadBudgetText(refused)) << refused;
    }
    EXPECT_EQ(ReadBudgetText(" 1 GiB ")->bytes, size_t(1) << 30);
    const std::string path = folder / "knollwork/history.conf";
    WriteBytes(path, {'b', 'u', 'd', 'g', 'e', 't', '=', 'x'});
    EXPECT_EQ(ReadHistoryBudget().images, 1.0) << "a line it cannot read keeps the default";
    unsetenv("XDG_CONFIG_HOME");
}
