#pragma once
// A scripted UserInterface: answers come from a queue, every call is recorded, surprises fail the test.

#include "editor/UserInterface.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tarvex::test {

// One recorded call: its kind and the texts it carried.
struct TUiCall {
    std::string Kind; // "Message", "Input", "Open", "Save", "Color", "Style", "Folder", "Navigate",
                      // "Help", "Web", "Checks", "Replace", "Busy", "Error", "Close", "Customize",
                      // "About"
    std::string Text; // message text, prompt, path or address
    std::string Caption;
    std::string Initial;
    TMsgIcon Icon = TMsgIcon::Information;
    TMsgButtons Buttons = TMsgButtons::Ok;
    TFileDialogRequest Request;
    std::vector<TStyleTemplateEntry> Entries;
    bool HadFolderTree = false;
};

class TFakeUserInterface : public TUserInterface {
public:
    using TFolderPick = std::function<TFolderDialogResult(const TFavoriteEntry*)>;

    // Scripted answers, consumed in order. A box with only an OK button needs none.
    void AnswerMessage(TMsgResult answer) { m_answers.emplace_back(answer); }
    void AnswerInput(std::optional<std::string> text) { m_answers.emplace_back(TInput{std::move(text)}); }
    // The dialog adds the request's default extension to a name without one, as the real one does.
    void AnswerFile(std::optional<std::string> path) { m_answers.emplace_back(TFile{std::move(path)}); }
    void AnswerColor(std::optional<uint32_t> color) { m_answers.emplace_back(TColor{color}); }
    void AnswerStyle(std::optional<int> index) { m_answers.emplace_back(TStyle{index}); }
    void AnswerFolder(TFolderPick pick) { m_answers.emplace_back(std::move(pick)); }
    void AnswerReplace(bool replace) { m_answers.emplace_back(TReplace{replace}); }
    // Publish's choice of output; unscripted, the suggested one is taken as OK would.
    void AnswerOutput(std::optional<TMenuOutput> output) { m_answers.emplace_back(TOutput{output}); }
    // Answers the import review: may clear Included flags, returns the chosen index or nothing.
    using TReview = std::function<std::optional<int>(std::vector<TImportChoice>&)>;
    void AnswerReview(TReview review) { m_answers.emplace_back(std::move(review)); }

    bool AllAnswersUsed() const { return m_answers.empty(); }
    // Looks at the editor while the Style template or a message box is open.
    std::function<void()> WhileShown;

    std::vector<TUiCall> Calls;
    std::map<uint32_t, uint32_t> SystemColors;
    // The system clipboard's Tarvex type as the window would hand it over; another program may
    // set it too. ClipboardText is any other program's plain text, which Paste does not take.
    std::optional<std::string> Clipboard;
    std::optional<std::string> ClipboardText;

    std::vector<TUiCall> CallsOf(const std::string& kind) const;
    std::vector<std::string> TextsOf(const std::string& kind) const;
    void ClearCalls() { Calls.clear(); }

    // Texts shown to the person are recorded in English.
    TMsgResult ShowMessageBox(const TUiText& text, const TUiText& caption, TMsgIcon icon,
                              TMsgButtons buttons) override;
    std::optional<std::string> InputQuery(const TUiText& caption, const TUiText& prompt,
                                          const std::string& initialText) override;
    std::optional<std::string> OpenFileDialog(const TFileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const TFileDialogRequest& request) override;
    // Answered with AnswerFile, recorded as "ChooseFolder" with the initial folder as its text.
    std::optional<std::string> ChooseFolder(const TUiText& caption,
                                            const std::string& initialFolder) override;
    // Recorded as "Output" with the suggested output's name, "classic" or "module".
    std::optional<TMenuOutput> ChoosePublishOutput(TMenuOutput suggested) override;
    // Recorded as "PublishToSite" with the number of targets; then runs OnPublishToSite, if set.
    void ShowPublishToSite(TSitePublisher& publisher) override;
    std::function<void(TSitePublisher&)> OnPublishToSite;
    std::optional<uint32_t> ChooseColor() override;
    uint32_t SystemColor(uint32_t index) override;
    std::optional<int> ChooseFavoriteStyle(const std::vector<TStyleTemplateEntry>& entries) override;
    TFolderDialogResult ChooseFavoritesFolder(const TFavoriteEntry* root) override;
    std::optional<int> ReviewImport(const TUiText& caption, std::vector<TImportChoice>& choices) override;
    void NavigatePreview(const std::string& path) override { Record("Navigate", path); }
    void ShowQuickHelpPage(const std::string& path) override { Record("Help", path); }
    void OpenWebAddress(const std::string& address) override { Record("Web", address); }
    // Recorded as one call, the warnings one per line.
    void ShowChecks(const std::vector<TCheckFinding>& findings) override;
    bool ConfirmReplaceFile(const std::string& path) override;
    void SetBusy(bool busy) override { Record("Busy", busy ? "on" : "off"); }
    void ReportError(const TUiText& text) override { Record("Error", text.English()); }
    void CloseMainWindow() override { Record("Close", ""); }
    void SetClipboardProject(const std::string& projectText) override {
        Clipboard = projectText;
        Record("Clipboard", projectText);
    }
    bool ClipboardOffersProject() override { return Clipboard.has_value(); }
    TClipboardText ClipboardProject(std::uint64_t ceiling) override {
        if (Clipboard && Clipboard->size() > ceiling) {
            return {std::nullopt, true};
        }
        return {Clipboard, false};
    }
    void ShowFindField(const std::string& text) override { Record("Find", text); }
    void ShowCustomizeDialog() override { Record("Customize", ""); }
    void ShowAboutBox() override { Record("About", ""); }

private:
    struct TInput {
        std::optional<std::string> Text;
    };
    struct TFile {
        std::optional<std::string> Path;
    };
    struct TColor {
        std::optional<uint32_t> Color;
    };
    struct TStyle {
        std::optional<int> Index;
    };
    struct TReplace {
        bool Replace;
    };
    struct TOutput {
        std::optional<TMenuOutput> Output;
    };
    using TAnswer =
        std::variant<TMsgResult, TInput, TFile, TColor, TStyle, TFolderPick, TReplace, TReview, TOutput>;

    TUiCall& Record(const std::string& kind, const std::string& text);
    // The next answer if it is of the expected kind; otherwise the test fails and nothing is returned.
    template <typename T> std::optional<T> Next(const std::string& what) {
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected " << what << " with no scripted answer";
            return std::nullopt;
        }
        if (!std::holds_alternative<T>(m_answers.front())) {
            ADD_FAILURE() << "unexpected " << what << ": the next scripted answer is for another call";
            return std::nullopt;
        }
        T answer = std::get<T>(std::move(m_answers.front()));
        m_answers.pop_front();
        return answer;
    }
    std::optional<std::string> FileAnswer(const std::string& kind, const TFileDialogRequest& request);

    std::deque<TAnswer> m_answers;
};

} // namespace tarvex::test
