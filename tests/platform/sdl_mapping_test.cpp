// The pure parts of the SDL host: where the picture lands, mouse positions mapped back, keys,
// and the length of a MIDI sequence.
#include <gtest/gtest.h>

#include <string>

#include "platform/sdl/midi_length.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/viewport.h"

namespace {

using platform::Viewport;
using platform::Viewport_Fit;
using platform::Viewport_ToPicture;

TEST(SdlViewport, WholeStepsCentredWithBars) {
    struct Case {
        int outW, outH;
        Viewport want;
    };
    const Case cases[] = {
        {640, 480, {0, 0, 640, 480}},      {1280, 960, {0, 0, 1280, 960}},
        {1920, 1080, {320, 60, 1280, 960}}, {1300, 1000, {10, 20, 1280, 960}},
        {1000, 2000, {180, 760, 640, 480}}, {2560, 1440, {320, 0, 1920, 1440}},
        {320, 480, {0, 120, 320, 240}},  // smaller than the picture: shrunk to fit
    };
    for (const Case& c : cases) {
        const Viewport v = Viewport_Fit(c.outW, c.outH, 640, 480);
        EXPECT_EQ(v.x, c.want.x) << c.outW << "x" << c.outH;
        EXPECT_EQ(v.y, c.want.y) << c.outW << "x" << c.outH;
        EXPECT_EQ(v.w, c.want.w) << c.outW << "x" << c.outH;
        EXPECT_EQ(v.h, c.want.h) << c.outW << "x" << c.outH;
    }
    EXPECT_EQ(Viewport_Fit(0, 480, 640, 480).w, 0);
    EXPECT_EQ(platform::Viewport_WindowScale(1600 - 16, 1200 - 48, 640, 480), 2);
    EXPECT_EQ(platform::Viewport_WindowScale(800, 600, 640, 480), 1);
    EXPECT_EQ(platform::Viewport_WindowScale(600, 400, 640, 480), 1);
}

TEST(SdlViewport, OutputPositionsMapBackToSurfacePixels) {
    // Full-screen 1920 x 1080: 2x picture at (320, 60).
    const Viewport v = Viewport_Fit(1920, 1080, 640, 480);
    struct Case {
        double ox, oy;
        bool inside;
        float x, y;
    };
    const Case cases[] = {
        {320, 60, true, 0, 0},        {321.9, 61.9, true, 0, 0},  {322, 62, true, 1, 1},
        {1599, 1019, true, 639, 479}, {960, 540, true, 320, 240}, {319.9, 500, false, 0, 0},
        {1600, 500, false, 0, 0},     {500, 59, false, 0, 0},     {500, 1020, false, 0, 0},
    };
    for (const Case& c : cases) {
        float x = -1, y = -1;
        EXPECT_EQ(Viewport_ToPicture(v, 640, 480, c.ox, c.oy, x, y), c.inside) << c.ox << "," << c.oy;
        if (c.inside) {
            EXPECT_EQ(x, c.x) << c.ox;
            EXPECT_EQ(y, c.y) << c.oy;
        }
    }
    // A shrunken picture maps back too: 320 x 240 shows every other pixel.
    const Viewport half = Viewport_Fit(320, 240, 640, 480);
    float x = 0, y = 0;
    ASSERT_TRUE(Viewport_ToPicture(half, 640, 480, 319.5, 239.5, x, y));
    EXPECT_EQ(x, 639);
    EXPECT_EQ(y, 479);
}

TEST(SdlKeys, VirtualKeyCodesAndShiftBits) {
    const std::pair<SDL_Keycode, int> keys[] = {
        {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_SPACE, 32}, {SDLK_ESCAPE, 27}, {SDLK_TAB, 9},
        {SDLK_F4, 115},    {SDLK_LEFT, 37},     {SDLK_UP, 38},    {SDLK_RIGHT, 39},  {SDLK_DOWN, 40},
        {SDLK_KP_1, 97},   {SDLK_KP_2, 98},     {SDLK_KP_3, 99},  {SDLK_KP_4, 100},  {SDLK_a, 65},
        {SDLK_z, 90},      {SDLK_0, 48},        {SDLK_F1, 112},   {SDLK_LALT, 18},   {SDLK_MENU, 0},
    };
    for (const auto& [sym, code] : keys) EXPECT_EQ(platform::Sdl_VirtualKey(sym), code) << SDL_GetKeyName(sym);
    EXPECT_EQ(platform::Sdl_ShiftBits(KMOD_NONE), 0);
    EXPECT_EQ(platform::Sdl_ShiftBits(KMOD_LALT), 4);
    EXPECT_EQ(platform::Sdl_ShiftBits(KMOD_RALT | KMOD_LSHIFT), 5);
    EXPECT_EQ(platform::Sdl_ShiftBits(KMOD_RCTRL | KMOD_NUM), 2);
}

// A Standard MIDI File built from raw track bodies.
std::string Smf(int division, std::initializer_list<std::string> tracks) {
    auto be = [](std::string& s, std::uint32_t v, int n) {
        for (int i = n - 1; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    std::string f = "MThd";
    be(f, 6, 4);
    be(f, tracks.size() > 1 ? 1 : 0, 2);
    be(f, static_cast<std::uint32_t>(tracks.size()), 2);
    be(f, static_cast<std::uint32_t>(division), 2);
    for (const std::string& t : tracks) {
        f += "MTrk";
        be(f, static_cast<std::uint32_t>(t.size()), 4);
        f += t;
    }
    return f;
}

std::string B(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s += static_cast<char>(b);
    return s;
}

TEST(MidiLength, SequenceEndsWithItsLastTrack) {
    using platform::Midi_SequenceLengthMs;
    // 480 ticks a quarter at the default 120 bpm: 480 ticks = 500 ms. Note on, 960 ticks, note off
    // in running status, end of track.
    const std::string oneSecond = B({0, 0x90, 60, 100, 0x87, 0x40, 60, 0, 0, 0xFF, 0x2F, 0});
    EXPECT_DOUBLE_EQ(Midi_SequenceLengthMs(Smf(480, {oneSecond})), 1000.0);

    // A trailing rest before the end of track counts: 960 + 2880 ticks.
    const std::string withRest = B({0, 0x90, 60, 100, 0x87, 0x40, 0x80, 60, 0, 0x96, 0x40, 0xFF, 0x2F, 0});
    EXPECT_DOUBLE_EQ(Midi_SequenceLengthMs(Smf(480, {withRest})), 4000.0);

    // Tempo track (60 bpm from tick 480) and a longer note track of 1440 ticks:
    // 480 ticks at 120 bpm (500 ms) + 960 ticks at 60 bpm (2000 ms).
    const std::string tempo = B({0x83, 0x60, 0xFF, 0x51, 3, 0x0F, 0x42, 0x40, 0, 0xFF, 0x2F, 0});
    const std::string notes = B({0, 0xC0, 5, 0, 0x90, 64, 90, 0x8B, 0x20, 0x80, 64, 0, 0, 0xFF, 0x2F, 0});
    EXPECT_DOUBLE_EQ(Midi_SequenceLengthMs(Smf(480, {tempo, notes})), 2500.0);

    // System exclusive and other meta events are stepped over.
    const std::string sysex = B({0, 0xF0, 3, 0x7E, 0x7F, 0xF7, 0x83, 0x60, 0xFF, 0x01, 2, 'h', 'i', 0, 0xFF, 0x2F, 0});
    EXPECT_DOUBLE_EQ(Midi_SequenceLengthMs(Smf(480, {sysex})), 500.0);

    // SMPTE: 25 frames of 40 ticks = 1000 ticks a second.
    const std::string smpte = B({0x87, 0x68, 0xFF, 0x2F, 0});  // 1000 ticks
    EXPECT_DOUBLE_EQ(Midi_SequenceLengthMs(Smf(0xE728, {smpte})), 1000.0);
}

TEST(MidiLength, BrokenOrForeignDataIsNoCrash) {
    using platform::Midi_SequenceLengthMs;
    EXPECT_EQ(Midi_SequenceLengthMs(""), -1);
    EXPECT_EQ(Midi_SequenceLengthMs("RIFF....WAVEfmt "), -1);
    EXPECT_EQ(Midi_SequenceLengthMs(std::string_view("MThd\0\0\0\6", 8)), -1);
    // A track cut in the middle of an event ends at its last whole event.
    std::string cut = Smf(480, {B({0, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x83, 0x60, 0x90})});
    EXPECT_DOUBLE_EQ(Midi_SequenceLengthMs(cut), 500.0);
    // A declared track length beyond the file.
    std::string longer = Smf(480, {B({0, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0})});
    longer[longer.size() - 10] = 0x7F;
    EXPECT_DOUBLE_EQ(Midi_SequenceLengthMs(longer), 500.0);
    // Data bytes with no status before them, and an endless variable-length number.
    EXPECT_DOUBLE_EQ(Midi_SequenceLengthMs(Smf(480, {B({0, 60, 100})})), 0.0);
    EXPECT_DOUBLE_EQ(Midi_SequenceLengthMs(Smf(480, {B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF})})), 0.0);
    // Wrapped in RIFF RMID.
    const std::string inner = Smf(480, {B({0, 0x90, 60, 100, 0x87, 0x40, 60, 0, 0, 0xFF, 0x2F, 0})});
    std::string rmid = "RIFF" + std::string(4, '\0') + "RMIDdata";
    for (int i = 0; i < 4; ++i) rmid += static_cast<char>((inner.size() >> (8 * i)) & 0xFF);
    rmid += inner;
    EXPECT_DOUBLE_EQ(Midi_SequenceLengthMs(rmid), 1000.0);
}

}  // namespace
