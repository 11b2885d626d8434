// Text(): texts passed from the engine to Qt: the engine's texts are UTF-8, and so are
// the literals of the windows' captions and names.
#pragma once

#include <QString>

#include <string_view>

inline QString Text(const char* text) {
    return QString::fromUtf8(text);
}

inline QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
