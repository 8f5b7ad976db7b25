#include "ApplicationFolder.h"

#include "model/ShippedData.h"

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
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
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

QString TApplicationFolder::Resolve(const QString& executableFolder, const QString& userFolder) {
    const QString folder = QDir::cleanPath(executableFolder);
    if (HasData(folder) && CanWriteIn(folder)) {
        return folder;
    }
    const QString shipped = ShippedDataFolder(folder);
    if (!shipped.isEmpty()) {
        Seed(shipped, userFolder);
    } else {
        QDir().mkpath(userFolder);
    }
    return QDir::cleanPath(userFolder);
}

QString TApplicationFolder::Resolve(const QString& executableFolder) {
    return Resolve(executableFolder, QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

} // namespace tarvex
