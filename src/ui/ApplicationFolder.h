#pragma once
// Finds the application folder: the executable's folder, or a per-user copy when that one is read-only.

#include <QString>
#include <QStringList>

namespace tarvex {

class TApplicationFolder {
public:
    // `executableFolder` holds the program. When it holds the data (help/) and may be written,
    // it is the application folder. Otherwise (an installed copy) the application folder is
    // `userFolder`, seeded with the shipped data from `executableFolder` or from
    // <executableFolder>/../share/tarvex; files already there are kept, so favourites, the
    // recent-files list and a chosen preview page survive. When there is no shipped data at all,
    // `problem` (if given) receives the message to show, and the executable's folder stays the
    // application folder if it may be written.
    static QString Resolve(const QString& executableFolder, const QString& userFolder,
                           QString* problem = nullptr);
    // Resolve() with QStandardPaths::AppLocalDataLocation as the per-user folder.
    static QString Resolve(const QString& executableFolder, QString* problem = nullptr);

    // Where the shipped data lies for an executable in `executableFolder`; empty when nowhere.
    static QString ShippedDataFolder(const QString& executableFolder);
    // Copies every data file under `from` that `to` lacks; false when something could not be copied.
    static bool Seed(const QString& from, const QString& to);
    // The shipped data beside the program, relative to its folder.
    static QStringList DataEntries();
};

} // namespace tarvex
