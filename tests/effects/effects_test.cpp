// The effect player: what every effect leaves on the screen and in the surface settings, how many
// frame waits of which length it makes, that it presents what it waits on, the temporary picture
// box, and the pictures of the steps that matter (shakes, stretches, mosaic, flashes, colours).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/random.h"
#include "common/vb_error.h"
#include "effect_host.h"
#include "effects/clsGraficEff.h"
#include "effects/form_controls.h"
#include "platform/raster.h"

namespace {

using effects_test::EffectTest;
using platform::Colour;
using platform::Form;
using platform::Surface;

constexpr Colour kBack = 0x336699;

// A recognisable picture: every pixel differs, and the low bits of the channels vary.
Surface Picture(int w, int h) {
    Surface s(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.At(x, y) = platform::Rgb((x * 7 + 3) & 0xFF, (y * 11 + 130) & 0xFF, ((x + 2 * y) * 5 + 1) & 0xFF);
    return s;
}

Surface Map(const Surface& s, const std::function<Colour(Colour)>& f) {
    Surface out = s;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) out.At(x, y) = f(s.At(x, y));
    return out;
}

// Waits as runs of (count, milliseconds).
std::vector<std::uint32_t> Runs(std::initializer_list<std::pair<int, std::uint32_t>> runs) {
    std::vector<std::uint32_t> v;
    for (const auto& r : runs) v.insert(v.end(), static_cast<std::size_t>(r.first), r.second);
    return v;
}

class Effects : public EffectTest {
protected:
    void SetUp() override {
        EffectTest::SetUp();
        Prepare(64, 48);
    }
    void Prepare(int w, int h) {
        form_ = Form(w, h);
        form_.image = Picture(w, h);
        form_.BackColor = kBack;
        form_.FillColor = 0x000000;
        form_.DrawWidth = 3;
        form_.FillStyle = platform::kFillSolid;
        player_.mObjForm = &form_;
        fx().Watch(&form_);
        fx().Clear();
    }
    void Play(int number, vb::Long t = 16) {
        player_.glngTime = t;
        player_.COM_Play_GlaficEff(static_cast<vb::Integer>(number));
    }
    Form form_;
    clsGraficEff player_;
};

struct FinalCase {
    int number;
    std::vector<std::uint32_t> waits;  // at T = 16 on a 64 x 48 surface
    std::function<Surface(const Surface& before)> expected;
    int drawWidthAfter;  // the surface started with 3
    int fillStyleAfter;  // the surface started with 0 (solid)
};

Surface Plain(const Surface& before, Colour c) { return Surface(before.Width(), before.Height(), c); }

TEST_F(Effects, EveryEffectEndsWithItsPictureItsWaitsAndItsSettings) {
    const auto same = [](const Surface& b) { return b; };
    const auto black = [](const Surface& b) { return Plain(b, 0x000000); };
    const auto white = [](const Surface& b) { return Plain(b, 0xFFFFFF); };
    // At W = 64: rings and disc k = 9, bands k = 11, blinds c = 4.
    const FinalCase cases[] = {
        {1, Runs({{11, 16}}), black, 3, 0},
        {2, Runs({{10, 8}}), black, 1, 1},
        {3, Runs({{10, 8}}), white, 1, 1},
        {4, Runs({{61, 16}}), white, 1, 0},
        {5, Runs({{25, 8}}), black, 1, 1},
        {6, Runs({{12, 8}}),
         [](const Surface& b) {
             Surface s = Plain(b, kBack);
             for (int x = 0; x < s.Width(); ++x) s.At(x, 0) = 0;  // the last pen is 1 pixel wide
             return s;
         },
         1, 0},
        {7, Runs({{12, 8}}), black, 1, 0},
        {8, Runs({{10, 8}}),
         [](const Surface& b) {
             Surface s = Plain(b, kBack);
             platform::Raster_FillBox(s, 31, 23, 33, 25, 0);  // radius 0 in a pen of 4
             return s;
         },
         1, 0},
        {9, {}, [](const Surface& b) { return Map(b, [](Colour c) { return ~c & 0xFFFFFF; }); }, 3, 0},
        {10, Runs({{11, 16}}), same, 3, 0},
        {11, Runs({{31, 16}}), black, 3, 0},
        {12, Runs({{31, 16}}), black, 3, 0},
        {13, Runs({{8, 16}}), same, 3, 0},
        {14, Runs({{11, 160}}), same, 3, 0},
        {15, Runs({{11, 32}}), black, 3, 0},
        {16, Runs({{8, 32}}), [](const Surface& b) { return Map(b, [](Colour c) { return c & 0xFDFDFD; }); }, 3, 0},
        {17, Runs({{8, 32}}), [](const Surface& b) { return Map(b, [](Colour c) { return c & 0x010101; }); }, 3, 0},
        {18, Runs({{6, 16}}), same, 3, 0},
        {19, Runs({{12, 8}}), white, 1, 0},
        {20, Runs({{31, 8}}), black, 1, 0},
        {21, Runs({{5, 48}}), same, 3, 0},
        {22, Runs({{6, 16}}), same, 3, 0},
        {23, Runs({{6, 16}}), same, 3, 0},
    };
    for (const FinalCase& c : cases) {
        SCOPED_TRACE("effect " + std::to_string(c.number));
        Prepare(64, 48);
        const Surface before = form_.image;
        const int presentsBefore = fx().PresentCount();
        Play(c.number);
        EXPECT_EQ(form_.image == c.expected(before), true);
        EXPECT_EQ(fx().LastPresented() == form_.image, true) << "the last picture is shown";
        EXPECT_EQ(fx().Waits(), c.waits);
        EXPECT_EQ(fx().UnpresentedWaits(), 0);
        EXPECT_GE(fx().PresentCount() - presentsBefore, static_cast<int>(c.waits.size()) - 1);
        EXPECT_EQ(form_.DrawWidth, c.drawWidthAfter);
        EXPECT_EQ(form_.FillStyle, c.fillStyleAfter);
        EXPECT_EQ(form_.BackColor, c.number == 1 ? 0x000000u : kBack);
        EXPECT_EQ(form_.FillColor, 0x000000u);
        EXPECT_EQ(effects::Controls_Count(form_), 0);
    }
}

TEST_F(Effects, WidthDependentStepCountsAtFullSize) {
    struct Case {
        int number;
        int waits;
    };
    // 107 steps for the bands, 45 for the rings and the disc: one wait more than steps.
    for (const Case c : {Case{6, 108}, Case{7, 108}, Case{19, 108}, Case{2, 46}, Case{3, 46}, Case{8, 46},
                         Case{20, 31}, Case{4, 61}, Case{5, 25}}) {
        SCOPED_TRACE("effect " + std::to_string(c.number));
        Prepare(640, 480);
        Play(c.number, 16);
        EXPECT_EQ(fx().Waits(), Runs({{c.waits, c.number == 4 ? 16u : 8u}}));
        if (c.number == 2 || c.number == 7 || c.number == 20 || c.number == 5) {
            EXPECT_EQ(form_.image == Surface(640, 480, 0), true);
        }
        if (c.number == 3 || c.number == 19 || c.number == 4) {
            EXPECT_EQ(form_.image == Surface(640, 480, 0xFFFFFF), true);
        }
    }
}

TEST_F(Effects, HalfTheTimeUnitRoundsToEvenAndOddUnitsStillWaitWhole) {
    const std::pair<vb::Long, std::uint32_t> cases[] = {{16, 8}, {25, 12}, {27, 14}, {1, 0}, {3, 2}, {0, 0}};
    for (const auto& [t, half] : cases) {
        Prepare(64, 48);
        Play(20, t);
        EXPECT_EQ(fx().Waits(), Runs({{31, half}})) << "T " << t;
    }
    Prepare(64, 48);
    Play(17, 0);
    EXPECT_EQ(fx().Waits(), Runs({{8, 0}}));
    Prepare(64, 48);
    Play(14, -5);  // a negative unit waits nothing instead of for ever
    EXPECT_EQ(fx().Waits(), Runs({{11, 0}}));
    Prepare(64, 48);
    Play(21, 30);  // the ending's slower unit
    EXPECT_EQ(fx().Waits(), Runs({{5, 90}}));
}

TEST_F(Effects, WaitsBlockWithoutHandlingInputAndMoveTheClock) {
    platform::InputEvent click;
    click.type = platform::EventType::MouseDown;
    click.button = platform::kButtonLeft;
    fx().Queue(click, fx().Ticks());
    const auto start = fx().Ticks();
    Play(17, 16);
    EXPECT_EQ(fx().Ticks() - start, 8u * 32u);
    EXPECT_TRUE(fx().PendingInput()) << "input waits in the queue until the effect is over";
}

TEST_F(Effects, NumbersWithoutARoutine) {
    // 0 and below: nothing at all, not even the box (a clashing control is no problem).
    effects::Controls_Add(form_, "PICTEMPBOXEFF");
    for (int n : {0, -1, -32768}) {
        const Surface before = form_.image;
        EXPECT_NO_THROW(Play(n));
        EXPECT_EQ(form_.image == before, true);
    }
    EXPECT_TRUE(fx().Waits().empty());
    EXPECT_EQ(fx().PresentCount(), 0);
    // 24 and above add the box (so the clash is an error) ...
    for (int n : {13, 17, 21, 23, 24, 32767}) {
        try {
            Play(n);
            ADD_FAILURE() << n << " played beside an existing picTempBoxEff";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), vb::kErrControlExists) << n;
        }
    }
    // ... but the effects without a box do not mind it.
    EXPECT_NO_THROW(Play(9));
    EXPECT_NE(effects::Controls_Find(form_, "picTempBoxEff"), nullptr) << "the existing control is untouched";
    effects::Controls_Remove(form_, "picTempBoxEff");
    // Without the clash, 24 and above draw and wait nothing and leave no control behind.
    fx().Clear();
    const Surface before = form_.image;
    Play(24);
    Play(100);
    EXPECT_EQ(form_.image == before, true);
    EXPECT_TRUE(fx().Waits().empty());
    EXPECT_EQ(effects::Controls_Count(form_), 0);
}

TEST_F(Effects, TheTemporaryBoxExistsOnlyWhileABoxEffectRuns) {
    std::vector<std::string> seen;
    fx().onSleep = [&] {
        const effects::PictureBox* b = effects::Controls_Find(form_, "picTempBoxEff");
        if (!b) {
            seen.push_back("none");
            return;
        }
        seen.push_back(std::to_string(b->Left) + "," + std::to_string(b->Top) + " " + std::to_string(b->image.Width()) +
                       "x" + std::to_string(b->image.Height()) + (b->Visible ? " visible" : " hidden") +
                       (b->AutoRedraw ? " autoredraw" : "") + " scale " + std::to_string(b->ScaleMode) + " border " +
                       std::to_string(b->BorderStyle) + " appearance " + std::to_string(b->Appearance));
    };
    Play(18);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), "67,0 64x48 hidden autoredraw scale 3 border 0 appearance 0");
    seen.clear();
    Play(5);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), "none");
    EXPECT_EQ(effects::Controls_Count(form_), 0);

    // A failing surface: no form set is error 91 for every number that draws.
    clsGraficEff lone;
    EXPECT_EQ(lone.glngTime, 60);
    EXPECT_NO_THROW(lone.COM_Play_GlaficEff(0));
    try {
        lone.COM_Play_GlaficEff(17);
        ADD_FAILURE();
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), vb::kErrObjectNotSet);
    }
}

TEST_F(Effects, ShakeMovesByTheRandomDisplacementsAndAddsThemUp) {
    // dx from the first number, dy from the second: 0 -> -15, 0.999 -> +15.
    vb::Rnd_Script({0.0f, 0.999f, 0.5f, 0.5f});
    fx().KeepFrames(true);
    const Surface before = form_.image;
    Play(13);
    ASSERT_EQ(fx().Frames().size(), 8u);
    Surface first = before;
    platform::BitBlt(first, -15, 15, 640, 480, before, 0, 0, platform::kRopSrcCopy);
    EXPECT_EQ(fx().Frames()[0] == first, true);
    EXPECT_EQ(fx().Frames()[0].At(10, 20), before.At(25, 5));
    EXPECT_EQ(fx().Frames()[0].At(60, 3), before.At(60, 3)) << "the uncovered strip keeps its picture";
    // Int(0.5 x 31 - 15) = 0: the second jolt stays put.
    EXPECT_EQ(fx().Frames()[1] == first, true);
    EXPECT_EQ(form_.image == before, true);
}

TEST_F(Effects, VerticalShakeJoltsDownUpDownUp) {
    fx().KeepFrames(true);
    const Surface before = form_.image;
    Play(21);
    ASSERT_EQ(fx().Frames().size(), 5u);
    Surface expect = before;
    int dy = 15;
    for (int step = 0; step < 4; ++step, dy = -dy) {
        platform::BitBlt(expect, 0, dy, 640, 480, expect, 0, 0, platform::kRopSrcCopy);
        EXPECT_EQ(fx().Frames()[static_cast<std::size_t>(step)] == expect, true) << "step " << step;
    }
    EXPECT_EQ(fx().Frames()[4] == before, true);
}

TEST_F(Effects, ColourFlashShowsRandomColoursAndEveryFourthBlack) {
    // Red, green, blue from the numbers in this order, each Int(Rnd x 251).
    vb::Rnd_Script({0.5f, 0.25f, 0.999f, 0.0f, 0.1f, 0.2f});
    fx().KeepFrames(true);
    Play(1);
    ASSERT_EQ(fx().Frames().size(), 10u);
    EXPECT_EQ(fx().Frames()[0] == Surface(64, 48, platform::Rgb(125, 62, 250)), true);
    EXPECT_EQ(fx().Frames()[1] == Surface(64, 48, 0), true);
    EXPECT_EQ(fx().Frames()[2] == Surface(64, 48, platform::Rgb(0, 25, 50)), true);
    for (std::size_t i : {5u, 9u}) EXPECT_EQ(fx().Frames()[i] == Surface(64, 48, 0), true) << i;
    for (std::size_t i : {3u, 4u, 6u, 7u, 8u}) EXPECT_FALSE(fx().Frames()[i] == Surface(64, 48, 0)) << i;
    EXPECT_EQ(form_.BackColor, 0u);
}

TEST_F(Effects, BlindsTurnWhiteFromStepThirty) {
    fx().KeepFrames(true);
    Play(4);
    ASSERT_EQ(fx().Frames().size(), 60u);
    auto hasWhite = [](const Surface& s) {
        for (Colour c : s.Pixels())
            if (c == 0xFFFFFF) return true;
        return false;
    };
    EXPECT_FALSE(hasWhite(fx().Frames()[29]));  // b = 31
    EXPECT_TRUE(hasWhite(fx().Frames()[30]));   // b = 30
    EXPECT_EQ(fx().Frames()[29] == Surface(64, 48, 0), true) << "black by the end of the first half";
}

TEST_F(Effects, BitFadeInNeverShowsThePictureUnchanged) {
    fx().KeepFrames(true);
    const Surface before = form_.image;
    Play(16);
    ASSERT_EQ(fx().Frames().size(), 8u);
    for (int n = 7; n >= 1; --n) {
        const Colour mask = 0xFFFFFF & ~(0x010101u << n);
        const Surface expected = Map(before, [&](Colour c) { return c & mask; });
        EXPECT_EQ(fx().Frames()[static_cast<std::size_t>(7 - n)] == expected, true) << "bit " << n;
        EXPECT_FALSE(fx().Frames()[static_cast<std::size_t>(7 - n)] == before);
    }
}

TEST_F(Effects, BitFadeOutClearsBitsCumulatively) {
    fx().KeepFrames(true);
    const Surface before = form_.image;
    Play(17);
    ASSERT_EQ(fx().Frames().size(), 9u);
    EXPECT_EQ(fx().Frames()[0] == before, true);
    Colour mask = 0xFFFFFF;
    for (int n = 7; n >= 1; --n) {
        mask &= ~(0x010101u << n);
        EXPECT_EQ(fx().Frames()[static_cast<std::size_t>(8 - n)] == Map(before, [&](Colour c) { return c & mask; }), true)
            << "bit " << n;
    }
    for (Colour c : form_.image.Pixels()) ASSERT_LE(c & 0xFEFEFE, 0u);
}

TEST_F(Effects, FlashesAlternateColourAndPicture) {
    const std::pair<int, Colour> cases[] = {{18, 0x0000FF}, {22, 0x00FFFF}, {23, 0xFFFFFF}};
    for (const auto& [number, colour] : cases) {
        Prepare(64, 48);
        fx().KeepFrames(true);
        const Surface before = form_.image;
        Play(number);
        ASSERT_EQ(fx().Frames().size(), 6u);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(fx().Frames()[i] == (i % 2 == 0 ? Surface(64, 48, colour) : before), true)
                << number << " frame " << i;
        }
        fx().KeepFrames(false);
    }
}

TEST_F(Effects, StretchRowsStartsBlackAndStretchesOneRowPerStep) {
    // Row 480 of a 480-row box lies outside it and reads black: the first step is all black.
    Prepare(16, 480);
    fx().KeepFrames(true);
    const Surface before = form_.image;
    Play(14);
    ASSERT_EQ(fx().Frames().size(), 11u);
    EXPECT_EQ(fx().Frames()[0] == Surface(16, 480, 0), true);
    for (int n = 9; n >= 1; --n) {
        const Surface& f = fx().Frames()[static_cast<std::size_t>(10 - n)];
        bool ok = true;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 16; ++x) ok &= f.At(x, y) == before.At(x, y < 48 * n ? 48 * n : y);
        EXPECT_TRUE(ok) << "step " << n;
    }
    EXPECT_EQ(fx().Frames()[10] == before, true);

    // On a taller surface row 480 is the box's own grey background.
    Prepare(16, 500);
    fx().KeepFrames(true);
    const Surface tall = form_.image;
    Play(14);
    const Surface& f0 = fx().Frames()[0];
    EXPECT_EQ(f0.At(5, 0), effects::PictureBox::kDefaultBackColor);
    EXPECT_EQ(f0.At(5, 479), effects::PictureBox::kDefaultBackColor);
    EXPECT_EQ(f0.At(5, 480), tall.At(5, 480));
}

TEST_F(Effects, MosaicBlocksGrowFromOneToTenPixels) {
    Prepare(640, 480);
    fx().KeepFrames(true);
    const Surface before = form_.image;
    Play(15);
    ASSERT_EQ(fx().Frames().size(), 11u);
    EXPECT_EQ(fx().Frames()[0] == before, true) << "block size 1";
    const Surface& last = fx().Frames()[9];  // n = 1: blocks of 10
    bool blocks = true;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) blocks &= last.At(x, y) == before.At(x / 10 * 10 + 5, y / 10 * 10 + 5);
    EXPECT_TRUE(blocks);
    const Surface& half = fx().Frames()[5];  // n = 5: blocks of 2
    EXPECT_EQ(half.At(0, 0), half.At(1, 1));
    EXPECT_NE(half.At(0, 0), half.At(2, 0));
    EXPECT_EQ(fx().Frames()[10] == Surface(640, 480, 0), true);
}

TEST_F(Effects, ZoomsShrinkIntoABlackFrameOrGrowOutOfTheScreen) {
    Prepare(640, 480);
    form_.image.Fill(0xFFFFFF);
    fx().KeepFrames(true);
    Play(11);
    ASSERT_EQ(fx().Frames().size(), 32u);
    const Surface& s1 = fx().Frames()[1];
    EXPECT_EQ(s1.At(0, 0), 0u);
    EXPECT_EQ(s1.At(18, 240), 0u);
    EXPECT_EQ(s1.At(19, 240), 0xFFFFFFu);
    EXPECT_EQ(s1.At(320, 240), 0xFFFFFFu);
    // The frame grows from step to step.
    EXPECT_EQ(fx().Frames()[2].At(30, 240), 0u);
    EXPECT_EQ(fx().Frames()[31] == Surface(640, 480, 0), true);

    Prepare(640, 480);
    platform::Raster_FillBox(form_.image, 300, 220, 339, 259, 0x0000FF);  // a red square in the middle
    fx().KeepFrames(true);
    Play(12);
    const Surface& z1 = fx().Frames()[1];
    // Destination column X reads source column floor((2 (X + 20) + 1) x 640 / 1360).
    EXPECT_EQ(z1.At(299, 240), 0x0000FFu) << "the square grows";
    EXPECT_EQ(z1.At(320, 240), 0x0000FFu);
    EXPECT_EQ(z1.At(298, 240), Picture(640, 480).At(299, 240));
    EXPECT_EQ(z1.At(0, 0), Picture(640, 480).At(19, 18));
    EXPECT_EQ(fx().Frames()[31] == Surface(640, 480, 0), true);
}

TEST_F(Effects, BlockTransfersCoverTheFixedScreenButInversionsTheWholeSurface) {
    // On a surface larger than 640 x 480 the copies, masks and fills stop at 640 x 480; the
    // inversion covers everything.
    Prepare(700, 500);
    const Surface before = form_.image;
    Play(17);
    for (int y = 0; y < 500; y += 7)
        for (int x = 0; x < 700; x += 7) {
            const Colour want = (x < 640 && y < 480) ? (before.At(x, y) & 0x010101) : before.At(x, y);
            ASSERT_EQ(form_.image.At(x, y), want) << x << "," << y;
        }
    Prepare(700, 500);
    Play(9);
    for (int y = 0; y < 500; y += 7)
        for (int x = 0; x < 700; x += 7) ASSERT_EQ(form_.image.At(x, y), ~before.At(x, y) & 0xFFFFFF) << x << "," << y;
}

TEST_F(Effects, InvertFlashHoldsTheInversionThenRestores) {
    fx().KeepFrames(true);
    const Surface before = form_.image;
    Play(10);
    const Surface inverted = Map(before, [](Colour c) { return ~c & 0xFFFFFF; });
    ASSERT_EQ(fx().Frames().size(), 12u);
    for (std::size_t i = 0; i < 11; ++i) EXPECT_EQ(fx().Frames()[i] == inverted, true) << i;
    EXPECT_EQ(fx().Frames()[11] == before, true);
}

TEST_F(Effects, IrisAndBandsClosePictureByPicture) {
    // The bands of 7 grow from the edges: after the first step only the top 2 and bottom 2 rows
    // (a pen of W - 6 x 10 + 1 = 5 at W = 64, k = 11) are black.
    fx().KeepFrames(true);
    const Surface before = form_.image;
    Play(7);
    const Surface& f0 = fx().Frames()[0];
    for (int y = 0; y < 48; ++y) {
        const bool black = y <= 2 || y >= 46;
        EXPECT_EQ(f0.At(10, y) == 0, black) << y;
        if (!black) {
            EXPECT_EQ(f0.At(10, y), before.At(10, y));
        }
    }
    // The iris closes from outside: halfway through the centre still shows the picture.
    Prepare(640, 480);
    fx().KeepFrames(true);
    const Surface big = form_.image;
    Play(3);
    const Surface& mid = fx().Frames()[30];  // b = 15: rings from 12 x 14 - 2 outwards
    EXPECT_EQ(mid.At(320, 240), big.At(320, 240));
    EXPECT_EQ(mid.At(320 + 166, 240), 0xFFFFFFu);
    EXPECT_EQ(mid.At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(mid.At(320 + 165, 240), big.At(320 + 165, 240));
}

}  // namespace
