#include "gdiplus/object.h"

namespace gdiplus {

void* GdiPlusObject::Alloc(int size) {
    return size < 0 ? nullptr : GDIP(GdipAlloc)(static_cast<std::size_t>(size));
}

void GdiPlusObject::Free(void* pointer) { GDIP(GdipFree)(pointer); }

}  // namespace gdiplus
