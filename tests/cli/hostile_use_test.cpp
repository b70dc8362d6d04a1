#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "run_cli.h"

namespace {

class HostileUse : public ::testing::Test {
protected:
    CliRun Run(const std::vector<std::string>& arguments, Output output = Output::kCaptured) {
        return RunCli(dir, arguments, output);
    }
    bool IsLink(const std::string& name) {
        return std::filesystem::is_symlink(std::filesystem::symlink_status(dir / name));
    }
    ScratchDir dir;
};

const std::vector<uint8_t> kOld = {'o', 'l', 'd'};

// A file size limit, inherited by the program, makes its writes fail part way, as a
// full disk would. The program inherits SIGXFSZ ignored, or at its default, which would
// end it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes, void (*onLimit)(int) = SIG_IGN) {
        previousSignal_ = std::signal(SIGXFSZ, onLimit);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }

private:
    rlimit previous_;
    void (*previousSignal_)(int);
};

TEST_F(HostileUse, WriteErrorsExitWithTheSaveErrorAndKeepTheOldFile) {
    constexpr rlim_t kKiB = 1024;
    struct Save {
        std::vector<std::string> steps;
        std::vector<rlim_t> limits;  // all below the file's size
    };
    const std::vector<Save> saves = {
        {{"--new", "8192x200:16", "--save", "x.ppm"}, {1, 200 * kKiB, 1024 * kKiB + 1}},
        {{"--new", "65535x100", "--save", "x.tga"}, {100 * kKiB, 1024 * kKiB}},
        {{"--new", "1028x340:16", "--save", "x.ppm"}, {100 * kKiB, 1000 * kKiB}},
        {{"--new", "2000x600", "--seed", "1", "--rough", "middle:99", "--preview", "x.png"}, {1, 100 * kKiB}},
    };
    for (const Save& save : saves) {
        const std::string& name = save.steps.back();
        for (rlim_t limit : save.limits) {
            WriteBytes(dir / name, kOld);
            CliRun run;
            {
                FileSizeLimit small(limit);
                run = Run(save.steps);
            }
            EXPECT_EQ(run.status, 1) << name << " within " << limit;
            EXPECT_EQ(ReadBytes(dir / name), kOld) << name << " within " << limit;
            EXPECT_EQ(dir.EntryCount(), 1u) << name << " within " << limit;
            std::filesystem::remove(dir / name);
        }
    }
    // With the limit's signal at its default the save fails the same way, its message
    // within the limit too.
    CliRun run;
    {
        FileSizeLimit small(200 * kKiB, SIG_DFL);
        run = Run(saves[0].steps);
    }
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "File Save Error!!!\n");
    EXPECT_EQ(dir.EntryCount(), 0u);
}

TEST_F(HostileUse, SavesFollowSymbolicLinksAndRefuseDevices) {
    ScratchDir elsewhere;
    WriteBytes(elsewhere / "real.tga", kOld);
    symlink((elsewhere / "real.tga").c_str(), (dir / "map.tga").c_str());
    symlink("/dev/full", (dir / "full.tga").c_str());
    symlink("/dev/full", (dir / "full.png").c_str());

    EXPECT_EQ(Run({"--new", "4x4", "--save", "map.tga"}).status, 0);
    EXPECT_TRUE(IsLink("map.tga"));
    EXPECT_EQ(ReadBytes(elsewhere / "real.tga").size(), 18u + 768 + 16);

    CliRun save = Run({"--new", "4x4", "--save", "full.tga"});
    EXPECT_EQ(save.status, 1);
    EXPECT_EQ(save.err, "File Save Error!!!\n");
    EXPECT_EQ(Run({"--new", "4x4", "--preview", "full.png"}).status, 1);
    EXPECT_TRUE(IsLink("full.tga"));
    EXPECT_TRUE(IsLink("full.png"));
    EXPECT_EQ(dir.EntryCount(), 3u);
}

TEST_F(HostileUse, EveryStepThatPrintsFailsWhenStandardOutputCannotTakeIt) {
    const std::vector<std::vector<std::string>> printing = {
        {"--new", "4x4", "--info"}, {"--help"}, {"--version"},
        {"--new", "4x4", "--dump", "-"}, {"--new", "4x4", "--preview", "-"},
    };
    for (const auto& steps : printing) {
        EXPECT_EQ(Run(steps, Output::kFull).status, 1) << steps.back() << " onto a full device";
        EXPECT_EQ(Run(steps, Output::kClosed).status, 1) << steps.back() << " onto a closed stream";
    }
    EXPECT_EQ(dir.EntryCount(), 0u);
}

TEST_F(HostileUse, PreviewToStandardOutputFollowsEarlierText) {
    CliRun run = Run({"--new", "3x2", "--version", "--preview", "-"});
    ASSERT_EQ(run.status, 0);
    size_t png = run.out.find("\x89PNG");
    ASSERT_NE(png, std::string::npos);
    EXPECT_EQ(run.out.substr(0, png), "knollwork-cli 0.1.0\n");
    EXPECT_EQ(dir.EntryCount(), 0u);
}

TEST_F(HostileUse, StepNamesAreNeverTakenAsFileNames) {
    EXPECT_EQ(Run({"--open", "--info"}).status, 2);
    CliRun save = Run({"--new", "4x4", "--save", "--info"});
    EXPECT_EQ(save.status, 2);
    EXPECT_NE(save.err.find("./--info"), std::string::npos);
    EXPECT_EQ(dir.EntryCount(), 0u);

    CliRun named = Run({"--new", "4x4", "--save", "./--info"});
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(named.err, "saved as ./--info.tga\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "--info.tga"));
    EXPECT_EQ(Run({"--open", "./--info.tga", "--info"}).status, 0);
}

TEST_F(HostileUse, SaveNamesTheFileItWroteWhenTheExtensionRuleChangedIt) {
    EXPECT_EQ(Run({"--new", "4x4", "--save", "terrain.v2.tga"}).err, "saved as terrain.tga\n");
    EXPECT_EQ(Run({"--new", "4x4", "--save", "terrain.tga"}).err, "");
    EXPECT_EQ(Run({"--new", "4x4:16", "--save", "hills"}).err, "saved as hills.ppm\n");
}

// A signal as soon as the save's temporary file appears: Ctrl-C, a kill, a closed terminal.
TEST_F(HostileUse, InterruptedSaveLeavesNoTemporaryFile) {
    WriteBytes(dir / "big.ppm", kOld);
    std::vector<std::string> arguments = {KNOLL_CLI_PATH, "--new", "4096x4096:16", "--inc", "1", "--save", "big.ppm"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // Whatever this test inherited, the tool starts with every signal at its default.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        std::string cwd = std::filesystem::current_path();
        std::filesystem::current_path(dir.path());
        pid_t pid = -1;
        ASSERT_EQ(posix_spawn(&pid, KNOLL_CLI_PATH, nullptr, &attributes, argv.data(), environ), 0);
        posix_spawnattr_destroy(&attributes);
        std::filesystem::current_path(cwd);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (dir.EntryCount() < 2 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        kill(pid, signal);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(ReadBytes(dir / "big.ppm"), kOld);
        EXPECT_EQ(dir.EntryCount(), 1u) << signal;
    }
}

TEST_F(HostileUse, OutOfMemoryIsSaidAsSuch) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer cannot start within a limited address space";
#endif
    WriteBytes(dir / "huge.ppm", {'P', '6', '\n', '8', '1', '9', '2', ' ', '8', '1', '9', '2', '\n', '2', '5', '5', '\n'});
    // A limit of the address space stands in for a machine without the memory: less
    // than one image of 8192 x 8192.
    rlimit previous;
    getrlimit(RLIMIT_AS, &previous);
    rlimit limit = previous;
    limit.rlim_cur = rlim_t(200) << 20;
    setrlimit(RLIMIT_AS, &limit);
    CliRun open = Run({"--new", "3x2", "--open", "huge.ppm"});
    CliRun expand = Run({"--new", "4096x4096", "--expand"});
    setrlimit(RLIMIT_AS, &previous);
    EXPECT_EQ(open.status, 1);
    EXPECT_EQ(open.err, "Not enough memory for a 8192 x 8192 field\n");
    EXPECT_EQ(expand.status, 1);
    EXPECT_EQ(expand.err, "Not enough memory for a 8192 x 8192 field\n");
}

}  // namespace
