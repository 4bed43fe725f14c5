// Matrix: a 3x2 affine transform (m11, m12, m21, m22, dx, dy).
// `order` arguments: 0 prepend, 1 append.
#pragma once

#include <array>
#include <vector>

#include "gdiplus/object.h"
#include "gdiplus/records.h"

namespace gdiplus {

class Matrix : public GdiPlusObject {
public:
    Matrix() = default;
    ~Matrix() override;

    Gdiplus::GpMatrix* NativeMatrix() const { return matrix_; }

    bool DeleteMatrix();
    // The identity.
    bool CreateMatrix();
    bool CreateMatrix2(float m11, float m12, float m21, float m22, float dx, float dy);
    // Maps `rect` onto the parallelogram upper left, upper right, lower left.
    bool CreateMatrix3(const RectF& rect, const std::array<PointF, 3>& dstplg);
    bool CreateMatrix3I(const Rect& rect, const std::array<Point, 3>& dstplg);
    bool CloneMatrix(Matrix& target) const;

    bool SetMatrixElements(float m11, float m12, float m21, float m22, float dx, float dy);
    // Replaces `elements` by the six elements, m11 first.
    bool GetMatrixElements(std::vector<float>& elements) const;
    bool MultiplyMatrix(const Matrix& other, int order = 0);
    bool TranslateMatrix(float offsetX, float offsetY, int order = 0);
    float GetOffsetX() const;
    float GetOffsetY() const;
    bool RotateMatrix(float angle, int order = 0);
    bool InvertMatrix();
    bool ScaleMatrix(float scaleX, float scaleY, int order = 0);
    bool ShearMatrix(float shearX, float shearY, int order = 0);
    // Back to the identity.
    bool Reset();

    // In place.
    bool TransformMatrixPoints(std::vector<PointF>& points) const;
    bool TransformMatrixPointsI(std::vector<Point>& points) const;
    bool VectorTransformMatrixPoints(std::vector<PointF>& points) const;
    bool VectorTransformMatrixPointsI(std::vector<Point>& points) const;

    bool IsMatrixInvertible() const;
    bool IsMatrixIdentity() const;
    bool IsMatrixEqual(const Matrix& other) const;

protected:
    void OnHandleSet(void* handle) override;

private:
    Gdiplus::GpMatrix* matrix_ = nullptr;
};

}  // namespace gdiplus
