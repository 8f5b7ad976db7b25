#include "ProjectWriter.h"

#include "model/FileIo.h"

#include <string_view>
#include <utility>
#include <vector>

namespace tarvex {

namespace {

// Collects the file's lines; every line, the last included, ends with CR LF.
class TProjectLines {
public:
    void Line(std::string_view text = {}) {
        m_bytes += text;
        m_bytes += "\r\n";
    }
    // One value element: no escaping, the value written as its bytes are.
    void Element(std::string_view name, std::string_view value) {
        m_bytes += '<';
        m_bytes += name;
        m_bytes += '>';
        m_bytes += value;
        m_bytes += "</";
        m_bytes += name;
        m_bytes += ">\r\n";
    }
    void Element(std::string_view name, int32_t value) { Element(name, std::to_string(value)); }

    std::string Take() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};

void WriteOptions(TProjectLines& out, const TMenuOptionsRec& options) {
    out.Line();
    out.Line("<MENU_OPTIONS>");
    out.Element("RemainVisible", options.RemainVisible);
    out.Element("MenuLeft", options.MenuLeft);
    out.Element("MenuTop", options.MenuTop);
    out.Element("MenuWidth", options.MenuWidth);
    out.Element("MenuBorder", options.MenuBorder);
    out.Element("ScreenPosition", options.ScreenPosition);
    out.Element("MenuStyle", options.MenuStyle);
    out.Element("TextAlignment", options.TextAlignment);
    out.Element("Orientation", options.Orientation);
    out.Element("ImagePosition", options.ImagePosition);
    out.Element("MenuOpening", options.MenuOpening);
    out.Line("</MENU_OPTIONS>");
}

// The group's four value lines come first and in this order: the reader takes them by position.
void WriteEntryHead(TProjectLines& out, std::string_view tag, const TMenuItemRec& item) {
    out.Line();
    out.Line(tag);
    out.Element("Caption", item.Caption);
    out.Element("Image", item.Hint);
    out.Element("Address", item.Address);
    out.Element("Target", item.Target);
}

void WriteStyle(TProjectLines& out, const TTreeNode& node) {
    const TMenuStyleRec& style = node.Style();
    out.Line("<STYLE>");
    out.Element("Name", node.Text());
    out.Element("MouseOffFont", style.MouseOffFont);
    out.Element("MouseOffBackground", style.MouseOffBackground);
    out.Element("MouseOnFont", style.MouseOnFont);
    out.Element("MouseOnBackground", style.MouseOnBackground);
    out.Element("MenuBorderColor", style.MenuBorderColor);
    out.Element("FontSize", style.FontSize);
    out.Element("FontStyle", style.FontStyle);
    out.Element("FontWeight", style.FontWeight);
    out.Element("FontName", style.FontName);
    out.Element("MenuItemPadding", style.MenuItemPadding);
    out.Element("SubMenuImage", style.SubMenuImage);
    out.Element("BorderSeparatorbar", style.BorderSeparatorbar);
    out.Element("HighColor", style.HighColor);
    out.Element("LowColor", style.LowColor);
    out.Element("TopBarImage", style.TopBarImage);
    out.Element("MenuHeaderFontColor", style.MenuHeaderFontColor);
    out.Element("MenuHeaderBackground", style.MenuHeaderBackground);
    out.Line("</STYLE>");
}

// Depth first with an explicit stack: a design read from a hostile file may nest groups far
// deeper than the call stack could follow.
void WriteObjects(TProjectLines& out, const TTree& objects) {
    struct TFrame {
        const std::vector<std::unique_ptr<TTreeNode>>* level;
        std::size_t next;
    };
    std::vector<TFrame> stack{{&objects.Roots(), 0}};
    while (!stack.empty()) {
        TFrame& frame = stack.back();
        if (frame.next == frame.level->size()) {
            stack.pop_back();
            if (!stack.empty()) {
                out.Line("</MENU_GROUP>");
            }
            continue;
        }
        const TTreeNode& node = *(*frame.level)[frame.next++];
        switch (node.Kind()) {
        case TNodeKind::MenuOptions:
            WriteOptions(out, node.Options());
            break;
        case TNodeKind::MenuItem:
            WriteEntryHead(out, "<MENU_ITEM>", node.Item());
            out.Line("</MENU_ITEM>");
            break;
        case TNodeKind::MenuGroup:
            WriteEntryHead(out, "<MENU_GROUP>", node.Item());
            stack.push_back({&node.Children(), 0}); // `frame` is not used past this point
            break;
        case TNodeKind::Style:
            break;
        }
    }
}

} // namespace

std::string WriteProjectText(const TProject& project) {
    TProjectLines out;
    out.Line(R"(<?xml version="1.0" encoding="iso-8859-1"?>)");
    out.Line();
    out.Line("<!-- Created by Korvane Tarvex (" + std::string(KorvaneHomePage) + ") -->");
    out.Line();
    out.Line("<PROJECT>");
    out.Line("<MENU>");
    out.Line("<HEADER>");
    out.Element("HANDLE", "Korvane Tarvex");
    out.Element("WEB", KorvaneHomePage);
    out.Line("</HEADER>");
    WriteObjects(out, project.Objects);
    out.Line("</MENU>");
    out.Line("<STYLES>");
    for (const auto& style : project.Styles.Roots()) {
        if (style->IsStyle()) {
            WriteStyle(out, *style);
        }
    }
    out.Line("</STYLES>");
    out.Line("</PROJECT>");
    return out.Take();
}

TSaveStatus SaveProjectFile(const TProject& project, const std::filesystem::path& path) {
    if (IsReadOnlyFile(path)) {
        return TSaveStatus::ReadOnly;
    }
    // Built whole and swapped in, so a failure while writing never costs the previous project.
    const std::string bytes = WriteProjectText(project);
    switch (WriteFileAtomically(path, bytes)) {
    case TWriteStatus::Written:
        return TSaveStatus::Written;
    case TWriteStatus::NotWritable:
        // Another user's file in a folder we may write to: refused as a read-only file is.
        return TSaveStatus::ReadOnly;
    case TWriteStatus::CannotCreate:
        break;
    }
    return TSaveStatus::CannotCreate;
}

} // namespace tarvex
