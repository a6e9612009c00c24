#include "platform/font.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace platform {
namespace {

constexpr int kMinPixels = 1;
constexpr int kMaxPixels = 960;

struct FontState {
    bool pathKnown = false;
    std::string path;
    bool ttfReady = false;
    bool ttfFailed = false;
    bool openFailedSaid = false;
    std::map<int, std::unique_ptr<Font>> fonts;
    std::map<int, bool> failedSizes;
};

FontState& State() {
    static FontState s;
    return s;
}

// Characters a face must hold to be taken for Japanese text.
bool HoldsJapanese(FcPattern* font) {
    FcCharSet* cs = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &cs) != FcResultMatch || cs == nullptr) return false;
    for (FcChar32 ch : {0x3042u /* あ */, 0x30A2u /* ア */, 0x6F22u /* 漢 */, 0xFF21u /* Ａ */}) {
        if (!FcCharSetHasChar(cs, ch)) return false;
    }
    return true;
}

std::string FileOf(FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || file == nullptr) return {};
    return reinterpret_cast<const char*>(file);
}

// fontconfig's best match for the pattern; "japanese" says whether it holds Japanese characters.
std::string Match(const char* family, bool& japanese, bool inJapanese = true) {
    japanese = false;
    FcPattern* pat = FcPatternCreate();
    if (pat == nullptr) return {};
    if (family != nullptr) FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    if (inJapanese) FcPatternAddString(pat, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* font = FcFontMatch(nullptr, pat, &result);
    std::string path;
    if (font != nullptr) {
        path = FileOf(font);
        japanese = HoldsJapanese(font);
        FcPatternDestroy(font);
    }
    FcPatternDestroy(pat);
    return path;
}

std::string FindFaceWithFontconfig();

// fontconfig is only needed for this one question: release all it holds afterwards.
std::string FindFace() {
    std::string path = FindFaceWithFontconfig();
    FcFini();
    return path;
}

std::string FindFaceWithFontconfig() {
    if (!FcInit()) {
        std::fprintf(stderr, "zove: fontconfig could not be started; texts are not drawn\n");
        return {};
    }
    std::string fallback;
    for (const char* family : {kGameFontFace, "MS Gothic", "monospace", static_cast<const char*>(nullptr)}) {
        bool japanese = false;
        std::string path = Match(family, japanese);
        if (japanese) return path;
        if (fallback.empty()) fallback = path;
    }
    // Without Japanese faces, a fixed-pitch face comes nearest to the gothic one.
    bool unused = false;
    const std::string mono = Match("monospace", unused, false);
    if (!mono.empty()) fallback = mono;
    if (fallback.empty()) {
        std::fprintf(stderr, "zove: no font found through fontconfig; texts are not drawn\n");
    } else {
        std::fprintf(stderr,
                     "zove: no font with Japanese characters found (install fonts-ipafont-gothic); "
                     "using %s, Japanese characters will not show\n",
                     fallback.c_str());
    }
    return fallback;
}

bool EnsureTtf() {
    FontState& s = State();
    if (s.ttfReady) return true;
    if (s.ttfFailed) return false;
    if (TTF_Init() != 0) {
        s.ttfFailed = true;
        std::fprintf(stderr, "zove: the font library could not be started (%s); texts are not drawn\n",
                     TTF_GetError());
        return false;
    }
    s.ttfReady = true;
    return true;
}

void CloseFonts() {
    FontState& s = State();
    s.fonts.clear();
    s.failedSizes.clear();
    s.openFailedSaid = false;
}

}  // namespace

int Font_PixelSize(double points) {
    if (!std::isfinite(points)) return kMinPixels;
    const double px = std::nearbyint(points * 96.0 / 72.0);  // default rounding: half to even
    if (px < kMinPixels) return kMinPixels;
    if (px > kMaxPixels) return kMaxPixels;
    return static_cast<int>(px);
}

Font::Font(TTF_Font* font, int pixelSize) : font_(font), pixelSize_(pixelSize) {
    // Fixed advances, no kerning: the layout places every glyph by its own advance.
    TTF_SetFontKerning(font_, 0);
    lineHeight_ = std::max(1, TTF_FontHeight(font_));
    ascent_ = TTF_FontAscent(font_);
}

Font::~Font() { TTF_CloseFont(font_); }

int Font::Advance(char32_t ch) const { return GlyphOf(ch).advance; }

const Glyph& Font::GlyphOf(char32_t ch) const {
    auto it = glyphs_.find(ch);
    if (it != glyphs_.end()) return it->second;
    Glyph g;
    // SDL_ttf takes 32-bit code points; characters beyond that plane's range are not in the face.
    const Uint32 cp = static_cast<Uint32>(ch);
    int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
    if (TTF_GlyphMetrics32(font_, cp, &minx, &maxx, &miny, &maxy, &advance) == 0) {
        g.advance = std::max(0, advance);
        SDL_Surface* rendered = TTF_RenderGlyph32_Blended(font_, cp, SDL_Color{255, 255, 255, 255});
        if (rendered != nullptr) {
            SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
            SDL_FreeSurface(rendered);
            if (argb != nullptr) {
                g.width = argb->w;
                g.height = argb->h;
                // The rendered image starts left of the pen when the glyph reaches left of it,
                // and above the line when it rises above the ascent.
                g.offsetX = std::min(0, minx);
                g.offsetY = std::min(0, ascent_ - maxy);
                g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
                SDL_LockSurface(argb);
                for (int y = 0; y < g.height; ++y) {
                    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) +
                                                                      static_cast<std::ptrdiff_t>(y) * argb->pitch);
                    for (int x = 0; x < g.width; ++x) {
                        g.coverage[static_cast<std::size_t>(y) * g.width + x] = static_cast<std::uint8_t>(row[x] >> 24);
                    }
                }
                SDL_UnlockSurface(argb);
                SDL_FreeSurface(argb);
            }
        }
    }
    return glyphs_.emplace(ch, std::move(g)).first->second;
}

const std::string& Font_FacePath() {
    FontState& s = State();
    if (!s.pathKnown) {
        s.path = FindFace();
        s.pathKnown = true;
    }
    return s.path;
}

void Font_SetFacePath(const std::string& nativePath) {
    CloseFonts();
    FontState& s = State();
    s.path = nativePath;
    s.pathKnown = !nativePath.empty();
}

const Font* Font_Get(int pixelSize) {
    pixelSize = std::clamp(pixelSize, kMinPixels, kMaxPixels);
    FontState& s = State();
    auto it = s.fonts.find(pixelSize);
    if (it != s.fonts.end()) return it->second.get();
    if (s.failedSizes.count(pixelSize) != 0) return nullptr;
    const std::string& path = Font_FacePath();
    TTF_Font* f = nullptr;
    if (!path.empty() && EnsureTtf()) {
        f = TTF_OpenFont(path.c_str(), pixelSize);
        if (f == nullptr && !s.openFailedSaid) {
            s.openFailedSaid = true;
            std::fprintf(stderr, "zove: the font %s could not be opened (%s); texts are not drawn\n", path.c_str(),
                         TTF_GetError());
        }
    }
    if (f == nullptr) {
        s.failedSizes[pixelSize] = true;
        return nullptr;
    }
    auto font = std::make_unique<Font>(f, pixelSize);
    const Font* out = font.get();
    s.fonts.emplace(pixelSize, std::move(font));
    return out;
}

void Font_Shutdown() {
    CloseFonts();
    FontState& s = State();
    if (s.ttfReady) {
        TTF_Quit();
        s.ttfReady = false;
    }
}

}  // namespace platform
