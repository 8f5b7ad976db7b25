#include "TarvexEditor.h"

#include "model/FileIo.h"
#include "model/FilePlatform.h"
#include "model/RecordText.h"
#include "model/SubmenuLayout.h"
#include "preview/PreviewPage.h"
#include "preview/PublishFiles.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuScript.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <system_error>

namespace tarvex {

namespace {

const std::vector<std::string> OptionsKeys = {
    "Remain Visible", "Menu Left",      "Menu Top",    "Menu Width",     "Menu Border",  "Screen Position",
    "Menu Style",     "Text Alignment", "Orientation", "Image position", "Menu opening",
};
const std::vector<std::string> ItemKeys = {"Caption", "Hint", "Address", "Target"};
const std::vector<std::string> StyleKeys = {
    "Mouse Off Font",
    "Mouse Off Background",
    "Mouse On Font",
    "Mouse On Background",
    "Menu Border Color",
    "Font Size",
    "Font Style",
    "Font Weight",
    "Font Name",
    "Menu Item Padding",
    "Sub Menu Image",
    "3D Border & Separator bar",
    "3D High Color",
    "3D Low Color",
    "Top Bar Image",
    "Menu Header Font Color",
    "Menu Header Background",
};

const std::string SaveQuestion = "Project has changed. Do you want to save changes?";
const std::string ProjectFilter = "Tarvex Files (xml)|*.xml|All files|*.*";

std::string PathText(const std::filesystem::path& path) {
    return platform::PathToUtf8(path);
}

TFileDialogRequest DialogRequest(std::string name, std::string filter, std::string defaultExt) {
    TFileDialogRequest request;
    request.DialogName = std::move(name);
    request.Filter = std::move(filter);
    request.DefaultExt = std::move(defaultExt);
    return request;
}

using platform::PathFromUtf8;

// A whole signed decimal 32-bit integer, nothing around it; anything else is the row's default.
int32_t ParseRowInteger(std::string_view text, int32_t fallback) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return fallback;
        }
    }
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) {
        return fallback;
    }
    return value;
}

} // namespace

TTarvexEditor::TTarvexEditor(TUserInterface& ui, std::filesystem::path appFolder)
    : m_ui(ui), m_appFolder(std::move(appFolder)), m_menuValueList(OptionsKeys),
      m_menuItemValueEditor(ItemKeys), m_menuStyleValueEditor(StyleKeys),
      m_findFavoritesFolder(&FindFavoritesFolder) {
    m_actionEnabled.fill(true);
    // Save doubles as the project-open indicator: off until the first New.
    m_actionEnabled[static_cast<std::size_t>(TActionId::SaveAction)] = false;
    m_actionEnabled[static_cast<std::size_t>(TActionId::acHelpGroup)] = false;
    for (TActionId id :
         {TActionId::DelGroupAction, TActionId::DeleteMenuItemAction, TActionId::NewStyleAction,
          TActionId::StyleTemplateAction, TActionId::DelStyleAction, TActionId::AddToFavoritesAction}) {
        m_actionEnabled[static_cast<std::size_t>(id)] = false;
    }
    m_menuItemValueEditor.SetVisible(false);
}

// ---- listeners and state ----

void TTarvexEditor::AddListener(TEditorListener* listener) {
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
        m_listeners.push_back(listener);
    }
}

void TTarvexEditor::RemoveListener(TEditorListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

const TValueEditor& TTarvexEditor::ValueEditor(TValueEditorId id) const {
    switch (id) {
    case TValueEditorId::MenuValueList:
        return m_menuValueList;
    case TValueEditorId::MenuItemValueEditor:
        return m_menuItemValueEditor;
    case TValueEditorId::MenuStyleValueEditor:
        break;
    }
    return m_menuStyleValueEditor;
}

TValueEditor& TTarvexEditor::MutableEditor(TValueEditorId id) {
    return const_cast<TValueEditor&>(ValueEditor(id));
}

std::filesystem::path TTarvexEditor::TempFolder() const {
    return m_appFolder / "help" / "temp";
}

std::filesystem::path TTarvexEditor::PreviewPagePath() const {
    return TempFolder() / "preview.htm";
}

std::filesystem::path TTarvexEditor::HelpPagePath(const std::string& page) const {
    return m_appFolder / "help" / "online" / page;
}

void TTarvexEditor::NotifyEditor(TValueEditorId id) {
    Notify([id](TEditorListener& l) { l.ValueEditorChanged(id); });
}

void TTarvexEditor::SetActionEnabled(TActionId id, bool enabled) {
    bool& slot = m_actionEnabled[static_cast<std::size_t>(id)];
    if (slot != enabled) {
        slot = enabled;
        Notify([](TEditorListener& l) { l.ActionsChanged(); });
    }
}

TMsgResult TTarvexEditor::Message(const std::string& text, const std::string& caption, TMsgIcon icon,
                                  TMsgButtons buttons) {
    return m_ui.ShowMessageBox(text, caption, icon, buttons);
}

std::optional<std::string> TTarvexEditor::RunFileDialog(bool save, TFileDialogRequest request) {
    request.InitialName = m_lastDialogNames[request.DialogName];
    std::optional<std::string> path = save ? m_ui.SaveFileDialog(request) : m_ui.OpenFileDialog(request);
    if (path) {
        m_lastDialogNames[request.DialogName] = *path;
    }
    return path;
}

// ---- view input ----

void TTarvexEditor::SelectObjectNode(TTreeNode* node) {
    if (node == m_selectedObject || (node && node->Tree() != &m_project.Objects)) {
        return;
    }
    ObjectsTreeViewChanging(node);
    SetObjectSelection(node);
    ObjectsTreeViewChange(node);
}

void TTarvexEditor::SelectStyleNode(TTreeNode* node) {
    if (node == m_selectedStyle || (node && node->Tree() != &m_project.Styles)) {
        return;
    }
    MenuStyleTreeViewChanging(node);
    SetStyleSelection(node);
}

void TTarvexEditor::SetObjectSelection(TTreeNode* node) {
    m_selectedObject = node;
    Notify([node](TEditorListener& l) { l.ObjectSelectionChanged(node); });
    DelGroupActionUpdate();
    DeleteMenuItemActionUpdate();
}

void TTarvexEditor::SetStyleSelection(TTreeNode* node) {
    m_selectedStyle = node;
    Notify([node](TEditorListener& l) { l.StyleSelectionChanged(node); });
}

void TTarvexEditor::SetRowValue(TValueEditorId editor, int row, std::string value) {
    MutableEditor(editor).SetValue(row, OneLine(value));
    NotifyEditor(editor);
}

void TTarvexEditor::SetRowValue(TValueEditorId editor, std::string_view key, std::string value) {
    MutableEditor(editor).SetValue(key, OneLine(value));
    NotifyEditor(editor);
}

void TTarvexEditor::SetActivePage(TControlsPage page) {
    if (page == m_activePage) {
        return;
    }
    CommitValueEditors();
    m_activePage = page;
    ControlsPageControlChange();
}

void TTarvexEditor::CommitValueEditors() {
    if (m_treeUpdateGuard) {
        return;
    }
    // Only an editor that holds the selected node's values may be written into it.
    if (m_selectedObject && m_loadedObject == m_selectedObject) {
        if (m_selectedObject->IsOptions()) {
            CommitMenuOptions(*m_selectedObject);
        } else {
            CommitMenuItem(*m_selectedObject);
        }
        LoadMenuEditor(*m_selectedObject);
    }
    if (m_selectedStyle) {
        CommitStyle(*m_selectedStyle);
        LoadStyleEditor(*m_selectedStyle);
    }
}

// ---- start-up and shutdown ----

void TTarvexEditor::FormShow() {
    m_favoriteStyles.clear();
    m_activePage = TControlsPage::MenuCreator;
    Notify([](TEditorListener& l) { l.ActivePageChanged(TControlsPage::MenuCreator); });

    m_recentFiles.Load(m_appFolder / "menutarvex.dat");
    Notify([](TEditorListener& l) { l.RecentFilesChanged(); });
    LoadFavorites();
    SetupValueEditors();
    m_ui.NavigatePreview(PathText(PreviewPagePath()));

    NewActionExecute();

    m_treeUpdateGuard = false;
    // Nothing counts as selected after start: New menu item waits for the first selection.
    ObjectsTreeViewChanging(nullptr);
    SetObjectSelection(nullptr);
    ObjectsTreeViewChange(nullptr);
}

bool TTarvexEditor::FormCloseQuery() {
    CommitValueEditors();
    switch (Message(SaveQuestion, "Confirm", TMsgIcon::Question, TMsgButtons::YesNoCancel)) {
    case TMsgResult::Yes:
        SaveActionExecute();
        return true;
    case TMsgResult::No:
        return true;
    default:
        return false;
    }
}

void TTarvexEditor::FormClose(const std::function<void()>& saveWindowSettings) {
    m_favoritesBackup.reset();
    std::vector<std::string> failed;
    if (!m_recentFiles.Save(m_appFolder / "menutarvex.dat")) {
        failed.push_back("menutarvex.dat");
    }
    if (saveWindowSettings) {
        saveWindowSettings();
    }
    if (!SaveFavorites()) {
        failed.push_back("favorites.dat");
    }
    if (m_favoritesBackup) {
        Message("favorites.dat could not be read completely when Tarvex started. It has been kept as " +
                    PathText(*m_favoritesBackup) +
                    ", and a new favorites.dat holds the favourite styles of this run.",
                "Warning", TMsgIcon::Information);
    }
    if (failed.empty()) {
        return;
    }
    std::string names = failed.front();
    if (failed.size() > 1) {
        names += " and " + failed.back();
    }
    // Said once, and the window still closes: there is nothing better to do at this point.
    Message("Unable to save " + names + " in the folder " + PathText(m_appFolder) + "!", "Error",
            TMsgIcon::Information);
}

// ---- project lifecycle ----

bool TTarvexEditor::ConfirmAndClearProject() {
    if (ActionEnabled(TActionId::SaveAction)) {
        const TMsgResult answer =
            Message(SaveQuestion, "Confirm", TMsgIcon::Question, TMsgButtons::YesNoCancel);
        if (answer == TMsgResult::Yes) {
            // Whatever came of the save, the caller goes ahead.
            SaveActionExecute();
        } else if (answer != TMsgResult::No) {
            return false;
        }
    }
    m_treeUpdateGuard = true;
    ObjectsTreeViewChanging(nullptr);
    SetObjectSelection(nullptr);
    ObjectsTreeViewChange(nullptr);
    MenuStyleTreeViewChanging(nullptr);
    SetStyleSelection(nullptr);
    m_loadedObject = nullptr;
    m_project.Objects.Clear();
    m_project.Styles.Clear();
    return true;
}

void TTarvexEditor::NewActionExecute() {
    CommitValueEditors();
    if (!ConfirmAndClearProject()) {
        return;
    }
    m_projectFileName.clear();
    StyleTemplateActionExecute();
    BuildDefaultProject(m_project);
    ObjectsTreeViewChange(m_selectedObject);
    m_treeUpdateGuard = false;
    SetActionEnabled(TActionId::SaveAction, true);
    ControlsPageControlChange();
    // Update Preview generates the script itself: running the generator before it as well would
    // only say every refusal and warning twice.
    UpdatePreviewActionExecute();
}

bool TTarvexEditor::LoadProject(const std::string& path) {
    CommitValueEditors();
    const std::filesystem::path file = PathFromUtf8(path);
    std::optional<std::string> bytes = ReadWholeFile(file, ProjectFileCeiling);
    if (!bytes) {
        Message("Can't read file " + path + "!", "Error", TMsgIcon::Information);
        return false;
    }
    // Taken for an empty design, any other file would be overwritten by the next Save.
    if (!HoldsProject(*bytes)) {
        Message("The file " + path + " is not a Tarvex project!", "Error", TMsgIcon::Information);
        return false;
    }
    if (!ConfirmAndClearProject()) {
        return false;
    }
    // A Yes at the question may just have saved this very file: read what is there now.
    std::optional<std::string> current = ReadWholeFile(file, ProjectFileCeiling);
    if (current && HoldsProject(*current)) {
        bytes = std::move(current);
    }
    m_projectFileName = path;
    ReadProjectText(*bytes, m_project);
    m_treeUpdateGuard = false;
    ControlsPageControlChange();
    RefreshPreview();
    return true;
}

void TTarvexEditor::OpenActionExecute() {
    const std::optional<std::string> path =
        RunFileDialog(false, DialogRequest("OpenProjectDialog", ProjectFilter, "xml"));
    if (path && LoadProject(*path)) {
        AddRecentFile();
    }
}

void TTarvexEditor::SaveActionExecute() {
    CommitValueEditors();
    if (m_projectFileName.empty()) {
        SaveAsActionExecute();
        return;
    }
    switch (SaveProjectFile(m_project, PathFromUtf8(m_projectFileName))) {
    case TSaveStatus::ReadOnly:
        Message("Can't save read-only file " + m_projectFileName + "!", "Error", TMsgIcon::Information);
        return;
    case TSaveStatus::CannotCreate: {
        std::error_code error;
        const std::filesystem::path current = std::filesystem::current_path(error);
        Message("Unable to save " + m_projectFileName + " in the folder " + PathText(current) + "!", "Error",
                TMsgIcon::Information);
        return;
    }
    case TSaveStatus::Written:
        AddRecentFile();
        return;
    }
}

void TTarvexEditor::SaveAsActionExecute() {
    CommitValueEditors();
    TFileDialogRequest request = DialogRequest("SaveProjectDialog", ProjectFilter, "xml");
    request.OverwritePrompt = true;
    request.HideReadOnly = true;
    request.Resizable = true;
    const std::optional<std::string> path = RunFileDialog(true, request);
    if (!path || path->empty()) {
        return;
    }
    m_projectFileName = *path;
    SaveActionExecute();
}

void TTarvexEditor::PublishActionExecute() {
    UpdatePreviewActionExecute();
    // Publishing now would hand out an older design's menu.js under the new name, or none at all.
    if (m_scriptNotWritten || m_scriptRefused) {
        return;
    }
    TFileDialogRequest request =
        DialogRequest("PublishDialog", "JavaScript files (js)|*.js|All files|*.*", "js");
    request.Title = "Publish menu";
    const std::optional<std::string> path = RunFileDialog(true, request);
    if (!path || path->empty()) {
        return;
    }
    const std::filesystem::path target = PathFromUtf8(*path);
    m_ui.SetBusy(true);
    const TPublishResult result =
        PublishMenuFiles(TempFolder(), target, [this](const std::filesystem::path& file) {
            return m_ui.ConfirmReplaceFile(PathText(file));
        });
    m_ui.SetBusy(false);
    if (result.Errors.empty() && result.Declined.empty()) {
        Message("Files: one, main.js and " + PathText(target.filename()) +
                    " was saved. Go to help file to lern more about adding menu to your HTML files",
                "Warning", TMsgIcon::Information);
        return;
    }
    Message(PublishReport(target, result), result.Errors.empty() ? "Warning" : "Error",
            TMsgIcon::Information);
}

std::string TTarvexEditor::PublishReport(const std::filesystem::path& target,
                                         const TPublishResult& result) const {
    const auto names = [](const std::vector<std::filesystem::path>& files) {
        std::string text;
        for (const std::filesystem::path& file : files) {
            text += (text.empty() ? "" : ", ") + PathText(file.filename());
        }
        return text;
    };
    std::string report = "Not all files were published to the folder " + PathText(target.parent_path()) + ".";
    if (!result.Written.empty()) {
        report += "\nWritten: " + names(result.Written) + ".";
    }
    if (!result.Declined.empty()) {
        report += "\nKept as they were, as you chose: " + names(result.Declined) + ".";
    }
    for (const std::string& error : result.Errors) {
        report += "\n" + error;
    }
    return report;
}

void TTarvexEditor::ExitActionExecute() {
    m_ui.CloseMainWindow();
}

// ---- objects tree ----

void TTarvexEditor::ObjectsTreeViewChanging(TTreeNode* newNode) {
    if (!newNode) {
        ClearMenuEditors();
        return;
    }
    if (m_treeUpdateGuard || newNode->IsStyle()) {
        return;
    }
    if (m_selectedObject) {
        if (m_selectedObject->IsOptions()) {
            CommitMenuOptions(*m_selectedObject);
        } else {
            CommitMenuItem(*m_selectedObject);
        }
    }
    LoadMenuEditor(*newNode);
    RefreshPreview();
}

void TTarvexEditor::CommitMenuOptions(TTreeNode& node) {
    const TValueEditor& rows = m_menuValueList;
    TMenuOptionsRec& rec = node.Options();
    TTreeNode* parent = node.Parent();
    const auto& level = m_project.Objects.Level(parent);
    const std::size_t first = static_cast<std::size_t>(node.Index()) + 1;

    rec.RemainVisible = ParseRowInteger(rows.Value("Remain Visible"), 100);
    const int32_t left = ParseRowInteger(rows.Value("Menu Left"), 100);
    if (left != rec.MenuLeft) {
        const int32_t delta = Wrap32(int64_t{rec.MenuLeft} - left);
        rec.MenuLeft = left;
        for (std::size_t i = first; i < level.size(); ++i) {
            ShiftSubmenusLeft(level[i].get(), delta);
        }
    }
    const int32_t top = ParseRowInteger(rows.Value("Menu Top"), 100);
    if (top != rec.MenuTop) {
        const int32_t delta = Wrap32(int64_t{rec.MenuTop} - top);
        rec.MenuTop = top;
        for (std::size_t i = first; i < level.size(); ++i) {
            ShiftSubmenusTop(level[i].get(), delta);
        }
    }
    rec.MenuWidth = ParseRowInteger(rows.Value("Menu Width"), 100);
    rec.MenuBorder = ParseRowInteger(rows.Value("Menu Border"), 1);
    rec.ScreenPosition = rows.Value("Screen Position");
    rec.MenuStyle = rows.Value("Menu Style");
    rec.TextAlignment = rows.Value("Text Alignment");

    // The row as typed, not as it will be stored: text past the field's end is still a change.
    const std::string& orientation = rows.Value("Orientation");
    if (orientation != rec.Orientation.view() && node.Level() == 0) {
        const bool horizontal = orientation == "Horizontal";
        for (std::size_t i = first; i < level.size(); ++i) {
            if (horizontal) {
                LayoutSubmenusHorizontal(level[i].get(), &node);
            } else {
                LayoutSubmenusVertical(level[i].get(), &node);
            }
        }
    }
    rec.Orientation = orientation;
    rec.ImagePosition = rows.Value("Image position");
    rec.MenuOpening = rows.Value("Menu opening");
}

void TTarvexEditor::CommitMenuItem(TTreeNode& node) {
    const TValueEditor& rows = m_menuItemValueEditor;
    node.SetText(rows.Value("Caption"));
    TMenuItemRec& rec = node.Item();
    rec.Caption = rows.Value("Caption");
    rec.Hint = rows.Value("Hint");
    rec.Address = rows.Value("Address");
    rec.Target = rows.Value("Target");
}

void TTarvexEditor::LoadMenuEditor(TTreeNode& node) {
    m_loadedObject = &node;
    if (node.IsOptions()) {
        const TMenuOptionsRec& rec = node.Options();
        TValueEditor& rows = m_menuValueList;
        rows.SetValue("Remain Visible", std::to_string(rec.RemainVisible));
        rows.SetValue("Menu Left", std::to_string(rec.MenuLeft));
        rows.SetValue("Menu Top", std::to_string(rec.MenuTop));
        rows.SetValue("Menu Width", std::to_string(rec.MenuWidth));
        rows.SetValue("Menu Border", std::to_string(rec.MenuBorder));
        rows.SetValue("Screen Position", rec.ScreenPosition.str());
        rows.SetValue("Menu Style", rec.MenuStyle.str());
        rows.SetValue("Text Alignment", rec.TextAlignment.str());
        rows.SetValue("Orientation", rec.Orientation.str());
        rows.SetValue("Image position", rec.ImagePosition.str());
        rows.SetValue("Menu opening", rec.MenuOpening.str());
        rows.SetEnabled(true);
        NotifyEditor(TValueEditorId::MenuValueList);
        return;
    }
    const TMenuItemRec& rec = node.Item();
    TValueEditor& rows = m_menuItemValueEditor;
    rows.SetValue("Caption", rec.Caption.str());
    rows.SetValue("Hint", rec.Hint.str());
    rows.SetValue("Address", rec.Address.str());
    rows.SetValue("Target", rec.Target.str());
    rows.SetEnabled(true);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
}

void TTarvexEditor::ObjectsTreeViewChange(TTreeNode* node) {
    if (!node) {
        SetActionEnabled(TActionId::NewMenuItemAction, false);
        return;
    }
    SetActionEnabled(TActionId::NewMenuItemAction, true);
    const bool options = node->IsOptions();
    m_menuValueList.SetVisible(options);
    m_menuItemValueEditor.SetVisible(!options);
    NotifyEditor(TValueEditorId::MenuValueList);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
    ShowQuickHelp(options ? "webmenu.htm" : "menu.htm");
}

bool TTarvexEditor::ObjectsTreeViewDragOver(TDragSource source) const {
    return source == TDragSource::ObjectsTreeView;
}

void TTarvexEditor::ObjectsTreeViewDragDrop(TDragSource source, TTreeNode* target) {
    TTreeNode* dragged = m_selectedObject;
    if (source != TDragSource::ObjectsTreeView || !dragged) {
        return;
    }
    if (dragged->IsOptions()) {
        Message("You can't drag&drop Menu Options", "Error", TMsgIcon::Error);
        return;
    }
    if (target && target->Tree() != &m_project.Objects) {
        return;
    }
    if (target && (target == dragged || dragged->IsAncestorOf(target))) {
        return;
    }
    TTreeNode* newParent = target ? target->Parent() : nullptr;
    if (!m_project.Objects.MoveToEnd(dragged, newParent)) {
        return;
    }
    if (newParent) {
        Notify([newParent](TEditorListener& l) { l.ExpandNodeRequested(newParent); });
    }
}

TTreeNode* TTarvexEditor::AddMenuGroup(const std::string& name, const std::string& address) {
    m_treeUpdateGuard = true;
    TTreeNode* parent = m_selectedObject ? m_selectedObject->Parent() : nullptr;

    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = name;
    item.Address = address;
    TTreeNode* group = m_project.Objects.Append(parent, TNodeKind::MenuGroup, name);
    group->Item() = item;

    TMenuOptionsRec options;
    FillDefaultMenuOptions(m_project, options, group);
    AppendOptionsNode(m_project, group, options);

    if (address.empty()) {
        TMenuItemRec first;
        FillDefaultMenuItem(first);
        first.Caption = "Menu item name";
        AppendItemNode(m_project, group, TNodeKind::MenuItem, first);
    }
    m_treeUpdateGuard = false;
    SelectObjectNode(group);
    return group;
}

void TTarvexEditor::AddMenuItem(const std::string& name, const std::string& address) {
    m_treeUpdateGuard = true;
    TTreeNode* parent = nullptr;
    if (m_selectedObject) {
        parent = m_selectedObject->IsGroup() ? m_selectedObject : m_selectedObject->Parent();
    }
    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = name;
    item.Address = address;
    TTreeNode* node = m_project.Objects.Append(parent, TNodeKind::MenuItem, name);
    node->Item() = item;
    m_treeUpdateGuard = false;
}

void TTarvexEditor::NewGroupActionExecute() {
    const std::optional<std::string> name =
        m_ui.InputQuery("Create new group", "Type new group name", "New group name");
    if (name) {
        AddMenuGroup(OneLine(Utf8ToRecordText(*name)), std::string());
    }
}

void TTarvexEditor::NewMenuItemActionExecute() {
    const std::optional<std::string> name =
        m_ui.InputQuery("Create new menu item", "Type new menu item name", "New menu item name");
    if (name) {
        AddMenuItem(OneLine(Utf8ToRecordText(*name)), std::string(KorvaneHomePage));
    }
}

void TTarvexEditor::DeleteSelectedObject() {
    TTreeNode* node = m_selectedObject;
    TTreeNode* next = node->NextSibling();
    if (!next) {
        next = node->PrevSibling();
    }
    if (!next) {
        next = node->Parent();
    }
    // The values typed for the node go with it: nothing is committed.
    m_selectedObject = nullptr;
    m_loadedObject = nullptr;
    m_project.Objects.Remove(node);
    if (next) {
        SelectObjectNode(next);
    } else {
        ObjectsTreeViewChanging(nullptr);
        SetObjectSelection(nullptr);
        ObjectsTreeViewChange(nullptr);
    }
}

void TTarvexEditor::ConfirmAndDeleteSelectedObject(std::string_view kindWords) {
    const std::string text = "Do you really want to delete \"" + RecordTextToUtf8(m_selectedObject->Text()) +
                             "\" " + std::string(kindWords) + "?";
    if (Message(text, "Warning", TMsgIcon::Information, TMsgButtons::OkCancel) == TMsgResult::Ok) {
        DeleteSelectedObject();
    }
}

void TTarvexEditor::DelGroupActionExecute() {
    // Menu Options nodes are never deleted by a command, whatever the caller's enabling did.
    if (m_selectedObject && m_selectedObject->IsGroup()) {
        ConfirmAndDeleteSelectedObject("menu group");
    }
}

void TTarvexEditor::DeleteMenuItemActionExecute() {
    if (m_selectedObject && m_selectedObject->IsItem()) {
        ConfirmAndDeleteSelectedObject("menu item");
    }
}

void TTarvexEditor::DelGroupActionUpdate() {
    SetActionEnabled(TActionId::DelGroupAction, m_activePage == TControlsPage::MenuCreator &&
                                                    m_selectedObject && m_selectedObject->IsGroup());
}

void TTarvexEditor::DeleteMenuItemActionUpdate() {
    SetActionEnabled(TActionId::DeleteMenuItemAction, m_activePage == TControlsPage::MenuCreator &&
                                                          m_selectedObject && m_selectedObject->IsItem());
}

void TTarvexEditor::ClearMenuEditors() {
    m_loadedObject = nullptr;
    m_menuValueList.ClearValues();
    m_menuValueList.SetEnabled(false);
    m_menuItemValueEditor.ClearValues();
    m_menuItemValueEditor.SetEnabled(false);
    NotifyEditor(TValueEditorId::MenuValueList);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
}

void TTarvexEditor::SetupValueEditors() {
    TValueEditor& options = m_menuValueList;
    options.SetEditStyle("Screen Position", TEditStyle::PickList,
                         {"", "center", "left", "right", "middle", "top", "bottom"});
    options.SetEditStyle("Menu Style", TEditStyle::PickList, {});
    options.SetEditStyle("Text Alignment", TEditStyle::PickList, {"", "left", "right", "center"});
    options.SetEditStyle("Orientation", TEditStyle::PickList, {"", "Horizontal", "Vertical"});
    options.SetEditStyle("Image position", TEditStyle::PickList, {"", "left", "right", "center"});
    options.SetEditStyle("Menu opening", TEditStyle::PickList, {"on mouse click", "on mouse over"});

    TValueEditor& style = m_menuStyleValueEditor;
    for (const char* key : {"Mouse Off Font", "Mouse Off Background", "Mouse On Font", "Mouse On Background",
                            "Menu Border Color", "3D High Color", "3D Low Color", "Menu Header Font Color",
                            "Menu Header Background"}) {
        style.SetEditStyle(key, TEditStyle::Ellipsis);
    }
    style.SetEditStyle("Font Style", TEditStyle::PickList, {"", "italic", "normal"});
    style.SetEditStyle("Font Weight", TEditStyle::PickList, {"", "bold", "normal"});
    style.SetEditStyle("3D Border & Separator bar", TEditStyle::PickList, {"", "Yes", "No"});

    NotifyEditor(TValueEditorId::MenuValueList);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
    NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

// ---- style list ----

void TTarvexEditor::MenuStyleTreeViewChanging(TTreeNode* newNode) {
    if (!newNode) {
        ClearStyleEditor();
        SetActionEnabled(TActionId::DelStyleAction, false);
        SetActionEnabled(TActionId::AddToFavoritesAction, false);
        return;
    }
    if (m_treeUpdateGuard || !newNode->IsStyle()) {
        return;
    }
    // Update Preview reaches here from the "Menu creator" page too, where the style commands
    // stay off as the page switch left them.
    if (m_activePage == TControlsPage::MenuStyles) {
        SetActionEnabled(TActionId::DelStyleAction, true);
        SetActionEnabled(TActionId::AddToFavoritesAction, true);
    }
    m_menuStyleValueEditor.SetEnabled(true);
    if (m_selectedStyle) {
        CommitStyle(*m_selectedStyle);
    }
    LoadStyleEditor(*newNode);
    RefreshPreview();
}

void TTarvexEditor::CommitStyle(TTreeNode& node) {
    const TValueEditor& rows = m_menuStyleValueEditor;
    TMenuStyleRec& rec = node.Style();
    rec.MouseOffFont = rows.Value("Mouse Off Font");
    rec.MouseOffBackground = rows.Value("Mouse Off Background");
    rec.MouseOnFont = rows.Value("Mouse On Font");
    rec.MouseOnBackground = rows.Value("Mouse On Background");
    rec.MenuBorderColor = rows.Value("Menu Border Color");
    rec.FontSize = ParseRowInteger(rows.Value("Font Size"), 0);
    rec.FontStyle = rows.Value("Font Style");
    rec.FontWeight = rows.Value("Font Weight");
    rec.FontName = rows.Value("Font Name");
    rec.MenuItemPadding = ParseRowInteger(rows.Value("Menu Item Padding"), 0);
    rec.SubMenuImage = rows.Value("Sub Menu Image");
    rec.BorderSeparatorbar = rows.Value("3D Border & Separator bar");
    rec.HighColor = rows.Value("3D High Color");
    rec.LowColor = rows.Value("3D Low Color");
    rec.TopBarImage = rows.Value("Top Bar Image");
    rec.MenuHeaderFontColor = rows.Value("Menu Header Font Color");
    rec.MenuHeaderBackground = rows.Value("Menu Header Background");
}

void TTarvexEditor::LoadStyleEditor(const TTreeNode& node) {
    const TMenuStyleRec& rec = node.Style();
    TValueEditor& rows = m_menuStyleValueEditor;
    rows.SetValue("Mouse Off Font", rec.MouseOffFont.str());
    rows.SetValue("Mouse Off Background", rec.MouseOffBackground.str());
    rows.SetValue("Mouse On Font", rec.MouseOnFont.str());
    rows.SetValue("Mouse On Background", rec.MouseOnBackground.str());
    rows.SetValue("Menu Border Color", rec.MenuBorderColor.str());
    rows.SetValue("Font Size", std::to_string(rec.FontSize));
    rows.SetValue("Font Style", rec.FontStyle.str());
    rows.SetValue("Font Weight", rec.FontWeight.str());
    rows.SetValue("Font Name", rec.FontName.str());
    rows.SetValue("Menu Item Padding", std::to_string(rec.MenuItemPadding));
    rows.SetValue("Sub Menu Image", rec.SubMenuImage.str());
    rows.SetValue("3D Border & Separator bar", rec.BorderSeparatorbar.str());
    rows.SetValue("3D High Color", rec.HighColor.str());
    rows.SetValue("3D Low Color", rec.LowColor.str());
    rows.SetValue("Top Bar Image", rec.TopBarImage.str());
    rows.SetValue("Menu Header Font Color", rec.MenuHeaderFontColor.str());
    rows.SetValue("Menu Header Background", rec.MenuHeaderBackground.str());
    NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

void TTarvexEditor::MenuStyleValueEditorEditButtonClick(int row) {
    const TValueRow* cell = m_menuStyleValueEditor.Row(row);
    if (!cell || cell->EditStyle != TEditStyle::Ellipsis) {
        return;
    }
    const std::optional<uint32_t> color = m_ui.ChooseColor();
    if (color) {
        SetRowValue(TValueEditorId::MenuStyleValueEditor, row, ColorToHex(*color));
    }
}

std::string TTarvexEditor::ColorToHex(uint32_t color) const {
    if (color & 0x80000000u) {
        color = m_ui.SystemColor(color & 0x7FFFFFFFu);
    }
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", static_cast<unsigned>(color & 0xFF),
                  static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
    return text;
}

void TTarvexEditor::ClearStyleEditor() {
    m_menuStyleValueEditor.ClearValues();
    m_menuStyleValueEditor.SetEnabled(false);
    NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

void TTarvexEditor::NewStyleActionExecute() {
    const std::optional<std::string> name =
        m_ui.InputQuery("Create new style", "Type new menu style name", "New style name");
    if (!name) {
        return;
    }
    TMenuStyleRec style;
    FillDefaultStyle(style);
    AppendStyleNode(m_project, OneLine(Utf8ToRecordText(*name)), style);
}

void TTarvexEditor::DeleteSelectedStyle() {
    TTreeNode* node = m_selectedStyle;
    TTreeNode* next = node->NextSibling();
    if (!next) {
        next = node->PrevSibling();
    }
    m_selectedStyle = nullptr;
    m_project.Styles.Remove(node);
    if (next) {
        SelectStyleNode(next);
    } else {
        MenuStyleTreeViewChanging(nullptr);
        SetStyleSelection(nullptr);
    }
}

void TTarvexEditor::DelStyleActionExecute() {
    if (!m_selectedStyle) {
        return;
    }
    const std::string text =
        "Do you really want to delete \"" + RecordTextToUtf8(m_selectedStyle->Text()) + "\" style?";
    if (Message(text, "Warning", TMsgIcon::Information, TMsgButtons::OkCancel) == TMsgResult::Ok) {
        DeleteSelectedStyle();
    }
}

// ---- favourites ----

void TTarvexEditor::AddToFavoritesActionExecute() {
    if (!m_selectedStyle) {
        Message("Select menu style which you want add to favorites", "Warning", TMsgIcon::Information);
        return;
    }
    // The favourite takes the style as the editor shows it, typed values included.
    CommitValueEditors();
    const std::optional<std::string> typed = m_ui.InputQuery("Favotite style name", "Type favorite name", "");
    if (!typed) {
        return;
    }
    const std::string name = OneLine(Utf8ToRecordText(*typed));
    for (const TFavoriteStyleRec& favorite : m_favoriteStyles) {
        if (favorite.Name.view() == name) {
            Message("Style with this name already exist. Use another style name", "Error", TMsgIcon::Error);
            return;
        }
    }
    m_favoriteStyles.push_back(TFavoriteStyleRec{ShortString<255>(name), m_selectedStyle->Style()});
    Notify([](TEditorListener& l) { l.FavoriteStylesChanged(); });
}

void TTarvexEditor::StyleTemplateActionExecute() {
    std::vector<TStyleTemplateEntry> entries;
    entries.reserve(m_favoriteStyles.size());
    for (const TFavoriteStyleRec& favorite : m_favoriteStyles) {
        const std::string name = RecordTextToUtf8(favorite.Name.view());
        entries.push_back({name, PathText(m_appFolder / "Favorites" / PathFromUtf8(name + ".bmp"))});
    }
    const std::optional<int> chosen = m_ui.ChooseFavoriteStyle(entries);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(m_favoriteStyles.size())) {
        return;
    }
    const TFavoriteStyleRec& favorite = m_favoriteStyles[static_cast<std::size_t>(*chosen)];
    TMenuStyleRec style;
    FillDefaultStyle(style);
    style = favorite.Style;
    AppendStyleNode(m_project, favorite.Name.str(), style);
}

void TTarvexEditor::LoadFavorites() {
    TFavoritesFile read = ReadFavoritesFileState(m_appFolder / "favorites.dat");
    m_favoritesState = read.State;
    m_favoriteStyles = std::move(read.Favorites);
    Notify([](TEditorListener& l) { l.FavoriteStylesChanged(); });
}

bool TTarvexEditor::SaveFavorites() {
    const std::filesystem::path file = m_appFolder / "favorites.dat";
    if (m_favoritesState == TFavoritesFileState::Damaged ||
        m_favoritesState == TFavoritesFileState::Unreadable) {
        // What this run could not read may still be worth something to the author: keep it.
        m_favoritesBackup = KeepFavoritesBackup(file);
        if (!m_favoritesBackup) {
            return false;
        }
        m_favoritesState = TFavoritesFileState::Missing;
    }
    return SaveFavoritesFile(file, m_favoriteStyles) == TWriteStatus::Written;
}

// ---- preview ----

TTarvexEditor::TScriptOutcome TTarvexEditor::WriteScript() {
    TTreeNode* shown = m_loadedObject && m_loadedObject->IsOptions() ? m_loadedObject : nullptr;
    const std::string styleBefore = shown ? shown->Options().MenuStyle.str() : std::string();

    const TMenuScript script = tarvex::GenerateMenuScript(m_project);
    if (script.Refused) {
        Message(std::string(NoStylesMessage), std::string(ScriptWarningCaption), TMsgIcon::Information);
        return TScriptOutcome::Refused;
    }
    for (const std::string& warning : script.Warnings) {
        Message(RecordTextToUtf8(warning), std::string(ScriptWarningCaption), TMsgIcon::Information);
    }
    // The generator may have pointed the shown menu at the first style; the editor must not
    // hand the missing name back at the next commit.
    if (shown && shown->Options().MenuStyle.str() != styleBefore &&
        m_menuValueList.Value("Menu Style") == styleBefore) {
        m_menuValueList.SetValue("Menu Style", shown->Options().MenuStyle.str());
        NotifyEditor(TValueEditorId::MenuValueList);
    }
    const std::filesystem::path file = TempFolder() / "menu.js";
    if (WriteMenuScript(script, file) != TWriteStatus::Written) {
        m_ui.ReportError("Cannot create file " + PathText(file) + ".");
        return TScriptOutcome::NotWritten;
    }
    return TScriptOutcome::Written;
}

bool TTarvexEditor::GenerateMenuScript() {
    return WriteScript() == TScriptOutcome::Written;
}

void TTarvexEditor::RefreshPreview() {
    const TScriptOutcome outcome = WriteScript();
    m_scriptNotWritten = outcome == TScriptOutcome::NotWritten;
    m_scriptRefused = outcome == TScriptOutcome::Refused;
    // After a refusal the page still shows, with whatever menu.js an earlier run left.
    if (!m_scriptNotWritten) {
        m_ui.NavigatePreview(PathText(PreviewPagePath()));
    }
}

void TTarvexEditor::UpdatePreviewActionExecute() {
    // Both editors are committed first, so the preview is generated and shown once.
    CommitValueEditors();
    RefreshPreview();
}

void TTarvexEditor::OpenPreviewActionExecute() {
    const std::optional<std::string> path =
        RunFileDialog(false, DialogRequest("OpenHTMLDialog", "HTML files|*.htm;*.html|All files|*.*", "htm"));
    if (!path) {
        return;
    }
    ShowWrittenPreview(WritePreviewFromUserPage(PathFromUtf8(*path), PreviewPagePath()), *path);
}

void TTarvexEditor::ShowWrittenPreview(TPreviewStatus status, const std::string& sourceText) {
    switch (status) {
    case TPreviewStatus::CannotRead:
        m_ui.ReportError("Cannot open file " + sourceText + ".");
        return;
    case TPreviewStatus::CannotWrite:
        m_ui.ReportError("Cannot create file " + PathText(PreviewPagePath()) + ".");
        return;
    case TPreviewStatus::Written:
        m_ui.NavigatePreview(PathText(PreviewPagePath()));
        return;
    }
}

void TTarvexEditor::DefaultPreviewActionExecute() {
    const std::filesystem::path defaultPage = TempFolder() / "default.htm";
    ShowWrittenPreview(CopyDefaultPreviewPage(defaultPage, PreviewPagePath()), PathText(defaultPage));
}

// ---- pages, help and web ----

void TTarvexEditor::ControlsPageControlChange() {
    std::vector<std::string> styleNames;
    for (const auto& style : m_project.Styles.Roots()) {
        styleNames.push_back(style->Text());
    }
    m_menuValueList.SetPickList("Menu Style", std::move(styleNames));
    NotifyEditor(TValueEditorId::MenuValueList);

    const bool creator = m_activePage == TControlsPage::MenuCreator;
    ShowQuickHelp(creator ? "menu.htm" : "style.htm");
    for (TActionId id :
         {TActionId::NewGroupAction, TActionId::NewMenuItemAction, TActionId::ImportWinFavoritAction}) {
        SetActionEnabled(id, creator);
    }
    for (TActionId id : {TActionId::NewStyleAction, TActionId::StyleTemplateAction, TActionId::DelStyleAction,
                         TActionId::AddToFavoritesAction}) {
        SetActionEnabled(id, !creator);
    }
    DelGroupActionUpdate();
    DeleteMenuItemActionUpdate();
}

void TTarvexEditor::ShowQuickHelp(const std::string& page) {
    m_ui.ShowQuickHelpPage(PathText(HelpPagePath(page)));
}

void TTarvexEditor::OpenWebPage(const std::string& address) {
    m_ui.OpenWebAddress(address);
}

void TTarvexEditor::HomePageActionExecute() {
    OpenWebPage(std::string(KorvaneHomePage));
}

void TTarvexEditor::EMailToUsActionExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/feedback.php");
}

void TTarvexEditor::HelpHowUseActionExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/products.php?product=6");
}

void TTarvexEditor::acHelpMenuExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/products.php?helpid=38&product=6");
}

void TTarvexEditor::acHelpStylesExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/products.php?helpid=39&product=6");
}

// ---- recent files ----

void TTarvexEditor::AddRecentFile() {
    if (m_recentFiles.Add(m_projectFileName)) {
        Notify([](TEditorListener& l) { l.RecentFilesChanged(); });
    }
}

void TTarvexEditor::InsertRecentFile() {
    m_recentFiles.Insert(m_projectFileName);
    Notify([](TEditorListener& l) { l.RecentFilesChanged(); });
}

void TTarvexEditor::ReopenActionExecute(int position) {
    const std::vector<std::string>& paths = m_recentFiles.Paths();
    if (position < 0 || position >= static_cast<int>(paths.size())) {
        return;
    }
    const std::string path = paths[static_cast<std::size_t>(position)];
    LoadProject(path);
}

// ---- import ----

void TTarvexEditor::SetFavoritesFolderFinder(std::function<std::optional<std::filesystem::path>()> finder) {
    m_findFavoritesFolder = std::move(finder);
}

void TTarvexEditor::ImportWinFavoritActionExecute() {
    std::optional<TFavoriteEntry> root;
    const std::optional<std::filesystem::path> folder =
        m_findFavoritesFolder ? m_findFavoritesFolder() : std::optional<std::filesystem::path>();
    if (folder) {
        root = ScanFavoritesFolder(*folder);
    } else {
        Message("Can't find favirities directory.", "Error", TMsgIcon::Information);
    }
    const TFolderDialogResult result = m_ui.ChooseFavoritesFolder(root ? &*root : nullptr);
    switch (result.Outcome) {
    case TFolderDialogResult::TOutcome::Cancel:
        return;
    case TFolderDialogResult::TOutcome::OkWithoutSelection:
        Message("You have not selected folder.", "Error", TMsgIcon::Information);
        return;
    case TFolderDialogResult::TOutcome::OkSelected:
        if (result.Entry) {
            ImportFavoritesFolder(*result.Entry);
        } else {
            Message("You have not selected folder.", "Error", TMsgIcon::Information);
        }
        return;
    }
}

void TTarvexEditor::ImportFavoritesFolder(const TFavoriteEntry& entry) {
    if (entry.Kind == TFavoriteEntry::TKind::Shortcut) {
        Message("You have not selected folder.", "Error", TMsgIcon::Information);
        return;
    }
    AddMenuGroup(OneLine(Utf8ToRecordText(entry.Text)), " ");
    // Only the folder's own shortcuts become items; sub-folders carry no file to read.
    for (const TFavoriteEntry& child : entry.Children) {
        if (child.Kind != TFavoriteEntry::TKind::Shortcut) {
            continue;
        }
        const std::optional<std::string> address = ReadInternetShortcut(PathFromUtf8(child.Path));
        if (!address) {
            Message("Can't read file " + child.Path + "!", "Error", TMsgIcon::Error);
            return;
        }
        AddMenuItem(OneLine(Utf8ToRecordText(child.Text)), OneLine(*address));
    }
}

} // namespace tarvex
