// Graphics: a GDI+ drawing surface on a window, a device context or an image,
// with its modes, transforms, clipping, saved states and drawing.
#pragma once

#include <optional>
#include <vector>

#include "gdiplus/cached_bitmap.h"
#include "gdiplus/image.h"
#include "gdiplus/object.h"
#include "gdiplus/records.h"

namespace gdiplus {

class Brush;
class Font;
class GraphicsPath;
class ImageAttributes;
class Matrix;
class Pen;
class Region;
class StringFormat;

// GDI+'s unit for source rectangles of the image methods.
inline constexpr int kUnitPixel = 2;
// GDI+'s character-map lookup option of DrawDriverString.
inline constexpr int kDriverStringCmapLookup = 1;

class Graphics : public GdiPlusObject {
public:
    Graphics() = default;
    ~Graphics() override;

    Gdiplus::GpGraphics* NativeGraphics() const { return graphics_; }

    // --- creation, device context
    bool DeleteGraphics();
    bool CreateFromHWND(HWND hwnd, bool useIcm = false);
    // With a device given (even a null one) the device is passed to GDI+.
    bool CreateFromHDC(HDC hdc, std::optional<HANDLE> device = std::nullopt);
    // A graphics that draws into the image.
    bool GetImageGraphicsContext(const Image& image);
    HDC GetDC();
    bool ReleaseDC(HDC hdc);

    // --- rendering modes (GDI+ enumeration values)
    int GetCompositingMode() const;
    bool SetCompositingMode(int mode);
    bool GetRenderingOrigin(int& x, int& y) const;
    bool SetRenderingOrigin(int x, int y);
    int GetCompositingQuality() const;
    bool SetCompositingQuality(int quality);
    bool SetSmoothingMode(int mode);
    int GetSmoothingMode() const;
    bool SetTextRenderingHint(int hint);
    int GetTextRenderingHint() const;
    bool SetInterpolationMode(int mode);
    int GetInterpolationMode() const;
    bool SetPixelOffsetMode(int mode);
    int GetPixelOffsetMode() const;

    // --- transforms; order: 0 prepend, 1 append
    bool SetWorldTransform(const Matrix& matrix);
    // Copies the world transform into the caller's native matrix.
    bool GetWorldTransform(Matrix& matrix) const;
    bool ResetWorldTransform();
    bool MultiplyWorldTransform(const Matrix& matrix, int order = 0);
    bool TranslateWorldTransform(float dx, float dy, int order = 0);
    bool ScaleWorldTransform(float sx, float sy, int order = 0);
    bool RotateWorldTransform(float angle, int order = 0);
    bool SetPageUnit(int unit);
    int GetPageUnit() const;
    bool SetPageScale(float scale);
    float GetPageScale() const;
    float GetDpiX() const;
    float GetDpiY() const;
    // The points are transformed in place.
    bool TransformPoints(int destSpace, int srcSpace, std::vector<PointF>& points) const;
    bool TransformPointsI(int destSpace, int srcSpace, std::vector<Point>& points) const;
    // The given colour when the call fails.
    Argb GetNearestColor(Argb colour) const;

    // --- clipping; mode: GDI+ CombineMode, omitted it replaces
    bool SetClipGraphics(const Graphics& source, int mode = 0);
    bool SetClipPath(const GraphicsPath& path, int mode = 0);
    bool SetClipRect(float x, float y, float width, float height, int mode = 0);
    bool SetClipRectI(int x, int y, int width, int height, int mode = 0);
    bool SetClipRegion(const Region& region, int mode = 0);
    bool SetClipHrgn(HRGN hrgn, int mode = 0);
    bool ResetClip();
    bool TranslateClip(float dx, float dy);
    bool TranslateClipI(int dx, int dy);
    // Copies the clip into the caller's native region.
    bool GetClip(Region& region) const;
    RectF GetClipBounds() const;
    Rect GetClipBoundsI() const;
    RectF GetVisibleClipBounds() const;
    Rect GetVisibleClipBoundsI() const;
    bool IsClipEmpty() const;
    bool IsVisibleClipEmpty() const;
    bool IsVisiblePoint(float x, float y) const;
    bool IsVisiblePointI(int x, int y) const;
    bool IsVisibleRect(float x, float y, float width, float height) const;
    bool IsVisibleRectI(int x, int y, int width, int height) const;

    // --- saved states and containers
    int SaveGraphics();
    bool RestoreGraphics(int state);
    int BeginContainer(const RectF& destination, const RectF& source, int unit = 0);
    int BeginContainerI(const Rect& destination, const Rect& source, int unit = 0);
    int BeginContainer2();
    bool EndContainer(int state);
    bool Comment(const ByteBlock& data);

    // --- lines, curves and outlines
    bool DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    bool DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2);
    bool DrawLines(const Pen& pen, const std::vector<PointF>& points);
    bool DrawLinesI(const Pen& pen, const std::vector<Point>& points);
    bool DrawArc(const Pen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawArcI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawBezier(const Pen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool DrawBezierI(const Pen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool DrawBeziers(const Pen& pen, const std::vector<PointF>& points);
    bool DrawBeziersI(const Pen& pen, const std::vector<Point>& points);
    bool DrawRectangle(const Pen& pen, float x, float y, float width, float height);
    bool DrawRectangleI(const Pen& pen, int x, int y, int width, int height);
    bool DrawRectangles(const Pen& pen, const std::vector<RectF>& rects);
    bool DrawRectanglesI(const Pen& pen, const std::vector<Rect>& rects);
    bool DrawEllipse(const Pen& pen, float x, float y, float width, float height);
    bool DrawEllipseI(const Pen& pen, int x, int y, int width, int height);
    bool DrawPie(const Pen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawPieI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawPolygon(const Pen& pen, const std::vector<PointF>& points);
    bool DrawPolygonI(const Pen& pen, const std::vector<Point>& points);
    bool DrawPath(const Pen& pen, const GraphicsPath& path);
    bool DrawCurve(const Pen& pen, const std::vector<PointF>& points);
    bool DrawCurveI(const Pen& pen, const std::vector<Point>& points);
    bool DrawCurve2(const Pen& pen, const std::vector<PointF>& points, float tension);
    bool DrawCurve2I(const Pen& pen, const std::vector<Point>& points, float tension);
    bool DrawCurve3(const Pen& pen, const std::vector<PointF>& points, int offset, int numberOfSegments, float tension);
    bool DrawCurve3I(const Pen& pen, const std::vector<Point>& points, int offset, int numberOfSegments, float tension);
    bool DrawClosedCurve(const Pen& pen, const std::vector<PointF>& points);
    bool DrawClosedCurveI(const Pen& pen, const std::vector<Point>& points);
    bool DrawClosedCurve2(const Pen& pen, const std::vector<PointF>& points, float tension);
    bool DrawClosedCurve2I(const Pen& pen, const std::vector<Point>& points, float tension);

    // --- clearing and fills; fillMode: 0 alternate, 1 winding
    bool GraphicsClear(Argb colour = 0xFFFFFFFF);
    bool FillRectangle(const Brush& brush, float x, float y, float width, float height);
    bool FillRectangleRect(const Brush& brush, const RectF& rect);
    bool FillRectangleI(const Brush& brush, int x, int y, int width, int height);
    bool FillRectangles(const Brush& brush, const std::vector<RectF>& rects);
    bool FillRectanglesI(const Brush& brush, const std::vector<Rect>& rects);
    bool FillPolygon(const Brush& brush, const std::vector<PointF>& points, int fillMode = 0);
    bool FillPolygonI(const Brush& brush, const std::vector<Point>& points, int fillMode = 0);
    bool FillEllipse(const Brush& brush, float x, float y, float width, float height);
    bool FillEllipseI(const Brush& brush, int x, int y, int width, int height);
    bool FillPie(const Brush& brush, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool FillPieI(const Brush& brush, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool FillPath(const Brush& brush, const GraphicsPath& path);
    bool FillClosedCurve(const Brush& brush, const std::vector<PointF>& points);
    bool FillClosedCurve2(const Brush& brush, const std::vector<PointF>& points, float tension, int fillMode = 0);
    bool FillClosedCurveI(const Brush& brush, const std::vector<Point>& points);
    bool FillClosedCurve2I(const Brush& brush, const std::vector<Point>& points, float tension, int fillMode = 0);
    bool FillRegion(const Brush& brush, const Region& region);

    // --- text; an omitted layout is the all-zero rectangle (no limits)
    bool DrawString(const TextValue& text, const Font& font, const Brush& brush, const RectF& layout = RectF(),
                    const StringFormat* format = nullptr);
    // `box` receives the bounding box.
    bool MeasureString(const TextValue& text, const Font& font, RectF& box, const RectF& layout = RectF(),
                       const StringFormat* format = nullptr);
    // Replaces `regions` by `count` new regions that GDI+ fills with the
    // format's measurable character ranges, in order. A negative count is fatal.
    bool MeasureCharacterRanges(const TextValue& text, const Font& font, int count, std::vector<Region>& regions,
                                const RectF& layout = RectF(), const StringFormat* format = nullptr);
    // One position per character (only the first with realized advance, flag
    // 4); fewer positions fail with InvalidParameter and no call.
    bool DrawDriverString(const TextValue& text, const Font& font, const Brush& brush,
                          const std::vector<PointF>& positions, int flags = kDriverStringCmapLookup,
                          const Matrix* matrix = nullptr);
    bool SetTextContrast(int contrast);
    int GetTextContrast() const;

    // --- images; sourceUnit is a GDI+ Unit
    bool DrawImage(const Image& image, float x, float y);
    bool DrawImageI(const Image& image, int x, int y);
    // x and y are truncated toward zero.
    bool DrawCachedBitmap(const CachedBitmap& cachedBitmap, float x, float y);
    // The whole image stretched into the rectangle.
    bool DrawImageScaled(const Image& image, float x, float y, float width, float height, int sourceUnit = kUnitPixel);
    bool DrawImageScaledI(const Image& image, int x, int y, int width, int height, int sourceUnit = kUnitPixel);
    // Upper-left, upper-right and lower-left corners of the destination.
    bool DrawImagePoints(const Image& image, float x1, float y1, float x2, float y2, float x3, float y3);
    bool DrawImagePointsI(const Image& image, int x1, int y1, int x2, int y2, int x3, int y3);
    // A part of the image, unscaled, at (x, y).
    bool DrawImagePointRect(const Image& image, float x, float y, float srcX, float srcY, float srcWidth,
                            float srcHeight, int sourceUnit = kUnitPixel);
    bool DrawImagePointRectI(const Image& image, int x, int y, int srcX, int srcY, int srcWidth, int srcHeight,
                             int sourceUnit = kUnitPixel);
    bool DrawImageRectRect(const Image& image, float dstX, float dstY, float dstWidth, float dstHeight, float srcX,
                           float srcY, float srcWidth, float srcHeight, int sourceUnit = kUnitPixel,
                           const ImageAttributes* attributes = nullptr);
    bool DrawImageRectRectI(const Image& image, int dstX, int dstY, int dstWidth, int dstHeight, int srcX, int srcY,
                            int srcWidth, int srcHeight, int sourceUnit = kUnitPixel,
                            const ImageAttributes* attributes = nullptr);
    bool DrawImagePointsRect(const Image& image, float x1, float y1, float x2, float y2, float x3, float y3,
                             float srcX, float srcY, float srcWidth, float srcHeight, int sourceUnit = kUnitPixel,
                             const ImageAttributes* attributes = nullptr);
    bool DrawImagePointsRectI(const Image& image, int x1, int y1, int x2, int y2, int x3, int y3, int srcX, int srcY,
                              int srcWidth, int srcHeight, int sourceUnit = kUnitPixel,
                              const ImageAttributes* attributes = nullptr);

    // --- metafile playback: each record goes to `callback` with `callbackData`
    using MetafileCallback = Gdiplus::EnumerateMetafileProc;
    bool EnumerateMetafileDestPoint(const Image& metafile, const PointF& destination, MetafileCallback callback,
                                    void* callbackData = nullptr, const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileDestPointI(const Image& metafile, const Point& destination, MetafileCallback callback,
                                     void* callbackData = nullptr, const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileDestPoints(const Image& metafile, const std::vector<PointF>& destination,
                                     MetafileCallback callback, void* callbackData = nullptr,
                                     const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileDestPointsI(const Image& metafile, const std::vector<Point>& destination,
                                      MetafileCallback callback, void* callbackData = nullptr,
                                      const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileDestRect(const Image& metafile, const RectF& destination, MetafileCallback callback,
                                   void* callbackData = nullptr, const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileDestRectI(const Image& metafile, const Rect& destination, MetafileCallback callback,
                                    void* callbackData = nullptr, const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPoint(const Image& metafile, const PointF& destination, const RectF& source,
                                           int sourceUnit, MetafileCallback callback, void* callbackData = nullptr,
                                           const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPointI(const Image& metafile, const Point& destination, const Rect& source,
                                            int sourceUnit, MetafileCallback callback, void* callbackData = nullptr,
                                            const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPoints(const Image& metafile, const std::vector<PointF>& destination,
                                            const RectF& source, int sourceUnit, MetafileCallback callback,
                                            void* callbackData = nullptr, const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPointsI(const Image& metafile, const std::vector<Point>& destination,
                                             const Rect& source, int sourceUnit, MetafileCallback callback,
                                             void* callbackData = nullptr,
                                             const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestRect(const Image& metafile, const RectF& destination, const RectF& source,
                                          int sourceUnit, MetafileCallback callback, void* callbackData = nullptr,
                                          const ImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestRectI(const Image& metafile, const Rect& destination, const Rect& source,
                                           int sourceUnit, MetafileCallback callback, void* callbackData = nullptr,
                                           const ImageAttributes* attributes = nullptr);

protected:
    void OnHandleSet(void* handle) override;

private:
    Gdiplus::GpGraphics* graphics_ = nullptr;
};

}  // namespace gdiplus
