#include <gtest/gtest.h>

#include <vector>

#include "gdiplus/matrix.h"

namespace gdiplus {
namespace {

using Elements = std::vector<float>;

Elements ElementsOf(const Matrix& matrix) {
    Elements elements = {9, 9, 9, 9, 9, 9, 9, 9};  // resized by the call
    EXPECT_TRUE(matrix.GetMatrixElements(elements));
    return elements;
}

TEST(MatrixCreate, IdentityAndGivenElements) {
    Matrix identity;
    ASSERT_TRUE(identity.CreateMatrix());
    EXPECT_EQ(ElementsOf(identity), (Elements{1, 0, 0, 1, 0, 0}));
    EXPECT_TRUE(identity.IsMatrixIdentity());

    Matrix given;
    ASSERT_TRUE(given.CreateMatrix2(1, 2, 3, 4, 5, 6));
    EXPECT_EQ(ElementsOf(given), (Elements{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(given.IsMatrixIdentity());
    EXPECT_FLOAT_EQ(given.GetOffsetX(), 5);
    EXPECT_FLOAT_EQ(given.GetOffsetY(), 6);
}

// The unit square of (0,0,10,10) onto upper left (5,7), upper right (25,7),
// lower left (5,37): scale 2 and 3, offset 5 and 7.
TEST(MatrixCreate, FromParallelogram) {
    Matrix fromFloats;
    ASSERT_TRUE(fromFloats.CreateMatrix3({0, 0, 10, 10}, {PointF{5, 7}, PointF{25, 7}, PointF{5, 37}}));
    EXPECT_EQ(ElementsOf(fromFloats), (Elements{2, 0, 0, 3, 5, 7}));
    Matrix fromInts;
    ASSERT_TRUE(fromInts.CreateMatrix3I({0, 0, 10, 10}, {Point{5, 7}, Point{25, 7}, Point{5, 37}}));
    EXPECT_EQ(ElementsOf(fromInts), (Elements{2, 0, 0, 3, 5, 7}));
}

TEST(MatrixCreate, EmptyMatrixQueriesGiveZeroAndTheStatus) {
    Matrix empty;
    LastGdiStatus = 0;
    EXPECT_EQ(empty.GetOffsetX(), 0);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    LastGdiStatus = 0;
    EXPECT_EQ(empty.GetOffsetY(), 0);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    Elements elements = {4, 4};
    EXPECT_FALSE(empty.GetMatrixElements(elements));
    EXPECT_EQ(elements, (Elements{0, 0, 0, 0, 0, 0}));
}

// Scale 2 then translate (5, 7): prepended, the translation is scaled too.
TEST(MatrixTransforms, OrderOmittedIsPrepend) {
    struct Case {
        const char* name;
        bool append;
        float dx, dy;
    } cases[] = {{"omitted", false, 10, 14}, {"append", true, 5, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Matrix matrix;
        ASSERT_TRUE(matrix.CreateMatrix());
        ASSERT_TRUE(matrix.ScaleMatrix(2, 2));
        ASSERT_TRUE(c.append ? matrix.TranslateMatrix(5, 7, 1) : matrix.TranslateMatrix(5, 7));
        EXPECT_FLOAT_EQ(matrix.GetOffsetX(), c.dx);
        EXPECT_FLOAT_EQ(matrix.GetOffsetY(), c.dy);
    }
}

TEST(MatrixTransforms, TranslateOnIdentityGivesOffsets) {
    Matrix matrix;
    ASSERT_TRUE(matrix.CreateMatrix());
    ASSERT_TRUE(matrix.TranslateMatrix(5, 7));
    EXPECT_FLOAT_EQ(matrix.GetOffsetX(), 5);
    EXPECT_FLOAT_EQ(matrix.GetOffsetY(), 7);
}

TEST(MatrixTransforms, RotateShearMultiplyInvertAndReset) {
    Matrix matrix;
    ASSERT_TRUE(matrix.CreateMatrix());
    ASSERT_TRUE(matrix.RotateMatrix(90));
    Elements rotated = ElementsOf(matrix);
    EXPECT_NEAR(rotated[0], 0, 1e-6);
    EXPECT_NEAR(rotated[1], 1, 1e-6);
    EXPECT_NEAR(rotated[2], -1, 1e-6);
    EXPECT_NEAR(rotated[3], 0, 1e-6);

    Matrix shear;
    ASSERT_TRUE(shear.CreateMatrix());
    ASSERT_TRUE(shear.ShearMatrix(2, 3));
    EXPECT_EQ(ElementsOf(shear), (Elements{1, 3, 2, 1, 0, 0}));

    Matrix scaled, translated;
    ASSERT_TRUE(scaled.CreateMatrix2(2, 0, 0, 2, 0, 0));
    ASSERT_TRUE(translated.CreateMatrix2(1, 0, 0, 1, 3, 4));
    ASSERT_TRUE(scaled.MultiplyMatrix(translated, 1));  // scale, then translate
    EXPECT_EQ(ElementsOf(scaled), (Elements{2, 0, 0, 2, 3, 4}));
    ASSERT_TRUE(scaled.InvertMatrix());
    EXPECT_EQ(ElementsOf(scaled), (Elements{0.5f, 0, 0, 0.5f, -1.5f, -2}));

    ASSERT_TRUE(scaled.Reset());
    EXPECT_TRUE(scaled.IsMatrixIdentity());
}

TEST(MatrixQueries, InvertibleAndEqual) {
    Matrix singular, regular, same;
    ASSERT_TRUE(singular.CreateMatrix2(1, 2, 2, 4, 0, 0));
    ASSERT_TRUE(regular.CreateMatrix2(1, 2, 3, 4, 5, 6));
    ASSERT_TRUE(same.CreateMatrix2(1, 2, 3, 4, 5, 6));
    EXPECT_FALSE(singular.IsMatrixInvertible());
    EXPECT_TRUE(regular.IsMatrixInvertible());
    EXPECT_TRUE(regular.IsMatrixEqual(same));
    EXPECT_FALSE(regular.IsMatrixEqual(singular));
    EXPECT_FALSE(singular.InvertMatrix());
}

TEST(MatrixQueries, CloneIsIndependent) {
    Matrix original, copy;
    ASSERT_TRUE(original.CreateMatrix2(1, 2, 3, 4, 5, 6));
    ASSERT_TRUE(original.CloneMatrix(copy));
    ASSERT_NE(copy.GetHandle(), nullptr);
    EXPECT_NE(copy.GetHandle(), original.GetHandle());
    EXPECT_TRUE(copy.IsMatrixEqual(original));
    ASSERT_TRUE(original.Reset());
    EXPECT_EQ(ElementsOf(copy), (Elements{1, 2, 3, 4, 5, 6}));
}

// Scale 2, 3 and offset 10, 20: points move by the whole transform, vectors
// ignore the offset. Results are written back into the caller's array.
TEST(MatrixPoints, TransformsInPlace) {
    Matrix matrix;
    ASSERT_TRUE(matrix.CreateMatrix2(2, 0, 0, 3, 10, 20));

    std::vector<PointF> points = {{1, 1}, {-2, 4}};
    ASSERT_TRUE(matrix.TransformMatrixPoints(points));
    EXPECT_FLOAT_EQ(points[0].x, 12);
    EXPECT_FLOAT_EQ(points[0].y, 23);
    EXPECT_FLOAT_EQ(points[1].x, 6);
    EXPECT_FLOAT_EQ(points[1].y, 32);

    std::vector<PointF> vectors = {{1, 1}, {-2, 4}};
    ASSERT_TRUE(matrix.VectorTransformMatrixPoints(vectors));
    EXPECT_FLOAT_EQ(vectors[1].x, -4);
    EXPECT_FLOAT_EQ(vectors[1].y, 12);

    std::vector<Point> ints = {{1, 1}, {-2, 4}, {0, 0}};
    ASSERT_TRUE(matrix.TransformMatrixPointsI(ints));
    EXPECT_EQ(ints[1].x, 6);
    EXPECT_EQ(ints[1].y, 32);
    EXPECT_EQ(ints[2].x, 10);
    EXPECT_EQ(ints[2].y, 20);

    std::vector<Point> intVectors = {{0, 0}, {-2, 4}};
    ASSERT_TRUE(matrix.VectorTransformMatrixPointsI(intVectors));
    EXPECT_EQ(intVectors[0].x, 0);
    EXPECT_EQ(intVectors[1].y, 12);
}

// An empty array goes out with count 0, which GDI+ refuses; nothing is read
// or written beyond it.
TEST(MatrixPoints, EmptyArrayPassesCountZero) {
    Matrix matrix;
    ASSERT_TRUE(matrix.CreateMatrix());
    std::vector<PointF> none;
    EXPECT_FALSE(matrix.TransformMatrixPoints(none));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace gdiplus
