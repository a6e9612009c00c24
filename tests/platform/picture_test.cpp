// Picture files into surfaces: the formats the game's picture folder may hold, and the errors of
// missing and unreadable files.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "common/vb_error.h"
#include "platform/picture.h"
#include "support/test_support.h"

namespace platform {
namespace {

class PictureTest : public ::testing::Test {
protected:
    testing_support::TempDir dir_;

    std::string Save(SDL_Surface* s, const std::string& name, bool png) {
        std::filesystem::create_directories(dir_.File("pic"));
        const std::string path = dir_.File("pic/" + name);
        EXPECT_EQ(png ? IMG_SavePNG(s, path.c_str()) : SDL_SaveBMP(s, path.c_str()), 0) << SDL_GetError();
        SDL_FreeSurface(s);
        return path;
    }
    std::string Game(const std::string& relative) const { return dir_.Path() + "\\" + relative; }
};

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::Error& e) {
        return e.number();
    }
    return 0;
}

TEST_F(PictureTest, EightBitPaletteBmp) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 3, 2, 8, SDL_PIXELFORMAT_INDEX8);
    ASSERT_NE(s, nullptr);
    const SDL_Color colours[3] = {{255, 0, 0, 255}, {0, 128, 255, 255}, {255, 255, 255, 255}};
    SDL_SetPaletteColors(s->format->palette, colours, 0, 3);
    auto* px = static_cast<Uint8*>(s->pixels);
    px[0] = 0, px[1] = 1, px[2] = 2;
    px[s->pitch] = 2, px[s->pitch + 1] = 1, px[s->pitch + 2] = 0;
    const std::string path = Save(s, "pal8.bmp", false);
    ASSERT_EQ(testing_support::ReadBytes(path).substr(28, 1), std::string(1, '\x08'));  // 8 bits per pixel

    const Picture p = Picture_Load(Game("PIC\\Pal8.BMP"));  // as a game path: any case, backslashes
    EXPECT_EQ(p.Type, kPicTypeBitmap);
    ASSERT_EQ(p.image.Width(), 3);
    ASSERT_EQ(p.image.Height(), 2);
    EXPECT_EQ(p.image.At(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(p.image.At(1, 0), Rgb(0, 128, 255));
    EXPECT_EQ(p.image.At(2, 0), Rgb(255, 255, 255));
    EXPECT_EQ(p.image.At(0, 1), Rgb(255, 255, 255));
    EXPECT_EQ(p.image.At(2, 1), Rgb(255, 0, 0));
}

TEST_F(PictureTest, TrueColourBmpAndPngWithTransparencyOverWhite) {
    SDL_Surface* bmp = SDL_CreateRGBSurfaceWithFormat(0, 2, 1, 24, SDL_PIXELFORMAT_RGB24);
    auto* b = static_cast<Uint8*>(bmp->pixels);
    b[0] = 1, b[1] = 2, b[2] = 3, b[3] = 250, b[4] = 251, b[5] = 252;
    Save(bmp, "rgb.bmp", false);
    const Surface sb = Picture_LoadSurface(Game("pic\\rgb.bmp"));
    ASSERT_EQ(sb.Width(), 2);
    EXPECT_EQ(sb.At(0, 0), Rgb(1, 2, 3));
    EXPECT_EQ(sb.At(1, 0), Rgb(250, 251, 252));

    SDL_Surface* png = SDL_CreateRGBSurfaceWithFormat(0, 3, 1, 32, SDL_PIXELFORMAT_RGBA32);
    auto* p = static_cast<Uint8*>(png->pixels);
    const Uint8 rgba[12] = {10, 20, 30, 255, 0, 0, 0, 0, 0, 0, 0, 128};
    std::copy(rgba, rgba + 12, p);
    Save(png, "alpha.png", true);
    const Picture pp = Picture_Load(Game("pic\\alpha.png"));
    EXPECT_EQ(pp.Type, kPicTypeBitmap);
    EXPECT_EQ(pp.image.At(0, 0), Rgb(10, 20, 30));
    EXPECT_EQ(pp.image.At(1, 0), Rgb(255, 255, 255));  // transparent: white
    EXPECT_EQ(pp.image.At(2, 0), Rgb(127, 127, 127));  // half over white
}

TEST_F(PictureTest, JpegAndGif) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 16, 16, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 200, 40, 90));
    std::filesystem::create_directories(dir_.File("pic"));
    ASSERT_EQ(IMG_SaveJPG(s, dir_.File("pic/flat.jpg").c_str(), 95), 0);
    SDL_FreeSurface(s);
    const Surface j = Picture_LoadSurface(Game("pic\\flat.jpg"));
    ASSERT_EQ(j.Width(), 16);
    EXPECT_NEAR(RedOf(j.At(8, 8)), 200, 4);
    EXPECT_NEAR(GreenOf(j.At(8, 8)), 40, 4);
    EXPECT_NEAR(BlueOf(j.At(8, 8)), 90, 4);

    // 3 x 2 white GIF, red at (0, 0), blue at (2, 1).
    const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x03, 0x00, 0x02, 0x00, 0xf1, 0x02, 0x00,
                                 0xff, 0x00, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0x21,
                                 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x03,
                                 0x00, 0x02, 0x00, 0x00, 0x02, 0x03, 0x84, 0x2e, 0x51, 0x00, 0x3b};
    dir_.Write("pic/t.gif", std::string(reinterpret_cast<const char*>(gif), sizeof gif));
    const Surface g = Picture_LoadSurface(Game("pic\\t.gif"));
    ASSERT_EQ(g.Width(), 3);
    ASSERT_EQ(g.Height(), 2);
    EXPECT_EQ(g.At(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(g.At(1, 0), Rgb(255, 255, 255));
    EXPECT_EQ(g.At(2, 1), Rgb(0, 0, 255));
    // The same bytes from memory.
    EXPECT_TRUE(Picture_FromMemory(gif, sizeof gif, "t.gif") == g);
}

// A 2 x 2 icon of 32-bit pixels: red, green / blue, and one pixel left out by alpha and mask.
std::string IconBytes() {
    std::string b;
    auto u16 = [&](unsigned v) { b += static_cast<char>(v & 0xFF), b += static_cast<char>(v >> 8); };
    auto u32 = [&](unsigned v) { u16(v & 0xFFFF), u16(v >> 16); };
    u16(0), u16(1), u16(1);                                  // icon directory, one image
    b += '\x02', b += '\x02', b += '\0', b += '\0', u16(1), u16(32), u32(40 + 16 + 8), u32(22);
    u32(40), u32(2), u32(4), u16(1), u16(32), u32(0), u32(0), u32(0), u32(0), u32(0), u32(0);
    // Bottom row first, BGRA: blue, transparent / red, green.
    const unsigned char px[16] = {255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 255, 0, 255, 0, 255};
    b.append(reinterpret_cast<const char*>(px), 16);
    // AND mask, bottom row first, rows of 4 bytes: (1, 1) is left out.
    b += '\x40';
    b.append(7, '\0');
    return b;
}

TEST_F(PictureTest, IconsKeepTheirCoverage) {
    dir_.Write("pic/small.ico", IconBytes());
    const Picture p = Picture_Load(Game("pic\\small.ico"));
    ASSERT_EQ(p.Type, kPicTypeIcon);
    ASSERT_EQ(p.image.Width(), 2);
    ASSERT_EQ(p.coverage.size(), 4u);
    EXPECT_EQ(p.image.At(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(p.image.At(1, 0), Rgb(0, 255, 0));
    EXPECT_EQ(p.image.At(0, 1), Rgb(0, 0, 255));
    EXPECT_EQ(p.coverage[0], 255);
    EXPECT_EQ(p.coverage[3], 0);
    // As plain pixels the uncovered part is white.
    EXPECT_EQ(Picture_LoadSurface(Game("pic\\small.ico")).At(1, 1), Rgb(255, 255, 255));
}

TEST_F(PictureTest, MissingAndUnreadableFilesAreTheRuntimeErrors) {
    dir_.Write("pic/empty.bmp", "");
    dir_.Write("pic/text.bmp", "This is not a picture at all.\r\n");
    dir_.Write("pic/cut.bmp", std::string("BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0", 18));
    // A PNG cut off inside its header chunk.
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x10", 20);
    dir_.Write("pic/bad.png", png);
    EXPECT_EQ(ErrorOf([&] { Picture_Load(Game("pic\\nothere.bmp")); }), vb::kErrFileNotFound);
    EXPECT_EQ(ErrorOf([&] { Picture_Load(Game("nodir\\nothere.bmp")); }), vb::kErrFileNotFound);
    EXPECT_EQ(ErrorOf([&] { Picture_Load(Game("pic\\")); }), vb::kErrFileNotFound);  // a folder
    for (const char* name : {"pic\\empty.bmp", "pic\\text.bmp", "pic\\cut.bmp", "pic\\bad.png"}) {
        EXPECT_EQ(ErrorOf([&] { Picture_Load(Game(name)); }), vb::kErrInvalidPicture) << name;
    }
    EXPECT_EQ(ErrorOf([] { Picture_FromMemory("junk", 4, "junk"); }), vb::kErrInvalidPicture);
    EXPECT_EQ(ErrorOf([] { Picture_FromMemory(nullptr, 0, "none"); }), vb::kErrInvalidPicture);
    EXPECT_EQ(ErrorOf([] { Picture_LoadAsset("no-such-asset.bmp"); }), vb::kErrFileNotFound);

    // The message names the file.
    try {
        Picture_Load(Game("pic\\nothere.bmp"));
    } catch (const vb::Error& e) {
        EXPECT_NE(std::string(e.what()).find("nothere.bmp"), std::string::npos) << e.what();
        EXPECT_EQ(std::string(e.what()).rfind(vb::Error_Description(vb::kErrFileNotFound), 0), 0u);
    }
}

std::string Be32(std::uint32_t v) {
    return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                       static_cast<char>(v)};
}
std::string Le(std::uint32_t v, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += static_cast<char>(v >> (8 * i));
    return out;
}
std::string PngHead(std::uint32_t w, std::uint32_t h) {
    return std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + Be32(w) + Be32(h) + std::string("\x08\x02\0\0\0", 5);
}
std::string BmpHead(std::int32_t w, std::int32_t h) {
    return "BM" + Le(70, 4) + Le(0, 4) + Le(54, 4) + Le(40, 4) + Le(static_cast<std::uint32_t>(w), 4) +
           Le(static_cast<std::uint32_t>(h), 4) + Le(1, 2) + Le(24, 2) + std::string(24, '\0');
}
std::string JpegHead(std::uint32_t w, std::uint32_t h) {
    // SOI, an APP0 segment, then the frame header (precision 8, height, width).
    return std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20) +
           std::string("\xFF\xC0\x00\x11\x08", 5) + Be32(h).substr(2) + Be32(w).substr(2) + std::string(10, '\0');
}

TEST_F(PictureTest, HeadersDeclaringGiganticPicturesAreRefusedBeforeDecoding) {
    const struct {
        std::string head;
        bool ok;
    } cases[] = {
        {PngHead(640, 480), true},
        {PngHead(60000, 60000), false},
        {PngHead(16384, 16384), false},  // each side allowed, the whole too large
        {PngHead(16384, 100), true},
        {BmpHead(640, -480), true},
        {BmpHead(640, -60000), false},
        {BmpHead(20000, 10), false},
        {"GIF89a" + Le(640, 2) + Le(480, 2), true},
        {"GIF89a" + Le(65535, 2) + Le(65535, 2), false},
        {JpegHead(640, 480), true},
        {JpegHead(60000, 60000), false},
        {"P6\n# made by hand\n640 480\n255\n", true},
        {"P6\n60000 60000\n255\n", false},
        {"P5 99999999999999999999 1", false},
        {"not a picture", true},
        {"", true},
    };
    for (const auto& c : cases) EXPECT_EQ(Picture_DeclaredSizeOk(c.head), c.ok) << c.head.substr(0, 4);

    // Loading such a file is the unreadable-picture error, at once and without the memory.
    dir_.Write("pic/huge.png", PngHead(60000, 60000) + std::string(64, '\0'));
    dir_.Write("pic/huge.bmp", BmpHead(60000, 60000) + std::string(64, '\0'));
    dir_.Write("pic/huge.jpg", JpegHead(60000, 60000) + std::string(64, '\0'));
    for (const char* name : {"pic\\huge.png", "pic\\huge.bmp", "pic\\huge.jpg"}) {
        EXPECT_EQ(ErrorOf([&] { Picture_Load(Game(name)); }), vb::kErrInvalidPicture) << name;
    }
}

TEST_F(PictureTest, AnEmptyPathIsNoPicture) {
    const Picture p = Picture_Load("");
    EXPECT_TRUE(p.IsNothing());
    EXPECT_TRUE(p.image.Empty());
    EXPECT_TRUE(Picture_LoadSurface("").Empty());
}

}  // namespace
}  // namespace platform
