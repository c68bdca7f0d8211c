#include <halvora/win32/contained.h>
#include <halvora/win32/text.h>
#include <halvora/win32/windows.h>

#include <string>

namespace halvora::win32 {

void report_failure(const char* what, const char* why) noexcept {
    try {
        std::string line = "Halvora: ";
        line += what;
        line += " failed: ";
        line += why;
        line += "\n";
        OutputDebugStringW(widen(line).c_str());
    } catch (...) {
        OutputDebugStringW(L"Halvora: a handler failed\n");
    }
}

} // namespace halvora::win32
