#include <gtest/gtest.h>

#include "editor_session.h"

namespace {

constexpr int kEditedValue = 77;

class UnsavedChanges : public ::testing::Test {
protected:
    void SetUp() override {
        editor.CopyDemo();
        ASSERT_EQ(editor.Start(), 0);
        editor.Pump();
        intro = editor.Path("Intro.tga");
    }
    // The questions asked so far.
    std::vector<std::string> Questions() const {
        std::vector<std::string> texts;
        for (const vModalRequest& request : editor.platform.ModalRequests()) {
            if (request.kind == vModalRequest::Kind::Dialog) texts.push_back(request.text);
        }
        return texts;
    }
    size_t ChooserCount() const {
        size_t count = 0;
        for (const vModalRequest& request : editor.platform.ModalRequests()) {
            count += request.kind == vModalRequest::Kind::OpenFile || request.kind == vModalRequest::Kind::SaveFile;
        }
        return count;
    }
    // An edit the user can undo: a pixel written as an operation would, then a command
    // that shows it in the title.
    void Edit() {
        HeightField& field = editor.Window().Document().field();
        field.working().MutableRowPixels(5)[5] = field.ValueColor(kEditedValue).Pixel();
        editor.Window().SetUndoKeep(1);
        editor.Command(cmdLegendLeft);
    }
    std::string Title() { return editor.Window().Name(); }
    void Drop(const std::string& path) {
        editor.platform.QueueDrop({path}, 300, 300);
        editor.Pump();
    }

    EditorSession editor;
    std::string intro;
};

}  // namespace

TEST_F(UnsavedChanges, AnUnchangedFieldIsSetAsideWithoutAQuestion) {
    editor.CancelChooser(vModalRequest::Kind::OpenFile);
    editor.Command(cmdOpen);
    Drop(editor.Path("Intro.tga"));
    EXPECT_EQ(Title(), "Intro.tga");
    Edit();
    editor.Command(cmdUndo);
    EXPECT_EQ(Title(), "Intro.tga");
    editor.platform.QueueKey('q', vModControl);
    editor.Pump();
    EXPECT_TRUE(editor.app.IsLoopEnded());
    EXPECT_TRUE(Questions().empty());
}

TEST_F(UnsavedChanges, EveryWayOutAsksAndCancelOrEscapeLeaveAllAsItWas) {
    Edit();
    EXPECT_EQ(Title(), "* " + intro);
    const std::function<void()> ways[] = {
        [&] { editor.Command(cmdExit); },
        [&] { editor.Command(cmdOpen); },
        [&] { editor.platform.QueueKey('q', vModControl); editor.Pump(); },
        [&] { editor.platform.QueueKey('o', vModControl); editor.Pump(); },
        [&] { editor.platform.QueueClose(); editor.Pump(); },
        [&] { Drop(editor.Path("Intro.tga")); },
    };
    for (const auto& way : ways) {
        size_t asked = Questions().size();
        editor.AnswerQuestion(vQuestionDialog::kCancelId);
        way();
        ASSERT_EQ(Questions().size(), asked + 1) << "way " << asked;
        EXPECT_EQ(Questions().back(), "Save changes to Intro.tga?");
    }
    // Escape answers Cancel too.
    editor.platform.QueueKey(vKeyEscape);
    editor.Command(cmdExit);
    EXPECT_EQ(Questions().size(), std::size(ways) + 1);
    EXPECT_FALSE(editor.app.IsLoopEnded());
    EXPECT_EQ(ChooserCount(), 0u);
    EXPECT_EQ(editor.Window().Document().field().FieldValue(5, 5), kEditedValue);
    EXPECT_TRUE(editor.IsSensitive(cmdUndo));
    EXPECT_EQ(Title(), "* " + intro);
}

TEST_F(UnsavedChanges, YesSavesFirstAndNoGoesOnWithoutSaving) {
    Edit();
    // Yes, then the Save As chooser cancelled or a name it cannot take: no exit.
    editor.AnswerQuestion(vQuestionDialog::kYesId);
    editor.CancelChooser(vModalRequest::Kind::SaveFile);
    editor.Command(cmdExit);
    editor.Window().Document().SetName(intro);
    editor.AnswerQuestion(vQuestionDialog::kYesId);
    editor.AnswerSave(editor.Path("edited.ppm"));
    editor.Command(cmdExit);
    EXPECT_EQ(editor.Notices().back(), "Wrong File type!!!");
    EXPECT_FALSE(editor.app.IsLoopEnded());

    // Saved, the Open goes on to its chooser.
    editor.AnswerQuestion(vQuestionDialog::kYesId);
    editor.AnswerSave(editor.Path("edited.tga"));
    editor.CancelChooser(vModalRequest::Kind::OpenFile);
    editor.Command(cmdOpen);
    EXPECT_EQ(editor.platform.ModalRequests().back().kind, vModalRequest::Kind::OpenFile);
    EXPECT_EQ(Title(), "edited.tga");
    FieldDocument saved;
    ASSERT_TRUE(saved.Load(editor.Path("edited.tga")).loaded);
    EXPECT_EQ(saved.field().FieldValue(5, 5), kEditedValue);

    // No: the dropped file opens, and the close box ends the editor, each unsaved.
    Edit();
    editor.AnswerQuestion(vQuestionDialog::kNoBesideCancelId);
    Drop(intro);
    EXPECT_EQ(Title(), "Intro.tga");
    Edit();
    editor.AnswerQuestion(vQuestionDialog::kNoBesideCancelId);
    editor.platform.QueueClose();
    editor.Pump();
    EXPECT_TRUE(editor.app.IsLoopEnded());
    EXPECT_EQ(ReadFileText(intro), ReadFileText(std::string(KNOLL_SOURCE_DIR) + "/demo/Intro.tga"));
    EXPECT_EQ(ReadLines(editor.Path("Knollwork.ini"))[1], intro);
}

// A signal or a logout has nobody to answer: the editor ends as now, settings written.
TEST_F(UnsavedChanges, TheSystemEndsTheEditorWithoutAQuestion) {
    Edit();
    std::filesystem::remove(editor.Path("Knollwork.ini"));
    vPlatformEvent terminate;
    terminate.kind = vEventKind::Terminate;
    editor.platform.QueueEvent(terminate);
    editor.Pump();
    EXPECT_TRUE(editor.app.IsLoopEnded());
    EXPECT_TRUE(Questions().empty());
    EXPECT_TRUE(std::filesystem::exists(editor.Path("Knollwork.ini")));
}

// The title names the file the next Save writes, marked while there are changes.
TEST_F(UnsavedChanges, TitleAndKeysFollowTheFile) {
    EXPECT_EQ(Title(), intro);
    editor.Command(cmdShrink);
    EXPECT_EQ(Title(), "* " + intro);
    editor.AnswerSave(editor.Path("small"));
    editor.platform.QueueKey('s', vModControl);
    editor.Pump();
    EXPECT_EQ(Title(), "small.tga");
    EXPECT_EQ(editor.platform.FrameTitle(), "Knollwork - [small.tga]");
    EXPECT_EQ(editor.Window().Document().field().width(), 200);

    editor.CancelChooser(vModalRequest::Kind::SaveFile);
    editor.Command(cmdSave);
    EXPECT_EQ(Title(), "small.tga");

    editor.AnswerOpen(intro);
    editor.platform.QueueKey('o', vModControl);
    editor.Pump();
    EXPECT_EQ(Title(), "Intro.tga");
    EXPECT_EQ(editor.Window().Document().field().width(), 400);
    editor.Command(cmdToPpm);
    EXPECT_EQ(Title(), "* Intro.tga");
}
