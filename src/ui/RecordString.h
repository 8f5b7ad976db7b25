#pragma once
// The one place where the program's UTF-8 strings meet Qt's QString.

#include "base/VisibleText.h"

#include <QString>
#include <string>
#include <string_view>

namespace tarvex {

inline QString Utf8ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Text naming the design's captions, styles or files in a box, a list or a title: its direction
// controls are shown, not obeyed, so a caption cannot reorder the sentence around it.
inline QString ShownText(std::string_view utf8) {
    return Utf8ToQString(VisibleText(utf8, TShownAs::Window));
}

inline std::string QStringToUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace tarvex
