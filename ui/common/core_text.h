// The core's texts, UTF-8 bytes, as Qt strings: the one conversion every
// window uses for captions, results and messages that come from the core.
#pragma once

#include <QString>
#include <string_view>

namespace tarnwick::ui {

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tarnwick::ui
