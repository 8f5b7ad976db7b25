#include "ApplicationFolder.h"

#include "base/ShippedData.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tarvex {

namespace {

bool HasData(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QStringLiteral("help"))).isDir();
}

// Asking the file system is the only reliable test: permission bits lie for root and on
// read-only mounts.
bool CanWriteIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tarvex-write-test-XXXXXX")));
    return probe.open();
}

} // namespace

QString TApplicationFolder::ShippedDataFolder(const QString& executableFolder) {
    // The command-line tool looks in the same places, so both programs read the same data.
    const std::filesystem::path found =
        tarvex::ShippedDataFolder(std::filesystem::path(executableFolder.toStdU16String()));
    return found.empty() ? QString() : QDir::cleanPath(QString::fromStdU16String(found.u16string()));
}

bool TApplicationFolder::Seed(const QString& from, const QString& to) {
    bool ok = QDir().mkpath(to);
    const QDir source(from);
    // Only what ships as data: beside an executable lie the programs too, which are no user's copy.
    QStringList files;
    for (const QString& entry : DataEntries()) {
        const QString path = source.filePath(entry);
        if (QFileInfo(path).isDir()) {
            QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                files << it.next();
            }
        } else if (QFileInfo(path).isFile()) {
            files << path;
        }
    }
    for (const QString& file : files) {
        const QString relative = source.relativeFilePath(file);
        const QString target = QDir(to).filePath(relative);
        if (QFileInfo::exists(target)) {
            continue;
        }
        ok = QDir().mkpath(QFileInfo(target).absolutePath()) && ok;
        if (QFile::copy(file, target)) {
            // Shipped files may be read-only in the installation; the copies are the user's.
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
        } else {
            ok = false;
        }
    }
    return ok;
}

QStringList TApplicationFolder::DataEntries() {
    return {QStringLiteral("help"), QStringLiteral("Favorites"), QStringLiteral("favorites.dat"),
            QStringLiteral("samples")};
}

QString TApplicationFolder::Resolve(const QString& executableFolder, const QString& userFolder,
                                    QString* problem) {
    const QString folder = QDir::cleanPath(executableFolder);
    if (HasData(folder) && CanWriteIn(folder)) {
        return folder;
    }
    const QString shipped = ShippedDataFolder(folder);
    if (!shipped.isEmpty()) {
        Seed(shipped, userFolder);
        return QDir::cleanPath(userFolder);
    }
    // No data anywhere: an empty per-user folder would only hide that the installation is broken.
    if (problem) {
        *problem = QCoreApplication::translate(
                       "tarvex::TApplicationFolder",
                       "The folder %1 is missing: without it there is no menu engine, no preview "
                       "page and no help. Install Korvane Tarvex again.")
                       .arg(QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("help"))));
    }
    if (CanWriteIn(folder)) {
        return folder;
    }
    QDir().mkpath(userFolder);
    return QDir::cleanPath(userFolder);
}

QString TApplicationFolder::Resolve(const QString& executableFolder, QString* problem) {
    return Resolve(executableFolder, QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
                   problem);
}

} // namespace tarvex
