#include "platform/picture.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cctype>
#include <cstdlib>
#include <string>

#include "common/paths.h"
#include "common/vb_error.h"
#include "platform/assets.h"

namespace platform {
namespace {

[[noreturn]] void Fail(int number, std::string_view name) {
    vb::Raise(number, vb::Error_Description(number) + "「" + std::string(name) + "」");
}

std::uint32_t Be(std::string_view d, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | static_cast<std::uint8_t>(d[at + static_cast<std::size_t>(i)]);
    return v;
}
std::uint32_t Le(std::string_view d, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n; i-- > 0;) v = (v << 8) | static_cast<std::uint8_t>(d[at + static_cast<std::size_t>(i)]);
    return v;
}

bool SizeOk(std::uint64_t w, std::uint64_t h) {
    return w <= kPictureMaxSide && h <= kPictureMaxSide && w * h <= kPictureMaxPixels;
}

// JPEG: the frame header (SOF0 to SOF15 but DHT, JPG and DAC) after the segments before it.
bool JpegSizeOk(std::string_view d) {
    std::size_t p = 2;
    while (p + 4 <= d.size()) {
        if (static_cast<std::uint8_t>(d[p]) != 0xFF) return true;  // not a marker: leave it to the decoder
        const std::uint32_t marker = static_cast<std::uint8_t>(d[p + 1]);
        if (marker == 0xFF) {
            ++p;  // fill byte
            continue;
        }
        const std::uint32_t len = Be(d, p + 2, 2);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            if (p + 9 > d.size()) return true;
            return SizeOk(Be(d, p + 7, 2), Be(d, p + 5, 2));
        }
        if (len < 2) return true;
        p += 2 + len;
    }
    return true;
}

// PNM (P1 to P6): width and height are the first two numbers after the magic, comments skipped.
bool PnmSizeOk(std::string_view d) {
    std::size_t p = 2;
    std::uint64_t dims[2] = {0, 0};
    for (std::uint64_t& v : dims) {
        for (;;) {
            while (p < d.size() && std::isspace(static_cast<unsigned char>(d[p])) != 0) ++p;
            if (p < d.size() && d[p] == '#') {
                while (p < d.size() && d[p] != '\n' && d[p] != '\r') ++p;
                continue;
            }
            break;
        }
        if (p >= d.size() || d[p] < '0' || d[p] > '9') return true;
        while (p < d.size() && d[p] >= '0' && d[p] <= '9') {
            v = v * 10 + static_cast<std::uint64_t>(d[p] - '0');
            if (v > kPictureMaxPixels) return false;
            ++p;
        }
    }
    return SizeOk(dims[0], dims[1]);
}

// Reads the picture from the stream (closes it). Icons keep their coverage.
bool Decode(SDL_RWops* rw, Picture& out) {
    if (rw == nullptr) return false;
    {
        // The other formats say their size in the first bytes; a JPEG's frame header may stand
        // behind a block of metadata.
        const Sint64 start = SDL_RWtell(rw);
        std::string head(32, '\0');
        head.resize(SDL_RWread(rw, head.data(), 1, head.size()));
        if (head.size() == 32 && static_cast<std::uint8_t>(head[0]) == 0xFF && static_cast<std::uint8_t>(head[1]) == 0xD8) {
            head.resize(64 * 1024);
            head.resize(32 + SDL_RWread(rw, head.data() + 32, 1, head.size() - 32));
        }
        SDL_RWseek(rw, start, RW_SEEK_SET);
        if (!Picture_DeclaredSizeOk(head)) {
            SDL_RWclose(rw);
            return false;
        }
    }
    const bool icon = IMG_isICO(rw) != 0 || IMG_isCUR(rw) != 0;
    SDL_Surface* loaded = IMG_Load_RW(rw, 1);
    if (loaded == nullptr) return false;
    // ABGR8888 is the packed word A<<24 | B<<16 | G<<8 | R: the game's 0x00BBGGRR plus alpha.
    // Palette pictures and colour keys (GIF transparency) become plain alpha on the way.
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ABGR8888, 0);
    SDL_FreeSurface(loaded);
    if (rgba == nullptr) return false;
    out.Type = icon ? kPicTypeIcon : kPicTypeBitmap;
    out.image.Resize(rgba->w, rgba->h, 0xFFFFFF);
    if (icon) out.coverage.assign(static_cast<std::size_t>(rgba->w) * rgba->h, 0);
    SDL_LockSurface(rgba);
    for (int y = 0; y < rgba->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(rgba->pixels) +
                                                          static_cast<std::ptrdiff_t>(y) * rgba->pitch);
        Colour* dst = out.image.Row(y);
        for (int x = 0; x < rgba->w; ++x) {
            const Uint32 p = row[x];
            const unsigned a = p >> 24;
            Colour c = p & 0xFFFFFF;
            if (icon) {
                out.coverage[static_cast<std::size_t>(y) * rgba->w + x] = static_cast<std::uint8_t>(a);
            } else if (a != 255) {
                // Transparent parts of a bitmap become white (see the header).
                const unsigned na = 255 - a;
                auto mix = [&](int shift) { return ((((c >> shift) & 0xFF) * a + 255 * na + 127) / 255) << shift; };
                c = mix(0) | mix(8) | mix(16);
            }
            dst[x] = c;
        }
    }
    SDL_UnlockSurface(rgba);
    SDL_FreeSurface(rgba);
    return true;
}

Surface Flatten(Picture&& p) {
    if (p.Type != kPicTypeIcon) return std::move(p.image);
    Surface& s = p.image;
    for (int y = 0; y < s.Height(); ++y) {
        Colour* row = s.Row(y);
        for (int x = 0; x < s.Width(); ++x) {
            const unsigned a = p.coverage[static_cast<std::size_t>(y) * s.Width() + x];
            const unsigned na = 255 - a;
            const Colour c = row[x];
            auto mix = [&](int shift) { return ((((c >> shift) & 0xFF) * a + 255 * na + 127) / 255) << shift; };
            row[x] = mix(0) | mix(8) | mix(16);
        }
    }
    return std::move(s);
}

}  // namespace

bool Picture_DeclaredSizeOk(std::string_view d) {
    if (d.size() >= 24 && d.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8) && d.substr(12, 4) == "IHDR") {
        return SizeOk(Be(d, 16, 4), Be(d, 20, 4));
    }
    if (d.size() >= 26 && d.substr(0, 2) == "BM") {
        if (Le(d, 14, 4) == 12) return SizeOk(Le(d, 18, 2), Le(d, 20, 2));  // the old OS/2 header
        const auto w = static_cast<std::int32_t>(Le(d, 18, 4));
        const auto h = static_cast<std::int32_t>(Le(d, 22, 4));
        // A negative height is a top-down picture.
        return SizeOk(static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(w))),
                      static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(h))));
    }
    if (d.size() >= 10 && (d.substr(0, 6) == "GIF87a" || d.substr(0, 6) == "GIF89a")) {
        return SizeOk(Le(d, 6, 2), Le(d, 8, 2));
    }
    if (d.size() >= 4 && static_cast<std::uint8_t>(d[0]) == 0xFF && static_cast<std::uint8_t>(d[1]) == 0xD8) {
        return JpegSizeOk(d);
    }
    if (d.size() >= 3 && d[0] == 'P' && d[1] >= '1' && d[1] <= '6') return PnmSizeOk(d);
    return true;
}

Picture Picture_Load(std::string_view gamePath) {
    Picture p;
    if (gamePath.empty()) return p;
    const std::string native = vb::Path_Resolve(gamePath);
    if (!vb::Path_NativeFileExists(native)) Fail(vb::kErrFileNotFound, gamePath);
    if (!Decode(SDL_RWFromFile(native.c_str(), "rb"), p)) Fail(vb::kErrInvalidPicture, gamePath);
    return p;
}

Surface Picture_LoadSurface(std::string_view gamePath) { return Flatten(Picture_Load(gamePath)); }

Surface Picture_FromMemory(const void* data, std::size_t size, std::string_view name) {
    Picture p;
    if (data == nullptr || size == 0 || size > static_cast<std::size_t>(INT32_MAX) ||
        !Decode(SDL_RWFromConstMem(data, static_cast<int>(size)), p)) {
        Fail(vb::kErrInvalidPicture, name);
    }
    return Flatten(std::move(p));
}

Surface Picture_LoadAsset(std::string_view assetName) {
    const AssetView a = Asset_Find(assetName);
    if (!a.Found()) Fail(vb::kErrFileNotFound, assetName);
    return Picture_FromMemory(a.data, a.size, assetName);
}

}  // namespace platform
