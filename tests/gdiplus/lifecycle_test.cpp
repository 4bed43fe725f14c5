// What every brush, pen, matrix, string format and path wrapper shares:
// typed handles follow SetHandle, and release on an empty wrapper is a no-op.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "gdiplus/graphics_path.h"
#include "gdiplus/linear_gradient_brush.h"
#include "gdiplus/matrix.h"
#include "gdiplus/pen.h"
#include "gdiplus/solid_brush.h"
#include "gdiplus/string_format.h"

namespace gdiplus {
namespace {

struct Kind {
    const char* name;
    std::function<std::unique_ptr<GdiPlusObject>()> make;
    std::function<bool(GdiPlusObject&)> create;
    std::function<bool(GdiPlusObject&)> release;
    // Every typed copy of the handle the class keeps.
    std::function<std::vector<void*>(GdiPlusObject&)> typed;
};

template <typename T>
T& As(GdiPlusObject& object) {
    return static_cast<T&>(object);
}

const Kind kKinds[] = {
    {"SolidBrush", [] { return std::make_unique<SolidBrush>(); },
     [](GdiPlusObject& o) { return As<SolidBrush>(o).CreateSolidFill(0xFF102030); },
     [](GdiPlusObject& o) { return As<SolidBrush>(o).DeleteBrush(); },
     [](GdiPlusObject& o) -> std::vector<void*> {
         return {As<SolidBrush>(o).NativeBrush(), As<SolidBrush>(o).NativeSolidFill()};
     }},
    {"LinearGradientBrush", [] { return std::make_unique<LinearGradientBrush>(); },
     [](GdiPlusObject& o) {
         return As<LinearGradientBrush>(o).CreateLineBrushFromRect({0, 0, 10, 10}, 1, 2);
     },
     [](GdiPlusObject& o) { return As<LinearGradientBrush>(o).DeleteBrush(); },
     [](GdiPlusObject& o) -> std::vector<void*> {
         return {As<LinearGradientBrush>(o).NativeBrush(),
                 As<LinearGradientBrush>(o).NativeLineGradient()};
     }},
    {"Pen", [] { return std::make_unique<Pen>(); },
     [](GdiPlusObject& o) { return As<Pen>(o).CreatePen1(0xFF000000, 1); },
     [](GdiPlusObject& o) { return As<Pen>(o).DeletePen(); },
     [](GdiPlusObject& o) -> std::vector<void*> { return {As<Pen>(o).NativePen()}; }},
    {"Matrix", [] { return std::make_unique<Matrix>(); },
     [](GdiPlusObject& o) { return As<Matrix>(o).CreateMatrix(); },
     [](GdiPlusObject& o) { return As<Matrix>(o).DeleteMatrix(); },
     [](GdiPlusObject& o) -> std::vector<void*> { return {As<Matrix>(o).NativeMatrix()}; }},
    {"StringFormat", [] { return std::make_unique<StringFormat>(); },
     [](GdiPlusObject& o) { return As<StringFormat>(o).CreateStringFormat(); },
     [](GdiPlusObject& o) { return As<StringFormat>(o).DeleteStringFormat(); },
     [](GdiPlusObject& o) -> std::vector<void*> {
         return {As<StringFormat>(o).NativeStringFormat()};
     }},
    {"GraphicsPath", [] { return std::make_unique<GraphicsPath>(); },
     [](GdiPlusObject& o) { return As<GraphicsPath>(o).CreatePath(); },
     [](GdiPlusObject& o) { return As<GraphicsPath>(o).DeletePath(); },
     [](GdiPlusObject& o) -> std::vector<void*> { return {As<GraphicsPath>(o).NativePath()}; }},
};

constexpr int kUntouched = 77;

TEST(ShapeWrappers, ReleaseOnEmptyMakesNoCallAndTypedHandlesFollow) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        auto object = kind.make();
        LastGdiStatus = kUntouched;
        EXPECT_FALSE(kind.release(*object));
        EXPECT_EQ(LastGdiStatus.load(), kUntouched);

        ASSERT_TRUE(kind.create(*object));
        ASSERT_NE(object->GetHandle(), nullptr);
        for (void* typed : kind.typed(*object)) {
            EXPECT_EQ(typed, object->GetHandle());
        }
        EXPECT_TRUE(kind.release(*object));
        EXPECT_EQ(object->GetHandle(), nullptr);
        for (void* typed : kind.typed(*object)) {
            EXPECT_EQ(typed, nullptr);
        }
        LastGdiStatus = kUntouched;
        EXPECT_FALSE(kind.release(*object));
        EXPECT_EQ(LastGdiStatus.load(), kUntouched);
    }
}

// A live wrapper that goes out of scope frees its object through the release
// method: a status of Ok lands in LastGdiStatus.
TEST(ShapeWrappers, DestructionReleasesALiveObject) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        auto object = kind.make();
        ASSERT_TRUE(kind.create(*object));
        LastGdiStatus = kUntouched;
        object.reset();
        EXPECT_EQ(LastGdiStatus.load(), Gdiplus::Ok);
    }
}

}  // namespace
}  // namespace gdiplus
