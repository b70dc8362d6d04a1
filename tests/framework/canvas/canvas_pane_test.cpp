#include <gtest/gtest.h>

#include "canvas/recording_canvas.h"
#include "framework/canvas/canvas_pane_dc.h"
#include "framework/draw/memory_dc.h"

using Lines = std::vector<std::string>;

TEST(CanvasAttach, StartsWithFullHiddenBarsFocusAndTheRequestedSize) {
    CanvasSession s(500, 400);
    int shown = -1, top = -1;
    EXPECT_EQ(s.canvas.GetHScroll(shown, top), 0);
    EXPECT_EQ(shown, 100);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(s.canvas.GetVScroll(shown, top), 0);
    EXPECT_EQ(s.canvas.Of("focus in").size(), 1u);
    EXPECT_TRUE(s.canvas.HasFocus());
    EXPECT_NE(dynamic_cast<vCanvasPaneDC*>(s.canvas.GetDC()), nullptr);
    EXPECT_EQ(s.window->CanvasPane(), &s.canvas);
}

TEST(CanvasAttach, FrameIsResizedSoTheWindowIsExactlyTheRequestedSize) {
    CanvasSession s(500, 400);
    EXPECT_EQ(s.canvas.PaneWidth(), 500);
    EXPECT_EQ(s.canvas.PaneHeight(), 400);
    EXPECT_EQ(s.canvas.Bounds().w, 500);
    EXPECT_EQ(s.canvas.Bounds().h, 400);
    EXPECT_TRUE(s.canvas.Of("resize").empty());
    EXPECT_EQ(s.canvas.Of("redraw"), (Lines{"redraw 0 0 500 400"}));
}

TEST(CanvasAttach, InstalledContextIsKept) {
    HeadlessSession<> session;
    auto* window = new vCmdWindow("Canvas", 200, 100);
    session.app.OpenAppWindow(window, "Canvas", 200, 100, nullptr);
    RecordingCanvas canvas;
    auto* own = new vCanvasPaneDC(&canvas);
    canvas.InstallDC(own);
    window->AddPane(&canvas);
    EXPECT_EQ(canvas.GetDC(), own);
}

TEST(CanvasResize, SizeChangeStoresTheSizeResizesAndRepaintsWithErase) {
    CanvasSession s(500, 400);
    s.canvas.events.clear();
    s.canvas.UsePen(vPen(255, 0, 0));
    s.canvas.PaintLine(0, 10, 300, 10);
    s.session.app.ShowFrame(vFrameShow::Maximized);
    s.Pump();
    vRect area = s.session.app.Frame().WindowArea();
    Lines expected{"resize " + std::to_string(area.w) + " " + std::to_string(area.h),
                   "redraw 0 0 " + std::to_string(area.w) + " " + std::to_string(area.h)};
    EXPECT_EQ(s.canvas.events, expected);
    EXPECT_EQ(s.window->RequestedWidth(), area.w);
    EXPECT_EQ(s.platform().FramePixel(s.X(100), s.Y(10)), 0xFFFFFFu);
}

TEST(CanvasResize, ShowingABarTakesItsRoomFromTheDrawingArea) {
    CanvasSession s(500, 400);
    s.canvas.events.clear();
    s.canvas.ShowVScroll(1);
    s.canvas.ShowVScroll(1);
    EXPECT_EQ(s.canvas.Of("resize"), (Lines{"resize 484 400"}));
    int shown, top;
    EXPECT_EQ(s.canvas.GetVScroll(shown, top), 1);
    s.canvas.ShowHScroll(1);
    EXPECT_EQ(s.canvas.PaneHeight(), 384);
    s.canvas.ShowVScroll(0);
    EXPECT_EQ(s.canvas.PaneWidth(), 500);
}

TEST(CanvasSurface, DrawingStaysUntilDrawnOverAndReadsAsTheScreenShows) {
    CanvasSession s(300, 200);
    s.canvas.UsePen(vPen(0, 0, 255));
    s.canvas.PaintLine(0, 5, 100, 5);
    s.Pump();
    s.platform().QueueExpose();
    s.platform().QueueMove(s.X(50), s.Y(50));
    s.Pump();
    EXPECT_EQ(s.canvas.Surface().At(50, 5), vColor(0, 0, 255).Pixel());
    for (int x = 0; x < 300; x += 7) {
        for (int y = 0; y < 200; y += 5) {
            ASSERT_EQ(s.platform().FramePixel(s.X(x), s.Y(y)), s.canvas.Surface().At(x, y)) << x << "," << y;
        }
    }
}

TEST(CanvasSurface, XorLineTwiceLeavesTheSurfaceAsItWas) {
    CanvasSession s(300, 200);
    vMemoryDC image(300, 200);
    std::vector<vColor> row(300);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) row[size_t(x)] = vColor(x & 0xFF, y, (x * y) & 0xFF);
        image.PaintPixelStrip(0, y, 300, row.data());
    }
    s.canvas.BlitFrom(&image, 0, 0, 0, 0, 0, 0);
    Raster before = s.canvas.Surface();
    s.canvas.XorLine(3, 4, 250, 180);
    EXPECT_NE(s.canvas.Surface().At(3, 4), before.At(3, 4));
    s.canvas.XorLine(3, 4, 250, 180);
    s.Pump();
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) ASSERT_EQ(s.canvas.Surface().At(x, y), before.At(x, y));
    }
    EXPECT_EQ(s.platform().FramePixel(s.X(299), s.Y(199)), image.GetPixel(299, 199));
}

TEST(CanvasSurface, SetBackColorErasesAndAsksForAWholeRedraw) {
    CanvasSession s(300, 200);
    s.canvas.events.clear();
    s.canvas.SetBackColor(vColor(10, 20, 30));
    EXPECT_EQ(s.canvas.events, (Lines{"redraw 0 0 0 0"}));
    EXPECT_EQ(s.canvas.Surface().At(150, 100), vColor(10, 20, 30).Pixel());
}

TEST(CanvasSurface, UseFontTellsThePane) {
    CanvasSession s(300, 200);
    s.canvas.UseFont(vFont(vFontSerif, 14));
    EXPECT_EQ(s.canvas.Of("font"), (Lines{"font 14"}));
    EXPECT_EQ(s.canvas.CurrentFont().GetFamily(), vFontSerif);
}

TEST(CanvasSurface, RepaintEraseUsesTheBackgroundColour) {
    CanvasSession s(300, 200);
    s.canvas.SetBackColor(vColor(0, 80, 0));
    s.canvas.UsePen(vPen(255, 0, 0));
    s.canvas.PaintLine(0, 0, 300, 0);
    s.canvas.RequestRepaint(0, 0, 100, 1);
    s.Pump();
    EXPECT_EQ(s.canvas.Surface().At(50, 0), vColor(0, 80, 0).Pixel());
    EXPECT_EQ(s.canvas.Surface().At(150, 0), vColor(255, 0, 0).Pixel());
    EXPECT_EQ(s.canvas.Of("redraw").back(), "redraw 0 0 100 1");
}

TEST(CanvasTeardown, PaneOutlivesItsWindowSafely) {
    auto s = std::make_unique<CanvasSession>(300, 200);
    s->session.app.DropWindow(s->window);
    s->platform().QueueClick(100, 100);
    s->Pump();
    EXPECT_TRUE(s->canvas.Of("down").empty());
    s->canvas.PaintLine(0, 0, 10, 10);
    s->session.app.Finish();
    s->canvas.PaintLine(0, 0, 10, 10);
}
