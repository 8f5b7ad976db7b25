#pragma once
// What the main window's source files share: path and text conversion, fonts, toolbar rows, panes.

#include "RecordString.h"

#include <QFile>
#include <QFontDatabase>
#include <QSplitter>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace tarvex::mainunit_internal {

inline std::filesystem::path ToPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

inline QString Text(std::string_view utf8) {
    return Utf8ToQString(utf8);
}

inline bool HasFontFamily(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// The toolbar band's rows are 30 pixels; positions are kept in the band's own coordinates.
inline constexpr int ToolBarRowHeight = 30;
inline constexpr int BandLeftOffset = 11;
inline constexpr int BandTopOffset = 2;

// Sets the first pane of a two-pane splitter to `size` and gives the rest to the second.
inline void SetFirstPaneSize(QSplitter* splitter, int size) {
    const int total = (splitter->orientation() == Qt::Vertical ? splitter->height() : splitter->width()) -
                      splitter->handleWidth();
    const int first = std::max(size, 0);
    splitter->setSizes({first, std::max(total - first, 1)});
}

inline int FirstPaneSize(const QSplitter* splitter, int fallback) {
    const QList<int> sizes = splitter->sizes();
    return !sizes.isEmpty() && sizes.front() > 0 ? sizes.front() : fallback;
}

} // namespace tarvex::mainunit_internal
