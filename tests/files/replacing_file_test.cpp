#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "files/replacing_file.h"
#include "scratch.h"

namespace {

const std::vector<uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<uint8_t> kNew = {'n', 'e', 'w', '!'};

bool Replace(const std::string& target, const std::vector<uint8_t>& bytes, WriteSink& sink = SystemWrites()) {
    ReplacingFile file(target.c_str(), sink);
    file.Write(bytes.data(), bytes.size());
    return file.Commit();
}

bool IsLink(const std::string& path) { return std::filesystem::is_symlink(std::filesystem::symlink_status(path)); }

TEST(ReplacingFile, WritesThroughSymbolicLinksAndKeepsThem) {
    ScratchDir here, elsewhere;
    WriteBytes(elsewhere / "real.tga", kOld);
    chmod((elsewhere / "real.tga").c_str(), 0640);
    symlink((elsewhere / "real.tga").c_str(), (here / "link.tga").c_str());
    symlink("link.tga", (here / "chain.tga").c_str());
    ASSERT_TRUE(Replace(here / "chain.tga", kNew));
    EXPECT_TRUE(IsLink(here / "link.tga"));
    EXPECT_TRUE(IsLink(here / "chain.tga"));
    EXPECT_EQ(ReadBytes(elsewhere / "real.tga"), kNew);
    struct stat status;
    ASSERT_EQ(stat((elsewhere / "real.tga").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    // The temporary file was made beside the real file, and is gone.
    EXPECT_EQ(here.EntryCount(), 2u);
    EXPECT_EQ(elsewhere.EntryCount(), 1u);

    symlink((elsewhere / "new.tga").c_str(), (here / "dangling.tga").c_str());
    ASSERT_TRUE(Replace(here / "dangling.tga", kNew));
    EXPECT_TRUE(IsLink(here / "dangling.tga"));
    EXPECT_EQ(ReadBytes(elsewhere / "new.tga"), kNew);
}

TEST(ReplacingFile, RefusesWhatIsNotARegularFile) {
    ScratchDir dir;
    symlink("/dev/full", (dir / "full.tga").c_str());
    symlink("loop.tga", (dir / "loop.tga").c_str());
    std::filesystem::create_directory(dir / "folder.tga");
    for (const char* name : {"full.tga", "loop.tga", "folder.tga"}) {
        EXPECT_FALSE(Replace(dir / name, kNew)) << name;
    }
    EXPECT_TRUE(IsLink(dir / "full.tga"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.tga"));
    EXPECT_EQ(dir.EntryCount(), 3u);
}

// Stops the process with a signal once the save has written some bytes.
class SignallingSink : public WriteSink {
public:
    explicit SignallingSink(int signal) : signal_(signal) {}
    ssize_t Write(int fd, const void* data, size_t size) override {
        ssize_t written = SystemWrites().Write(fd, data, size);
        raise(signal_);
        return written;
    }

private:
    int signal_;
};

TEST(ReplacingFile, InterruptedSaveRemovesItsTemporaryFileAndEndsByTheSignal) {
    for (int signal : {SIGINT, SIGTERM, SIGQUIT, SIGUSR1, SIGXCPU}) {
        ScratchDir dir;
        WriteBytes(dir / "map.ppm", kOld);
        EXPECT_EXIT(
            {
                SignallingSink sink(signal);
                Replace(dir / "map.ppm", std::vector<uint8_t>(3 << 20, 7), sink);
            },
            testing::KilledBySignal(signal), "");
        EXPECT_EQ(ReadBytes(dir / "map.ppm"), kOld);
        EXPECT_EQ(dir.EntryCount(), 1u);
    }
}

TEST(ReplacingFile, LeavesASignalTheProgramHandlesToIt) {
    ScratchDir dir;
    static volatile sig_atomic_t caught = 0;
    auto previous = std::signal(SIGINT, [](int) { caught = 1; });
    SignallingSink sink(SIGINT);
    EXPECT_TRUE(Replace(dir / "map.ppm", std::vector<uint8_t>(3 << 20, 7), sink));
    std::signal(SIGINT, previous);
    EXPECT_EQ(caught, 1);
    EXPECT_EQ(dir.EntryCount(), 1u);
}

}  // namespace
