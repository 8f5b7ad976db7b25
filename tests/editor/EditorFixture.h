#pragma once
// A started editor over a throw-away application folder, with the engine and page stand-ins in place.

#include "FakeUserInterface.h"

#include "base/FileIo.h"
#include "editor/TarvexEditor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace tarvex::test {

class TEditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // FormShow with the style-template dialog answered by `favourite` (nothing: cancelled).
    void Start(std::optional<int> favourite = 0);
    // A fresh editor over the same application folder, as after a restart (not yet started).
    void Restart();

    TTarvexEditor& Editor() { return *m_editor; }
    TProject& Project() { return m_editor->Project(); }
    const std::filesystem::path& App() const { return m_app; }
    std::filesystem::path Temp() const { return m_app / "help" / "temp"; }
    // A folder of its own beside the application folder, for projects, pages and published files.
    std::filesystem::path Work() const { return m_work; }

    static void WriteText(const std::filesystem::path& path, const std::string& bytes);
    static std::string ReadText(const std::filesystem::path& path);

    // The root-level node at `index`, or a child of one: Node({1, 2}) is the third child of the second root.
    TTreeNode* Node(std::initializer_list<int> path) const;
    TTreeNode* Style(int index) const { return m_editor->Project().Styles.Root(index); }
    const std::string& Row(TValueEditorId editor, const std::string& key) const {
        return m_editor->ValueEditor(editor).Value(key);
    }
    // Messages shown, by caption.
    std::vector<std::string> MessagesWithCaption(const std::string& caption) const;

    TFakeUserInterface m_ui;
    std::unique_ptr<TTarvexEditor> m_editor;

private:
    std::filesystem::path m_app;
    std::filesystem::path m_work;
};

} // namespace tarvex::test
