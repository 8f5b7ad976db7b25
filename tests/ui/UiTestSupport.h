#pragma once
// Helpers shared by the window tests: a private application folder and a driver for modal dialogs.

#include "favorites/FavoritesStore.h"
#include "model/Project.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

namespace tarvex::test {

// A copy of the built application folder (engine, pages, help) in a temporary folder, so that the
// files the program writes at close never touch the build tree. `favourites` are written as
// favorites.dat.
inline std::unique_ptr<QTemporaryDir> MakeAppFolder(const std::vector<std::string>& favourites = {
                                                        "Test Blue"}) {
    auto dir = std::make_unique<QTemporaryDir>();
    const QString source = QStringLiteral(TARVEX_APP_DIR);
    for (const QString& sub : {QStringLiteral("help"), QStringLiteral("Favorites")}) {
        QDirIterator it(source + QLatin1Char('/') + sub, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = dir->filePath(QDir(source).relativeFilePath(file));
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(file, target);
        }
    }
    QDir().mkpath(dir->filePath(QStringLiteral("help/temp")));
    QDir().mkpath(dir->filePath(QStringLiteral("help/online")));
    std::vector<TFavoriteStyleRec> records;
    for (const std::string& name : favourites) {
        TFavoriteStyleRec record;
        record.Name = name;
        FillDefaultStyle(record.Style);
        record.Style.MouseOffBackground = "336699";
        record.Style.MouseOffFont = "FFFFFF";
        records.push_back(record);
    }
    const std::string bytes = SerializeFavorites(records);
    QFile out(dir->filePath(QStringLiteral("favorites.dat")));
    out.open(QIODevice::WriteOnly);
    out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return dir;
}

// Runs `handler` on the next modal dialog that opens (within `timeoutMs`). Returns a flag that
// tells whether it ran; the handler must close the dialog.
inline std::shared_ptr<bool> OnNextModal(std::function<void(QWidget*)> handler, int timeoutMs = 60000) {
    auto ran = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    const QWidget* before = QApplication::activeModalWidget();
    QObject::connect(timer, &QTimer::timeout, [timer, handler, ran, waited, before, timeoutMs] {
        *waited += 20;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != before && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            *ran = true;
            handler(modal);
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
    return ran;
}

// The button of a dialog whose text is `text` (access-key markers included), or nullptr.
inline QAbstractButton* ButtonWithText(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        // Access key marks aside: "OK" finds "&OK".
        if (QString(button->text()).remove(QLatin1Char('&')) == QString(text).remove(QLatin1Char('&'))) {
            return button;
        }
    }
    return nullptr;
}

} // namespace tarvex::test
