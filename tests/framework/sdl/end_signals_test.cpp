#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "files/replacing_file.h"
#include "framework/platform/sdl/end_signals.h"

namespace {

// Two interrupts while the save writes: the first asks the editor to end, the second
// ends it at once.
class InterruptedTwice : public WriteSink {
public:
    ssize_t Write(int fd, const void* data, size_t size) override {
        for (int i = 0; i < 2; ++i) {
            kill(getpid(), SIGINT);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return SystemWrites().Write(fd, data, size);
    }
};

// The death test runs in a new process of this program; it finds the folder by the
// test's process.
std::filesystem::path SaveFolder(pid_t testProcess) {
    return std::filesystem::temp_directory_path() / ("knoll-end-signals-" + std::to_string(testProcess));
}

void SaveInterruptedTwice(const std::filesystem::path& folder) {
    vEndSignals::Start();
    std::filesystem::create_directories(folder);
    InterruptedTwice sink;
    ReplacingFile file((folder / "map.ppm").c_str(), sink);
    std::vector<unsigned char> bytes(3 << 20, 7);
    file.Write(bytes.data(), bytes.size());
    file.Commit();
}

}  // namespace

TEST(EndSignals, ASecondSignalDuringASaveRemovesItsTemporaryFile) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(SaveInterruptedTwice(SaveFolder(getppid())), testing::KilledBySignal(SIGINT), "");
    std::filesystem::path folder = SaveFolder(getpid());
    ASSERT_TRUE(std::filesystem::exists(folder));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}
