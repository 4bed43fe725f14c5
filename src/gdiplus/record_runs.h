// Arrays of records reach GDI+ as one contiguous run with its element count;
// an empty array is a null run of 0 records.
#pragma once

#include <vector>

#include "gdiplus/records.h"

namespace gdiplus {

template <typename Record>
auto RunOf(std::vector<Record>& records) {
    return AsGdiplus(records.empty() ? nullptr : records.data());
}
template <typename Record>
auto RunOf(const std::vector<Record>& records) {
    const Record* first = records.empty() ? nullptr : records.data();
    return AsGdiplus(first);
}
template <typename Record>
INT CountOf(const std::vector<Record>& records) {
    return static_cast<INT>(records.size());
}

}  // namespace gdiplus
