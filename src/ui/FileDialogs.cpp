#include "FileDialogs.h"

#include "MainUnitInternal.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tarvex {

using namespace mainunit_internal;

QStringList QtFileFilters(const std::string& filter) {
    const QStringList parts = Text(filter).split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            // "*.*" means every file, those without an extension too; Qt would read it literally.
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        result << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty()) {
        result << parts.back();
    }
    return result;
}

std::optional<std::string> RunFileDialog(QWidget* parent, const TFileDialogRequest& request, bool save) {
    QFileDialog dialog(parent);
    dialog.setObjectName(Text(request.DialogName));
#ifndef _WIN32
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
#endif
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialogs do not insist on an existing file either: a name typed in is handed back,
    // and the command that reads it reports a file it cannot read.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The list shows the descriptions as given; the patterns work behind them.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filters = QtFileFilters(request.Filter);
    dialog.setNameFilters(filters);
    if (request.FilterIndex < static_cast<std::size_t>(filters.size())) {
        dialog.selectNameFilter(filters[static_cast<qsizetype>(request.FilterIndex)]);
    }
    dialog.setDefaultSuffix(Text(request.DefaultExt));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.OverwritePrompt);
    dialog.setSizeGripEnabled(request.Resizable);
    if (!request.Title.empty()) {
        dialog.setWindowTitle(Text(request.Title));
    }
    if (!request.InitialName.empty()) {
        const QFileInfo initial(Text(request.InitialName));
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().front();
    // A folder is no file to read or write; the dialog hands one back only when no name was given.
    if (QFileInfo(chosen).isDir()) {
        return std::nullopt;
    }
    return QStringToUtf8(QDir::toNativeSeparators(chosen));
}

std::optional<std::string> RunFolderDialog(QWidget* parent, const std::string& caption,
                                           const std::string& initialFolder) {
    QFileDialog dialog(parent, Text(caption), Text(initialFolder));
    dialog.setObjectName(QStringLiteral("SiteFolderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QStringToUtf8(QDir::toNativeSeparators(dialog.selectedFiles().front()));
}

} // namespace tarvex
