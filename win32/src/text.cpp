#include <halvora/win32/text.h>
#include <halvora/win32/windows.h>

#include <limits>

namespace halvora::win32 {
namespace {

// Windows counts in int; a longer text is cut there rather than wrapped.
int length_of(std::size_t size) {
    constexpr auto most = static_cast<std::size_t>(std::numeric_limits<int>::max() / 4);
    return static_cast<int>(size < most ? size : most);
}

std::optional<std::string> to_utf8(std::wstring_view utf16, DWORD flags) {
    const int length = length_of(utf16.size());
    if (length == 0) {
        return std::string{};
    }
    const int size =
        WideCharToMultiByte(CP_UTF8, flags, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return std::nullopt;
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, flags, utf16.data(), length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

} // namespace

std::wstring widen(std::string_view utf8) {
    const int length = length_of(utf8.size());
    if (length == 0) {
        return {};
    }
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring utf16(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, utf16.data(), size);
    }
    return utf16;
}

std::string narrow(std::wstring_view utf16) {
    return to_utf8(utf16, 0).value_or(std::string{});
}

std::optional<std::string> narrow_exactly(std::wstring_view utf16) {
    return to_utf8(utf16, WC_ERR_INVALID_CHARS);
}

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace halvora::win32
