// Window centring, on twips.

#include "CenterForm.h"
#include "Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Commands;

namespace {


TEST(CenterForm, Placement) {
    struct Case {
        float screenW, screenH, formW, formH, left, top;
    };
    const Case cases[] = {
        {15360, 11520, 9000, 7000, 3180, 1396},       // 1024 x 768
        {15360, 11520, 9000, 7005, 3180, 1394},       // odd height loses its half twip
        {25200, 15750, 9000, 6000, 8100, 3694},       // 15750 x 0.85 = 13387.5 goes to the even 13388
        {12000, 9000, 13000, 9000, 0, 0},             // larger than the screen: -500 and -675 corrected
        {12000, 9000, 12001, 9000, 0, 0},             // half(12001) is 6000
        {12000, 9000, 12002, 9000, 0, 0},             // -1 first, then 0
        {19200, 16200, 8340, 7230, 5430, 3270},       // 1280 x 1080 with a framed 556 x 482 window
        {15360, 11520, 9000.4f, 7000.5f, 3180, 1396}, // nearest: 9000 and 7000 (tie to even)
    };
    for (const auto& c : cases) {
        Fakes::Form form(c.formW, c.formH);
        ASSERT_TRUE(CenterForm(form, Fakes::Screen(c.screenW, c.screenH)));
        EXPECT_EQ(form.left, c.left) << c.screenW << "x" << c.screenH << " " << c.formW << "x" << c.formH;
        EXPECT_EQ(form.top, c.top) << c.screenW << "x" << c.screenH << " " << c.formW << "x" << c.formH;
        EXPECT_EQ(form.w, c.formW); // the size never changes
    }
}

TEST(CenterForm, SizeOutsideThe32BitRangeFailsAfterTheStepsBeforeIt) {
    Fakes::Form form(3e10f, 7000);
    const auto result = CenterForm(form, Fakes::Screen(15360, 11520));
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().code, ErrorCode::Overflow);
    EXPECT_EQ(form.top, 1396); // the Top made before the failure stays
    EXPECT_EQ(form.left, 555);
}

} // namespace
