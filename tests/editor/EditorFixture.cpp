#include "EditorFixture.h"

#include "PlatformTestSupport.h"

#include "favorites/FavoritesStore.h"
#include "model/Project.h"

#include <atomic>
#include <fstream>
#include <sstream>

namespace tarvex::test {

void TEditorTest::SetUp() {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string("tarvex-editor-") + std::to_string(ProcessId()) + "-" +
                             std::to_string(counter++) + "-" + info->name();
    const std::filesystem::path root = std::filesystem::temp_directory_path() / name;
    RemoveTree(root);
    m_app = root / "app";
    m_work = root / "work";
    std::filesystem::create_directories(m_app / "help" / "temp");
    std::filesystem::create_directories(m_app / "help" / "online");
    std::filesystem::create_directories(m_work);
    WriteText(Temp() / "one.js", "// one\r\n");
    WriteText(Temp() / "main.js", "// main\r\n");
    WriteText(Temp() / "default.htm", "<html><body>default</body></html>\r\n");

    TFavoriteStyleRec blue;
    blue.Name = "Blue";
    FillDefaultStyle(blue.Style);
    blue.Style.MouseOffBackground = "0000FF";
    TFavoriteStyleRec grey;
    grey.Name = "Grey";
    FillDefaultStyle(grey.Style);
    grey.Style.MouseOffBackground = "808080";
    ASSERT_EQ(SaveFavoritesFile(m_app / "favorites.dat", {blue, grey}), TWriteStatus::Written);

    m_editor = std::make_unique<TTarvexEditor>(m_ui, m_app);
}

void TEditorTest::TearDown() {
    EXPECT_TRUE(m_ui.AllAnswersUsed()) << "scripted answers left over";
    m_editor.reset();
    RemoveTree(m_app.parent_path());
}

void TEditorTest::Start(std::optional<int> favourite) {
    m_ui.AnswerStyle(favourite);
    m_editor->FormShow();
}

void TEditorTest::Restart() {
    m_editor = std::make_unique<TTarvexEditor>(m_ui, m_app);
}

void TEditorTest::WriteText(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}

std::string TEditorTest::ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TTreeNode* TEditorTest::Node(std::initializer_list<int> path) const {
    TTreeNode* node = nullptr;
    for (int index : path) {
        node = node ? node->Child(index) : m_editor->Project().Objects.Root(index);
        if (!node) {
            return nullptr;
        }
    }
    return node;
}

std::vector<std::string> TEditorTest::MessagesWithCaption(const std::string& caption) const {
    std::vector<std::string> texts;
    for (const TUiCall& call : m_ui.CallsOf("Message")) {
        if (call.Caption == caption) {
            texts.push_back(call.Text);
        }
    }
    return texts;
}

} // namespace tarvex::test
