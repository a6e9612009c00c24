// Files of assets/ embedded into the program at build time.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

struct AssetView {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    bool Found() const { return data != nullptr; }
};

// The embedded file of that name (for example "banner.bmp"); not found when absent.
AssetView Asset_Find(std::string_view name);

}  // namespace platform
