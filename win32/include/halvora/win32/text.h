// The logic's texts are UTF-8; Windows' are UTF-16.
#pragma once

#include <halvora/win32/windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace halvora::win32 {

// Bytes that are not UTF-8 become U+FFFD.
std::wstring widen(std::string_view utf8);
// An unpaired surrogate becomes U+FFFD.
std::string narrow(std::wstring_view utf16);
// Nothing when the text is not valid UTF-16 (a file name may hold an unpaired
// surrogate): such a name would not survive the way back.
std::optional<std::string> narrow_exactly(std::wstring_view utf16);

// A window's or a control's own text, whole.
std::wstring window_text(HWND window);

} // namespace halvora::win32
