#include <gtest/gtest.h>

#include <functional>

#include "app/settings_file.h"
#include "core/ppm.h"
#include "document/field_document.h"
#include "editor_session.h"
#include "framework/look/text_width.h"
#include "gdal_tools.h"
#include "read_only_folder.h"

namespace {

constexpr const char* kOpenWrongType = "WRONG  FILE TYPE!!\n\nTGA, PPM, PNG, PGM, RAW, GeoTIFF, SRTM & ASCII grid types only !!";

// A 16-bit field of 3 x 2 positions saved as PPM.
void WriteSmallPpm(const std::string& path) {
    HeightField field;
    field.ReplaceField(3, 2);
    field.SetKind(kSixteenBitField);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) field.working().MutableRowPixels(y)[x] = field.ValueColor(1000 * (x + 3 * y)).Pixel();
    }
    char name[256];
    std::snprintf(name, sizeof name, "%s", path.c_str());
    ASSERT_EQ(SavePpm(field, name, sizeof name), kSaveDone);
}

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override {
        editor.CopyDemo();
        ASSERT_EQ(editor.Start(), 0);
        startNotices = editor.NoticeCount();
    }
    std::vector<std::string> NewNotices() const {
        std::vector<std::string> all = editor.Notices();
        return std::vector<std::string>(all.begin() + long(startNotices), all.end());
    }

    EditorSession editor;
    size_t startNotices = 0;
};

}  // namespace

TEST_F(FileCommands, OpenRefusesUnknownNamesAndTakesTheOtherFormat) {
    std::filesystem::create_directory(editor.Path("maps"));
    std::filesystem::copy_file(editor.Path("Intro.tga"), editor.Path("maps/MAP.TGA"));
    editor.AnswerOpen(editor.Path("maps/MAP.TGA"));
    editor.Command(cmdOpen);
    EXPECT_EQ(NewNotices(), std::vector<std::string>{kOpenWrongType});
    EXPECT_STREQ(editor.Window().Name(), editor.Path("Intro.tga").c_str());
    EXPECT_EQ(editor.app.Settings().mainDirectory, editor.Path("maps"));
    EXPECT_EQ(editor.Window().Document().name(), editor.Path("Intro.tga"));

    WriteSmallPpm(editor.Path("small.ppm"));
    editor.AnswerOpen(editor.Path("small.ppm"), 1);
    editor.Command(cmdOpen);
    EXPECT_EQ(NewNotices().size(), 1u);
    KnollCmdWindow& window = editor.Window();
    EXPECT_STREQ(window.Name(), "small.ppm");
    EXPECT_EQ(window.Document().fileKind(), kFileKindPpm);
    EXPECT_EQ(window.Document().field().kind(), kSixteenBitField);
    EXPECT_EQ(window.Document().field().FieldValue(2, 1), 5000);
    EXPECT_TRUE(editor.IsMenuSensitive(cmdToTga));
    EXPECT_FALSE(editor.IsMenuSensitive(cmdToPpm));
    EXPECT_EQ(editor.app.Settings().lastMapPath, editor.Path("small.ppm"));
}

TEST_F(FileCommands, FailedOpenLeavesTheEditedFieldAsItWas) {
    // Edited and not committed, with a polygon being outlined.
    KnollCmdWindow& window = editor.Window();
    HeightField& field = window.Document().field();
    field.working().MutableRowPixels(10)[10] = 0x123456;
    window.SetUndoKeep(1);
    editor.Command(cmdSelect);
    vRect area = window.Canvas().Bounds();
    editor.platform.QueueClick(area.x + 20, area.y + 20);
    editor.platform.QueueClick(area.x + 60, area.y + 20);
    editor.Pump();
    ASSERT_EQ(window.Document().selection().vertexCount(), 2);
    uint32_t committed = field.undo().ReadPixel(10, 10);
    // Each Open asks about the edit first; No goes on.
    editor.AnswerQuestionAlways(vQuestionDialog::kNoBesideCancelId);

    // A TGA that declares 100 x 100 and holds 19 rows; a PPM with no size; a PPM that
    // is not there; a name of neither type; a RAW file of 65537 samples, which no size holds.
    std::vector<uint8_t> tga = {0, 1, 1, 0, 0, 0, 1, 24, 0, 0, 0, 0, 100, 0, 100, 0, 8, 0x20};
    tga.resize(tga.size() + 768 + 19 * 100, 7);
    std::ofstream(editor.Path("cut.tga"), std::ios::binary).write(reinterpret_cast<const char*>(tga.data()), long(tga.size()));
    std::ofstream(editor.Path("broken.ppm")) << "P6\n0 0\n255\n";
    std::ofstream(editor.Path("prime.r16"), std::ios::binary) << std::string(2 * 65537, '\0');
    const std::pair<const char*, const char*> attempts[] = {
        {"cut.tga", "ERROR in File Data!!"},
        {"broken.ppm", "File Inconpatable!!"},
        {"absent.ppm", "Unable to LOAD File !!"},
        {"map.bmp", kOpenWrongType},
        {"prime.r16", "the RAW file's 65537 samples make no square field, nor any other within a field's bounds"},
    };
    for (const auto& [name, notice] : attempts) {
        editor.AnswerOpen(editor.Path(name));
        editor.Command(cmdOpen);
        EXPECT_TRUE(NewNotices().back().ends_with(notice)) << NewNotices().back();
        EXPECT_EQ(field.width(), 400) << name;
        EXPECT_EQ(field.working().ReadPixel(10, 10), 0x123456u) << name;
        EXPECT_EQ(field.undo().ReadPixel(10, 10), committed) << name;
        EXPECT_EQ(field.kind(), kEightBitField) << name;
        EXPECT_EQ(window.Document().fileKind(), kFileKindTga) << name;
        EXPECT_EQ(window.Name(), "* " + editor.Path("Intro.tga")) << name;
        EXPECT_EQ(window.Document().name(), editor.Path("Intro.tga")) << name;
        EXPECT_EQ(editor.app.Settings().lastMapPath, editor.Path("Intro.tga")) << name;
        EXPECT_EQ(window.Document().selection().vertexCount(), 2) << name;
        EXPECT_TRUE(editor.IsToggledOn(cmdSelect)) << name;
        EXPECT_TRUE(editor.IsSensitive(cmdUndo)) << name;
    }

    // So Undo still goes back to the last commit, and Save still writes the TGA it is.
    editor.Command(cmdUndo);
    EXPECT_EQ(field.working().ReadPixel(10, 10), committed);
    editor.AnswerSave(editor.Path("after"));
    editor.Command(cmdSave);
    EXPECT_TRUE(std::filesystem::exists(editor.Path("after.tga")));
}

TEST_F(FileCommands, CancelledOpenStillResetsSelectionAndUndoKeep) {
    editor.Command(cmdSelect);
    editor.Window().SetUndoKeep(1);
    editor.CancelChooser(vModalRequest::Kind::OpenFile);
    editor.Command(cmdOpen);
    EXPECT_FALSE(editor.IsToggledOn(cmdSelect));
    EXPECT_EQ(editor.Window().SelectFlag(), 0);
    EXPECT_FALSE(editor.IsSensitive(cmdUndo));
    EXPECT_TRUE(NewNotices().empty());
    EXPECT_EQ(editor.Window().Document().name(), editor.Path("Intro.tga"));
}

TEST_F(FileCommands, SaveAsChecksTheExtensionAndCancelEmptiesTheName) {
    editor.AnswerSave(editor.Path("copy.ppm"));
    editor.Command(cmdSave);
    EXPECT_EQ(NewNotices(), std::vector<std::string>{"Wrong File type!!!"});
    EXPECT_FALSE(std::filesystem::exists(editor.Path("copy.ppm")));

    editor.AnswerSave(editor.Path("copy"));
    editor.Command(cmdSave);
    EXPECT_EQ(ReadFileText(editor.Path("copy.tga")), ReadFileText(editor.Path("Intro.tga")));

    editor.Command(cmdToPpm);
    editor.AnswerSave(editor.Path("copy.ppm"));
    editor.Command(cmdSave);
    EXPECT_TRUE(std::filesystem::exists(editor.Path("copy.ppm")));

    editor.CancelChooser(vModalRequest::Kind::SaveFile);
    editor.Command(cmdSave);
    EXPECT_EQ(editor.Window().Document().name(), "");
    EXPECT_EQ(NewNotices().size(), 1u);
}

TEST_F(FileCommands, SaveAsWritesByTheNamesFormatAndCountsPositionsWithoutValue) {
    editor.AnswerSave(editor.Path("eight.r16"));
    editor.Command(cmdSave);
    EXPECT_EQ(NewNotices(), std::vector<std::string>{"RAW files hold 16-bit fields only!!\n\nCovert to PPM first."});
    EXPECT_FALSE(std::filesystem::exists(editor.Path("eight.r16")));

    editor.Window().Document().field().working().MutableRowPixels(0)[0] = kNoValuePixel;
    editor.AnswerSave(editor.Path("holes.pgm"));
    editor.Command(cmdSave);
    EXPECT_EQ(editor.StatusText(cmdMessageField), "1 without value saved as 0");
    EXPECT_EQ(editor.Window().Document().name(), editor.Path("holes.pgm"));
    EXPECT_EQ(ReadFileText(editor.Path("holes.pgm")).substr(0, 15), "P5\n400 400\n255\n");
}

TEST_F(FileCommands, SaveIntoAReadOnlyFolderLeavesTheOldFileWhole) {
    std::filesystem::create_directory(editor.Path("locked"));
    std::ofstream(editor.Path("locked/old.tga")) << "the old bytes";
    ReadOnlyFolder locked(editor.Path("locked"));
    ASSERT_TRUE(locked.Holds());
    editor.AnswerSave(editor.Path("locked/old.tga"));
    editor.Command(cmdSave);
    EXPECT_EQ(NewNotices(), std::vector<std::string>{"File Save Error!!!"});
    EXPECT_EQ(ReadFileText(editor.Path("locked/old.tga")), "the old bytes");
}

namespace {

// A screen with a display rate whose clock moves a millisecond each time it is read, so
// that long work presents as it goes; each frame presented is handed to the test.
class DisplayRatePlatform : public vHeadlessPlatform {
public:
    using vHeadlessPlatform::vHeadlessPlatform;
    int FrameInterval() const override { return 16; }
    uint64_t NowMs() const override { return ++clock_; }
    void Present(const Raster& frame) override {
        vHeadlessPlatform::Present(frame);
        if (presented) presented(frame);
    }

    std::function<void(const Raster&)> presented;

private:
    mutable uint64_t clock_ = 0;
};

// A 16-bit PNG of 300 x 3000 whose row y holds the value 1000 + y.
std::string TallPng(const std::string& path) {
    FieldDocument document;
    HeightField& field = document.field();
    field.ReplaceField(300, 3000);
    field.SetKind(kSixteenBitField);
    for (int y = 0; y < field.height(); ++y) {
        std::fill_n(field.working().MutableRowPixels(y), field.width(), field.ValueColor(1000 + y).Pixel());
    }
    EXPECT_TRUE(document.Export(path).saved);
    return ReadFileText(path);
}

}  // namespace

// While a large file loads, the view fills in from the top and the message field says how
// far the load got, every display frame; a file found damaged half way gives the view and
// the message back as they were.
TEST(FileCommandsOnScreen, AnOpenShowsTheRowsAsTheyArriveAndHowFarItGot) {
    BasicEditorSession<DisplayRatePlatform> editor;
    editor.CopyDemo();
    ASSERT_EQ(editor.Start(), 0);
    editor.Pump();
    KnollCmdWindow& window = editor.Window();
    const vRect canvas = window.Canvas().Bounds();
    const std::string before = editor.StatusText(cmdMessageField);
    const uint32_t introPixel = editor.platform.FramePixel(canvas.x + 5, canvas.y + 5);

    struct Shown {
        std::string message;
        uint32_t top, low;
    };
    std::vector<Shown> shown;
    editor.platform.presented = [&](const Raster& frame) {
        shown.push_back({editor.StatusText(cmdMessageField), frame.At(canvas.x + 5, canvas.y + 5),
                         frame.At(canvas.x + 5, canvas.y + canvas.h - 30)});
    };
    std::string png = TallPng(editor.Path("tall.png"));
    editor.AnswerOpen(editor.Path("tall.png"));
    editor.Command(cmdOpen);

    // Frames during the load: the top rows shown, the view below them still empty.
    auto loading = std::find_if(shown.begin(), shown.end(), [](const Shown& s) {
        return s.message != "LOADING 0%" && s.message.starts_with("LOADING ");
    });
    ASSERT_NE(loading, shown.end());
    EXPECT_EQ(loading->top, 1000u + 5);
    EXPECT_EQ(loading->low, kNoValuePixel);
    EXPECT_GT(std::count_if(shown.begin(), shown.end(), [](const Shown& s) { return s.message.starts_with("LOADING "); }),
              3);
    editor.app.Frame().Refresh();
    EXPECT_EQ(shown.back().message, before);
    EXPECT_EQ(window.Document().field().height(), 3000);

    // The same at a scale that shows the whole field: its top blocks, nothing below them.
    editor.Command(cmdFitField);
    shown.clear();
    editor.AnswerOpen(editor.Path("tall.png"));
    editor.Command(cmdOpen);
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const Shown& s) {
        return s.message.starts_with("LOADING ") && s.top != kNoValuePixel && s.low == kNoValuePixel;
    }));

    // Damaged past its middle: the rows shown go, the field before comes back.
    editor.Command(cmdActualSize);
    png[png.size() / 2] ^= 0x55;
    std::ofstream(editor.Path("damaged.png"), std::ios::binary) << png;
    editor.AnswerOpen(editor.Path("Intro.tga"));
    editor.Command(cmdOpen);
    shown.clear();
    editor.AnswerOpen(editor.Path("damaged.png"));
    editor.Command(cmdOpen);
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const Shown& s) { return s.top == 1000u + 5; }));
    EXPECT_EQ(editor.Notices().back().find(editor.Path("damaged.png")), 0u);
    editor.app.Frame().Refresh();
    EXPECT_EQ(shown.back().top, introPixel);
    EXPECT_EQ(shown.back().message, before);
    EXPECT_EQ(window.Document().field().width(), 400);
}

TEST_F(FileCommands, AnElevationRasterIsMappedAsAskedAndReadsOutItsHeights) {
    WriteAsciiGrid(editor.Path("dem.asc"), 3, 2, "236.5 1076.25 500\n-9999 656.375 236.5", "-9999");
    KnollCmdWindow& window = editor.Window();
    const int builtWidth = window.StatusBar().FindControl(cmdHeightField)->Place().width;
    // Cancelling the question changes nothing and says nothing.
    vModalAnswer answer;
    answer.id = vCancelId;
    editor.platform.ScriptAnswer(vModalRequest::Kind::Dialog, answer);
    editor.AnswerOpen(editor.Path("dem.asc"));
    editor.Command(cmdOpen);
    EXPECT_TRUE(NewNotices().empty());
    EXPECT_EQ(window.Document().field().width(), 400);
    EXPECT_EQ(window.Document().heightSource(), nullptr);

    answer.id = vDoneId;
    editor.platform.ScriptAnswer(vModalRequest::Kind::Dialog, answer);
    editor.AnswerOpen(editor.Path("dem.asc"));
    editor.Command(cmdOpen);
    ASSERT_NE(window.Document().heightSource(), nullptr);
    EXPECT_EQ(window.Document().field().width(), 3);
    EXPECT_EQ(window.Document().field().FieldValue(0, 1), -1);
    EXPECT_EQ(editor.StatusText(cmdMessageField), "heights 236.50 to 1076.25 stored as 0 to 65535 (0.013 a step)");
    window.ShowPosition(1, 0, 65535);
    EXPECT_EQ(editor.StatusText(cmdHeightField), "height:65535 (1076.25)");
    window.ShowPosition(0, 1, 0, false);
    EXPECT_EQ(editor.StatusText(cmdHeightField), "height:0 (none)");
    EXPECT_GE(window.StatusBar().FindControl(cmdHeightField)->Place().width, vDialogTextWidth("height:65535 (1076.25)"));

    editor.AnswerSave(editor.Path("dem.tif"));
    editor.Command(cmdSave);
    std::vector<double> saved = GdalValues(editor.Path("dem.tif"));
    ASSERT_EQ(saved.size(), 6u);
    EXPECT_NEAR(saved[2], 500, (1076.25 - 236.5) / 65535 / 2);
    EXPECT_EQ(saved[3], -9999);

    // Another field reads out as it always has, in a bar as it was made.
    editor.AnswerOpen(editor.Path("Intro.tga"));
    editor.Command(cmdOpen);
    window.ShowPosition(12, 345, 67);
    EXPECT_EQ(editor.StatusText(cmdHeightField), "height:67");
    EXPECT_EQ(editor.StatusText(cmdMessageField), "");
    EXPECT_EQ(window.StatusBar().FindControl(cmdHeightField)->Place().width, builtWidth);
}

TEST_F(FileCommands, ADroppedFileOpensAsOpenDoesAndAnyOtherIsRefused) {
    std::filesystem::create_directory(editor.Path("maps"));
    WriteSmallPpm(editor.Path("maps/small.ppm"));
    editor.Command(cmdSelect);
    editor.platform.QueueDrop({editor.Path("maps/small.ppm")}, 200, 200);
    editor.Pump();
    KnollCmdWindow& window = editor.Window();
    EXPECT_STREQ(window.Name(), "small.ppm");
    EXPECT_EQ(window.Document().field().FieldValue(2, 1), 5000);
    EXPECT_EQ(editor.app.Settings().mainDirectory, editor.Path("maps"));
    EXPECT_EQ(editor.app.Settings().lastMapPath, editor.Path("maps/small.ppm"));
    EXPECT_FALSE(editor.IsToggledOn(cmdSelect));

    // Not a height file: said at once, with no question about the changed field first.
    editor.Command(cmdToTga);
    editor.platform.QueueDrop({editor.Path("notes.txt")}, 200, 200);
    editor.Pump();
    EXPECT_EQ(NewNotices(), std::vector<std::string>{kOpenWrongType});
    EXPECT_EQ(editor.platform.ModalRequests().back().kind, vModalRequest::Kind::Notice);
}

// Users' folders are deep: a field opened from a long path is offered to Save whole.
TEST_F(FileCommands, LongPathsOpenAndSaveWhole) {
    std::string folder = editor.Folder();
    while (folder.size() < 400) folder += "/a-folder-in-a-deep-tree";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(editor.Path("Intro.tga"), folder + "/Intro.tga");
    editor.AnswerOpen(folder + "/Intro.tga");
    editor.Command(cmdOpen);
    editor.AnswerSave(folder + "/copy");
    editor.Command(cmdSave);
    EXPECT_EQ(editor.platform.ModalRequests().back().initialName, folder + "/Intro.tga");
    EXPECT_TRUE(NewNotices().empty());
    EXPECT_EQ(ReadFileText(folder + "/copy.tga"), ReadFileText(editor.Path("Intro.tga")));
}
