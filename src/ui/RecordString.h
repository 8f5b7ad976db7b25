#pragma once
// The one place where record text (Windows-1252 bytes) and UTF-8 strings meet Qt's QString.

#include "model/RecordText.h"

#include <QString>
#include <string>
#include <string_view>

namespace tarvex {

inline QString RecordToQString(std::string_view recordText) {
    const std::string utf8 = RecordTextToUtf8(recordText);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string QStringToRecord(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToRecordText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// Messages, captions and paths that cross the editor's UserInterface are UTF-8 already.
inline QString Utf8ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string QStringToUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace tarvex
