// The editor and the batch tool are one engine: the same steps, clicked through the
// editor on the headless backend and written as a knollwork-cli command line, save the
// same bytes after every group of steps.
#include <gtest/gtest.h>

#include <sstream>

#include "app/raw_size_dialog.h"
#include "document/field_document.h"
#include "editor_driver.h"
#include "operation_dialogs/erode_dialog.h"
#include "operation_dialogs/rough_dialog.h"
#include "operation_dialogs/smo_dialog.h"
#include "operation_dialogs/tile_dialog.h"
#include "operation_dialogs/warp_dialog.h"
#include "run_cli.h"

namespace {

// On the grid of 1:4, so the square can be clicked at every scale.
constexpr const char* kSquare = "40,40 200,60 180,220 52,188";

void ChooseSquare(EditorDriver& driver) { driver.ChoosePolygon({{40, 40}, {200, 60}, {180, 220}, {52, 188}}); }

void Wacks(EditorDriver& driver, int toggleId, const char* value) {
    driver.OpenDialog(DialogKind::Wacks);
    driver.ClickDialog(DialogKind::Wacks, toggleId);
    if (value) driver.TypeIntoDialog(DialogKind::Wacks, kWacksValueId, value);
}

// The scale set after the load: zoom steps, or the field fitted to a screen too small
// for it, a fractional scale there.
struct SessionScale {
    int zoomSteps = 0;
    bool fit = false;
};

// Each group ends with a save; the file names say which group wrote them. The scale is
// set after the load by the keys (Ctrl+Minus, Ctrl+0) or the menu command (Zoom In).
void RunEditorGroups(EditorSession& session, SessionScale scale) {
    EditorDriver driver(session);
    session.AnswerOpen(session.Path("Intro.tga"));
    session.Command(cmdOpen);
    for (int i = 0; i < -scale.zoomSteps; ++i) driver.Platform().QueueKey('-', vModControl);
    for (int i = 0; i < scale.zoomSteps; ++i) session.Command(cmdZoomIn);
    if (scale.fit) driver.Platform().QueueKey('0', vModControl);
    session.Pump();

    // 1: roughen inside (Middle) and outside (Down).
    ChooseSquare(driver);
    driver.OpenDialog(DialogKind::Rough);
    driver.TypeIntoDialog(DialogKind::Rough, kRoughValueId, "24");
    driver.ClickField(100, 100);
    driver.ClickDialog(DialogKind::Rough, kRoughDownId);
    driver.ClickField(300, 300);
    driver.SaveAs(session.Path("group1.tga"));

    // 2: smooth outside with radius 3, INC inside.
    driver.OpenDialog(DialogKind::Smooth);
    driver.ClickSpinner(DialogKind::Smooth, kSmoothSpinnerId, true, 2);
    driver.ClickField(350, 20);
    Wacks(driver, kWacksIncId, "20");
    driver.ClickField(120, 120);
    driver.SaveAs(session.Path("group2.tga"));

    // 3: Cut outside, Keep, Clip inside, Undo back to the Keep.
    Wacks(driver, kWacksCutId, "90");
    driver.ClickField(390, 390);
    driver.ClickBar(cmdKeep);
    Wacks(driver, kWacksClipId, "60");
    driver.ClickField(100, 100);
    driver.ClickBar(cmdUndo);
    driver.SaveAs(session.Path("group3.tga"));

    // 4: no area any more: mirror, Inverse and roughen Up on the whole field.
    driver.OpenDialog(DialogKind::Tiles);
    driver.ClickDialog(DialogKind::Tiles, kTileRightToLeftId);
    driver.ClickField(10, 10);
    Wacks(driver, kWacksInverseId, nullptr);
    driver.ClickField(10, 10);
    driver.OpenDialog(DialogKind::Rough);
    driver.ClickDialog(DialogKind::Rough, kRoughUpId);
    driver.TypeIntoDialog(DialogKind::Rough, kRoughValueId, "30");
    driver.ClickField(10, 10);
    driver.SaveAs(session.Path("group4.tga"));

    // 5: Expand, Convert to PPM, DEC and a flip on the 16-bit field.
    session.Command(cmdExpand);
    session.Command(cmdToPpm);
    Wacks(driver, kWacksDecId, "300");
    driver.ClickField(10, 10);
    driver.OpenDialog(DialogKind::Tiles);
    driver.ClickDialog(DialogKind::Tiles, kTileFlipTopBottomId);
    driver.ClickField(10, 10);
    driver.SaveAs(session.Path("group5.ppm"));

    // 6: back to TGA, a new polygon, FILL inside, Inverse and smooth outside.
    session.Command(cmdToTga);
    ChooseSquare(driver);
    Wacks(driver, kWacksFillId, "77");
    driver.ClickField(100, 100);
    Wacks(driver, kWacksInverseId, nullptr);
    driver.ClickField(500, 500);
    driver.OpenDialog(DialogKind::Smooth);
    driver.ClickField(20, 400);
    driver.SaveAs(session.Path("group6.tga"));

    // 7: rain inside, on the view as it sweeps, and slump outside. The open dialog stands
    // over the toggle of Erode, so it is closed first.
    driver.ClickDialog(DialogKind::Smooth, vCancelId);
    driver.OpenDialog(DialogKind::Erode);
    driver.TypeIntoDialog(DialogKind::Erode, kErodeValueId, "30");
    driver.ClickField(100, 100);
    driver.ClickDialog(DialogKind::Erode, kErodeSlumpId);
    driver.TypeIntoDialog(DialogKind::Erode, kErodeValueId, "4");
    driver.ClickField(20, 400);
    driver.SaveAs(session.Path("group7.tga"));
}

const std::vector<std::string> kCliSteps = {
    "--seed", "7", "--palette", "Std.pal", "--open", "Intro.tga",
    "--select", kSquare, "--keep", "--area", "inside", "--rough", "middle:24",
    "--area", "outside", "--rough", "down:24", "--save", "group1.tga",
    "--area", "outside", "--smooth", "3", "--area", "inside", "--inc", "20", "--save", "group2.tga",
    "--area", "outside", "--cut", "90", "--keep", "--area", "inside", "--clip", "60", "--undo",
    "--save", "group3.tga",
    "--area", "whole", "--mirror", "rl", "--inverse", "--rough", "up:30", "--save", "group4.tga",
    "--expand", "--to-ppm", "--dec", "300", "--flip", "ud", "--save", "group5.ppm",
    "--to-tga", "--select", kSquare, "--keep", "--area", "inside", "--fill", "77",
    "--area", "outside", "--inverse", "--smooth", "3", "--save", "group6.tga",
    "--area", "inside", "--erode", "rain:30", "--area", "outside", "--erode", "slump:4", "--save", "group7.tga",
};

// File > Save Steps after the session, then the command its header suggests, run as the
// batch tool: it saves the bytes the editor saved last.
void ReplaySavedSteps(EditorSession& session, const ScratchDir& cliFolder, const std::string& lastSaved) {
    session.AnswerSave(session.Path("session-steps.txt"));
    session.Command(cmdSaveSteps);
    const std::vector<std::string> lines = ReadLines(session.Path("session-steps.txt"));
    ASSERT_GE(lines.size(), 2u);
    const std::string repeat = "# Repeat them with: knollwork-cli ";
    ASSERT_EQ(lines[1].rfind(repeat, 0), 0u) << lines[1];
    std::vector<std::string> arguments;
    std::istringstream words(lines[1].substr(repeat.size()));
    for (std::string word; words >> word;) {
        if (word == "THIS_FILE") word = session.Path("session-steps.txt");
        if (word == "OUT") word = "replayed" + lastSaved.substr(lastSaved.rfind('.'));
        arguments.push_back(word);
    }
    CliRun run = RunCli(cliFolder, arguments);
    ASSERT_EQ(run.status, 0) << run.err << lines[1];
    EXPECT_TRUE(ReadBytes(session.Path(lastSaved)) == ReadBytes(cliFolder / arguments.back()))
        << "the steps saved give the editor's last save";
}

}  // namespace

// At 1:1, 1:4, 4:1 and fitted.
TEST(EditorAndBatchTool, SaveTheSameBytesAfterEveryGroupOfStepsAtEveryScale) {
    ScratchDir cliFolder;
    for (const char* name : {"Intro.tga", "Std.pal"}) {
        std::filesystem::copy_file(std::string(KNOLL_SOURCE_DIR) + "/demo/" + name, cliFolder / name);
    }
    CliRun cli = RunCli(cliFolder, kCliSteps);
    ASSERT_EQ(cli.status, 0) << cli.err;

    for (SessionScale scale : {SessionScale{0}, SessionScale{-2}, SessionScale{2}, SessionScale{0, true}}) {
        // A screen 375 high leaves a view 300 high: 400 positions on 300 pixels, where the square's
        // vertices are the first positions of their pixels.
        EditorSession session(1024, scale.fit ? 375 : 768);
        session.CopyDemo();
        ASSERT_EQ(session.Start({"--seed", "7"}), 0);
        session.Pump();
        RunEditorGroups(session, scale);
        const KnollViewScale& shown = session.Window().Canvas().Scale();
        EXPECT_EQ(shown.IsFractional(), scale.fit);
        if (!scale.fit) {
            EXPECT_EQ(shown.level(), scale.zoomSteps);
        }

        for (const char* name : {"group1.tga", "group2.tga", "group3.tga", "group4.tga", "group5.ppm", "group6.tga",
                                 "group7.tga"}) {
            std::vector<uint8_t> fromEditor = ReadBytes(session.Path(name));
            ASSERT_FALSE(fromEditor.empty()) << name;
            EXPECT_TRUE(fromEditor == ReadBytes(cliFolder / name)) << name << " differs at " << shown.Label();
        }
        EXPECT_TRUE(session.Notices().size() <= 1u) << "only the new settings file may be noticed";
        ReplaySavedSteps(session, cliFolder, "group7.tga");
    }
}

namespace {

// The files the other formats start from, made by the batch tool: a 16-bit PNG and an
// 8-bit PGM of the demo field, and a RAW field of 96 x 64.
const std::vector<std::string> kMakeFormats = {
    "--open", "Intro.tga", "--export", "intro8.pgm", "--to-ppm", "--export", "intro16.png",
    "--new", "96x64:16", "--fill", "30000", "--seed", "4", "--rough", "middle:30000", "--export", "wide.r16",
};

const std::vector<std::string> kCliFormatSteps = {
    "--seed", "7", "--open", "intro16.png", "--select", kSquare, "--area", "inside", "--inc", "500",
    "--area", "outside", "--rough", "up:900", "--save", "edited.png",
    "--open", "intro8.pgm", "--area", "whole", "--dec", "10", "--save", "edited.pgm",
    "--raw-size", "96x64", "--open", "wide.r16", "--inverse", "--save", "edited.raw",
};

void RunEditorInEveryFormat(EditorSession& session) {
    EditorDriver driver(session);
    session.AnswerOpen(session.Path("intro16.png"));
    session.Command(cmdOpen);
    ChooseSquare(driver);
    Wacks(driver, kWacksIncId, "500");
    driver.ClickField(100, 100);
    driver.OpenDialog(DialogKind::Rough);
    driver.ClickDialog(DialogKind::Rough, kRoughUpId);
    driver.TypeIntoDialog(DialogKind::Rough, kRoughValueId, "900");
    driver.ClickField(300, 300);
    driver.SaveAs(session.Path("edited.png"));

    session.AnswerOpen(session.Path("intro8.pgm"));
    session.Command(cmdOpen);
    Wacks(driver, kWacksDecId, "10");
    driver.ClickField(10, 10);
    driver.SaveAs(session.Path("edited.pgm"));

    std::vector<FileSize> sizes = FieldDocument::RawSizeChoices(session.Path("wide.r16"));
    auto wide = std::find_if(sizes.begin(), sizes.end(), [](const FileSize& size) { return size.width == 96; });
    ASSERT_NE(wide, sizes.end());
    vModalAnswer pick;
    pick.id = KnollRawSizeDialog::kSizeListId;
    pick.value = int(wide - sizes.begin());
    session.platform.ScriptAnswer(vModalRequest::Kind::Dialog, pick);
    session.AnswerOpen(session.Path("wide.r16"));
    session.Command(cmdOpen);
    Wacks(driver, kWacksInverseId, nullptr);
    driver.ClickField(10, 10);
    driver.SaveAs(session.Path("edited.raw"));
}

}  // namespace

TEST(EditorAndBatchTool, OpenAndSaveTheSameBytesInEveryFormat) {
    ScratchDir cliFolder;
    std::filesystem::copy_file(std::string(KNOLL_SOURCE_DIR) + "/demo/Intro.tga", cliFolder / "Intro.tga");
    CliRun made = RunCli(cliFolder, kMakeFormats);
    ASSERT_EQ(made.status, 0) << made.err;
    EditorSession session;
    session.CopyDemo();
    for (const char* name : {"intro8.pgm", "intro16.png", "wide.r16"}) {
        std::filesystem::copy_file(cliFolder / name, session.Path(name));
    }
    CliRun cli = RunCli(cliFolder, kCliFormatSteps);
    ASSERT_EQ(cli.status, 0) << cli.err;

    ASSERT_EQ(session.Start({"--seed", "7"}), 0);
    session.Pump();
    RunEditorInEveryFormat(session);

    for (const char* name : {"edited.png", "edited.pgm", "edited.raw"}) {
        std::vector<uint8_t> fromEditor = ReadBytes(session.Path(name));
        ASSERT_FALSE(fromEditor.empty()) << name;
        EXPECT_TRUE(fromEditor == ReadBytes(cliFolder / name)) << name << " differs";
    }
    EXPECT_EQ(session.Window().Document().field().width(), 96);
    EXPECT_TRUE(session.Notices().size() <= 1u) << "only the new settings file may be noticed";
    ReplaySavedSteps(session, cliFolder, "edited.raw");
}
