// What the driver needs to know of the baseline program.
#pragma once

namespace bench {

inline constexpr wchar_t kPlainWindowTitle[] = L"plain bench window";
// The same outer size as dotlock's skinned window.
inline constexpr int kPlainWindowWidth = 326;
inline constexpr int kPlainWindowHeight = 257;

}  // namespace bench
