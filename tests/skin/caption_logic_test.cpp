// Hit zones and fade steps as plain values; also built natively with the
// sanitizers.
#include "skin/caption_logic.h"

#include <gtest/gtest.h>

#include <vector>

namespace skin {
namespace {

TEST(CaptionLogic, ButtonUnderAPoint) {
    const struct {
        int x, y;
        bool maximize, minimize;
        int button;
    } cases[] = {
        {300, 10, true, true, kCloseButton},
        {278, 10, true, true, kNoButton},      // the edge between maximise and close
        {260, 10, true, true, kMaximizeButton},
        {230, 10, true, true, kMinimizeButton},
        {260, 10, false, true, kNoButton},     // a disabled maximise is never hit
        {300, 22, true, true, kNoButton},      // below the buttons
        {300, 0, true, true, kNoButton},       // the top edge is excluded
        {325, 10, true, true, kCloseButton},   // the window's last column
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ButtonUnder(c.x, c.y, 326, c.maximize, c.minimize), c.button) << c.x << "," << c.y;
    }
}

TEST(CaptionLogic, FrameZonesOfAResizableWindow) {
    const struct {
        int x, y, code;
    } cases[] = {
        {4, 4, kHitTopLeft},     {296, 4, kHitTopRight},   {4, 196, kHitBottomLeft},
        {296, 196, kHitBottomRight}, {4, 100, kHitLeft},    {296, 100, kHitRight},
        {150, 4, kHitTop},       {150, 196, kHitBottom},   {285, 185, kHitBottomRight},  // the grip
        {150, 100, kHitCaption}, {8, 100, kHitCaption},    // edges of a zone are outside it
    };
    for (const auto& c : cases) EXPECT_EQ(FrameZone(c.x, c.y, 300, 200), c.code) << c.x << "," << c.y;
}

TEST(CaptionLogic, FadesReachZeroInStepsOfTwenty) {
    const struct {
        int start;
        std::vector<int> opacities;
    } cases[] = {
        {100, {20, 40, 60, 80, 100}},
        {-100, {80, 60, 40, 20, 0}},
        {10, {100}},
        {-10, {0}},
    };
    for (const auto& c : cases) {
        int fade = c.start;
        std::vector<int> seen;
        while (fade != 0 && seen.size() < 10) {
            const FadeStep step = NextFade(fade);
            fade = step.fade;
            seen.push_back(step.opacity);
        }
        EXPECT_EQ(seen, c.opacities) << c.start;
    }
}

}  // namespace
}  // namespace skin
