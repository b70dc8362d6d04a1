#include <gtest/gtest.h>

#include "field_builder.h"
#include "ops/selection.h"

namespace {

void Outline(FieldSelection& selection, std::initializer_list<vPoint> points) {
    selection.Begin();
    for (vPoint point : points) selection.AddVertex(point.x, point.y);
}

}  // namespace

TEST(Selection, ClosingFillsThePolygonBlackIntoAWhiteMask) {
    HeightField field;
    SetField(field, kSixteenBitField, Heights(10, std::vector<int>(10, 1)));
    FieldSelection selection;
    Outline(selection, {{1, 1}, {8, 1}, {8, 8}});
    ASSERT_TRUE(selection.Close(field));
    EXPECT_EQ(selection.state(), FieldSelection::kChosen);
    EXPECT_EQ(selection.vertexCount(), 3);
    EXPECT_EQ(selection.points().size(), 4u);
    EXPECT_EQ(field.mask().ReadPixel(7, 3), 0u);   // inside
    EXPECT_EQ(field.mask().ReadPixel(8, 1), 0u);   // a vertex: the outline is black too
    EXPECT_EQ(field.mask().ReadPixel(2, 6), kNoValuePixel);
    EXPECT_EQ(field.mask().ReadPixel(0, 9), kNoValuePixel);
}

TEST(Selection, FewerThanThreeVerticesDropTheOutlineAndStayOutlining) {
    HeightField field;
    FieldSelection selection;
    Outline(selection, {{1, 1}, {5, 5}});
    EXPECT_FALSE(selection.Close(field));
    EXPECT_EQ(selection.state(), FieldSelection::kOutlining);
    EXPECT_EQ(selection.vertexCount(), 0);
    EXPECT_EQ(field.MaskTest(3, 3), 1);
}

TEST(Selection, FillsByTheEvenOddRule) {
    // A square traced twice around: every inside point is crossed an even number of times.
    HeightField field;
    SetField(field, kEightBitField, Heights(12, std::vector<int>(12, 0)));
    FieldSelection selection;
    Outline(selection, {{1, 1}, {10, 1}, {10, 10}, {1, 10}, {1, 1}, {10, 1}, {10, 10}, {1, 10}});
    selection.Close(field);
    EXPECT_EQ(field.MaskTest(5, 5), 1);

    Outline(selection, {{0, 0}, {11, 0}, {11, 11}, {0, 11}, {0, 0}, {3, 3}, {8, 3}, {8, 8}, {3, 8}, {3, 3}});
    selection.Close(field);
    EXPECT_EQ(field.MaskTest(1, 5), 0);
    EXPECT_EQ(field.MaskTest(5, 5), 1);
}

TEST(Selection, KeepsEveryVertexOfALongOutline) {
    HeightField field;
    SetField(field, kEightBitField, Heights(70, std::vector<int>(70, 0)));
    FieldSelection selection;
    selection.Begin();
    for (int i = 0; i < 60; ++i) selection.AddVertex(i, i % 2 == 0 ? 10 : 12);
    selection.AddVertex(60, 60);
    selection.AddVertex(0, 60);
    ASSERT_TRUE(selection.Close(field));
    EXPECT_EQ(selection.vertexCount(), 62);
    EXPECT_EQ(field.MaskTest(30, 40), 0);
    EXPECT_EQ(field.MaskTest(30, 5), 1);
}

TEST(Selection, EndingClearsTheMaskAndTheVertices) {
    HeightField field;
    SetField(field, kEightBitField, Heights(6, std::vector<int>(6, 0)));
    FieldSelection selection;
    Outline(selection, {{0, 0}, {5, 0}, {5, 5}});
    selection.Close(field);
    selection.End(field);
    EXPECT_EQ(selection.state(), FieldSelection::kIdle);
    EXPECT_TRUE(selection.points().empty());
    EXPECT_EQ(field.MaskTest(4, 1), 1);
}

TEST(Selection, ClickedVerticesBeyondTheFieldSlideAlongTheirSegmentOntoTheEdge) {
    FieldSelection selection;
    selection.Begin();
    EXPECT_TRUE(selection.AddClickedVertex(50, 60, 10, 10));  // the first stays where it is
    EXPECT_FALSE(selection.AddClickedVertex(50, 60, 10, 10));  // a repeat adds nothing
    selection.Begin();
    selection.AddClickedVertex(4, 2, 10, 10);
    selection.AddClickedVertex(14, 7, 10, 10);  // onto x = 10, 6/10 of the way
    selection.AddClickedVertex(2, 16, 10, 10);  // onto y = 10, truncated toward zero
    selection.AddClickedVertex(30, 30, 10, 10);  // both edges in turn, from the bottom edge
    selection.AddClickedVertex(-5, 3, 10, 10);  // nothing is clipped at the left
    std::vector<vPoint> expected{{4, 2}, {10, 5}, {7, 10}, {7, 10}, {-5, 3}};
    ASSERT_EQ(selection.points().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(selection.points()[i].x, expected[i].x) << i;
        EXPECT_EQ(selection.points()[i].y, expected[i].y) << i;
    }
}
