#include "skin/module.h"

#include <memory>

#include "gdiplus/binding.h"
#include "skin/skin_engine.h"

namespace skin {
namespace {

std::unique_ptr<Theme> theme;
std::unique_ptr<SkinEngine> engine;

}  // namespace

void SetUpSkinModule() {
    if (!theme) {
        theme = std::make_unique<Theme>();
    }
    if (!engine) {
        engine = std::make_unique<SkinEngine>();
    }
}

void CleanUpSkinModule() {
    if (theme) {
        theme->fontName.clear();
        theme->background.DisposeImage();
        theme->skinnedWindows.clear();
    }
    engine.reset();
    theme.reset();
}

Theme& CurrentTheme() {
    if (!theme) {
        gdiplus::FatalError("fatal: the skin's module state is not set up");
    }
    return *theme;
}

SkinEngine& TheSkinEngine() {
    if (!engine) {
        gdiplus::FatalError("fatal: the skin's module state is not set up");
    }
    return *engine;
}

}  // namespace skin
