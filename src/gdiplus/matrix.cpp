#include "gdiplus/matrix.h"

#include "gdiplus/flat_arguments.h"

namespace gdiplus {

namespace {

constexpr int kElementCount = 6;
constexpr int kOffsetX = 4;
constexpr int kOffsetY = 5;

}  // namespace

Matrix::~Matrix() { Matrix::DeleteMatrix(); }

void Matrix::OnHandleSet(void* handle) { matrix_ = static_cast<Gdiplus::GpMatrix*>(handle); }

bool Matrix::DeleteMatrix() { return ReleaseWith(matrix_, GDIP(GdipDeleteMatrix)); }

bool Matrix::CreateMatrix() { return FinishCreate(GDIP(GdipCreateMatrix)(&matrix_), matrix_); }

bool Matrix::CreateMatrix2(float m11, float m12, float m21, float m22, float dx, float dy) {
    return FinishCreate(GDIP(GdipCreateMatrix2)(m11, m12, m21, m22, dx, dy, &matrix_), matrix_);
}

bool Matrix::CreateMatrix3(const RectF& rect, const std::array<PointF, 3>& dstplg) {
    return FinishCreate(
        GDIP(GdipCreateMatrix3)(AsGdiplus(&rect), AsGdiplus(dstplg.data()), &matrix_), matrix_);
}

bool Matrix::CreateMatrix3I(const Rect& rect, const std::array<Point, 3>& dstplg) {
    return FinishCreate(
        GDIP(GdipCreateMatrix3I)(AsGdiplus(&rect), AsGdiplus(dstplg.data()), &matrix_), matrix_);
}

bool Matrix::CloneMatrix(Matrix& target) const {
    Gdiplus::GpMatrix* out = nullptr;
    return Produce(GDIP(GdipCloneMatrix)(matrix_, &out), target, out);
}

bool Matrix::SetMatrixElements(float m11, float m12, float m21, float m22, float dx, float dy) {
    return StoreStatus(GDIP(GdipSetMatrixElements)(matrix_, m11, m12, m21, m22, dx, dy));
}

bool Matrix::GetMatrixElements(std::vector<float>& elements) const {
    elements.assign(kElementCount, 0.0f);
    return StoreStatus(GDIP(GdipGetMatrixElements)(matrix_, elements.data()));
}

bool Matrix::MultiplyMatrix(const Matrix& other, int order) {
    return StoreStatus(GDIP(GdipMultiplyMatrix)(matrix_, other.matrix_, MatrixOrderOf(order)));
}

bool Matrix::TranslateMatrix(float offsetX, float offsetY, int order) {
    return StoreStatus(
        GDIP(GdipTranslateMatrix)(matrix_, offsetX, offsetY, MatrixOrderOf(order)));
}

float Matrix::GetOffsetX() const {
    float elements[kElementCount] = {};
    StoreStatus(GDIP(GdipGetMatrixElements)(matrix_, elements));
    return elements[kOffsetX];
}

float Matrix::GetOffsetY() const {
    float elements[kElementCount] = {};
    StoreStatus(GDIP(GdipGetMatrixElements)(matrix_, elements));
    return elements[kOffsetY];
}

bool Matrix::RotateMatrix(float angle, int order) {
    return StoreStatus(GDIP(GdipRotateMatrix)(matrix_, angle, MatrixOrderOf(order)));
}

bool Matrix::InvertMatrix() { return StoreStatus(GDIP(GdipInvertMatrix)(matrix_)); }

bool Matrix::ScaleMatrix(float scaleX, float scaleY, int order) {
    return StoreStatus(GDIP(GdipScaleMatrix)(matrix_, scaleX, scaleY, MatrixOrderOf(order)));
}

bool Matrix::ShearMatrix(float shearX, float shearY, int order) {
    return StoreStatus(GDIP(GdipShearMatrix)(matrix_, shearX, shearY, MatrixOrderOf(order)));
}

bool Matrix::Reset() { return SetMatrixElements(1, 0, 0, 1, 0, 0); }

bool Matrix::TransformMatrixPoints(std::vector<PointF>& points) const {
    return StoreStatus(
        GDIP(GdipTransformMatrixPoints)(matrix_, RunOf(points), CountOf(points)));
}

bool Matrix::TransformMatrixPointsI(std::vector<Point>& points) const {
    return StoreStatus(
        GDIP(GdipTransformMatrixPointsI)(matrix_, RunOf(points), CountOf(points)));
}

bool Matrix::VectorTransformMatrixPoints(std::vector<PointF>& points) const {
    return StoreStatus(GDIP(GdipVectorTransformMatrixPoints)(matrix_, RunOf(points),
                                                             CountOf(points)));
}

bool Matrix::VectorTransformMatrixPointsI(std::vector<Point>& points) const {
    return StoreStatus(GDIP(GdipVectorTransformMatrixPointsI)(matrix_, RunOf(points),
                                                              CountOf(points)));
}

bool Matrix::IsMatrixInvertible() const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsMatrixInvertible)(matrix_, &out));
    return out != FALSE;
}

bool Matrix::IsMatrixIdentity() const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsMatrixIdentity)(matrix_, &out));
    return out != FALSE;
}

bool Matrix::IsMatrixEqual(const Matrix& other) const {
    BOOL out = FALSE;
    StoreStatus(GDIP(GdipIsMatrixEqual)(matrix_, other.matrix_, &out));
    return out != FALSE;
}

}  // namespace gdiplus
