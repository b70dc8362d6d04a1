#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "run_cli.h"

namespace {

TEST(CommandLine, UsageErrorsExitTwoWithNothingRun) {
    ScratchDir dir;
    for (std::vector<std::string> arguments :
         std::vector<std::vector<std::string>>{{},
                                               {"--new", "3x3", "--save", "made.tga", "--bogus"},
                                               {"--new", "3x3", "--save", "made.tga", "--open"},
                                               {"--save", "made.tga", "--new", "3x"},
                                               {"--save", "made.tga", "--new", "0x4"},
                                               {"--save", "made.tga", "--new", "9000x9000"},
                                               {"--save", "made.tga", "--new", "-3x4"},
                                               {"--save", "made.tga", "--new", "3x4:8"},
                                               {"--save", "made.tga", "--dump", ""},
                                               {"--save", "made.tga", "info"}}) {
        CliRun run = RunCli(dir, arguments);
        EXPECT_EQ(run.status, 2) << arguments.size();
        EXPECT_NE(run.err.find("knollwork-cli"), std::string::npos);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(dir / "made.tga"));
    }
}

TEST(CommandLine, FailingStepStopsTheRestWithExitOne) {
    ScratchDir dir;
    CliRun run = RunCli(dir, {"--info", "--open", "absent.tga", "--info"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Unable to LOAD File !!\n");
    EXPECT_EQ(run.out, "width=400 height=400 kind=8 min=- max=- novalue=160000\n");
}

TEST(CommandLine, HelpListsEveryStepAndVersionNamesTheTool) {
    ScratchDir dir;
    CliRun help = RunCli(dir, {"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* step : {"--open FILE", "--new WxH[:16]", "--palette", "--save", "--keep", "--undo",
                             "--info", "--dump FILE", "--dump-pixels", "--preview FILE.png", "--version"}) {
        EXPECT_NE(help.out.find(step), std::string::npos) << step;
    }
    CliRun version = RunCli(dir, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("knollwork-cli ", 0), 0u);
}

// In-process runs with two extra steps: one that paints every position with a value
// without committing, and one that records what the field holds.
class SessionSteps : public ::testing::Test {
protected:
    SessionSteps() {
        BuildRegistry(registry);
        Step paint;
        paint.name = "--paint";
        paint.argumentCount = 1;
        paint.argumentName = "V";
        paint.prepare = [](const std::string& text, std::string&) -> std::optional<StepAction> {
            int value = std::stoi(text);
            return [value](Session& session) {
                HeightField& field = session.document.field();
                std::vector<vColor> row(field.width(), field.ValueColor(value));
                for (int y = 0; y < field.height(); ++y) field.WriteRow(y, row.data());
                return StepResult::Done();
            };
        };
        registry.Add(paint);
        registry.Add(SimpleStep("--record", "", [this](Session& session) {
            recorded.push_back(session.document.field().FieldValue(0, 0));
            selections.push_back(session.document.selection().state());
            return StepResult::Done();
        }));
        registry.Add(SimpleStep("--choose", "", [](Session& session) {
            session.document.selection().Begin();
            for (int corner = 0; corner < 3; ++corner) session.document.selection().AddVertex(corner, corner % 2);
            session.document.selection().Close(session.document.field());
            return StepResult::Done();
        }));
    }
    int Run(std::vector<std::string> arguments) { return RunCommandLine(arguments, registry); }

    StepRegistry registry;
    std::vector<int> recorded;
    std::vector<int> selections;
};

TEST_F(SessionSteps, UndoReturnsToTheLastCommit) {
    EXPECT_EQ(Run({"--new", "4x3", "--paint", "7", "--keep", "--paint", "9", "--paint", "11",
                   "--record", "--undo", "--record"}),
              0);
    EXPECT_EQ(recorded, (std::vector<int>{11, 7}));
}

TEST_F(SessionSteps, UndoAndNewDropTheSelection) {
    EXPECT_EQ(Run({"--choose", "--record", "--undo", "--record", "--choose", "--new", "2x2", "--record"}), 0);
    EXPECT_EQ(selections, (std::vector<int>{FieldSelection::kChosen, FieldSelection::kIdle, FieldSelection::kIdle}));
}

TEST_F(SessionSteps, NewIsCommittedEmpty) {
    EXPECT_EQ(Run({"--paint", "5", "--new", "3x3:16", "--paint", "60000", "--record", "--undo", "--record"}), 0);
    EXPECT_EQ(recorded, (std::vector<int>{60000, -1}));
}

TEST_F(SessionSteps, NothingRunsWhenALaterArgumentIsWrong) {
    EXPECT_EQ(Run({"--record", "--new", "abc"}), kExitUsage);
    EXPECT_TRUE(recorded.empty());
}

TEST(StepRegistry, LaterRegistrationReplacesAndKeepsItsPlace) {
    StepRegistry registry;
    registry.Add(SimpleStep("--a", "first", [](Session&) { return StepResult::Done(); }));
    registry.Add(SimpleStep("--b", "", [](Session&) { return StepResult::Done(); }));
    registry.Add(SimpleStep("--a", "second", [](Session&) { return StepResult::Failed("x"); }));
    std::vector<const Step*> steps = registry.InOrder();
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0]->summary, "second");
    EXPECT_EQ(registry.Find("--c"), nullptr);
}

}  // namespace

namespace {

std::string WriteText(const ScratchDir& dir, const std::string& name, const std::string& text) {
    std::string path = dir / name;
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
    return path;
}

}  // namespace

// A file of steps runs as if its steps stood in its place, one a line, with comments,
// quotes and files of steps within it; an error names the file and the line.
TEST(CommandLine, StepsFromAFileRunAsIfTyped) {
    ScratchDir dir;
    WriteText(dir, "inner.txt", "--area whole\n--inverse\n");
    WriteText(dir, "session.txt",
              "# a square raised, then everything inverted\r\n"
              "--seed 5\n"
              "--select \"10,10 200,30 150,180\"  # the square\n"
              "\n"
              "--area inside\n--rough middle:40\n--keep\n--deselect\n"
              "--steps inner.txt\n");
    CliRun fromFile = RunCli(dir, {"--new", "300x200", "--fill", "100", "--steps", "session.txt", "--save", "a.tga"});
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    CliRun typed = RunCli(dir, {"--new", "300x200", "--fill", "100", "--seed", "5", "--select", "10,10 200,30 150,180",
                                "--area", "inside", "--rough", "middle:40", "--keep", "--deselect", "--area", "whole",
                                "--inverse", "--save", "b.tga"});
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_TRUE(ReadBytes(dir / "a.tga") == ReadBytes(dir / "b.tga"));

    WriteText(dir, "bad.txt", "--inverse\n\n--cut\n");
    WriteText(dir, "loop.txt", "--steps loop.txt\n");
    for (const auto& [file, message] : std::vector<std::pair<std::string, std::string>>{
             {"bad.txt", "bad.txt:3: --cut needs V"},
             {"loop.txt", "too deep"},
             {"absent.txt", "cannot read 'absent.txt'"}}) {
        CliRun run = RunCli(dir, {"--steps", file, "--save", "c.tga"});
        EXPECT_EQ(run.status, 2) << file;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "c.tga"));
    }
}
