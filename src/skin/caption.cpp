// The caption bar: the window's icon and its glowing title.
#include "skin/skin_engine.h"

namespace skin {

// Not built yet: until the caption bar is drawn, captionImage stays empty and
// the composition shows the background where the caption will be.
void SkinEngine::BuildCaption() {}

}  // namespace skin
