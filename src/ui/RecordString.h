#pragma once
// The one place where the program's UTF-8 strings meet Qt's QString.

#include <QString>
#include <string>
#include <string_view>

namespace tarvex {

inline QString Utf8ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string QStringToUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace tarvex
