#pragma once
// The start-up and file commands' test fixture: saving under a name, adding groups, finding roots.

#include "EditorFixture.h"

#include <filesystem>
#include <string>

namespace tarvex::test {

inline const std::string SaveQuestion = "Project has changed. Do you want to save changes?";

class LifecycleTest : public TEditorTest {
protected:
    // Save as under `path` (the fake dialog adds ".xml" to a name without extension).
    void SaveAs(const std::filesystem::path& path) {
        m_ui.AnswerFile(path.string());
        Editor().Files().SaveAsActionExecute();
    }
    void AddGroup(const std::string& name) {
        m_ui.AnswerInput(name);
        Editor().Objects().NewGroupActionExecute();
    }
    bool HasRoot(const std::string& text) const {
        for (const TTreeNode& node : m_editor->Project().Objects.Roots()) {
            if (node.Text() == text) {
                return true;
            }
        }
        return false;
    }
};

} // namespace tarvex::test
