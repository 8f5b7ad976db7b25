#pragma once
// The objects tree's test fixture: a started editor, selecting, typing into rows, adding groups.

#include "EditorFixture.h"

#include <string>
#include <vector>

namespace tarvex::test {

inline constexpr TValueEditorId Options = TValueEditorId::MenuValueList;
inline constexpr TValueEditorId Item = TValueEditorId::MenuItemValueEditor;

class TRecordingListener : public TEditorListener {
public:
    std::vector<TTreeNode*> Selections;
    std::vector<TTreeNode*> Expanded;
    void ObjectSelectionChanged(TTreeNode* node) override { Selections.push_back(node); }
    void ExpandNodeRequested(TTreeNode* group) override { Expanded.push_back(group); }
};

class ObjectsTreeTest : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        Start();
        m_ui.ClearCalls();
    }
    void Select(TTreeNode* node) { Editor().SelectObjectNode(node); }
    void Type(TValueEditorId editor, const std::string& key, const std::string& value) {
        Editor().SetRowValue(editor, key, value);
    }
    TTreeNode* AddGroup(const std::string& name) {
        m_ui.AnswerInput(name);
        Editor().Objects().NewGroupActionExecute();
        return Editor().SelectedObject();
    }
};

} // namespace tarvex::test
