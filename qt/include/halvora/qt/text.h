// The logic's texts are UTF-8 bytes; Qt's are QStrings.
#pragma once

#include <QString>

#include <string_view>

namespace halvora::qt {

inline QString to_qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace halvora::qt
