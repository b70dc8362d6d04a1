#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "editor_session.h"

namespace {

// A palette whose entry i is (i, 0, i): the values stay, the colours change.
void WriteRedBluePalette(const std::string& path, int lines = 256) {
    std::ofstream out(path);
    for (int i = 0; i < lines; ++i) out << i << ",0," << i << "\n";
}

class PaletteCommand : public ::testing::Test {
protected:
    void SetUp() override {
        editor.CopyDemo();
        ASSERT_EQ(editor.Start(), 0);
    }
    uint32_t Pixel(int x, int y) { return editor.Window().Document().field().working().ReadPixel(x, y); }

    EditorSession editor;
};

}  // namespace

// A palette that failed is not remembered: the next start would repeat its error.
TEST_F(PaletteCommand, OpenAndBodyErrorsLeaveTheFieldUncolouredAndThePaletteRemembered) {
    uint32_t before = Pixel(200, 200);
    KnollSettings remembered = editor.app.Settings();
    editor.AnswerOpen(editor.Path("missing.Pal"));
    editor.Command(cmdPalette);
    EXPECT_EQ(editor.Notices().back(), "open error");

    WriteRedBluePalette(editor.Path("short.Pal"), 10);
    editor.AnswerOpen(editor.Path("short.Pal"));
    editor.Command(cmdPalette);
    EXPECT_EQ(editor.Notices().back(), "Body error");
    EXPECT_EQ(editor.Window().Document().palette()[9], vColor(9, 0, 9));
    EXPECT_EQ(editor.Window().Document().palette()[10], DefaultPalette()[10]);
    EXPECT_EQ(Pixel(200, 200), before);
    EXPECT_EQ(std::filesystem::current_path(), editor.Folder());
    EXPECT_EQ(editor.app.Settings().paletteFilePath, remembered.paletteFilePath);
    EXPECT_EQ(editor.app.Settings().paletteDirectory, remembered.paletteDirectory);
}

TEST_F(PaletteCommand, RepaintsAnEightBitFieldAndCommits) {
    int value = editor.Window().Document().field().FieldValue(123, 45);
    editor.Window().SetUndoKeep(1);
    WriteRedBluePalette(editor.Path("red.Pal"));
    editor.AnswerOpen(editor.Path("red.Pal"));
    editor.Command(cmdPalette);
    EXPECT_EQ(Pixel(123, 45), vColor(value, 0, value).Pixel());
    EXPECT_EQ(editor.Window().Document().field().FieldValue(123, 45), value);
    EXPECT_FALSE(editor.IsSensitive(cmdUndo));
    EXPECT_EQ(editor.Window().Document().field().undo().ReadPixel(123, 45), Pixel(123, 45));
}

TEST_F(PaletteCommand, LeavesASixteenBitFieldAsItIs) {
    editor.Command(cmdToPpm);
    uint32_t before = Pixel(123, 45);
    WriteRedBluePalette(editor.Path("red.Pal"));
    editor.AnswerOpen(editor.Path("red.Pal"));
    editor.Command(cmdPalette);
    EXPECT_EQ(Pixel(123, 45), before);
    EXPECT_EQ(editor.Window().Document().palette()[200], vColor(200, 0, 200));
}
