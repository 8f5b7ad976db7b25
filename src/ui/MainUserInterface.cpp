#include "MainUserInterface.h"

#include "PublishToSiteDialog.h"

#include "AboutUnit.h"
#include "CustomizeDialog.h"
#include "DialogPlacement.h"
#include "FileDialogs.h"
#include "FindField.h"
#include "FoldersScanResultUnit.h"
#include "ImportReviewUnit.h"
#include "MainUnitInternal.h"
#include "MainWidgets.h"
#include "MessageBoxButtons.h"
#include "PreviewWebPage.h"
#include "ScriptWarningsUnit.h"
#include "ShownText.h"
#include "StyleTemplateUnit.h"
#include "base/RecordText.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>

namespace tarvex {

using namespace mainunit_internal;

TMainUserInterface::TMainUserInterface(QMainWindow& window, TMainWidgets& widgets)
    : m_window(window), m_widgets(widgets) {}

void TMainUserInterface::CreateSecondaryForms() {
    if (!m_widgets.AboutForm) {
        m_widgets.AboutForm = new TAboutForm(&m_window);
    }
    if (!m_widgets.StyleTemplateForm) {
        m_widgets.StyleTemplateForm = new TStyleTemplateForm(&m_window);
    }
    if (!m_widgets.FoldersScanResultForm) {
        m_widgets.FoldersScanResultForm = new TFoldersScanResultForm(&m_window);
    }
}

QWidget* TMainUserInterface::DialogParent() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : &m_window;
}

TMsgResult TMainUserInterface::ShowMessageBox(const TUiText& text, const TUiText& caption, TMsgIcon icon,
                                              TMsgButtons buttons) {
    QMessageBox box(DialogParent());
    SetFixedDialogFrame(&box);
    box.setWindowTitle(ShownVisible(caption));
    box.setText(ShownVisible(text));
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

std::optional<std::string> TMainUserInterface::InputQuery(const TUiText& caption, const TUiText& prompt,
                                                          const std::string& initialText) {
    QInputDialog dialog(DialogParent());
    dialog.setObjectName(QStringLiteral("InputQuery"));
    dialog.setWindowTitle(ShownVisible(caption));
    dialog.setLabelText(ShownVisible(prompt));
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

std::optional<std::string> TMainUserInterface::OpenFileDialog(const TFileDialogRequest& request) {
    return RunFileDialog(DialogParent(), request, false);
}

std::optional<std::string> TMainUserInterface::SaveFileDialog(const TFileDialogRequest& request) {
    return RunFileDialog(DialogParent(), request, true);
}

std::optional<std::string> TMainUserInterface::ChooseFolder(const TUiText& caption,
                                                            const std::string& initialFolder) {
    return RunFolderDialog(DialogParent(), ShownVisible(caption), initialFolder);
}

std::optional<TMenuOutput> TMainUserInterface::ChoosePublishOutput(TMenuOutput suggested) {
    return RunPublishOutputDialog(DialogParent(), suggested);
}

void TMainUserInterface::ShowPublishToSite(TSitePublisher& publisher) {
    TPublishToSiteDialog dialog(publisher, DialogParent());
    CentreOverParent(&dialog);
    dialog.exec();
}

std::optional<uint32_t> TMainUserInterface::ChooseColor() {
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

uint32_t TMainUserInterface::SystemColor(uint32_t index) {
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

std::optional<int> TMainUserInterface::ChooseFavoriteStyle(const std::vector<TStyleTemplateEntry>& entries) {
    CreateSecondaryForms();
    return m_widgets.StyleTemplateForm->Execute(entries);
}

std::optional<int> TMainUserInterface::ReviewImport(const TUiText& caption,
                                                    std::vector<TImportChoice>& choices) {
    TImportReviewForm review(&m_window);
    return review.Execute(Shown(caption), choices);
}

TFolderDialogResult TMainUserInterface::ChooseFavoritesFolder(const TFavoriteEntry* root) {
    CreateSecondaryForms();
    m_widgets.FoldersScanResultForm->Fill(root);
    TFolderDialogResult result;
    if (!m_widgets.FoldersScanResultForm->Execute()) {
        return result;
    }
    result.Entry = m_widgets.FoldersScanResultForm->SelectedEntry();
    result.Outcome = result.Entry ? TFolderDialogResult::TOutcome::OkSelected
                                  : TFolderDialogResult::TOutcome::OkWithoutSelection;
    return result;
}

void TMainUserInterface::Navigate(QWebEngineView* view, const std::string& path) {
    const QUrl url = view == m_widgets.PreviewWebBrowser ? m_widgets.PreviewPage->UrlOfFile(Text(path))
                                                         : QUrl::fromLocalFile(Text(path));
    if (view->url() == url) {
        // The same page again: its scripts were rewritten, so nothing may come from a cache.
        view->page()->triggerAction(QWebEnginePage::ReloadAndBypassCache);
    } else {
        view->load(url);
    }
}

void TMainUserInterface::NavigatePreview(const std::string& path) {
    const QUrl url = m_widgets.PreviewPage->UrlOfFile(Text(path));
    m_widgets.PreviewPage->AllowPage(url);
    const bool samePage = m_widgets.PreviewWebBrowser->url() == url;
    // A refresh while the last one still loads keeps the position taken before that one: the
    // half-loaded page is at its top.
    if (!samePage) {
        m_previewScroll = QPointF();
    } else if (!m_previewLoading) {
        m_previewScroll = m_widgets.PreviewWebBrowser->page()->scrollPosition();
    }
    m_previewLoading = true;
    Navigate(m_widgets.PreviewWebBrowser, path);
}

void TMainUserInterface::ShowQuickHelpPage(const std::string& path) {
    Navigate(m_widgets.HelpBrowser, path);
}

void TMainUserInterface::OpenWebAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(Text(address)));
}

void TMainUserInterface::ShowChecks(const std::vector<TCheckFinding>& findings) {
    m_widgets.ScriptWarningsForm->SetFindings(findings);
    QPushButton* button = m_widgets.ScriptWarningsButton;
    button->setText(
        QCoreApplication::translate("tarvex::TMainUserInterface", "Checks: %1").arg(findings.size()));
    const bool errors = CountErrors(findings) > 0;
    button->setIcon(
        button->style()->standardIcon(errors ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning));
    button->setVisible(!findings.empty());
    if (findings.empty()) {
        m_widgets.ScriptWarningsForm->hide();
    }
}

bool TMainUserInterface::ConfirmReplaceFile(const std::string& path) {
    // Asked while the busy cursor is up; the question needs the ordinary pointer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
    QMessageBox box(QMessageBox::Question,
                    QCoreApplication::translate("tarvex::TMainUserInterface", "Confirm File Replace"),
                    QCoreApplication::translate(
                        "tarvex::TMainUserInterface",
                        "This folder already contains a file named \"%1\".\n\nWould you like to replace "
                        "the existing file?")
                        .arg(ShownText(QStringToUtf8(QFileInfo(Text(path)).fileName()))),
                    QMessageBox::NoButton, DialogParent());
    SetFixedDialogFrame(&box);
    QPushButton* yes = box.addButton(QCoreApplication::translate("tarvex::TMainUserInterface", "&Yes"),
                                     QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(QCoreApplication::translate("tarvex::TMainUserInterface", "&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    return box.clickedButton() == yes;
}

void TMainUserInterface::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else if (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}

void TMainUserInterface::ReportError(const TUiText& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvane Tarvex"), ShownVisible(text),
                    QMessageBox::Ok, DialogParent());
    SetFixedDialogFrame(&box);
    box.exec();
}

void TMainUserInterface::CloseMainWindow() {
    // After the command that asked for it has returned, like any other close request.
    QTimer::singleShot(0, &m_window, &QWidget::close);
}

TCustomizeDialog& TMainUserInterface::CustomizeDialog() {
    if (!m_widgets.CustomizeDialog) {
        m_widgets.CustomizeDialog =
            new TCustomizeDialog(m_widgets.Actions, {m_widgets.FileToolBar, m_widgets.CommandsToolBar},
                                 m_window.menuBar(), &m_window);
    }
    return *m_widgets.CustomizeDialog;
}

void TMainUserInterface::ShowCustomizeDialog() {
    CustomizeDialog();
    m_widgets.CustomizeDialog->show();
    m_widgets.CustomizeDialog->raise();
    m_widgets.CustomizeDialog->activateWindow();
}

void TMainUserInterface::ShowAboutBox() {
    CreateSecondaryForms();
    m_widgets.AboutForm->exec();
}

void TMainUserInterface::FollowPreviewLoads() {
    // A refresh of the same page comes back to where the person had scrolled it.
    QWebEngineView* preview = m_widgets.PreviewWebBrowser;
    connect(preview, &QWebEngineView::loadFinished, this, [this, preview](bool ok) {
        m_previewLoading = false;
        if (ok && !m_previewScroll.isNull()) {
            preview->page()->runJavaScript(
                QStringLiteral("window.scrollTo(%1, %2)").arg(m_previewScroll.x()).arg(m_previewScroll.y()));
        }
        m_previewScroll = QPointF();
    });
}

namespace {

// Tarvex windows hand each other the project bytes as written; other programs get the text.
const QString ProjectMimeType = QStringLiteral("application/x-tarvex-project");

} // namespace

void TMainUserInterface::SetClipboardProject(const std::string& projectText) {
    auto* data = new QMimeData;
    data->setData(ProjectMimeType, QByteArray::fromStdString(projectText));
    const std::string text = IsValidUtf8(projectText) ? projectText : Windows1252ToUtf8(projectText);
    data->setText(QString::fromStdString(text));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool TMainUserInterface::ClipboardOffersProject() {
    // The offered types come without the data: another program's copy stays where it is.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(ProjectMimeType);
}

TUserInterface::TClipboardText TMainUserInterface::ClipboardProject(std::uint64_t ceiling) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(ProjectMimeType)) {
        return {};
    }
    // The system hands the data over whole before its size is known; above the ceiling it is
    // let go at once, before any copy or parse of it.
    QByteArray bytes = data->data(ProjectMimeType);
    if (static_cast<std::uint64_t>(bytes.size()) > ceiling) {
        return {std::nullopt, true};
    }
    return {bytes.toStdString(), false};
}

void TMainUserInterface::ShowFindField(const std::string& text) {
    TFindField* find = m_widgets.FindField;
    if (find->isHidden()) {
        find->setText(QString::fromStdString(text));
        find->show();
    }
    find->setFocus();
    find->selectAll();
}

} // namespace tarvex
