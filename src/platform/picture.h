// Picture files loaded into surfaces (BMP, also 8-bit palette ones, PNG, JPEG, GIF, and icons),
// through SDL_image. Pictures are opaque 32-bit images: where a PNG or GIF is transparent the
// picture is white, the usual transparent colour of the game's painting, so such areas stay
// transparent when painted with white as the mask colour.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"

namespace platform {

// What a loaded picture object is.
enum PictureType : int { kPicTypeNone = 0, kPicTypeBitmap = 1, kPicTypeIcon = 3 };

// A picture object: a bitmap, an icon (with the coverage of its own mask), or no picture at all
// (what loading an empty path gives).
struct Picture {
    int Type = kPicTypeNone;
    Surface image;
    // Icons only: per pixel 0 (outside the icon) .. 255 (covered), image.Width() * image.Height().
    std::vector<std::uint8_t> coverage;

    bool IsNothing() const { return Type == kPicTypeNone; }
};

// Loads the picture file at a game path (resolved with vb::Path_Resolve). An empty path gives no
// picture (Type 0) and no error. A file that does not exist raises vb::Error 53 (file not found);
// one that is not a picture that can be read raises vb::Error 481 (invalid picture); the error's
// description names the file. Icon and cursor files load as icons, every other picture as a bitmap.
Picture Picture_Load(std::string_view gamePath);

// The pixels of the picture file at a game path (icons over white). Errors as Picture_Load; an
// empty path gives an empty surface.
Surface Picture_LoadSurface(std::string_view gamePath);

// A picture held in memory (what a file would contain); error 481 when it cannot be read. The name
// only goes into the error's description.
Surface Picture_FromMemory(const void* data, std::size_t size, std::string_view name);

// An embedded file of assets/ (platform/assets.h) as a picture: error 53 when the program holds no
// such asset, 481 when it is not a readable picture.
Surface Picture_LoadAsset(std::string_view assetName);

// The largest picture that is decoded: a side of at most kPictureMaxSide pixels and at most
// kPictureMaxPixels in all. The game's pictures are screen-sized; a broken header that declares
// tens of thousands of pixels a side would make the decoder allocate gigabytes and work for a
// minute before it fails, so such a file is refused (error 481) before decoding.
inline constexpr std::uint32_t kPictureMaxSide = 16384;
inline constexpr std::uint64_t kPictureMaxPixels = 64u * 1024 * 1024;

// False when the first bytes of a PNG, BMP, GIF, JPEG or PNM file declare a picture beyond those
// limits (other formats, and headers too short to tell, pass).
bool Picture_DeclaredSizeOk(std::string_view head);

// Writes the surface as a PNG file: Surface_WritePng of platform/host.h.

}  // namespace platform
