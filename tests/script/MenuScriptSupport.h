#pragma once
// What the menu script tests share: small designs built in code, and reading one menu's lines back.

#include "script/MenuScript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::script_test {

namespace fs = std::filesystem;

inline TMenuOptionsRec Options(int32_t left, int32_t top, std::string_view style,
                               std::string_view orientation) {
    TMenuOptionsRec o;
    o.RemainVisible = 100;
    o.MenuLeft = left;
    o.MenuTop = top;
    o.MenuWidth = 150;
    o.MenuBorder = 1;
    o.MenuStyle = style;
    o.TextAlignment = "left";
    o.Orientation = orientation;
    o.MenuOpening = "on mouse over";
    return o;
}

inline TTreeNode* Entry(TProject& p, TTreeNode* parent, TNodeKind kind, std::string_view caption,
                        std::string_view address = "a.htm", std::string_view target = "",
                        std::string_view hint = "") {
    TMenuItemRec item;
    item.Caption = caption;
    item.Address = address;
    item.Target = target;
    item.Hint = hint;
    return AppendItemNode(p, parent, kind, item);
}

inline TTreeNode* Group(TProject& p, TTreeNode* parent, std::string_view caption) {
    TTreeNode* g = Entry(p, parent, TNodeKind::MenuGroup, caption);
    AppendOptionsNode(p, g, Options(40, 161, "Main style", "Vertical"));
    return g;
}

inline TTreeNode* DefaultStyle(TProject& p, std::string name = "Main style") {
    TMenuStyleRec s;
    FillDefaultStyle(s);
    return AppendStyleNode(p, std::move(name), s);
}

// A products menu: one style, a group "Our products" holding its price list.
inline void BuildProductsMenu(TProject& p) {
    DefaultStyle(p);
    AppendOptionsNode(p, nullptr, Options(40, 140, "Main style", "Horizontal"));
    TTreeNode* group =
        Entry(p, nullptr, TNodeKind::MenuGroup, "Our products", "products.htm", "", "All our products");
    AppendOptionsNode(p, group, Options(40, 161, "Main style", "Vertical"));
    Entry(p, group, TNodeKind::MenuItem, "Price list", "prices.htm", "_blank");
}

// The lines of one addmenu call, from its first line to "])"; empty when the menu is absent.
inline std::vector<std::string> Menu(const TMenuScript& s, std::string_view name) {
    const std::string first = "addmenu(menu=[\"" + std::string(name) + "\",";
    auto begin = std::find(s.Lines.begin(), s.Lines.end(), first);
    if (begin == s.Lines.end()) {
        return {};
    }
    auto end = std::find(begin, s.Lines.end(), "])");
    return {begin, end == s.Lines.end() ? end : end + 1};
}

inline std::vector<std::string> MenuOrder(const TMenuScript& s) {
    std::vector<std::string> names;
    for (const std::string& line : s.Lines) {
        if (line.starts_with("addmenu(menu=[\"")) {
            names.push_back(line.substr(15, line.size() - 17));
        }
    }
    return names;
}

inline std::string ReadFile(const fs::path& path) {
    auto bytes = ReadWholeFile(path);
    EXPECT_TRUE(bytes.has_value()) << path;
    return bytes.value_or("");
}

} // namespace tarvex::script_test
