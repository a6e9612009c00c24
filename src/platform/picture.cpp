#include "platform/picture.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include "common/paths.h"
#include "common/vb_error.h"
#include "platform/assets.h"

namespace platform {
namespace {

[[noreturn]] void Fail(int number, std::string_view name) {
    vb::Raise(number, vb::Error_Description(number) + "「" + std::string(name) + "」");
}

// Reads the picture from the stream (closes it). Icons keep their coverage.
bool Decode(SDL_RWops* rw, Picture& out) {
    if (rw == nullptr) return false;
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
