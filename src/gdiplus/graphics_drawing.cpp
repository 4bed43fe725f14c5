// The drawing methods of Graphics: lines, shapes, fills, text, images and
// metafile playback.
#include <string>

#include "gdiplus/brush.h"
#include "gdiplus/flat_arguments.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/image_attributes.h"
#include "gdiplus/matrix.h"
#include "gdiplus/pen.h"
#include "gdiplus/record_runs.h"
#include "gdiplus/region.h"
#include "gdiplus/string_format.h"

namespace gdiplus {

namespace {

const Gdiplus::GpMetafile* MetafileOf(const Image& image) {
    return static_cast<const Gdiplus::GpMetafile*>(image.NativeImage());
}
const Gdiplus::GpImageAttributes* AttributesOf(const ImageAttributes* attributes) {
    return HandleOf<Gdiplus::GpImageAttributes>(attributes);
}

}  // namespace

// --- lines, curves and outlines

bool Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
    return StoreStatus(GDIP(GdipDrawLine)(graphics_, pen.NativePen(), x1, y1, x2, y2));
}

bool Graphics::DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2) {
    return StoreStatus(GDIP(GdipDrawLineI)(graphics_, pen.NativePen(), x1, y1, x2, y2));
}

bool Graphics::DrawLines(const Pen& pen, const std::vector<PointF>& points) {
    return StoreStatus(GDIP(GdipDrawLines)(graphics_, pen.NativePen(), RunOf(points), CountOf(points)));
}

bool Graphics::DrawLinesI(const Pen& pen, const std::vector<Point>& points) {
    return StoreStatus(GDIP(GdipDrawLinesI)(graphics_, pen.NativePen(), RunOf(points), CountOf(points)));
}

bool Graphics::DrawArc(const Pen& pen, float x, float y, float width, float height, float startAngle,
                       float sweepAngle) {
    return StoreStatus(
        GDIP(GdipDrawArc)(graphics_, pen.NativePen(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::DrawArcI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle) {
    return StoreStatus(
        GDIP(GdipDrawArcI)(graphics_, pen.NativePen(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::DrawBezier(const Pen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                          float y4) {
    return StoreStatus(GDIP(GdipDrawBezier)(graphics_, pen.NativePen(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool Graphics::DrawBezierI(const Pen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return StoreStatus(GDIP(GdipDrawBezierI)(graphics_, pen.NativePen(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool Graphics::DrawBeziers(const Pen& pen, const std::vector<PointF>& points) {
    return StoreStatus(GDIP(GdipDrawBeziers)(graphics_, pen.NativePen(), RunOf(points), CountOf(points)));
}

bool Graphics::DrawBeziersI(const Pen& pen, const std::vector<Point>& points) {
    return StoreStatus(GDIP(GdipDrawBeziersI)(graphics_, pen.NativePen(), RunOf(points), CountOf(points)));
}

bool Graphics::DrawRectangle(const Pen& pen, float x, float y, float width, float height) {
    return StoreStatus(GDIP(GdipDrawRectangle)(graphics_, pen.NativePen(), x, y, width, height));
}

bool Graphics::DrawRectangleI(const Pen& pen, int x, int y, int width, int height) {
    return StoreStatus(GDIP(GdipDrawRectangleI)(graphics_, pen.NativePen(), x, y, width, height));
}

bool Graphics::DrawRectangles(const Pen& pen, const std::vector<RectF>& rects) {
    return StoreStatus(GDIP(GdipDrawRectangles)(graphics_, pen.NativePen(), RunOf(rects), CountOf(rects)));
}

bool Graphics::DrawRectanglesI(const Pen& pen, const std::vector<Rect>& rects) {
    return StoreStatus(GDIP(GdipDrawRectanglesI)(graphics_, pen.NativePen(), RunOf(rects), CountOf(rects)));
}

bool Graphics::DrawEllipse(const Pen& pen, float x, float y, float width, float height) {
    return StoreStatus(GDIP(GdipDrawEllipse)(graphics_, pen.NativePen(), x, y, width, height));
}

bool Graphics::DrawEllipseI(const Pen& pen, int x, int y, int width, int height) {
    return StoreStatus(GDIP(GdipDrawEllipseI)(graphics_, pen.NativePen(), x, y, width, height));
}

bool Graphics::DrawPie(const Pen& pen, float x, float y, float width, float height, float startAngle,
                       float sweepAngle) {
    return StoreStatus(
        GDIP(GdipDrawPie)(graphics_, pen.NativePen(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::DrawPieI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle) {
    return StoreStatus(
        GDIP(GdipDrawPieI)(graphics_, pen.NativePen(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::DrawPolygon(const Pen& pen, const std::vector<PointF>& points) {
    return StoreStatus(GDIP(GdipDrawPolygon)(graphics_, pen.NativePen(), RunOf(points), CountOf(points)));
}

bool Graphics::DrawPolygonI(const Pen& pen, const std::vector<Point>& points) {
    return StoreStatus(GDIP(GdipDrawPolygonI)(graphics_, pen.NativePen(), RunOf(points), CountOf(points)));
}

bool Graphics::DrawPath(const Pen& pen, const GraphicsPath& path) {
    return StoreStatus(GDIP(GdipDrawPath)(graphics_, pen.NativePen(), path.NativePath()));
}

bool Graphics::DrawCurve(const Pen& pen, const std::vector<PointF>& points) {
    return StoreStatus(GDIP(GdipDrawCurve)(graphics_, pen.NativePen(), RunOf(points), CountOf(points)));
}

bool Graphics::DrawCurveI(const Pen& pen, const std::vector<Point>& points) {
    return StoreStatus(GDIP(GdipDrawCurveI)(graphics_, pen.NativePen(), RunOf(points), CountOf(points)));
}

bool Graphics::DrawCurve2(const Pen& pen, const std::vector<PointF>& points, float tension) {
    return StoreStatus(
        GDIP(GdipDrawCurve2)(graphics_, pen.NativePen(), RunOf(points), CountOf(points), tension));
}

bool Graphics::DrawCurve2I(const Pen& pen, const std::vector<Point>& points, float tension) {
    return StoreStatus(
        GDIP(GdipDrawCurve2I)(graphics_, pen.NativePen(), RunOf(points), CountOf(points), tension));
}

bool Graphics::DrawCurve3(const Pen& pen, const std::vector<PointF>& points, int offset, int numberOfSegments,
                          float tension) {
    return StoreStatus(GDIP(GdipDrawCurve3)(graphics_, pen.NativePen(), RunOf(points), CountOf(points), offset,
                                            numberOfSegments, tension));
}

bool Graphics::DrawCurve3I(const Pen& pen, const std::vector<Point>& points, int offset, int numberOfSegments,
                           float tension) {
    return StoreStatus(GDIP(GdipDrawCurve3I)(graphics_, pen.NativePen(), RunOf(points), CountOf(points), offset,
                                             numberOfSegments, tension));
}

bool Graphics::DrawClosedCurve(const Pen& pen, const std::vector<PointF>& points) {
    return StoreStatus(GDIP(GdipDrawClosedCurve)(graphics_, pen.NativePen(), RunOf(points), CountOf(points)));
}

bool Graphics::DrawClosedCurveI(const Pen& pen, const std::vector<Point>& points) {
    return StoreStatus(GDIP(GdipDrawClosedCurveI)(graphics_, pen.NativePen(), RunOf(points), CountOf(points)));
}

bool Graphics::DrawClosedCurve2(const Pen& pen, const std::vector<PointF>& points, float tension) {
    return StoreStatus(
        GDIP(GdipDrawClosedCurve2)(graphics_, pen.NativePen(), RunOf(points), CountOf(points), tension));
}

bool Graphics::DrawClosedCurve2I(const Pen& pen, const std::vector<Point>& points, float tension) {
    return StoreStatus(
        GDIP(GdipDrawClosedCurve2I)(graphics_, pen.NativePen(), RunOf(points), CountOf(points), tension));
}

// --- clearing and fills

bool Graphics::GraphicsClear(Argb colour) { return StoreStatus(GDIP(GdipGraphicsClear)(graphics_, colour)); }

bool Graphics::FillRectangle(const Brush& brush, float x, float y, float width, float height) {
    return StoreStatus(GDIP(GdipFillRectangle)(graphics_, brush.NativeBrush(), x, y, width, height));
}

bool Graphics::FillRectangleRect(const Brush& brush, const RectF& rect) {
    return FillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

bool Graphics::FillRectangleI(const Brush& brush, int x, int y, int width, int height) {
    return StoreStatus(GDIP(GdipFillRectangleI)(graphics_, brush.NativeBrush(), x, y, width, height));
}

bool Graphics::FillRectangles(const Brush& brush, const std::vector<RectF>& rects) {
    return StoreStatus(GDIP(GdipFillRectangles)(graphics_, brush.NativeBrush(), RunOf(rects), CountOf(rects)));
}

bool Graphics::FillRectanglesI(const Brush& brush, const std::vector<Rect>& rects) {
    return StoreStatus(GDIP(GdipFillRectanglesI)(graphics_, brush.NativeBrush(), RunOf(rects), CountOf(rects)));
}

bool Graphics::FillPolygon(const Brush& brush, const std::vector<PointF>& points, int fillMode) {
    return StoreStatus(GDIP(GdipFillPolygon)(graphics_, brush.NativeBrush(), RunOf(points), CountOf(points),
                                             FillModeOf(fillMode)));
}

bool Graphics::FillPolygonI(const Brush& brush, const std::vector<Point>& points, int fillMode) {
    return StoreStatus(GDIP(GdipFillPolygonI)(graphics_, brush.NativeBrush(), RunOf(points), CountOf(points),
                                              FillModeOf(fillMode)));
}

bool Graphics::FillEllipse(const Brush& brush, float x, float y, float width, float height) {
    return StoreStatus(GDIP(GdipFillEllipse)(graphics_, brush.NativeBrush(), x, y, width, height));
}

bool Graphics::FillEllipseI(const Brush& brush, int x, int y, int width, int height) {
    return StoreStatus(GDIP(GdipFillEllipseI)(graphics_, brush.NativeBrush(), x, y, width, height));
}

bool Graphics::FillPie(const Brush& brush, float x, float y, float width, float height, float startAngle,
                       float sweepAngle) {
    return StoreStatus(
        GDIP(GdipFillPie)(graphics_, brush.NativeBrush(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::FillPieI(const Brush& brush, int x, int y, int width, int height, float startAngle,
                        float sweepAngle) {
    return StoreStatus(
        GDIP(GdipFillPieI)(graphics_, brush.NativeBrush(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::FillPath(const Brush& brush, const GraphicsPath& path) {
    return StoreStatus(GDIP(GdipFillPath)(graphics_, brush.NativeBrush(), path.NativePath()));
}

bool Graphics::FillClosedCurve(const Brush& brush, const std::vector<PointF>& points) {
    return StoreStatus(GDIP(GdipFillClosedCurve)(graphics_, brush.NativeBrush(), RunOf(points), CountOf(points)));
}

bool Graphics::FillClosedCurve2(const Brush& brush, const std::vector<PointF>& points, float tension,
                                int fillMode) {
    return StoreStatus(GDIP(GdipFillClosedCurve2)(graphics_, brush.NativeBrush(), RunOf(points), CountOf(points),
                                                  tension, FillModeOf(fillMode)));
}

bool Graphics::FillClosedCurveI(const Brush& brush, const std::vector<Point>& points) {
    return StoreStatus(
        GDIP(GdipFillClosedCurveI)(graphics_, brush.NativeBrush(), RunOf(points), CountOf(points)));
}

bool Graphics::FillClosedCurve2I(const Brush& brush, const std::vector<Point>& points, float tension,
                                 int fillMode) {
    return StoreStatus(GDIP(GdipFillClosedCurve2I)(graphics_, brush.NativeBrush(), RunOf(points),
                                                   CountOf(points), tension, FillModeOf(fillMode)));
}

bool Graphics::FillRegion(const Brush& brush, const Region& region) {
    return StoreStatus(GDIP(GdipFillRegion)(graphics_, brush.NativeBrush(), region.NativeRegion()));
}

// --- text

bool Graphics::DrawString(const TextValue& text, const Font& font, const Brush& brush, const RectF& layout,
                          const StringFormat* format) {
    std::wstring wide = TextToWide(text);
    return StoreStatus(GDIP(GdipDrawString)(graphics_, wide.c_str(), LengthOf(wide), font.NativeFont(),
                                            AsGdiplus(&layout), HandleOf<Gdiplus::GpStringFormat>(format),
                                            brush.NativeBrush()));
}

bool Graphics::MeasureString(const TextValue& text, const Font& font, RectF& box, const RectF& layout,
                             const StringFormat* format) {
    std::wstring wide = TextToWide(text);
    return StoreStatus(GDIP(GdipMeasureString)(graphics_, wide.c_str(), LengthOf(wide), font.NativeFont(),
                                               AsGdiplus(&layout), HandleOf<Gdiplus::GpStringFormat>(format),
                                               AsGdiplus(&box), nullptr, nullptr));
}

bool Graphics::MeasureCharacterRanges(const TextValue& text, const Font& font, int count,
                                      std::vector<Region>& regions, const RectF& layout,
                                      const StringFormat* format) {
    std::wstring wide = TextToWide(text);
    if (count < 0) {
        FatalError("MeasureCharacterRanges: negative count " + std::to_string(count));
    }
    std::vector<Region> fresh(static_cast<std::size_t>(count));
    regions.swap(fresh);
    std::vector<Gdiplus::GpRegion*> handles;
    for (Region& region : regions) {
        region.CreateRegion();
        handles.push_back(region.NativeRegion());
    }
    return StoreStatus(GDIP(GdipMeasureCharacterRanges)(graphics_, wide.c_str(), LengthOf(wide), font.NativeFont(),
                                                        *AsGdiplus(&layout),
                                                        HandleOf<Gdiplus::GpStringFormat>(format), count,
                                                        handles.empty() ? nullptr : handles.data()));
}

bool Graphics::DrawDriverString(const TextValue& text, const Font& font, const Brush& brush,
                                const std::vector<PointF>& positions, int flags, const Matrix* matrix) {
    std::wstring wide = TextToWide(text);
    // GDI+ reads one position per character, or only the first with
    // realized advance; fewer would be read past the end of the array.
    std::size_t needed = wide.empty() ? 0 : (flags & Gdiplus::DriverStringOptionsRealizedAdvance) ? 1 : wide.size();
    if (positions.size() < needed) {
        return StoreStatus(Gdiplus::InvalidParameter);
    }
    return StoreStatus(GDIP(GdipDrawDriverString)(graphics_, reinterpret_cast<const UINT16*>(wide.c_str()),
                                                  LengthOf(wide), font.NativeFont(), brush.NativeBrush(),
                                                  RunOf(positions), flags, HandleOf<Gdiplus::GpMatrix>(matrix)));
}

bool Graphics::SetTextContrast(int contrast) {
    return StoreStatus(GDIP(GdipSetTextContrast)(graphics_, static_cast<UINT>(contrast)));
}

int Graphics::GetTextContrast() const {
    UINT contrast = 0;
    StoreStatus(GDIP(GdipGetTextContrast)(graphics_, &contrast));
    return static_cast<int>(contrast);
}

// --- images

bool Graphics::DrawImage(const Image& image, float x, float y) {
    return StoreStatus(GDIP(GdipDrawImage)(graphics_, image.NativeImage(), x, y));
}

bool Graphics::DrawImageI(const Image& image, int x, int y) {
    return StoreStatus(GDIP(GdipDrawImageI)(graphics_, image.NativeImage(), x, y));
}

bool Graphics::DrawCachedBitmap(const CachedBitmap& cachedBitmap, float x, float y) {
    // The conversion truncates toward zero, as the position rule asks.
    return StoreStatus(GDIP(GdipDrawCachedBitmap)(graphics_, cachedBitmap.NativeCachedBitmap(), static_cast<INT>(x),
                                                  static_cast<INT>(y)));
}

bool Graphics::DrawImageScaled(const Image& image, float x, float y, float width, float height, int sourceUnit) {
    float sourceWidth = static_cast<float>(image.GetImageWidth());
    float sourceHeight = static_cast<float>(image.GetImageHeight());
    return StoreStatus(GDIP(GdipDrawImageRectRect)(graphics_, image.NativeImage(), x, y, width, height, 0, 0,
                                                   sourceWidth, sourceHeight, UnitOf(sourceUnit), nullptr,
                                                   nullptr, nullptr));
}

bool Graphics::DrawImageScaledI(const Image& image, int x, int y, int width, int height, int sourceUnit) {
    int sourceWidth = image.GetImageWidth();
    int sourceHeight = image.GetImageHeight();
    return StoreStatus(GDIP(GdipDrawImageRectRectI)(graphics_, image.NativeImage(), x, y, width, height, 0, 0,
                                                    sourceWidth, sourceHeight, UnitOf(sourceUnit), nullptr,
                                                    nullptr, nullptr));
}

bool Graphics::DrawImagePoints(const Image& image, float x1, float y1, float x2, float y2, float x3, float y3) {
    const PointF corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return StoreStatus(GDIP(GdipDrawImagePoints)(graphics_, image.NativeImage(), AsGdiplus(corners), 3));
}

bool Graphics::DrawImagePointsI(const Image& image, int x1, int y1, int x2, int y2, int x3, int y3) {
    const Point corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return StoreStatus(GDIP(GdipDrawImagePointsI)(graphics_, image.NativeImage(), AsGdiplus(corners), 3));
}

bool Graphics::DrawImagePointRect(const Image& image, float x, float y, float srcX, float srcY, float srcWidth,
                                  float srcHeight, int sourceUnit) {
    return StoreStatus(GDIP(GdipDrawImagePointRect)(graphics_, image.NativeImage(), x, y, srcX, srcY, srcWidth,
                                                    srcHeight, UnitOf(sourceUnit)));
}

bool Graphics::DrawImagePointRectI(const Image& image, int x, int y, int srcX, int srcY, int srcWidth,
                                   int srcHeight, int sourceUnit) {
    return StoreStatus(GDIP(GdipDrawImagePointRectI)(graphics_, image.NativeImage(), x, y, srcX, srcY, srcWidth,
                                                     srcHeight, UnitOf(sourceUnit)));
}

bool Graphics::DrawImageRectRect(const Image& image, float dstX, float dstY, float dstWidth, float dstHeight,
                                 float srcX, float srcY, float srcWidth, float srcHeight, int sourceUnit,
                                 const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipDrawImageRectRect)(graphics_, image.NativeImage(), dstX, dstY, dstWidth, dstHeight,
                                                   srcX, srcY, srcWidth, srcHeight, UnitOf(sourceUnit),
                                                   AttributesOf(attributes), nullptr, nullptr));
}

bool Graphics::DrawImageRectRectI(const Image& image, int dstX, int dstY, int dstWidth, int dstHeight, int srcX,
                                  int srcY, int srcWidth, int srcHeight, int sourceUnit,
                                  const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipDrawImageRectRectI)(graphics_, image.NativeImage(), dstX, dstY, dstWidth,
                                                    dstHeight, srcX, srcY, srcWidth, srcHeight, UnitOf(sourceUnit),
                                                    AttributesOf(attributes), nullptr, nullptr));
}

bool Graphics::DrawImagePointsRect(const Image& image, float x1, float y1, float x2, float y2, float x3, float y3,
                                   float srcX, float srcY, float srcWidth, float srcHeight, int sourceUnit,
                                   const ImageAttributes* attributes) {
    const PointF corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return StoreStatus(GDIP(GdipDrawImagePointsRect)(graphics_, image.NativeImage(), AsGdiplus(corners), 3, srcX,
                                                     srcY, srcWidth, srcHeight, UnitOf(sourceUnit),
                                                     AttributesOf(attributes), nullptr, nullptr));
}

bool Graphics::DrawImagePointsRectI(const Image& image, int x1, int y1, int x2, int y2, int x3, int y3, int srcX,
                                    int srcY, int srcWidth, int srcHeight, int sourceUnit,
                                    const ImageAttributes* attributes) {
    const Point corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return StoreStatus(GDIP(GdipDrawImagePointsRectI)(graphics_, image.NativeImage(), AsGdiplus(corners), 3, srcX,
                                                      srcY, srcWidth, srcHeight, UnitOf(sourceUnit),
                                                      AttributesOf(attributes), nullptr, nullptr));
}

// --- metafile playback

bool Graphics::EnumerateMetafileDestPoint(const Image& metafile, const PointF& destination,
                                          MetafileCallback callback, void* callbackData,
                                          const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileDestPoint)(graphics_, MetafileOf(metafile), *AsGdiplus(&destination),
                                                            callback, callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileDestPointI(const Image& metafile, const Point& destination,
                                           MetafileCallback callback, void* callbackData,
                                           const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileDestPointI)(graphics_, MetafileOf(metafile),
                                                             *AsGdiplus(&destination), callback, callbackData,
                                                             AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileDestPoints(const Image& metafile, const std::vector<PointF>& destination,
                                           MetafileCallback callback, void* callbackData,
                                           const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileDestPoints)(graphics_, MetafileOf(metafile), RunOf(destination),
                                                             CountOf(destination), callback, callbackData,
                                                             AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileDestPointsI(const Image& metafile, const std::vector<Point>& destination,
                                            MetafileCallback callback, void* callbackData,
                                            const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileDestPointsI)(graphics_, MetafileOf(metafile), RunOf(destination),
                                                              CountOf(destination), callback, callbackData,
                                                              AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileDestRect(const Image& metafile, const RectF& destination, MetafileCallback callback,
                                         void* callbackData, const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileDestRect)(graphics_, MetafileOf(metafile), *AsGdiplus(&destination),
                                                           callback, callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileDestRectI(const Image& metafile, const Rect& destination, MetafileCallback callback,
                                          void* callbackData, const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileDestRectI)(graphics_, MetafileOf(metafile),
                                                            *AsGdiplus(&destination), callback, callbackData,
                                                            AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileSrcRectDestPoint(const Image& metafile, const PointF& destination,
                                                 const RectF& source, int sourceUnit, MetafileCallback callback,
                                                 void* callbackData, const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileSrcRectDestPoint)(
        graphics_, MetafileOf(metafile), *AsGdiplus(&destination), *AsGdiplus(&source), UnitOf(sourceUnit),
        callback, callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileSrcRectDestPointI(const Image& metafile, const Point& destination,
                                                  const Rect& source, int sourceUnit, MetafileCallback callback,
                                                  void* callbackData, const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileSrcRectDestPointI)(
        graphics_, MetafileOf(metafile), *AsGdiplus(&destination), *AsGdiplus(&source), UnitOf(sourceUnit),
        callback, callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileSrcRectDestPoints(const Image& metafile, const std::vector<PointF>& destination,
                                                  const RectF& source, int sourceUnit, MetafileCallback callback,
                                                  void* callbackData, const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileSrcRectDestPoints)(
        graphics_, MetafileOf(metafile), RunOf(destination), CountOf(destination), *AsGdiplus(&source),
        UnitOf(sourceUnit), callback, callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileSrcRectDestPointsI(const Image& metafile, const std::vector<Point>& destination,
                                                   const Rect& source, int sourceUnit, MetafileCallback callback,
                                                   void* callbackData, const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileSrcRectDestPointsI)(
        graphics_, MetafileOf(metafile), RunOf(destination), CountOf(destination), *AsGdiplus(&source),
        UnitOf(sourceUnit), callback, callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileSrcRectDestRect(const Image& metafile, const RectF& destination,
                                                const RectF& source, int sourceUnit, MetafileCallback callback,
                                                void* callbackData, const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileSrcRectDestRect)(
        graphics_, MetafileOf(metafile), *AsGdiplus(&destination), *AsGdiplus(&source), UnitOf(sourceUnit),
        callback, callbackData, AttributesOf(attributes)));
}

bool Graphics::EnumerateMetafileSrcRectDestRectI(const Image& metafile, const Rect& destination,
                                                 const Rect& source, int sourceUnit, MetafileCallback callback,
                                                 void* callbackData, const ImageAttributes* attributes) {
    return StoreStatus(GDIP(GdipEnumerateMetafileSrcRectDestRectI)(
        graphics_, MetafileOf(metafile), *AsGdiplus(&destination), *AsGdiplus(&source), UnitOf(sourceUnit),
        callback, callbackData, AttributesOf(attributes)));
}

}  // namespace gdiplus
