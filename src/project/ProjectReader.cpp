#include "ProjectReader.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tarvex {

namespace {

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

std::size_t FindIgnoringCase(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size()) {
        return std::string_view::npos;
    }
    for (std::size_t i = 0; i + needle.size() <= text.size(); ++i) {
        if (EqualsIgnoringCase(text.substr(i, needle.size()), needle)) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlankOrControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// `<name>` at the start of the line, any letter case. The closing tag is removed only when it ends
// the line in exactly the case it is written in; otherwise it stays part of the value.
std::optional<std::string_view> GetElementValue(std::string_view line, std::string_view name) {
    if (line.size() < name.size() + 2 || line[0] != '<' || line[name.size() + 1] != '>' ||
        !EqualsIgnoringCase(line.substr(1, name.size()), name)) {
        return std::nullopt;
    }
    std::string_view value = line.substr(name.size() + 2);
    const std::size_t closeSize = name.size() + 3;
    if (value.size() >= closeSize) {
        const std::string_view tail = value.substr(value.size() - closeSize);
        if (tail.substr(0, 2) == "</" && tail.substr(2, name.size()) == name && tail.back() == '>') {
            value.remove_suffix(closeSize);
        }
    }
    return value;
}

// The group's value lines are positional: whatever the opening tag says is skipped unread, and the
// value runs up to the first closing tag of the expected name.
std::string_view GetGroupFieldValue(std::string_view line, std::string_view name) {
    const std::size_t skip = name.size() + 2;
    if (line.size() <= skip) {
        return {};
    }
    const std::string_view rest = line.substr(skip);
    std::string closing = "</";
    closing += name;
    closing += '>';
    const std::size_t at = FindIgnoringCase(rest, closing);
    return at == std::string_view::npos ? std::string_view() : rest.substr(0, at);
}

// Whole decimal numbers with an optional sign that fit 32 bits; anything else is no number.
std::optional<int32_t> ParseInteger(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > int64_t{INT32_MAX} + 1) {
            return std::nullopt;
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX || value < INT32_MIN) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

// A value that is not a number leaves the field as it was (its default unless set before).
void StoreInteger(int32_t& field, std::string_view value) {
    if (const auto number = ParseInteger(value)) {
        field = *number;
    }
}

// Line by line over the bytes, in the manner of a text file read with an end-of-file flag.
class TLineReader {
public:
    explicit TLineReader(std::string_view bytes) : m_bytes(bytes) {}

    bool AtEnd() const { return m_pos >= m_bytes.size(); }

    // A line ends at CR LF, LF or a lone CR; blanks and control characters at either end are
    // trimmed away. Reading at the end gives an empty line.
    std::string_view ReadLine() {
        if (AtEnd()) {
            return {};
        }
        const std::size_t brk = m_bytes.find_first_of("\r\n", m_pos);
        const std::size_t end = brk == std::string_view::npos ? m_bytes.size() : brk;
        const std::string_view line = m_bytes.substr(m_pos, end - m_pos);
        m_pos = end;
        if (m_pos < m_bytes.size()) {
            const bool crlf =
                m_bytes[m_pos] == '\r' && m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '\n';
            m_pos += crlf ? 2 : 1;
        }
        return Trim(line);
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

class TProjectParser {
public:
    TProjectParser(std::string_view bytes, TProject& project) : m_in(bytes), m_project(project) {}

    void Run() {
        while (!m_in.AtEnd()) {
            m_line = m_in.ReadLine();
            if (m_line.size() <= 4) {
                if (m_in.AtEnd()) {
                    continue;
                }
                // The line after a short one takes its place unexamined, so of two empty lines in
                // a row the second is simply ignored.
                m_line = m_in.ReadLine();
            }
            // Each test sees the line the previous one left behind: a block ends on its last line.
            if (IsTag("<HEADER>")) {
                SkipHeader();
            }
            if (IsTag("<MENU_OPTIONS>")) {
                ReadOptions();
            }
            if (IsTag("<MENU_ITEM>")) {
                ReadItem();
            }
            if (IsTag("<MENU_GROUP>")) {
                ReadGroup();
            }
            if (IsTag("</MENU_GROUP>") && m_group) {
                m_group = m_group->Parent();
            }
            if (IsTag("<STYLE>")) {
                ReadStyle();
            }
        }
    }

private:
    bool IsTag(std::string_view tag) const { return EqualsIgnoringCase(m_line, tag); }

    // Reads the lines of a block up to its closing tag or the end, handing each to `take`.
    template <typename F> void ReadBlock(std::string_view closing, F&& take) {
        while (!m_in.AtEnd()) {
            m_line = m_in.ReadLine();
            if (IsTag(closing)) {
                return;
            }
            take(m_line);
        }
    }

    void SkipHeader() {
        ReadBlock("</HEADER>", [](std::string_view) {});
    }

    void ReadOptions() {
        TMenuOptionsRec options;
        // The main menu's defaults whatever the level: a submenu block that leaves out its
        // orientation or position reads as "Horizontal" at 40, 140.
        FillDefaultMenuOptions(m_project, options, nullptr);
        ReadBlock("</MENU_OPTIONS>", [&](std::string_view line) {
            if (auto v = GetElementValue(line, "RemainVisible")) {
                StoreInteger(options.RemainVisible, *v);
            } else if (auto v = GetElementValue(line, "MenuLeft")) {
                StoreInteger(options.MenuLeft, *v);
            } else if (auto v = GetElementValue(line, "MenuTop")) {
                StoreInteger(options.MenuTop, *v);
            } else if (auto v = GetElementValue(line, "MenuWidth")) {
                StoreInteger(options.MenuWidth, *v);
            } else if (auto v = GetElementValue(line, "MenuBorder")) {
                StoreInteger(options.MenuBorder, *v);
            } else if (auto v = GetElementValue(line, "ScreenPosition")) {
                options.ScreenPosition = *v;
            } else if (auto v = GetElementValue(line, "MenuStyle")) {
                options.MenuStyle = *v;
            } else if (auto v = GetElementValue(line, "TextAlignment")) {
                options.TextAlignment = *v;
            } else if (auto v = GetElementValue(line, "Orientation")) {
                options.Orientation = *v;
            } else if (auto v = GetElementValue(line, "ImagePosition")) {
                options.ImagePosition = *v;
            } else if (auto v = GetElementValue(line, "MenuOpening")) {
                options.MenuOpening = *v;
            }
        });
        AppendOptionsNode(m_project, m_group, options);
    }

    void ReadItem() {
        TMenuItemRec item;
        FillDefaultMenuItem(item);
        ReadBlock("</MENU_ITEM>", [&](std::string_view line) {
            if (auto v = GetElementValue(line, "Caption")) {
                item.Caption = *v;
            } else if (auto v = GetElementValue(line, "Image")) {
                item.Hint = *v;
            } else if (auto v = GetElementValue(line, "Address")) {
                item.Address = *v;
            } else if (auto v = GetElementValue(line, "Target")) {
                item.Target = *v;
            }
        });
        AppendItemNode(m_project, m_group, TNodeKind::MenuItem, item);
    }

    void ReadGroup() {
        TMenuItemRec group;
        FillDefaultMenuItem(group);
        const auto readField = [&](auto& field, std::string_view name) {
            if (!m_in.AtEnd()) {
                m_line = m_in.ReadLine();
                field = GetGroupFieldValue(m_line, name);
            }
        };
        readField(group.Caption, "Caption");
        readField(group.Hint, "Image");
        readField(group.Address, "Address");
        readField(group.Target, "Target");
        m_group = AppendItemNode(m_project, m_group, TNodeKind::MenuGroup, group);
    }

    void ReadStyle() {
        TMenuStyleRec style;
        FillDefaultStyle(style);
        ReadBlock("</STYLE>", [&](std::string_view line) {
            if (auto v = GetElementValue(line, "Name")) {
                m_pendingStyleName = *v;
            } else if (auto v = GetElementValue(line, "MouseOffFont")) {
                style.MouseOffFont = *v;
            } else if (auto v = GetElementValue(line, "MouseOffBackground")) {
                style.MouseOffBackground = *v;
            } else if (auto v = GetElementValue(line, "MouseOnFont")) {
                style.MouseOnFont = *v;
            } else if (auto v = GetElementValue(line, "MouseOnBackground")) {
                style.MouseOnBackground = *v;
            } else if (auto v = GetElementValue(line, "MenuBorderColor")) {
                style.MenuBorderColor = *v;
            } else if (auto v = GetElementValue(line, "FontSize")) {
                StoreInteger(style.FontSize, *v);
            } else if (auto v = GetElementValue(line, "FontStyle")) {
                style.FontStyle = *v;
            } else if (auto v = GetElementValue(line, "FontWeight")) {
                style.FontWeight = *v;
            } else if (auto v = GetElementValue(line, "FontName")) {
                style.FontName = *v;
            } else if (auto v = GetElementValue(line, "MenuItemPadding")) {
                StoreInteger(style.MenuItemPadding, *v);
            } else if (auto v = GetElementValue(line, "SubMenuImage")) {
                style.SubMenuImage = *v;
            } else if (auto v = GetElementValue(line, "BorderSeparatorbar")) {
                style.BorderSeparatorbar = *v;
            } else if (auto v = GetElementValue(line, "HighColor")) {
                style.HighColor = *v;
            } else if (auto v = GetElementValue(line, "LowColor")) {
                style.LowColor = *v;
            } else if (auto v = GetElementValue(line, "TopBarImage")) {
                style.TopBarImage = *v;
            } else if (auto v = GetElementValue(line, "MenuHeaderFontColor")) {
                style.MenuHeaderFontColor = *v;
            } else if (auto v = GetElementValue(line, "MenuHeaderBackground")) {
                style.MenuHeaderBackground = *v;
            }
        });
        // A block without a name takes the one read before it.
        AppendStyleNode(m_project, m_pendingStyleName, style);
    }

    TLineReader m_in;
    TProject& m_project;
    std::string_view m_line;
    TTreeNode* m_group = nullptr;
    std::string m_pendingStyleName;
};

// Keeps both trees in an update for the whole read, also if an allocation fails half way.
class TTreeUpdateScope {
public:
    explicit TTreeUpdateScope(TProject& project) : m_project(project) {
        m_project.Objects.BeginUpdate();
        m_project.Styles.BeginUpdate();
    }
    ~TTreeUpdateScope() {
        m_project.Styles.EndUpdate();
        m_project.Objects.EndUpdate();
    }
    TTreeUpdateScope(const TTreeUpdateScope&) = delete;
    TTreeUpdateScope& operator=(const TTreeUpdateScope&) = delete;

private:
    TProject& m_project;
};

} // namespace

bool HoldsProject(std::string_view bytes) {
    static constexpr std::string_view Tags[] = {"<PROJECT>",   "<MENU>",   "<MENU_OPTIONS>", "<MENU_GROUP>",
                                                "<MENU_ITEM>", "<STYLES>", "<STYLE>"};
    TLineReader in(bytes);
    while (!in.AtEnd()) {
        const std::string_view line = in.ReadLine();
        for (const std::string_view tag : Tags) {
            if (EqualsIgnoringCase(line, tag)) {
                return true;
            }
        }
    }
    return false;
}

void ReadProjectText(std::string_view bytes, TProject& project) {
    TTreeUpdateScope update(project);
    TProjectParser(bytes, project).Run();
}

} // namespace tarvex
