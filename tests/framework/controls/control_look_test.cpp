#include <gtest/gtest.h>

#include "framework/draw/memory_dc.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "recording_parent.h"

namespace {

// Paints the parent's controls on a fresh surface of the button-face colour.
struct Painted {
    explicit Painted(RecordingParent& parent) : dc(300, 120) {
        dc.UseTextRenderer(parent.TextRenderer());
        dc.SetBackColor(vColor(vColorButtonFace.R(), vColorButtonFace.G(), vColorButtonFace.B()));
        dc.Erase();
        parent.PaintControls(dc);
    }
    uint32_t At(int x, int y) const { return dc.GetPixel(x, y); }
    // The leftmost and topmost black pixel strictly inside r's 2-pixel edges, or -1.
    vPoint FirstInk(const vRect& r) const {
        vPoint first{-1, -1};
        for (int y = r.y + 3; y < r.y + r.h - 3; ++y) {
            for (int x = r.x + 3; x < r.x + r.w - 3; ++x) {
                if (At(x, y) != vColorWindowText.Pixel()) continue;
                if (first.x < 0 || x < first.x) first.x = x;
                if (first.y < 0 || y < first.y) first.y = y;
            }
        }
        return first;
    }
    vMemoryDC dc;
};

}  // namespace

TEST(ToggleLook, RaisedWhenOffSunkenAndShiftedWhenOnOutlinedWhiteWhenDisabled) {
    constexpr CommandObject table[] = {
        {.type = ctToggleButton, .id = 1, .title = "Tog"},
        {.type = ctToggleButton, .id = 2, .value = 1, .title = "Tog", .rightOf = 1},
        {.type = ctToggleButton, .id = 3, .title = "Tog", .sensitive = 0, .rightOf = 2},
        {.type = ctToggleButton, .id = 4, .title = "    ", .rightOf = 3},
        {.type = ctButton, .id = 5, .title = "Focus", .attributes = AttrDefault, .below = 1},
        {},
    };
    vHeadlessText text;
    RecordingParent parent{vParentDialog, &text};
    parent.Build(table);
    Painted p(parent);
    vRect off = parent.FindControl(1)->PixelRect(), on = parent.FindControl(2)->PixelRect();
    vRect disabled = parent.FindControl(3)->PixelRect(), blank = parent.FindControl(4)->PixelRect();
    EXPECT_EQ(p.At(off.x, off.y), vColorWindowText.Pixel());
    EXPECT_EQ(p.At(off.x + 1, off.y + 1), vColorButtonHighlight.Pixel());
    EXPECT_EQ(p.At(off.x + off.w - 2, off.y + off.h - 2), vColorDarkShadow.Pixel());
    EXPECT_EQ(p.At(on.x, on.y), vColorWindowText.Pixel());
    EXPECT_EQ(p.At(on.x + 1, on.y + 1), vColorButtonShadow.Pixel());
    EXPECT_EQ(p.At(on.x + on.w - 2, on.y + on.h - 2), vColorButtonHighlight.Pixel());
    EXPECT_EQ(p.At(disabled.x, disabled.y), vColorButtonHighlight.Pixel());
    vPoint inkOff = p.FirstInk(off), inkOn = p.FirstInk(on);
    ASSERT_GE(inkOff.x, 0);
    EXPECT_EQ(inkOn.x - on.x, inkOff.x - off.x + 2);
    EXPECT_EQ(inkOn.y - on.y, inkOff.y - off.y + 2);
    EXPECT_EQ(p.FirstInk(blank).x, -1);
}

TEST(ToggleLook, HoldingTheMouseOnAReleasedToggleShiftsItsTitle) {
    constexpr CommandObject table[] = {{.type = ctToggleButton, .id = 1, .title = "Tog"}, {}};
    vHeadlessText text;
    RecordingParent parent{vParentDialog, &text};
    parent.Build(table);
    parent.ContainerFocusChanged(false);  // no focus frame over the title
    vRect r = parent.FindControl(1)->PixelRect();
    vPoint before = Painted(parent).FirstInk(r);
    parent.ControlPointerDown(r.x + 3, r.y + 3, 1);
    vPoint held = Painted(parent).FirstInk(r);
    EXPECT_EQ(held.x, before.x + 2);
    EXPECT_EQ(held.y, before.y + 2);
    // Dragged off the button, it springs back; released there, nothing is sent.
    parent.ControlPointerMove(r.x + r.w + 10, r.y);
    EXPECT_EQ(Painted(parent).FirstInk(r).x, before.x);
    parent.ControlPointerUp(r.x + r.w + 10, r.y);
    EXPECT_TRUE(parent.commands.empty());
}

TEST(BoxedLabelLook, SunkenEdgeUnlessLargeAndTextCentred) {
    constexpr CommandObject table[] = {
        {.type = ctBoxedLabel, .id = 1, .title = "ab", .size = 40},
        {.type = ctBoxedLabel, .id = 2, .title = "ab", .attributes = AttrLarge, .below = 1, .size = 40},
        {},
    };
    vHeadlessText text;
    RecordingParent parent{vParentDialog, &text};
    parent.Build(table);
    Painted p(parent);
    vRect sunken = parent.FindControl(1)->PixelRect(), flat = parent.FindControl(2)->PixelRect();
    EXPECT_EQ(p.At(sunken.x, sunken.y), vColorButtonShadow.Pixel());
    EXPECT_EQ(p.At(sunken.x + sunken.w - 1, sunken.y + sunken.h - 1), vColorButtonHighlight.Pixel());
    EXPECT_EQ(p.At(sunken.x + 1, sunken.y + 1), vColorButtonFace.Pixel());
    EXPECT_EQ(p.At(flat.x, flat.y), vColorButtonFace.Pixel());
    EXPECT_EQ(p.At(flat.x + flat.w - 1, flat.y + flat.h - 1), vColorButtonFace.Pixel());
    // Two 6-pixel cells centred in the box.
    vPoint ink = p.FirstInk(sunken);
    int textLeft = sunken.x + (sunken.w - 12) / 2;
    EXPECT_GE(ink.x, textLeft);
    EXPECT_LE(ink.x, textLeft + 1);
}

TEST(PaintSteps, LinesCoverExactlyTheirPixelsInOneColumnOrRow) {
    vMemoryDC dc(20, 20);
    dc.Erase();
    vPaint::VLine(dc, 5, 2, 12, vColorWindowText);
    vPaint::HLine(dc, 8, 3, 7, vColorWindowText);
    vPaint::Fill(dc, {1, 18, 1, 1}, vColorWindowText);
    int ink = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) ink += dc.GetPixel(x, y) == vColorWindowText.Pixel();
    }
    EXPECT_EQ(ink, 12 + 7 + 1);
    for (int y = 2; y < 14; ++y) EXPECT_EQ(dc.GetPixel(5, y), vColorWindowText.Pixel()) << y;
    for (int x = 8; x < 15; ++x) EXPECT_EQ(dc.GetPixel(x, 3), vColorWindowText.Pixel()) << x;
    EXPECT_EQ(dc.GetPixel(1, 18), vColorWindowText.Pixel());
}
