#pragma once
#include <cstdint>

namespace platform {

// A colour as Windows stores it: 0x00BBGGRR.
using Color = std::uint32_t;

constexpr Color rgb(unsigned red, unsigned green, unsigned blue) {
    return red | (green << 8) | (blue << 16);
}

// Marks a control that keeps the system's colour.
constexpr Color defaultColor = 0xFF000000u;

}  // namespace platform
