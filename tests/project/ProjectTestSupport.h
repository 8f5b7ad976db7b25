#pragma once
// Helpers shared by the project-file tests: data files, scratch folders and tree comparison.

#include "base/FileIo.h"
#include "model/Project.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tarvex::test {

// The design that nested-three-levels.xml holds, built without the reader.
void FillNestedThreeLevels(TProject& project);

inline std::string DataFile(const std::string& name) {
    const auto bytes = ReadWholeFile(std::filesystem::path(TARVEX_TEST_DATA) / "project" / name);
    EXPECT_TRUE(bytes.has_value()) << name;
    return bytes.value_or("");
}

// A fresh folder per test, removed again afterwards (write bits restored first).
class TScratchDir {
public:
    TScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 ("tarvex-project-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TScratchDir() {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(m_path, ec)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
        }
        std::filesystem::remove_all(m_path, ec);
    }
    TScratchDir(const TScratchDir&) = delete;
    TScratchDir& operator=(const TScratchDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Kind, text and record of every node in pre-order, with the level: two trees give the same
// list exactly when they have the same shape and content.
struct TFlatNode {
    int level;
    TNodeKind kind;
    std::string text;
    TMenuItemRec item;
    TMenuOptionsRec options;
    TMenuStyleRec style;
    friend bool operator==(const TFlatNode&, const TFlatNode&) = default;
};

inline std::vector<TFlatNode> Flatten(const TTree& tree) {
    std::vector<TFlatNode> nodes;
    tree.ForEach([&](const TTreeNode& node) {
        TFlatNode flat{node.Level(), node.Kind(), node.Text(), {}, {}, {}};
        if (node.IsOptions()) {
            flat.options = node.Options();
        } else if (node.IsStyle()) {
            flat.style = node.Style();
        } else {
            flat.item = node.Item();
        }
        nodes.push_back(std::move(flat));
    });
    return nodes;
}

// The objects tree as text, e.g. "O G:Menu group name{O I:Menu item name}".
inline std::string Shape(const TTree& tree) {
    std::string out;
    tree.Walk(
        [&](const TTreeNode& node) {
            if (node.Index() > 0) {
                out += ' ';
            }
            switch (node.Kind()) {
            case TNodeKind::MenuOptions:
                out += 'O';
                break;
            case TNodeKind::MenuItem:
                out += "I:" + node.Text();
                break;
            case TNodeKind::MenuGroup:
                out += "G:" + node.Text() + '{';
                break;
            case TNodeKind::Style:
                out += "S:" + node.Text();
                break;
            }
        },
        [&](const TTreeNode& node) {
            if (node.IsGroup()) {
                out += '}';
            }
        });
    return out;
}

} // namespace tarvex::test
