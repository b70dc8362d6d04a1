#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialog_fixture.h"
#include "framework/dialogs/notice_dialog.h"
#include "framework/look/system_colors.h"

namespace {

// A notice that lets the test act once it is on screen.
class WatchedNotice : public vNoticeDialog {
public:
    using vNoticeDialog::vNoticeDialog;
    void OnDialogReady() override {
        vNoticeDialog::OnDialogReady();
        if (onReady) onReady();
    }
    std::function<void()> onReady;
};

// Where the notice stood, as the framework placed it, before Enter closed it.
vRect ShownAt(HeadlessSession<>& session, WatchedNotice& notice, const std::string& message) {
    vRect placed;
    notice.onReady = [&] {
        notice.QueryPlacement(placed.x, placed.y, placed.w, placed.h);
        session.platform.QueueKey(vKeyReturn);
    };
    EXPECT_EQ(notice.ShowNotice(message.c_str()), vOkId);
    notice.onReady = nullptr;
    return placed;
}

}  // namespace

TEST(Notice, OkEnterAndEscapeCloseItTheCloseBoxDoesNothing) {
    HeadlessSession<> session;
    WatchedNotice notice(nullptr);
    notice.onReady = [&] {
        vRect view = notice.View().Bounds(), close = notice.View().CloseBox();
        session.platform.QueueClick(view.x + close.x + close.w / 2, view.y + close.y + close.h / 2);
        ClickOn(session.platform, notice, vOkId);
    };
    EXPECT_EQ(notice.ShowNotice("Palette Open error"), vOkId);
    // Had the close box closed it, the " OK " click would have come too late.
    EXPECT_EQ(notice.LastId(), vOkId);
    EXPECT_EQ(notice.LastValue(), vOkId);
    EXPECT_FALSE(notice.IsShown());

    for (int key : {vKeyEscape, vKeyReturn}) {
        notice.onReady = [&] {
            session.platform.QueueKey(key);
            session.platform.QueueKey('x');
        };
        EXPECT_EQ(notice.ShowNotice("Wrong File type!!!"), vOkId);
        EXPECT_EQ(notice.LastId(), vOkId);
        EXPECT_TRUE(session.platform.HasQueuedEvents()) << key;  // closed before the next key
        session.Pump();
    }
}

TEST(Notice, IsCentredOverTheFrameAndFitsItsLines) {
    HeadlessSession<> session(1, nullptr, 1600, 1000);
    WatchedNotice notice(nullptr);
    vRect placed = ShownAt(session, notice, "Unable to open INI FILE\n\n Creating NEW INI FILE");
    vRect client = session.app.Frame().ClientArea();
    EXPECT_EQ(placed.x, (client.w - placed.w) / 2);
    EXPECT_EQ(placed.y, (client.h - placed.h) / 2);
    // Three lines of 11 units and one more, beside the picture (40 x 32, halved + 6).
    const vControlPlace& text = notice.FindControl(vNoticeDialog::kTextId)->Place();
    EXPECT_EQ(text.height, 3 * 11 + 1);
    EXPECT_EQ(text.width, 23 * 4 + 3);
    const vControlPlace& image = notice.FindControl(vNoticeDialog::kImageId)->Place();
    EXPECT_EQ(image.width, 40 / 2 + 14);
    EXPECT_EQ(image.height, 32 / 2 + 6);
    EXPECT_EQ(text.x, image.x + image.width + 0);

    // Shown right after the frame is maximized, before its resize event is handled.
    session.app.ShowFrame(vFrameShow::Maximized);
    placed = ShownAt(session, notice, "Palette Open error");
    client = session.app.Frame().ClientArea();
    EXPECT_EQ(client.w, 1600);
    EXPECT_EQ(placed.x, (client.w - placed.w) / 2);
}

TEST(Notice, WiderThanTheFrameStaysWhereItOpensAcrossAndIsCentredDown) {
    HeadlessSession<> session(1, nullptr, 300, 600);
    WatchedNotice notice(nullptr);
    vRect placed = ShownAt(session, notice, std::string(80, 'W'));
    vRect client = session.app.Frame().ClientArea();
    ASSERT_GT(placed.w, client.w);
    EXPECT_GT(placed.x, 0);
    EXPECT_EQ(placed.y, (client.h - placed.h) / 2);
}

TEST(Notice, ShowsItsWarningPicture) {
    HeadlessSession<> session;
    WatchedNotice notice(nullptr);
    int ink = 0, paper = 0;
    notice.onReady = [&] {
        session.Pump();
        vRect view = notice.View().Bounds();
        vRect image = notice.FindControl(vNoticeDialog::kImageId)->PixelRect();
        int x0 = view.x + vDialogView::ClientLeft() + image.x, y0 = view.y + vDialogView::ClientTop() + image.y;
        for (int y = y0; y < y0 + image.h; ++y) {
            for (int x = x0; x < x0 + image.w; ++x) {
                uint32_t pixel = session.platform.FramePixel(x, y);
                ink += pixel == vColorWindowText.Pixel();
                paper += pixel == vColorButtonHighlight.Pixel();
            }
        }
        session.platform.QueueKey(vKeyReturn);
    };
    notice.ShowNotice("x");
    // A one-bit picture: a good share of both colours inside the 40 x 32 box.
    EXPECT_GT(ink, 200);
    EXPECT_GT(paper, 200);
}

TEST(Notice, AScriptCanAnswerItAndSeesTheMessage) {
    HeadlessSession<> session;
    session.platform.ScriptAnswer(vModalRequest::Kind::Notice, ClosedBy(vOkId));
    vNoticeDialog notice(nullptr);
    EXPECT_EQ(notice.ShowNotice("File load error"), vOkId);
    ASSERT_EQ(session.platform.ModalRequests().size(), 1u);
    EXPECT_EQ(session.platform.ModalRequests()[0].text, "File load error");
    EXPECT_EQ(session.platform.ModalRequests()[0].title, "Notice");
    EXPECT_TRUE(notice.IsBuilt());
}

TEST(Notice, ShowingItAgainWhileItRunsIsRefusedAndTheOuterRunGoesOn) {
    HeadlessSession<> session;
    WatchedNotice notice(nullptr);
    int inner = -1;
    bool shownAfterInner = false;
    bool first = true;
    notice.onReady = [&] {
        if (!first) return;
        first = false;
        inner = notice.ShowNotice("A second message, long enough to move the first one's text");
        shownAfterInner = notice.IsShown();
        session.platform.QueueKey(vKeyReturn);
    };
    EXPECT_EQ(notice.ShowNotice("first"), vOkId);
    EXPECT_EQ(inner, 0);
    EXPECT_TRUE(shownAfterInner);
    EXPECT_EQ(notice.Message(), "first");
    EXPECT_EQ(notice.LastId(), vOkId);
}

namespace {

// Writes down what reaches the application from the frame.
class WatchingApp : public vApp {
public:
    WatchingApp(const char* name, int singleWindow) : vApp(name, singleWindow) {}
    void Quit() override {
        events.push_back("quit");
        vApp::Quit();
    }
    void OnFileDropped(const vDropInfo& drop) override { events.push_back("drop " + drop.path); }
    std::vector<std::string> events;
};

}  // namespace

TEST(ModalLoop, CloseAndDropsWaitUntilTheNoticeIsDone) {
    HeadlessSession<WatchingApp> session;
    WatchedNotice notice(nullptr);
    notice.onReady = [&] {
        session.platform.QueueDrop({"/data/hills.tga"}, 30, 60);
        session.platform.QueueClose();
        session.platform.QueueKey(vKeyReturn);
    };
    EXPECT_EQ(notice.ShowNotice("Palette Open error"), vOkId);
    EXPECT_TRUE(session.app.events.empty());
    EXPECT_FALSE(session.app.IsLoopEnded());
    session.Pump();
    EXPECT_EQ(session.app.events, (std::vector<std::string>{"drop /data/hills.tga", "quit"}));
    EXPECT_TRUE(session.app.IsLoopEnded());
}

// A signal or a logout has nobody to answer the notice: it gives way at once, the
// program quits when the command that opened it returns, and later notices do not wait.
TEST(ModalLoop, TerminateEndsTheNoticeAtOnceAndQuits) {
    HeadlessSession<WatchingApp> session;
    WatchedNotice notice(nullptr);
    notice.onReady = [&] {
        vPlatformEvent terminate;
        terminate.kind = vEventKind::Terminate;
        session.platform.QueueEvent(terminate);
        session.platform.QueueKey(vKeyReturn);
    };
    EXPECT_EQ(notice.ShowNotice("Palette Open error"), vOkId);
    vNoticeDialog later(nullptr);
    EXPECT_EQ(later.ShowNotice("Unable to Save INI"), vOkId);
    EXPECT_TRUE(session.platform.HasQueuedEvents());  // the Return was never needed
    session.Pump();
    EXPECT_EQ(session.app.events, std::vector<std::string>{"quit"});
    EXPECT_TRUE(session.app.IsLoopEnded());
}
