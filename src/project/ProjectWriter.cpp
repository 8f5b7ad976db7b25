#include "ProjectWriter.h"

#include "TargetFields.h"

#include "base/FileIo.h"
#include "base/RecordText.h"
#include "model/RecordFields.h"

#include <string_view>
#include <utility>

namespace tarvex {

namespace {

// Collects the file's lines; every line, the last included, ends with CR LF. Without a string it
// only counts their bytes: a large design's text is measured first and then written into room
// made once, instead of being copied each time it outgrows its buffer.
class TProjectLines {
public:
    explicit TProjectLines(std::string* bytes) : m_bytes(bytes) {}

    void Line(std::string_view text = {}) {
        Put(text);
        Put("\r\n");
    }
    // One value element: no escaping, the value written as its bytes are.
    void Element(std::string_view name, std::string_view value) {
        Put("<");
        Put(name);
        Put(">");
        Put(value);
        Put("</");
        Put(name);
        Put(">\r\n");
    }

    std::size_t Counted() const { return m_counted; }

private:
    void Put(std::string_view text) {
        if (m_bytes) {
            m_bytes->append(text);
        } else {
            m_counted += text.size();
        }
    }

    std::string* m_bytes;
    std::size_t m_counted = 0;
};

// Every field of the record, in the table's order, each as one value element.
template <typename TRecord> void WriteFields(TProjectLines& out, const TRecord& record) {
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        const bool unchanged = field.IsInteger() ? record.*field.Integer == field.IntegerDefault
                                                 : field.GetText(record) == field.TextDefault;
        if (!field.WrittenWhenChanged || !unchanged) {
            out.Element(field.Tag, field.Text(record));
        }
    }
}

void WriteStyle(TProjectLines& out, const TTreeNode& node) {
    out.Line("<STYLE>");
    out.Element("Name", node.Text());
    WriteFields(out, node.Style());
    out.Line("</STYLE>");
}

// A group's four value lines come first, in the table's order: the reader takes them by position.
void WriteObjects(TProjectLines& out, const TTree& objects) {
    objects.Walk(
        [&](const TTreeNode& node) {
            switch (node.Kind()) {
            case TNodeKind::MenuOptions:
                out.Line();
                out.Line("<MENU_OPTIONS>");
                WriteFields(out, node.Options());
                out.Line("</MENU_OPTIONS>");
                break;
            case TNodeKind::MenuItem:
            case TNodeKind::MenuGroup:
                out.Line();
                out.Line(node.IsGroup() ? "<MENU_GROUP>" : "<MENU_ITEM>");
                WriteFields(out, node.Item());
                break;
            case TNodeKind::Style:
                break;
            }
        },
        [&](const TTreeNode& node) {
            if (node.IsGroup()) {
                out.Line("</MENU_GROUP>");
            } else if (node.IsItem()) {
                out.Line("</MENU_ITEM>");
            }
        });
}

constexpr std::string_view Latin1 = R"(<?xml version="1.0" encoding="iso-8859-1"?>)";

void WriteProject(TProjectLines& out, const TProject& project) {
    out.Line(Latin1);
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
    for (const TTreeNode& style : project.Styles.Roots()) {
        if (style.IsStyle()) {
            WriteStyle(out, style);
        }
    }
    out.Line("</STYLES>");
    for (const std::string& line : TargetLines(project.Targets)) {
        out.Line(line);
    }
    out.Line("</PROJECT>");
}

} // namespace

std::string WriteProjectText(const TProject& project, std::string room) {
    static constexpr std::string_view Utf8 = R"(<?xml version="1.0" encoding="utf-8"?>)";
    TProjectLines counter(nullptr);
    WriteProject(counter, project);
    std::string text = std::move(room);
    text.clear();
    text.reserve(counter.Counted());
    TProjectLines out(&text);
    WriteProject(out, project);
    // A design that Windows-1252 can hold is written in it, as every earlier version did, so
    // those files stay readable by older tools; any other is UTF-8 throughout and says so.
    if (IsAscii(text)) {
        return text;
    }
    std::string lost;
    std::string bytes = Utf8ToWindows1252(text, &lost);
    return lost.empty() ? bytes : text.replace(0, Latin1.size(), Utf8);
}

std::size_t ProjectTextBound(const TProject& project) {
    TProjectLines counter(nullptr);
    WriteProject(counter, project);
    return counter.Counted();
}

bool FitsProjectFile(const TProject& design, const TProject& added) {
    // The longest number a record holds ("-2147483648") and the longest suffix a free style name
    // takes (" " and ten digits).
    constexpr std::size_t LongestNumber = 11;
    std::size_t integers = 0;
    for (const TRecordField<TMenuOptionsRec>& field : FieldsOf<TMenuOptionsRec>()) {
        integers += field.IsInteger() ? 1 : 0;
    }
    std::size_t room = 0;
    added.Objects.ForEach(
        [&](const TTreeNode& node) { room += node.IsOptions() ? (integers + 1) * LongestNumber : 0; });
    room += static_cast<std::size_t>(added.Styles.RootCount()) * LongestNumber;
    const std::uint64_t bound = std::uint64_t{ProjectTextBound(design)} + ProjectTextBound(added) + room;
    return bound <= ProjectFileCeiling;
}

TSaveStatus SaveProjectFile(const TProject& project, const std::filesystem::path& path, std::string room) {
    if (IsReadOnlyFile(path)) {
        return TSaveStatus::ReadOnly;
    }
    // Built whole and swapped in, so a failure while writing never costs the previous project.
    const std::string bytes = WriteProjectText(project, std::move(room));
    switch (WriteFileAtomically(path, bytes)) {
    case TWriteStatus::Written:
        return TSaveStatus::Written;
    case TWriteStatus::NotWritable:
        // Another user's file in a folder we may write to: refused as a read-only file is.
        return TSaveStatus::ReadOnly;
    case TWriteStatus::NoSpace:
        return TSaveStatus::NoSpace;
    case TWriteStatus::FolderRefusesNewFiles:
        return TSaveStatus::FolderRefusesNewFiles;
    case TWriteStatus::CannotCreate:
    case TWriteStatus::HeldByOtherWindow:
        break;
    }
    return TSaveStatus::CannotCreate;
}

} // namespace tarvex
