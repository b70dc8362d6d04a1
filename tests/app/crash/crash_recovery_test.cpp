// The editor is killed with SIGKILL at random moments of a scripted session; each time
// the next start recovers, byte for byte, the field after the last step that ended.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "crash_script.h"
#include "editor_session.h"

extern char** environ;

namespace {

constexpr int kKills = 20;

pid_t StartCrashSession(const std::string& folder) {
    const char* argv[] = {KNOLL_CRASH_SESSION_PATH, folder.c_str(), nullptr};
    pid_t pid = -1;
    posix_spawn(&pid, KNOLL_CRASH_SESSION_PATH, nullptr, nullptr, const_cast<char**>(argv), environ);
    return pid;
}

double Milliseconds(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
}

// The field's checksum after each number of journal records, from a run not killed.
std::map<int, uint64_t> StatesByRecords() {
    std::map<int, uint64_t> states;
    EditorSession editor;
    editor.CopyDemo();
    EXPECT_EQ(editor.Start({"--seed", "11"}), 0);
    editor.Pump();
    auto note = [&] {
        editor.Window().Document().SettleHistory();
        states[JournalRecords(ReadFileText(editor.Path("Knollwork.journal")))] = FieldChecksum(editor.Window().Document().field());
    };
    note();
    RunCrashScript(editor.Window(), [&] {
        editor.Pump();
        note();
    });
    return states;
}

}  // namespace

TEST(CrashRecovery, EveryKillIsRecoveredToTheLastStepThatEnded) {
    const std::map<int, uint64_t> states = StatesByRecords();
    ASSERT_EQ(states.size(), 31u) << "one record an action, so that each names one state";

    double whole = 0;
    {
        EditorSession editor;
        editor.CopyDemo();
        const auto start = std::chrono::steady_clock::now();
        int status = 0;
        waitpid(StartCrashSession(editor.Folder()), &status, 0);
        whole = Milliseconds(start);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    std::mt19937 random(2027);
    std::uniform_real_distribution<double> moment(0, whole);
    std::map<int, int> killedAt;
    for (int kill = 0; kill < kKills; ++kill) {
        EditorSession editor;
        editor.CopyDemo();
        const pid_t pid = StartCrashSession(editor.Folder());
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(moment(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        const std::string journal = ReadFileText(editor.Path("Knollwork.journal"));
        const int records = JournalRecords(journal);
        ++killedAt[records];
        // The first record starts the session on the opened field; before it, the field
        // to open is the one the journal would start from.
        const int expected = std::max(records, 1);
        ASSERT_TRUE(states.count(expected)) << records << " records";
        if (records > 1) editor.AnswerQuestion(vQuestionDialog::kYesId);
        ASSERT_EQ(editor.Start({"--seed", "11"}), 0);
        editor.Pump();
        EXPECT_TRUE(editor.Notices().size() <= 1u) << "only the new settings file may be noticed";
        EXPECT_EQ(FieldChecksum(editor.Window().Document().field()), states.at(expected))
            << "killed after " << records << " records of the journal";
    }
    std::string spread;
    for (const auto& [records, kills] : killedAt) spread += " " + std::to_string(records) + "x" + std::to_string(kills);
    RecordProperty("killed_after_records", spread);
}
