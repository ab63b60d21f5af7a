#include "platform/win32/look.h"

#include <map>
#include <tuple>

namespace platform::win32 {

namespace {

int screenDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return dotsPerInch > 0 ? dotsPerInch : 96;
    }();
    return dpi;
}

int pixelHeightOf(int points) { return -MulDiv(points, screenDpi(), 72); }

}  // namespace

int scaled(int length) { return MulDiv(length, screenDpi(), 96); }

HFONT fontFor(const Form& form, bool underline) {
    static std::map<std::tuple<std::string, int, bool>, HFONT> fonts;
    auto key = std::make_tuple(form.fontName, form.fontPoints, underline);
    auto found = fonts.find(key);
    if (found != fonts.end()) return found->second;
    HFONT font = CreateFontA(pixelHeightOf(form.fontPoints), 0, 0, 0, FW_NORMAL, FALSE,
                             underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             form.fontName.c_str());
    fonts[key] = font;
    return font;
}

COLORREF colorRefOf(Color color) {
    return color == defaultColor ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(color);
}

HBRUSH brushFor(Color color) {
    if (color == defaultColor) return GetSysColorBrush(COLOR_BTNFACE);
    static std::map<Color, HBRUSH> brushes;
    auto found = brushes.find(color);
    if (found != brushes.end()) return found->second;
    return brushes[color] = CreateSolidBrush(static_cast<COLORREF>(color));
}

}  // namespace platform::win32
