#include "ProjectReader.h"

#include "ProjectLines.h"
#include "TargetFields.h"

#include "base/FileIo.h"
#include "base/IntegerText.h"
#include "base/RecordText.h"
#include "model/RecordFields.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace tarvex {

namespace {

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameLettersIgnoringCase(std::string_view a, std::string_view b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

// Every line is tested against several tags, and most differ from each in length alone: that
// test stays inline, so a large file's lines are not each a dozen calls.
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && SameLettersIgnoringCase(a, b);
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
// value runs up to the first closing tag of the expected name. The skip counts characters: the
// file's 8-bit text is UTF-8 here, and a cut inside a character would leave a record that is not.
std::string_view GetGroupFieldValue(std::string_view line, std::string_view name) {
    const std::size_t skip = Utf8PrefixSize(line, name.size() + 2);
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

// A value that is not a number leaves the field as it was (its default unless set before).
bool StoreInteger(int32_t& field, std::string_view value) {
    const auto number = ParseInt32(value, TPlusSign::Allowed);
    if (number) {
        field = *number;
    }
    return number.has_value();
}

class TProjectParser {
public:
    TProjectParser(std::string_view text, bool utf8, TProject& project)
        : m_in(text), m_project(project), m_utf8(utf8) {}

    void Run() {
        while (!m_in.AtEnd()) {
            m_line = m_in.ReadLine();
            // A group's optional fields follow its positional lines, in any order.
            if (m_extrasOf && StoreOptionalField(m_line, m_extrasOf->EditItem())) {
                continue;
            }
            m_extrasOf = nullptr;
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
            if (IsTag("<PUBLISH_TARGET>")) {
                ReadTarget();
            }
        }
    }

private:
    bool IsTag(std::string_view tag) const { return EqualsIgnoringCase(m_line, tag); }

    // A UTF-8 file is checked and normalised value by value: the markup is ASCII, and a mark at
    // the start of a value must not combine with the tag's ">" before it.
    std::string_view Text(std::string_view value) {
        if (!m_utf8) {
            return value;
        }
        m_text = CleanText(value);
        return m_text;
    }

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

    // The block's lines up to its closing tag: each value element of a field of the record is
    // stored into that field. Gives the fields stored, a bit each in the table's order.
    template <typename TRecord> std::uint32_t ReadFields(std::string_view closing, TRecord& record) {
        std::uint32_t stored = 0;
        ReadBlock(closing, [&](std::string_view line) { stored |= StoreField(line, record); });
        return stored;
    }

    // A line that is a value element of a field of the record stores its value there; any other
    // line is ignored. Gives the field's bit if a value was stored.
    template <typename TRecord> std::uint32_t StoreField(std::string_view line, TRecord& record) {
        const auto fields = FieldsOf<TRecord>();
        static_assert(FieldsOf<TRecord>().size() <= 32);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const TRecordField<TRecord>& field = fields[i];
            if (const auto value = GetElementValue(line, field.Tag)) {
                if (field.IsInteger() && !StoreInteger(record.*field.Integer, *value)) {
                    return 0;
                }
                if (!field.IsInteger()) {
                    field.SetText(record, Text(*value));
                }
                return std::uint32_t{1} << i;
            }
        }
        return 0;
    }

    // A value element of one of the optional fields after a group's positional lines.
    bool StoreOptionalField(std::string_view line, TMenuItemRec& item) {
        for (std::size_t i = PositionalItemFields; i < MenuItemFields.size(); ++i) {
            if (const auto value = GetElementValue(line, MenuItemFields[i].Tag)) {
                MenuItemFields[i].SetText(item, Text(*value));
                return true;
            }
        }
        return false;
    }

    void ReadOptions() {
        TMenuOptionsRec options;
        // The main menu's defaults whatever the level: a submenu block that leaves out its
        // orientation or position reads as "Horizontal" at 40, 140.
        FillDefaultMenuOptions(m_project, options, nullptr);
        ReadFields("</MENU_OPTIONS>", options);
        AppendOptionsNode(m_project, m_group, std::move(options));
    }

    // Defaults only for the fields the block leaves out: an entry usually gives them all, and
    // making each default only to replace it would be most of the work of reading a large design.
    void ReadItem() {
        TMenuItemRec item;
        const std::uint32_t stored = ReadFields("</MENU_ITEM>", item);
        for (std::size_t i = 0; i < MenuItemFields.size(); ++i) {
            if (!(stored & (std::uint32_t{1} << i))) {
                MenuItemFields[i].SetDefault(item);
            }
        }
        AppendItemNode(m_project, m_group, TNodeKind::MenuItem, std::move(item));
    }

    // The four value lines are taken by position, in the order the writer puts them; the main loop
    // takes the optional fields after them.
    void ReadGroup() {
        // A field keeps its default only when the file ends first.
        TMenuItemRec group;
        for (std::size_t i = 0; i < MenuItemFields.size(); ++i) {
            const TRecordField<TMenuItemRec>& field = MenuItemFields[i];
            if (i >= PositionalItemFields || m_in.AtEnd()) {
                field.SetDefault(group);
            } else {
                m_line = m_in.ReadLine();
                field.SetText(group, Text(GetGroupFieldValue(m_line, field.Tag)));
            }
        }
        m_group = AppendItemNode(m_project, m_group, TNodeKind::MenuGroup, std::move(group));
        m_extrasOf = m_group;
    }

    void ReadStyle() {
        TMenuStyleRec style;
        FillDefaultStyle(style);
        ReadBlock("</STYLE>", [&](std::string_view line) {
            if (auto v = GetElementValue(line, "Name")) {
                m_pendingStyleName = Text(*v);
            } else {
                StoreField(line, style);
            }
        });
        // A block without a name takes the one read before it.
        AppendStyleNode(m_project, m_pendingStyleName, std::move(style));
    }

    void ReadTarget() {
        TPublishTarget target;
        ReadBlock("</PUBLISH_TARGET>", [&](std::string_view line) { StoreTargetLine(line, m_utf8, target); });
        if (IsUsableTarget(target)) {
            m_project.Targets.push_back(std::move(target));
        }
    }

    TLineReader m_in;
    TProject& m_project;
    std::string_view m_line;
    TTreeNode* m_group = nullptr;
    TTreeNode* m_extrasOf = nullptr; // the group whose optional fields may come next
    std::string m_pendingStyleName;
    bool m_utf8;
    std::string m_text;
};

// The first line's encoding="utf-8" (any letter case, either quote) or a UTF-8 byte-order mark.
bool DeclaresUtf8(std::string_view& bytes) {
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, Bom.size()) == Bom) {
        bytes.remove_prefix(Bom.size());
        return true;
    }
    std::string_view first = bytes.substr(0, bytes.find_first_of("\r\n"));
    const std::size_t at = FindIgnoringCase(first, "encoding");
    if (at == std::string_view::npos) {
        return false;
    }
    first.remove_prefix(at + 8);
    first = Trim(first);
    if (first.empty() || first.front() != '=') {
        return false;
    }
    first = Trim(first.substr(1));
    if (first.empty() || (first.front() != '"' && first.front() != '\'')) {
        return false;
    }
    const std::size_t close = first.find(first.front(), 1);
    const std::string_view name = first.substr(1, close == std::string_view::npos ? 0 : close - 1);
    return EqualsIgnoringCase(name, "utf-8") || EqualsIgnoringCase(name, "utf8");
}

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
    // The tags the reader builds from, and the one that opens every written project; an HTML
    // page's lone "<menu>" line does not make it a project.
    static constexpr std::string_view Tags[] = {"<PROJECT>", "<MENU_OPTIONS>", "<MENU_GROUP>", "<MENU_ITEM>",
                                                "<STYLE>"};
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

bool ExceedsProjectBlockLimit(std::string_view bytes) {
    static constexpr std::string_view Openers[] = {"<MENU_OPTIONS>", "<MENU_GROUP>", "<MENU_ITEM>",
                                                   "<STYLE>"};
    std::size_t blocks = 0;
    TLineReader in(bytes);
    while (!in.AtEnd()) {
        const std::string_view line = in.ReadLine();
        for (const std::string_view tag : Openers) {
            if (EqualsIgnoringCase(line, tag) && ++blocks > ProjectBlockLimit) {
                return true;
            }
        }
    }
    return false;
}

TProjectFileBytes ReadProjectFile(const std::filesystem::path& path, const std::string& shownPath) {
    std::optional<std::string> bytes = ReadWholeFile(path, ProjectFileCeiling);
    if (!bytes) {
        std::error_code ec;
        const bool regular = std::filesystem::is_regular_file(path, ec);
        if (regular && std::filesystem::file_size(path, ec) > ProjectFileCeiling && !ec) {
            return {std::nullopt,
                    TARVEX_TEXT("Files", "The file %1 is too large for a Tarvex project (more than %2 MB).")
                        .Arg(shownPath)
                        .Arg(std::to_string(ProjectFileCeiling >> 20))};
        }
        return {std::nullopt, TARVEX_TEXT("Files", "Can't read file %1!").Arg(shownPath)};
    }
    // Taken for an empty design, any other file would be overwritten by the next Save.
    if (!HoldsProject(*bytes)) {
        return {std::nullopt, TARVEX_TEXT("Files", "The file %1 is not a Tarvex project!").Arg(shownPath)};
    }
    if (ExceedsProjectBlockLimit(*bytes)) {
        return {std::nullopt,
                TARVEX_TEXT("Files", "The file %1 holds more than %2 menu entries and styles, more "
                                     "than a Tarvex project may hold.")
                    .Arg(shownPath)
                    .Arg(std::to_string(ProjectBlockLimit))};
    }
    return {std::move(bytes), {}};
}

void ReadProjectText(std::string_view bytes, TProject& project) {
    TTreeUpdateScope update(project);
    if (DeclaresUtf8(bytes)) {
        TProjectParser(bytes, true, project).Run();
        return;
    }
    // Every other file is Windows-1252, converted once; a file of ASCII alone needs no copy.
    const bool ascii = IsAscii(bytes);
    const std::string converted = ascii ? std::string() : Windows1252ToUtf8(bytes);
    TProjectParser(ascii ? bytes : std::string_view(converted), false, project).Run();
}

} // namespace tarvex
