#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "framework/platform/sdl/sdl_platform.h"
#include "framework/program/sdl_main.h"

// Without a display the real platform refuses to start and says why, whatever video
// driver SDL would fall back to.

namespace {

class NoDisplay : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? value : "", value != nullptr);
            unsetenv(name);
        }
    }
    void TearDown() override {
        for (const auto& [name, value, set] : saved_) {
            if (set) setenv(name.c_str(), value.c_str(), 1);
            else unsetenv(name.c_str());
        }
    }

private:
    std::vector<std::tuple<std::string, std::string, bool>> saved_;
};

}  // namespace

TEST_F(NoDisplay, PlatformIsRefusedWithAReason) {
    std::string error;
    EXPECT_EQ(vSdlPlatform::Create(error), nullptr);
    EXPECT_NE(error.find("display"), std::string::npos) << error;
}

TEST_F(NoDisplay, NamedDriverWithoutItsServerIsRefusedWithAReason) {
    setenv("SDL_VIDEODRIVER", "x11", 1);
    std::string error;
    EXPECT_EQ(vSdlPlatform::Create(error), nullptr);
    EXPECT_NE(error.find("x11"), std::string::npos) << error;
}

TEST_F(NoDisplay, ProgramExitsWithOneAndAMessage) {
    char name[] = "knollwork";
    char* argv[] = {name, nullptr};
    testing::internal::CaptureStderr();
    int code = vSdlMain(1, argv, [](int, char**) { return 0; });
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, 1);
    EXPECT_NE(said.find("no display"), std::string::npos) << said;
}
