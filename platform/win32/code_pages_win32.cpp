// The converters of Windows itself; they take no empty text.
#include "platform/code_pages.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"

namespace platform {

namespace {

std::wstring wideOf(std::string_view bytes, UINT codePage) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

std::string bytesOf(std::wstring_view wide, UINT codePage, const char* defaultChar) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, defaultChar, nullptr);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, defaultChar,
                            nullptr);
    return bytes;
}

}  // namespace

namespace win32 {

std::wstring wideFromUtf8(std::string_view utf8) { return wideOf(utf8, CP_UTF8); }

std::string utf8FromWide(std::wstring_view wide) { return bytesOf(wide, CP_UTF8, nullptr); }

std::wstring wideFromAnsi(std::string_view ansi) { return wideOf(ansi, CP_ACP); }

}  // namespace win32

// A system whose ANSI code page is UTF-8 ("Use Unicode UTF-8 for worldwide
// language support") holds every character, and Windows refuses a default
// character for it: the conversion would give nothing at all.
std::string utf8ToAnsi(const std::string& utf8) {
    const char* defaultChar = GetACP() == CP_UTF8 ? nullptr : "?";
    return bytesOf(wideOf(utf8, CP_UTF8), CP_ACP, defaultChar);
}

std::string ansiToUtf8(const std::string& ansi) {
    return bytesOf(wideOf(ansi, CP_ACP), CP_UTF8, nullptr);
}

std::optional<std::string> codePageToUtf8(std::string_view bytes, unsigned codePage) {
    if (!IsValidCodePage(codePage)) return std::nullopt;
    return bytesOf(wideOf(bytes, codePage), CP_UTF8, nullptr);
}

}  // namespace platform
