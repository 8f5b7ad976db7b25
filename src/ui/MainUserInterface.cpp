// The main window as the editor's door: message boxes, dialogs, browsers and the shell.

#include "MainUnit.h"
#include "MessageBoxButtons.h"

#include "AboutUnit.h"
#include "CustomizeDialog.h"
#include "DialogPlacement.h"
#include "EditorTreeView.h"
#include "FoldersScanResultUnit.h"
#include "ImportReviewUnit.h"
#include "MainUnitInternal.h"
#include "PreviewWebPage.h"
#include "PropertyGrid.h"
#include "RecordString.h"
#include "ScriptWarningsUnit.h"
#include "StyleTemplateUnit.h"
#include "TarvexIcons.h"
#include "TreeModel.h"
#include "ValueEditorRows.h"
#include "base/FileIo.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <limits>

namespace tarvex {

using namespace mainunit_internal;

// ---- the editor's door ----

QWidget* TTarvexForm::DialogParent() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : this;
}

TMsgResult TTarvexForm::ShowMessageBox(const std::string& text, const std::string& caption, TMsgIcon icon,
                                       TMsgButtons buttons) {
    QMessageBox box(DialogParent());
    SetFixedDialogFrame(&box);
    box.setWindowTitle(Text(caption));
    box.setText(Text(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case TMsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case TMsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case TMsgIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case TMsgIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    const TBoxButtons added = AddBoxButtons(box, buttons);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == added.Yes) {
        return TMsgResult::Yes;
    }
    if (clicked && clicked == added.No) {
        return TMsgResult::No;
    }
    if (clicked && clicked == added.Ok) {
        return TMsgResult::Ok;
    }
    // Closed without a choice.
    return buttons == TMsgButtons::Ok      ? TMsgResult::Ok
           : buttons == TMsgButtons::YesNo ? TMsgResult::No
                                           : TMsgResult::Cancel;
}

std::optional<std::string> TTarvexForm::InputQuery(const std::string& caption, const std::string& prompt,
                                                   const std::string& initialText) {
    QInputDialog dialog(DialogParent());
    dialog.setObjectName(QStringLiteral("InputQuery"));
    dialog.setWindowTitle(Text(caption));
    dialog.setLabelText(Text(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(Text(initialText));
    SetFixedDialogFrame(&dialog);
    // Wide enough for its title (drawn by the window manager beside its buttons, in a font we do
    // not know, hence the room to spare) and its prompt. The dialog sizes itself from its
    // contents, so the width goes to the text field.
    const QFontMetrics metrics(dialog.font());
    const int wanted = std::max({metrics.horizontalAdvance(dialog.windowTitle()) * 3 / 2 + 120,
                                 metrics.horizontalAdvance(dialog.labelText()), 300});
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setMinimumWidth(wanted);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return QStringToUtf8(dialog.textValue());
}

QStringList TTarvexForm::QtFileFilters(const std::string& filter) {
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

std::optional<std::string> TTarvexForm::RunFileDialog(const TFileDialogRequest& request, bool save) {
    QFileDialog dialog(DialogParent());
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
    dialog.setNameFilters(QtFileFilters(request.Filter));
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

std::optional<std::string> TTarvexForm::OpenFileDialog(const TFileDialogRequest& request) {
    return RunFileDialog(request, false);
}

std::optional<std::string> TTarvexForm::SaveFileDialog(const TFileDialogRequest& request) {
    return RunFileDialog(request, true);
}

std::optional<std::string> TTarvexForm::ChooseFolder(const std::string& caption,
                                                     const std::string& initialFolder) {
    QFileDialog dialog(DialogParent(), Text(caption), Text(initialFolder));
    dialog.setObjectName(QStringLiteral("SiteFolderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QStringToUtf8(QDir::toNativeSeparators(dialog.selectedFiles().front()));
}

std::optional<uint32_t> TTarvexForm::ChooseColor() {
    const QColor initial(static_cast<int>(m_lastColor & 0xFF), static_cast<int>((m_lastColor >> 8) & 0xFF),
                         static_cast<int>((m_lastColor >> 16) & 0xFF));
    // Qt's own dialog: its custom colours are always shown.
    QColorDialog dialog(initial, DialogParent());
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QColor chosen = dialog.selectedColor();
    m_lastColor = static_cast<uint32_t>(chosen.red()) | (static_cast<uint32_t>(chosen.green()) << 8) |
                  (static_cast<uint32_t>(chosen.blue()) << 16);
    return m_lastColor;
}

uint32_t TTarvexForm::SystemColor(uint32_t index) {
    // The system colour indices mapped onto the nearest palette roles.
    const QPalette p = QApplication::palette();
    QColor c;
    switch (index) {
    case 2:  // active caption
    case 13: // highlight
    case 27: // gradient active caption
        c = p.color(QPalette::Active, QPalette::Highlight);
        break;
    case 3:  // inactive caption
    case 28: // gradient inactive caption
        c = p.color(QPalette::Inactive, QPalette::Highlight);
        break;
    case 5: // window
        c = p.color(QPalette::Base);
        break;
    case 6:  // window frame
    case 16: // button shadow
        c = p.color(QPalette::Dark);
        break;
    case 8: // window text
    case 7: // menu text
        c = p.color(QPalette::Text);
        break;
    case 9:  // caption text
    case 14: // highlight text
        c = p.color(QPalette::HighlightedText);
        break;
    case 17: // grey text
        c = p.color(QPalette::Disabled, QPalette::Text);
        break;
    case 18: // button text
        c = p.color(QPalette::ButtonText);
        break;
    case 20: // button highlight
        c = p.color(QPalette::Light);
        break;
    case 21: // dark shadow
        c = p.color(QPalette::Shadow);
        break;
    case 22: // light
        c = p.color(QPalette::Midlight);
        break;
    case 23: // info text
        c = p.color(QPalette::ToolTipText);
        break;
    case 24: // info background
        c = p.color(QPalette::ToolTipBase);
        break;
    case 26: // hot light
        c = p.color(QPalette::Link);
        break;
    default: // scroll bar, background, menu, borders, button face and the rest
        c = p.color(QPalette::Button);
        break;
    }
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

std::optional<int> TTarvexForm::ChooseFavoriteStyle(const std::vector<TStyleTemplateEntry>& entries) {
    CreateSecondaryForms();
    return m_styleTemplateForm->Execute(entries);
}

std::optional<int> TTarvexForm::ReviewImport(const std::string& caption,
                                             std::vector<TImportChoice>& choices) {
    TImportReviewForm review(this);
    return review.Execute(Text(caption), choices);
}

TFolderDialogResult TTarvexForm::ChooseFavoritesFolder(const TFavoriteEntry* root) {
    CreateSecondaryForms();
    m_foldersScanResultForm->Fill(root);
    TFolderDialogResult result;
    if (!m_foldersScanResultForm->Execute()) {
        return result;
    }
    result.Entry = m_foldersScanResultForm->SelectedEntry();
    result.Outcome = result.Entry ? TFolderDialogResult::TOutcome::OkSelected
                                  : TFolderDialogResult::TOutcome::OkWithoutSelection;
    return result;
}

void TTarvexForm::Navigate(QWebEngineView* view, const std::string& path) {
    const QUrl url =
        view == m_previewWebBrowser ? m_previewPage->UrlOfFile(Text(path)) : QUrl::fromLocalFile(Text(path));
    if (view->url() == url) {
        // The same page again: its scripts were rewritten, so nothing may come from a cache.
        view->page()->triggerAction(QWebEnginePage::ReloadAndBypassCache);
    } else {
        view->load(url);
    }
}

void TTarvexForm::NavigatePreview(const std::string& path) {
    const QUrl url = m_previewPage->UrlOfFile(Text(path));
    m_previewPage->AllowPage(url);
    const bool samePage = m_previewWebBrowser->url() == url;
    // A refresh while the last one still loads keeps the position taken before that one: the
    // half-loaded page is at its top.
    if (!samePage) {
        m_previewScroll = QPointF();
    } else if (!m_previewLoading) {
        m_previewScroll = m_previewWebBrowser->page()->scrollPosition();
    }
    m_previewLoading = true;
    Navigate(m_previewWebBrowser, path);
}

void TTarvexForm::ShowQuickHelpPage(const std::string& path) {
    Navigate(m_helpBrowser, path);
}

void TTarvexForm::OpenWebAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(Text(address)));
}

void TTarvexForm::ShowScriptWarnings(const std::vector<std::string>& warnings) {
    QStringList texts;
    for (const std::string& warning : warnings) {
        texts << Text(warning);
    }
    m_scriptWarningsForm->SetWarnings(texts);
    m_scriptWarningsButton->setText(texts.size() == 1
                                        ? QStringLiteral("Menu script: 1 warning")
                                        : QStringLiteral("Menu script: %1 warnings").arg(texts.size()));
    m_scriptWarningsButton->setVisible(!texts.isEmpty());
    if (texts.isEmpty()) {
        m_scriptWarningsForm->hide();
    }
}

bool TTarvexForm::ConfirmReplaceFile(const std::string& path) {
    // Asked while the busy cursor is up; the question needs the ordinary pointer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Confirm File Replace"),
        QStringLiteral("This folder already contains a file named \"%1\".\n\nWould you like to replace "
                       "the existing file?")
            .arg(QFileInfo(Text(path)).fileName()),
        QMessageBox::NoButton, DialogParent());
    SetFixedDialogFrame(&box);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    return box.clickedButton() == yes;
}

void TTarvexForm::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else if (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}

void TTarvexForm::ReportError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvane Tarvex"), Text(text), QMessageBox::Ok,
                    DialogParent());
    SetFixedDialogFrame(&box);
    box.exec();
}

void TTarvexForm::CloseMainWindow() {
    // After the command that asked for it has returned, like any other close request.
    QTimer::singleShot(0, this, &QWidget::close);
}

} // namespace tarvex
