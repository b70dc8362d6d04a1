#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "core/ppm.h"
#include "editor_session.h"
#include "read_only_folder.h"

namespace {

constexpr const char* kOpenWrongType = "WRONG  FILE TYPE!!\n\nTGA & PPM types only !!";

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
    EXPECT_EQ(TheSettings().mainDirectory, editor.Path("maps"));
    EXPECT_EQ(editor.Window().FileNameField(), editor.Path("maps/MAP.TGA"));

    WriteSmallPpm(editor.Path("small.ppm"));
    editor.AnswerOpen(editor.Path("small.ppm"), 1);
    editor.Command(cmdOpen);
    EXPECT_EQ(NewNotices().size(), 1u);
    KnollCmdWindow& window = editor.Window();
    EXPECT_STREQ(window.Name(), "small.ppm");
    EXPECT_EQ(window.FileKind(), kFileKindPpm);
    EXPECT_EQ(window.Canvas().FieldKind(), kSixteenBitField);
    EXPECT_EQ(window.Canvas().FieldValue(2, 1), 5000);
    EXPECT_TRUE(editor.IsMenuSensitive(cmdToTga));
    EXPECT_FALSE(editor.IsMenuSensitive(cmdToPpm));
    EXPECT_EQ(TheSettings().lastMapPath, editor.Path("small.ppm"));
}

TEST_F(FileCommands, FailedOpenKeepsTheFieldAndTheKindItHolds) {
    std::ofstream(editor.Path("broken.ppm")) << "P6\n0 0\n255\n";
    editor.AnswerOpen(editor.Path("broken.ppm"), 1);
    editor.Command(cmdOpen);
    EXPECT_EQ(NewNotices(), std::vector<std::string>{"File Inconpatable!!"});
    EXPECT_EQ(editor.Window().FileKind(), kFileKindTga);
    EXPECT_EQ(editor.Window().Canvas().Field().width(), 400);

    // So Save still writes the TGA the field is.
    editor.AnswerSave(editor.Path("after"));
    editor.Command(cmdSave);
    EXPECT_TRUE(std::filesystem::exists(editor.Path("after.tga")));
    EXPECT_EQ(editor.Window().FileNameField(), editor.Path("after.tga"));

    // A name of neither type reads nothing: a 16-bit field is still saved as a PPM.
    editor.Command(cmdToPpm);
    editor.AnswerOpen(editor.Path("map.bmp"), 2);
    editor.Command(cmdOpen);
    EXPECT_EQ(NewNotices().back(), kOpenWrongType);
    EXPECT_EQ(editor.Window().FileKind(), kFileKindPpm);
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
    EXPECT_EQ(editor.Window().FileNameField(), "");
    EXPECT_EQ(NewNotices().size(), 1u);
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
