#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/raw_size_dialog.h"
#include "dialogs/dialog_fixture.h"
#include "editor_session.h"
#include "framework/dialogs/dialog_view.h"
#include "framework/dialogs/file_chooser_dialog.h"

// Double clicks in the editor's lists choose, as most users choose: each closes its
// dialog inside the press that makes the double click, and the editor goes on.
//
// Every modal dialog of the editor under a storm of random clicks, double clicks, drags
// and keys, with the clock moving so tips and repeats fire: whatever closes a dialog
// in the middle of an event, nothing may touch it afterwards. The sanitizers catch any
// use of a destroyed view. The storm is seeded, so a failure repeats; KNOLL_STORM_ACTIONS
// sets its size (a few thousand by default).

namespace {

constexpr const char kTyped[] = "abcdefghijklmnopqrstuvwxyz0123456789 ";
constexpr int kKeys[] = {vKeyReturn, vKeyEscape, vKeyTab, vKeyUp, vKeyDown, vKeyHome, vKeyEnd,
                         vKeyPageDown, vKeyBackSpace, vKeyDelete, ' ', 'a', 'r', 's', '7'};

int StormActions() {
    const char* asked = std::getenv("KNOLL_STORM_ACTIONS");
    return asked ? std::atoi(asked) : 3000;
}

class Storm {
public:
    Storm(EditorSession& editor, unsigned seed) : editor_(editor), random_(seed) {
        editor.platform.WhenQueueEmpty([this] { Act(); });
    }
    ~Storm() { editor_.platform.WhenQueueEmpty(nullptr); }

    int Actions() const { return actions_; }
    // The titles of the dialogs acted on.
    const std::set<std::string>& Seen() const { return seen_; }
    // The next act on a dialog is the end of the program.
    void EndWithASignal() { endNext_ = true; }
    bool Ended() const { return ended_; }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    // One act on the dialog at the top, as the input runs out.
    void Act() {
        vView* top = editor_.app.Frame().TopModal();
        if (!top || ended_) return;
        ++actions_;
        if (endNext_) return Signal();
        editor_.platform.AdvanceClock(Pick(4) == 0 ? Pick(1500) : Pick(60));
        auto* view = dynamic_cast<vDialogView*>(top);
        if (view) seen_.insert(view->Dialog().Name());
        // The choosers may look around but stay in the folder made for the storm.
        auto* chooser = view ? dynamic_cast<vFileChooserDialog*>(&view->Dialog()) : nullptr;
        if (chooser && chooser->Folder().rfind(editor_.Folder(), 0) != 0) {
            editor_.platform.QueueKey(vKeyEscape);
            return;
        }
        switch (Pick(10)) {
        case 0: case 1: case 2: return Click(top, view, false);
        case 3: case 4: return Click(top, view, true);
        case 5: return Drag(top);
        case 6: return Type();
        default: return Key();
        }
    }

    vPoint PointIn(const vRect& r) { return {r.x + Pick(std::max(r.w, 1)), r.y + Pick(std::max(r.h, 1))}; }

    // Mostly on a control, sometimes anywhere on the dialog, now and then off it.
    vPoint Target(vView* top, vDialogView* view) {
        const vRect& box = top->Bounds();
        int choice = Pick(10);
        if (choice == 0) return PointIn({0, 0, editor_.app.Frame().Width(), editor_.app.Frame().Height()});
        if (choice < 4 || !view) return PointIn(box);
        vDialog& dialog = view->Dialog();
        const auto& controls = dialog.Controls();
        if (controls.empty()) return PointIn(box);
        vCmd& control = *controls[size_t(Pick(int(controls.size())))];
        // The chooser's way up is taken by the folder check, not clicked at random.
        if (dynamic_cast<vFileChooserDialog*>(&dialog) && control.Id() == vFileChooserDialog::kUpButton) {
            return PointIn(box);
        }
        vRect r = control.PixelRect();
        return PointIn({box.x + vDialogView::ClientLeft() + r.x, box.y + vDialogView::ClientTop() + r.y, r.w, r.h});
    }

    void Click(vView* top, vDialogView* view, bool twice) {
        vPoint at = Target(top, view);
        editor_.platform.QueueClick(at.x, at.y);
        if (twice) editor_.platform.QueueClick(at.x + Pick(3) - 1, at.y + Pick(3) - 1);
    }

    void Drag(vView* top) {
        vPoint from = PointIn(top->Bounds()), to = PointIn({from.x - 60, from.y - 60, 120, 120});
        editor_.platform.QueueDrag(from.x, from.y, to.x, to.y, 1, 1 + Pick(4));
    }

    void Type() {
        std::string text;
        for (int n = 1 + Pick(6); n > 0; --n) text += kTyped[Pick(int(sizeof kTyped) - 1)];
        editor_.platform.QueueText(text);
    }

    void Key() {
        int key = kKeys[Pick(int(std::size(kKeys)))];
        editor_.platform.QueueKey(key, Pick(4) == 0 ? vModShift : 0);
    }

    void Signal() {
        vPlatformEvent end;
        end.kind = vEventKind::Terminate;
        editor_.platform.QueueEvent(end);
        editor_.platform.QueueKey(vKeyReturn);
        ended_ = true;
    }

    EditorSession& editor_;
    std::mt19937 random_;
    int actions_ = 0;
    std::set<std::string> seen_;
    bool endNext_ = false;
    bool ended_ = false;
};

// A RAW file whose length allows several sizes, none square: the size is asked.
void WriteRaw(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << std::string(2 * 64 * 32, '\x10');
}

// The demo workspace with a second field, a second palette, a folder and a RAW file
// whose length allows several sizes, none square.
void MakeWorkspace(EditorSession& editor) {
    editor.CopyDemo();
    std::filesystem::copy_file(editor.Path("Intro.tga"), editor.Path("Copy.tga"));
    std::filesystem::copy_file(editor.Path("Std.pal"), editor.Path("Red.Pal"));
    std::filesystem::create_directory(editor.Path("maps"));
    std::filesystem::copy_file(editor.Path("Intro.tga"), editor.Path("maps/hill.tga"));
    WriteRaw(editor.Path("strip.r16"));
    WriteRaw(editor.Path("maps/strip.raw"));
}

}  // namespace

TEST(EditorDialogs, ADoubleClickChoosesInEveryListAndTheEditorGoesOn) {
    EditorSession editor;
    MakeWorkspace(editor);
    ASSERT_EQ(editor.Start(), 0);
    vHeadlessPlatform& platform = editor.platform;
    auto doubleClickRow = [&](int listId, int row) {
        return [&platform, listId, row](vDialog& dialog) {
            vPoint at = RowOf(dialog, listId, row);
            QueueDoubleClick(platform, at);
            platform.QueueDrag(at.x, at.y, at.x + 30, at.y + 20);
        };
    };
    {
        SCOPED_TRACE("Open: Copy.tga, below the folder maps");
        OnScreen screen(platform, editor.app.Frame());
        screen.Then(doubleClickRow(vFileChooserDialog::kEntries, 1));
        editor.Command(cmdOpen);
        EXPECT_TRUE(screen.AllDone());
        EXPECT_EQ(editor.app.Settings().lastMapPath, editor.Path("Copy.tga"));
        EXPECT_STREQ(editor.Window().Name(), "Copy.tga");
    }
    {
        SCOPED_TRACE("Palette: Red.Pal");
        OnScreen screen(platform, editor.app.Frame());
        screen.Then(doubleClickRow(vFileChooserDialog::kEntries, 1));
        editor.Command(cmdPalette);
        EXPECT_EQ(editor.app.Settings().paletteFilePath, editor.Path("Red.Pal"));
    }
    {
        SCOPED_TRACE("Save As: Copy.tga, yes to replacing it");
        std::ofstream(editor.Path("Copy.tga")) << "x";
        OnScreen screen(platform, editor.app.Frame());
        screen.Then(doubleClickRow(vFileChooserDialog::kEntries, 1)).Then([&](vDialog&) { platform.QueueKey(vKeyReturn); });
        editor.Command(cmdSave);
        EXPECT_TRUE(screen.AllDone());
        EXPECT_EQ(std::filesystem::file_size(editor.Path("Copy.tga")), std::filesystem::file_size(editor.Path("Intro.tga")));
    }
    {
        SCOPED_TRACE("RAW size: the second size offered");
        std::vector<FileSize> sizes = FieldDocument::RawSizeChoices(editor.Path("strip.r16"));
        ASSERT_GE(sizes.size(), 2u);
        OnScreen screen(platform, editor.app.Frame());
        screen.Then(doubleClickRow(KnollRawSizeDialog::kSizeListId, 1));
        editor.AnswerOpen(editor.Path("strip.r16"));
        editor.Command(cmdOpen);
        EXPECT_TRUE(screen.AllDone());
        EXPECT_EQ(editor.Window().Document().field().width(), sizes[1].width);
    }
    EXPECT_EQ(editor.app.Frame().TopModal(), nullptr);
    EXPECT_EQ(editor.app.Frame().Capture(), nullptr);
    editor.Command(cmdExit);
    EXPECT_TRUE(editor.app.IsLoopEnded());
}

TEST(EditorDialogs, EveryModalDialogTakesAStormOfInputAndNothingOutlivesItsEvents) {
    EditorSession editor;
    MakeWorkspace(editor);
    ASSERT_EQ(editor.Start(), 0);

    Storm storm(editor, 26);
    const int wanted = StormActions();
    for (int round = 0; storm.Actions() < wanted && !editor.app.IsLoopEnded(); ++round) {
        if (round % 5 == 4) editor.AnswerOpen(editor.Path("strip.r16"));
        static constexpr int kCommands[] = {cmdOpen, cmdSave, cmdPalette, cmdAbout, cmdOpen};
        editor.Command(kCommands[round % 5]);
    }
    storm.EndWithASignal();
    for (int tries = 0; !storm.Ended() && tries < 10; ++tries) editor.Command(cmdOpen);
    editor.Pump();
    EXPECT_TRUE(storm.Ended());
    EXPECT_TRUE(editor.app.IsLoopEnded());
    EXPECT_GE(storm.Actions(), wanted);
    for (const char* title : {"Open BMP File", "Save As", "Open PALETTE File", "RAW Size", "Notice"}) {
        EXPECT_EQ(storm.Seen().count(title), 1u) << title;
    }
    EXPECT_EQ(editor.app.Frame().TopModal(), nullptr);
    EXPECT_EQ(editor.app.Frame().Capture(), nullptr);
}
