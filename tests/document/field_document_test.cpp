#include <gtest/gtest.h>

#include <functional>

#include "core/file_name.h"
#include "core/palette_file.h"
#include "document/field_document.h"
#include "document/height_file_kinds.h"
#include "ops/operation_table.h"
#include "scratch.h"

namespace {

void Invert(FieldDocument& document) { RunOperation(Operation::Inverse, document.field(), {}); }

}  // namespace

// What the editor asks "Save changes?" about: every action that alters what a save
// would write, and nothing else.
TEST(FieldDocument, IsChangedSinceItWasLastLoadedOrSaved) {
    ScratchDir dir;
    FieldDocument document;
    EXPECT_FALSE(document.IsChanged());
    FillField(document.field(), {{1, 2, 3}, {4, 5, 6}}, kEightBitField);
    ASSERT_TRUE(document.Save(dir / "start.tga").saved);
    ASSERT_TRUE(document.Load(dir / "start.tga").loaded);
    EXPECT_FALSE(document.IsChanged());

    // A selection, a commit of nothing and a failed load change nothing.
    document.selection().Begin();
    for (vPoint point : {vPoint{0, 0}, vPoint{2, 0}, vPoint{0, 1}}) document.selection().AddVertex(point.x, point.y);
    ASSERT_TRUE(document.selection().Close(document.field()));
    document.Commit();
    EXPECT_FALSE(document.Load(dir / "absent.tga").loaded);
    EXPECT_FALSE(document.IsChanged());

    // An edit, and Undo back to the state that was saved.
    Invert(document);
    EXPECT_TRUE(document.IsChanged());
    EXPECT_FALSE(document.Load(dir / "absent.tga").loaded);
    EXPECT_TRUE(document.IsChanged());
    document.Undo();
    EXPECT_FALSE(document.IsChanged());

    // Kept edits stay changes: Undo then only returns to the kept state.
    Invert(document);
    document.Commit();
    Invert(document);
    document.Undo();
    EXPECT_TRUE(document.IsChanged());
    EXPECT_FALSE(document.Save(dir / "wrong.ppm").saved);
    EXPECT_TRUE(document.IsChanged());
    ASSERT_TRUE(document.Save(dir / "saved").saved);
    EXPECT_FALSE(document.IsChanged());
    EXPECT_EQ(document.name(), dir / "saved.tga");
    document.Undo();
    EXPECT_FALSE(document.IsChanged());

    // Zooms, conversions and a repaint of an 8-bit field through a new palette.
    const std::function<void()> changes[] = {
        [&] { document.Zoom(ZoomMode::Expand); },
        [&] { document.Zoom(ZoomMode::Shrink); },
        [&] { document.ConvertTo(kSixteenBitField); },
        [&] { document.ConvertTo(kEightBitField); },
        [&] { document.ApplyPalette(); },
    };
    for (const auto& change : changes) {
        change();
        EXPECT_TRUE(document.IsChanged());
        ASSERT_TRUE(document.Save(dir / "saved").saved);
    }
    // A 16-bit field holds its values whatever the palette.
    document.ConvertTo(kSixteenBitField);
    ASSERT_TRUE(document.Save(dir / "wide.ppm").saved);
    document.ApplyPalette();
    EXPECT_FALSE(document.IsChanged());
    EXPECT_FALSE(document.ConvertTo(kSixteenBitField));
    EXPECT_FALSE(document.IsChanged());
    ASSERT_TRUE(document.Load(dir / "start.tga").loaded);
    EXPECT_FALSE(document.IsChanged());
}

// One table names the kinds for the choosers and the wrong-type notice, and each of its
// patterns is a name the document reads.
TEST(HeightFileKinds, EveryKindListedIsReadAndNamedInTheWrongTypeNotice) {
    EXPECT_EQ(WrongTypeNotice(), "WRONG  FILE TYPE!!\n\nTGA, PPM, PNG, PGM, RAW, GeoTIFF, SRTM & ASCII grid types only !!");
    for (const HeightFileKind& kind : HeightFileKinds()) {
        for (const char* pattern : kind.patterns) {
            EXPECT_TRUE(FieldDocument::ReadsName(std::string("terrain") + (pattern + 1))) << pattern;
        }
    }
    FieldDocument document;
    EXPECT_EQ(document.Load("terrain").notice, WrongTypeNotice());
}
