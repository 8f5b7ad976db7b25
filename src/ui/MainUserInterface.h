#pragma once
// The editor's door in the window: message boxes, prompts, file and colour dialogs, the special
// dialogs, the preview and help browsers, web addresses and the shell.

#include "editor/UserInterface.h"

#include <QObject>
#include <QPointF>

class QMainWindow;
class QWebEngineView;
class QWidget;

namespace tarvex {

class TCustomizeDialog;
struct TMainWidgets;

class TMainUserInterface final : public QObject, public TUserInterface {
public:
    // Both outlive this object; the widgets are looked up when a request comes, so they may be
    // made after it.
    TMainUserInterface(QMainWindow& window, TMainWidgets& widgets);

    // The About box, the insert-favourite-style dialog and the favourites-folder dialog, in this
    // order; created once, hidden, and reused.
    void CreateSecondaryForms();
    // The colour dialog opens next on `color` (red in the lowest byte).
    void SetNextColor(uint32_t color) { m_lastColor = color; }
    // From now on a refreshed preview comes back to where it was scrolled; needs the browsers.
    void FollowPreviewLoads();

    TMsgResult ShowMessageBox(const TUiText& text, const TUiText& caption, TMsgIcon icon,
                              TMsgButtons buttons) override;
    std::optional<std::string> InputQuery(const TUiText& caption, const TUiText& prompt,
                                          const std::string& initialText) override;
    std::optional<std::string> OpenFileDialog(const TFileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const TFileDialogRequest& request) override;
    std::optional<std::string> ChooseFolder(const TUiText& caption,
                                            const std::string& initialFolder) override;
    std::optional<TMenuOutput> ChoosePublishOutput(TMenuOutput suggested) override;
    void ShowPublishToSite(TSitePublisher& publisher) override;
    std::optional<uint32_t> ChooseColor() override;
    uint32_t SystemColor(uint32_t index) override;
    std::optional<int> ChooseFavoriteStyle(const std::vector<TStyleTemplateEntry>& entries) override;
    TFolderDialogResult ChooseFavoritesFolder(const TFavoriteEntry* root) override;
    std::optional<int> ReviewImport(const TUiText& caption, std::vector<TImportChoice>& choices) override;
    void NavigatePreview(const std::string& path) override;
    void ShowQuickHelpPage(const std::string& path) override;
    void OpenWebAddress(const std::string& address) override;
    void ShowChecks(const std::vector<TCheckFinding>& findings) override;
    bool ConfirmReplaceFile(const std::string& path) override;
    void SetBusy(bool busy) override;
    void ReportError(const TUiText& text) override;
    void SetClipboardProject(const std::string& projectText) override;
    bool ClipboardOffersProject() override;
    TClipboardText ClipboardProject(std::uint64_t ceiling) override;
    void ShowFindField(const std::string& text) override;
    void ShowCustomizeDialog() override;
    // Made when first needed, then hidden and reused.
    TCustomizeDialog& CustomizeDialog();
    void ShowAboutBox() override;
    void CloseMainWindow() override;

private:
    // A dialog opened while another is up belongs to that one, else to the window.
    QWidget* DialogParent() const;
    void Navigate(QWebEngineView* view, const std::string& path);

    QMainWindow& m_window;
    TMainWidgets& m_widgets;
    uint32_t m_lastColor = 0;
    // Where the preview page was scrolled when it was refreshed; null when it is a new page.
    QPointF m_previewScroll;
    bool m_previewLoading = false;
};

} // namespace tarvex
