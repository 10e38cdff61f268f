#include "draw_test_support.h"

#include "draw/bitmap_object.h"
#include "draw/linear_gradient_brush_object.h"
#include "draw/matrix_object.h"
#include "draw/path_gradient_brush_object.h"
#include "draw/texture_brush_object.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace lumbra::test {
namespace {

using Elements = std::array<float, 6>;
constexpr int kNotImplemented = 6;

template <typename Brush>
Elements TransformOf(const Brush& brush) {
    MatrixObject matrix;
    if (!brush.GetTransform(matrix)) return {};
    return matrix.GetElements();
}

void ExpectElements(const Elements& actual, const Elements& expected, const char* step) {
    for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-4) << step << " [" << i << "]";
}

// Each operation must reach its own library call on the brush's own kind. Wine 8 does not
// rotate a linear gradient (NotImplemented): there the status must come through.
template <typename Brush>
void CheckTransforms(Brush& brush, bool rotates) {
    constexpr Elements kIdentity{1, 0, 0, 1, 0, 0};
    // A new gradient may hold a matrix of its own.
    ASSERT_TRUE(brush.ResetTransform());
    ExpectElements(TransformOf(brush), kIdentity, "reset");
    ASSERT_TRUE(brush.TranslateTransform(5, 7));
    ExpectElements(TransformOf(brush), {1, 0, 0, 1, 5, 7}, "translate");
    ASSERT_TRUE(brush.ResetTransform());
    ASSERT_TRUE(brush.ScaleTransform(2, 3));
    ExpectElements(TransformOf(brush), {2, 0, 0, 3, 0, 0}, "scale");
    ASSERT_TRUE(brush.ResetTransform());
    if (rotates) {
        ASSERT_TRUE(brush.RotateTransform(90));
        ExpectElements(TransformOf(brush), {0, 1, -1, 0, 0, 0}, "rotate");
    } else {
        EXPECT_FALSE(brush.RotateTransform(90));
        EXPECT_EQ(LastStatus(), kNotImplemented);
    }

    for (int order : {0, 1}) {
        // About (10, 10) the centre stays where it is.
        ASSERT_TRUE(brush.ResetTransform());
        ASSERT_TRUE(brush.ScaleTransformAt(2, 3, PointF(10, 10), order));
        ExpectElements(TransformOf(brush), {2, 0, 0, 3, -10, -20}, order ? "scale at, append" : "scale at");
        ASSERT_TRUE(brush.ResetTransform());
        if (!rotates) {
            // The failed rotation is reported, and the moves around it cancel out.
            EXPECT_FALSE(brush.RotateTransformAt(90, PointF(10, 10), order));
            EXPECT_EQ(LastStatus(), kNotImplemented);
            ExpectElements(TransformOf(brush), kIdentity, "failed rotate at");
            continue;
        }
        ASSERT_TRUE(brush.RotateTransformAt(90, PointF(10, 10), order));
        ExpectElements(TransformOf(brush), {0, 1, -1, 0, 20, 0}, order ? "rotate at, append" : "rotate at");
    }

    MatrixObject shear;
    ASSERT_TRUE(shear.CreateFromElements(1, 0.5f, 0, 1, 3, 4));
    ASSERT_TRUE(brush.SetTransform(shear));
    ExpectElements(TransformOf(brush), {1, 0.5f, 0, 1, 3, 4}, "set");
    ASSERT_TRUE(brush.MultiplyTransform(shear));
    ExpectElements(TransformOf(brush), {1, 1, 0, 1, 6, 9.5f}, "multiply");

    ASSERT_TRUE(brush.SetWrapMode(3));
    EXPECT_EQ(brush.GetWrapMode(), 3);
}

TEST(BrushTransforms, EveryKindWithAMatrix) {
    LinearGradientBrushObject linear;
    ASSERT_TRUE(linear.CreateFromPoints(PointF(0, 0), PointF(20, 10), 0xFF000000, 0xFFFFFFFF));
    {
        SCOPED_TRACE("linear gradient");
        CheckTransforms(linear, false);
    }

    PathGradientBrushObject path;
    const PointF triangle[] = {PointF(0, 0), PointF(10, 0), PointF(5, 8)};
    ASSERT_TRUE(path.CreateFromPoints(triangle));
    {
        SCOPED_TRACE("path gradient");
        CheckTransforms(path, true);
    }

    BitmapObject picture;
    ASSERT_TRUE(picture.CreateBitmap(4, 4));
    TextureBrushObject texture;
    ASSERT_TRUE(texture.Create(picture));
    {
        SCOPED_TRACE("texture");
        CheckTransforms(texture, true);
    }
}

template <typename Brush>
void CheckGradient(Brush& brush, RectF bounds) {
    const RectF rectangle = brush.GetRectangle();
    EXPECT_NEAR(rectangle.X, bounds.X, 1e-4);
    EXPECT_NEAR(rectangle.Width, bounds.Width, 1e-4);
    EXPECT_NEAR(rectangle.Height, bounds.Height, 1e-4);
    EXPECT_EQ(brush.GetRectangleI().Height, static_cast<int>(bounds.Height));

    ASSERT_TRUE(brush.SetGammaCorrection(true));
    EXPECT_TRUE(brush.GetGammaCorrection());
    ASSERT_TRUE(brush.SetGammaCorrection(false));
    EXPECT_FALSE(brush.GetGammaCorrection());

    const std::vector<float> factors{0, 0.25f, 1}, positions{0, 0.5f, 1};
    ASSERT_TRUE(brush.SetBlend(factors, positions));
    EXPECT_EQ(brush.GetBlendCount(), 3);
    std::vector<float> gotFactors, gotPositions;
    ASSERT_TRUE(brush.GetBlend(gotFactors, gotPositions));
    EXPECT_EQ(gotFactors, factors);
    EXPECT_EQ(gotPositions, positions);
    EXPECT_FALSE(brush.SetBlend(factors, {0, 1}));

    const std::vector<std::uint32_t> colors{0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    ASSERT_TRUE(brush.SetInterpolationColors(colors, positions));
    std::vector<std::uint32_t> gotColors;
    ASSERT_TRUE(brush.GetInterpolationColors(gotColors, gotPositions));
    EXPECT_EQ(gotColors, colors);
    EXPECT_EQ(gotPositions, positions);

    // The triangular shape peaks at its focus: 0, 1, 0 over 0, 0.5, 1.
    ASSERT_TRUE(brush.SetBlendTriangularShape(0.5f, 1));
    ASSERT_TRUE(brush.GetBlend(gotFactors, gotPositions));
    ASSERT_EQ(gotFactors.size(), 3u);
    EXPECT_NEAR(gotFactors[1], 1, 1e-4);
    EXPECT_NEAR(gotPositions[1], 0.5f, 1e-4);
    // The bell shape is a curve of many steps.
    ASSERT_TRUE(brush.SetBlendBellShape(0.5f, 1));
    EXPECT_GT(brush.GetBlendCount(), 3);
}

TEST(BrushTransforms, GradientsShareBlendsAndPresetColours) {
    LinearGradientBrushObject linear;
    ASSERT_TRUE(linear.CreateFromPoints(PointF(0, 0), PointF(20, 10), 0xFF000000, 0xFFFFFFFF));
    {
        SCOPED_TRACE("linear gradient");
        CheckGradient(linear, RectF(0, 0, 20, 10));
    }

    PathGradientBrushObject path;
    const PointF triangle[] = {PointF(0, 0), PointF(10, 0), PointF(5, 8)};
    ASSERT_TRUE(path.CreateFromPoints(triangle));
    {
        SCOPED_TRACE("path gradient");
        CheckGradient(path, RectF(0, 0, 10, 8));
        ASSERT_TRUE(path.SetInterpolationColors({0xFFFF0000, 0xFF0000FF}, {0, 1}));
        EXPECT_EQ(path.GetInterpolationColorCount(), 2);
    }
}

}  // namespace
}  // namespace lumbra::test
