#include "FileDialogs.h"

#include "MainUnitInternal.h"
#include "ShownText.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

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
    const QStringList filters =
        QtFileFilters(QStringToUtf8(QCoreApplication::translate("Editor", request.Filter.c_str())));
    dialog.setNameFilters(filters);
    if (request.FilterIndex < static_cast<std::size_t>(filters.size())) {
        dialog.selectNameFilter(filters[static_cast<qsizetype>(request.FilterIndex)]);
    }
    dialog.setDefaultSuffix(Text(request.DefaultExt));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.OverwritePrompt);
    dialog.setSizeGripEnabled(request.Resizable);
    if (!request.Title.Empty()) {
        dialog.setWindowTitle(Shown(request.Title));
    }
    // A bare name goes into the suggested folder; with neither, the person's own folder rather
    // than wherever the program was started from.
    const QFileInfo initial(Text(request.InitialName));
    if (!request.InitialName.empty() && initial.isAbsolute()) {
        dialog.setDirectory(initial.absolutePath());
    } else {
        dialog.setDirectory(request.InitialFolder.empty() ? QDir::homePath() : Text(request.InitialFolder));
    }
    if (!request.InitialName.empty()) {
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

std::optional<std::string> RunFolderDialog(QWidget* parent, const QString& caption,
                                           const std::string& initialFolder) {
    QFileDialog dialog(parent, caption, initialFolder.empty() ? QDir::homePath() : Text(initialFolder));
    dialog.setObjectName(QStringLiteral("SiteFolderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QStringToUtf8(QDir::toNativeSeparators(dialog.selectedFiles().front()));
}

std::optional<TMenuOutput> RunPublishOutputDialog(QWidget* parent, TMenuOutput suggested) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PublishOutputDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("PublishMenuDialog", "Publish menu"));
    auto* classic = new QRadioButton(QCoreApplication::translate(
        "PublishMenuDialog",
        "&Classic files: one.js, main.js and the menu script\n(three script lines, any page)"));
    auto* module = new QRadioButton(QCoreApplication::translate(
        "PublishMenuDialog",
        "Menu &module: tarvex-menu.js and tarvex-menu.css\n(a link and a module script in the page's head)"));
    classic->setObjectName(QStringLiteral("ClassicOutput"));
    module->setObjectName(QStringLiteral("ModuleOutput"));
    (suggested == TMenuOutput::Module ? module : classic)->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(QCoreApplication::translate("PublishMenuDialog", "What will your pages load?")));
    layout->addWidget(classic);
    layout->addWidget(module);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return module->isChecked() ? TMenuOutput::Module : TMenuOutput::Classic;
}

} // namespace tarvex
