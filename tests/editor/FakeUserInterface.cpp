#include "FakeUserInterface.h"

#include "editor/SitePublisher.h"

#include <filesystem>

namespace tarvex::test {

TUiCall& TFakeUserInterface::Record(const std::string& kind, const std::string& text) {
    TUiCall call;
    call.Kind = kind;
    call.Text = text;
    Calls.push_back(std::move(call));
    return Calls.back();
}

std::vector<TUiCall> TFakeUserInterface::CallsOf(const std::string& kind) const {
    std::vector<TUiCall> result;
    for (const TUiCall& call : Calls) {
        if (call.Kind == kind) {
            result.push_back(call);
        }
    }
    return result;
}

std::vector<std::string> TFakeUserInterface::TextsOf(const std::string& kind) const {
    std::vector<std::string> result;
    for (const TUiCall& call : Calls) {
        if (call.Kind == kind) {
            result.push_back(call.Text);
        }
    }
    return result;
}

TMsgResult TFakeUserInterface::ShowMessageBox(const TUiText& text, const TUiText& caption, TMsgIcon icon,
                                              TMsgButtons buttons) {
    TUiCall& call = Record("Message", text.English());
    call.Caption = caption.English();
    call.Icon = icon;
    call.Buttons = buttons;
    if (WhileShown) {
        WhileShown();
    }
    if (buttons == TMsgButtons::Ok) {
        return TMsgResult::Ok;
    }
    return Next<TMsgResult>("question \"" + text.English() + "\"").value_or(TMsgResult::Cancel);
}

std::optional<std::string> TFakeUserInterface::InputQuery(const TUiText& caption, const TUiText& prompt,
                                                          const std::string& initialText) {
    TUiCall& call = Record("Input", prompt.English());
    call.Caption = caption.English();
    call.Initial = initialText;
    const std::optional<TInput> answer = Next<TInput>("input prompt \"" + call.Caption + "\"");
    return answer ? answer->Text : std::nullopt;
}

std::optional<std::string> TFakeUserInterface::FileAnswer(const std::string& kind,
                                                          const TFileDialogRequest& request) {
    TUiCall& call = Record(kind, request.DialogName);
    call.Request = request;
    const std::optional<TFile> answer = Next<TFile>(kind + " dialog " + request.DialogName);
    if (!answer || !answer->Path) {
        return std::nullopt;
    }
    std::string path = *answer->Path;
    if (!request.DefaultExt.empty() && !std::filesystem::path(path).has_extension()) {
        path += "." + request.DefaultExt;
    }
    return path;
}

std::optional<std::string> TFakeUserInterface::OpenFileDialog(const TFileDialogRequest& request) {
    return FileAnswer("Open", request);
}

std::optional<std::string> TFakeUserInterface::SaveFileDialog(const TFileDialogRequest& request) {
    return FileAnswer("Save", request);
}

std::optional<std::string> TFakeUserInterface::ChooseFolder(const TUiText& caption,
                                                            const std::string& initialFolder) {
    Record("ChooseFolder", initialFolder).Caption = caption.English();
    const std::optional<TFile> answer = Next<TFile>("folder dialog");
    return answer ? answer->Path : std::nullopt;
}

std::optional<TMenuOutput> TFakeUserInterface::ChoosePublishOutput(TMenuOutput suggested) {
    Record("Output", suggested == TMenuOutput::Module ? "module" : "classic");
    if (m_answers.empty() || !std::holds_alternative<TOutput>(m_answers.front())) {
        return suggested;
    }
    const std::optional<TMenuOutput> answer = std::get<TOutput>(m_answers.front()).Output;
    m_answers.pop_front();
    return answer;
}

void TFakeUserInterface::ShowPublishToSite(TSitePublisher& publisher) {
    Record("PublishToSite", std::to_string(publisher.Targets().size()));
    if (OnPublishToSite) {
        OnPublishToSite(publisher);
    }
}

std::optional<uint32_t> TFakeUserInterface::ChooseColor() {
    Record("Color", "");
    const std::optional<TColor> answer = Next<TColor>("colour dialog");
    return answer ? answer->Color : std::nullopt;
}

uint32_t TFakeUserInterface::SystemColor(uint32_t index) {
    const auto it = SystemColors.find(index);
    if (it == SystemColors.end()) {
        ADD_FAILURE() << "system colour " << index << " asked for but not set up";
        return 0;
    }
    return it->second;
}

std::optional<int> TFakeUserInterface::ChooseFavoriteStyle(const std::vector<TStyleTemplateEntry>& entries) {
    TUiCall& call = Record("Style", "");
    call.Entries = entries;
    if (WhileShown) {
        WhileShown();
    }
    const std::optional<TStyle> answer = Next<TStyle>("style template dialog");
    return answer ? answer->Index : std::nullopt;
}

TFolderDialogResult TFakeUserInterface::ChooseFavoritesFolder(const TFavoriteEntry* root) {
    TUiCall& call = Record("Folder", "");
    call.HadFolderTree = root != nullptr;
    const std::optional<TFolderPick> pick = Next<TFolderPick>("favourites folder dialog");
    return pick ? (*pick)(root) : TFolderDialogResult{};
}

std::optional<int> TFakeUserInterface::ReviewImport(const TUiText& caption,
                                                    std::vector<TImportChoice>& choices) {
    Record("Review", caption.English());
    const std::optional<TReview> review = Next<TReview>("import review");
    return review ? (*review)(choices) : std::nullopt;
}

bool TFakeUserInterface::ConfirmReplaceFile(const std::string& path) {
    Record("Replace", path);
    const std::optional<TReplace> answer = Next<TReplace>("replace question for " + path);
    return answer && answer->Replace;
}

void TFakeUserInterface::ShowChecks(const std::vector<TCheckFinding>& findings) {
    std::string text;
    for (const TCheckFinding& finding : findings) {
        text += (text.empty() ? "" : "\n") + FindingLine(finding);
    }
    Record("Checks", text);
}

} // namespace tarvex::test
