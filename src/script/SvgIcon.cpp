#include "SvgIcon.h"

#include "HtmlText.h"
#include "ScriptLiteral.h"
#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/RecordText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace tarvex {

namespace {

constexpr std::array<std::string_view, 9> Shapes = {"svg",  "g",        "path",    "circle", "ellipse",
                                                    "rect", "polyline", "polygon", "line"};
// Harmless words about the drawing, left out with all they hold.
constexpr std::array<std::string_view, 3> Notes = {"title", "desc", "metadata"};
constexpr std::array<std::string_view, 25> Presentational = {"d",
                                                             "points",
                                                             "cx",
                                                             "cy",
                                                             "r",
                                                             "rx",
                                                             "ry",
                                                             "x",
                                                             "y",
                                                             "x1",
                                                             "y1",
                                                             "x2",
                                                             "y2",
                                                             "width",
                                                             "height",
                                                             "viewBox",
                                                             "fill",
                                                             "stroke",
                                                             "fill-rule",
                                                             "stroke-width",
                                                             "stroke-linecap",
                                                             "opacity",
                                                             "stroke-linejoin",
                                                             "transform",
                                                             "clip-rule"};
// Deep enough for any drawn icon, shallow enough that rebuilding it never strains a browser.
constexpr int DeepestElement = 16;

template <std::size_t N> bool OneOf(const std::array<std::string_view, N>& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' ||
           c == '-' || c == '_' || c == '.';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

TSvgIcon Refused(TUiText why) {
    return TSvgIcon{{}, std::move(why), {}};
}

// Each reason ends the sentence "Its icon file "NAME" …, so no icon is drawn." of the Checks list.
TUiText Why(const char* source, std::vector<TUiText> args = {}) {
    return TUiText("Checks", source, std::move(args));
}

struct TElement {
    std::string Tag;
    std::string Attributes; // the object literal's members, each followed by ","
    std::vector<std::string> Children;
    std::string MarkupAttributes; // each as ` name="value"`
    std::string MarkupChildren;
    bool Fills = false;
};

// A strict reader of the little XML an icon needs. It knows no document type and so no entity
// but the five predefined and character references: what it does not know, it refuses.
class TSvgReader {
public:
    explicit TSvgReader(std::string_view text) : m_text(text) {}

    TSvgIcon Read() {
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF") {
            m_at = 3;
        }
        while (m_refusal.Empty() && Next()) {
        }
        if (m_refusal.Empty() && (!m_open.empty() || m_skipped > 0)) {
            m_refusal = Why(TARVEX_TRANSLATE_NOOP("Checks", "ends before its elements are closed"));
        }
        if (m_refusal.Empty() && m_done.empty()) {
            m_refusal = Why(TARVEX_TRANSLATE_NOOP("Checks", "holds no svg element"));
        }
        return m_refusal.Empty() ? TSvgIcon{m_done.front(), {}, m_markup} : Refused(m_refusal);
    }

private:
    // One piece of the text: markup or the text between; false at the end or on a refusal.
    bool Next() {
        const std::size_t lt = m_text.find('<', m_at);
        const std::string_view between = m_text.substr(m_at, lt == std::string_view::npos ? lt : lt - m_at);
        if (between.find('&') != std::string_view::npos && m_skipped == 0) {
            Decoded(between); // only to refuse an entity it does not know
            if (!m_refusal.Empty()) {
                return false;
            }
        }
        if (lt == std::string_view::npos) {
            return false;
        }
        m_at = lt;
        const std::string_view rest = m_text.substr(m_at);
        if (rest.substr(0, 4) == "<!--") {
            return Skip("-->", TARVEX_TRANSLATE_NOOP("Checks", "has a comment that does not end"));
        }
        if (rest.substr(0, 2) == "<!") {
            return Refuse(Why(TARVEX_TRANSLATE_NOOP(
                "Checks", "declares a document type, entities or character data, which an icon may not")));
        }
        if (rest.substr(0, 5) == "<?xml" && m_seenMarkup == false) {
            return Skip("?>", TARVEX_TRANSLATE_NOOP("Checks", "has an XML declaration that does not end"));
        }
        if (rest.substr(0, 2) == "<?") {
            return Refuse(Why(TARVEX_TRANSLATE_NOOP("Checks", "holds a processing instruction")));
        }
        m_seenMarkup = true;
        return rest.substr(0, 2) == "</" ? Close() : Open();
    }

    bool Skip(std::string_view end, const char* refusal) {
        const std::size_t at = m_text.find(end, m_at + 2);
        if (at == std::string_view::npos) {
            return Refuse(Why(refusal));
        }
        m_at = at + end.size();
        return true;
    }

    bool Refuse(TUiText why) {
        m_refusal = std::move(why);
        return false;
    }

    bool NotWellFormed() { return Refuse(Why(TARVEX_TRANSLATE_NOOP("Checks", "is not well-formed XML"))); }

    std::string_view Name() {
        const std::size_t from = m_at;
        while (m_at < m_text.size() && IsNameChar(m_text[m_at])) {
            ++m_at;
        }
        return m_text.substr(from, m_at - from);
    }

    void SkipSpace() {
        while (m_at < m_text.size() && IsSpace(m_text[m_at])) {
            ++m_at;
        }
    }

    bool Open();
    bool Close();
    bool Attribute(TElement& element);
    bool Keep(TElement& element, std::string_view name, std::string value);
    void Finish(TElement element);
    std::string Decoded(std::string_view raw);

    std::string_view m_text;
    std::size_t m_at = 0;
    bool m_seenMarkup = false;
    std::vector<TElement> m_open;
    std::vector<std::string> m_done; // the finished drawing
    std::string m_markup;            // the same as markup
    int m_skipped = 0;               // depth inside a left-out note
    TUiText m_refusal;
};

bool TSvgReader::Open() {
    ++m_at;
    const std::string tag(Name());
    if (tag.empty()) {
        return NotWellFormed();
    }
    const bool note = m_skipped > 0 || OneOf(Notes, tag);
    if (!note && !OneOf(Shapes, tag)) {
        return Refuse(Why(TARVEX_TRANSLATE_NOOP("Checks", "holds a %1 element, which an icon may not"),
                          {TUiText::Verbatim(tag)}));
    }
    if (!note && m_open.empty() && !m_done.empty()) {
        return Refuse(Why(TARVEX_TRANSLATE_NOOP("Checks", "holds more than one drawing")));
    }
    if (!note && (m_open.empty() != (tag == "svg"))) {
        return Refuse(m_open.empty()
                          ? Why(TARVEX_TRANSLATE_NOOP("Checks", "does not begin with an svg element"))
                          : Why(TARVEX_TRANSLATE_NOOP("Checks", "holds an svg element inside another")));
    }
    if (static_cast<int>(m_open.size()) + m_skipped >= DeepestElement) {
        return Refuse(Why(TARVEX_TRANSLATE_NOOP("Checks", "nests its elements more than %1 deep"),
                          {TUiText::Verbatim(std::to_string(DeepestElement))}));
    }
    TElement element{tag, {}, {}, {}, {}, false};
    for (;;) {
        SkipSpace();
        if (m_at >= m_text.size()) {
            return Refuse(Why(TARVEX_TRANSLATE_NOOP("Checks", "ends inside the %1 element's tag"),
                              {TUiText::Verbatim(tag)}));
        }
        if (m_text.substr(m_at, 2) == "/>" || m_text[m_at] == '>') {
            break;
        }
        if (!Attribute(element)) {
            return false;
        }
        if (note) {
            element.Attributes.clear();
        }
    }
    const bool empty = m_text[m_at] == '/';
    m_at += empty ? 2 : 1;
    if (note) {
        m_skipped += empty ? 0 : 1;
        return true;
    }
    if (empty) {
        Finish(std::move(element));
    } else {
        m_open.push_back(std::move(element));
    }
    return true;
}

bool TSvgReader::Close() {
    m_at += 2;
    const std::string_view tag = Name();
    SkipSpace();
    if (m_at >= m_text.size() || m_text[m_at] != '>') {
        return NotWellFormed();
    }
    ++m_at;
    if (m_skipped > 0) {
        --m_skipped;
        return true;
    }
    if (m_open.empty() || m_open.back().Tag != tag) {
        return Refuse(Why(TARVEX_TRANSLATE_NOOP("Checks", "closes a %1 element it did not open"),
                          {TUiText::Verbatim(tag)}));
    }
    TElement element = std::move(m_open.back());
    m_open.pop_back();
    Finish(std::move(element));
    return true;
}

void TSvgReader::Finish(TElement element) {
    std::string literal = Quoted(element.Tag) + "{";
    if (!element.Attributes.empty()) {
        element.Attributes.pop_back();
    }
    literal += element.Attributes + "},[";
    for (std::size_t i = 0; i < element.Children.size(); ++i) {
        literal += (i ? "," : "") + element.Children[i];
    }
    literal = "[" + literal + "]]";
    // The outer element fills in the text colour unless the file says otherwise, as the engine draws it.
    const std::string fill = m_open.empty() && !element.Fills ? " fill=\"currentColor\"" : "";
    std::string markup = "<" + element.Tag + element.MarkupAttributes + fill + ">" + element.MarkupChildren +
                         "</" + element.Tag + ">";
    if (m_open.empty()) {
        m_done.push_back(std::move(literal));
        m_markup = std::move(markup);
    } else {
        m_open.back().Children.push_back(std::move(literal));
        m_open.back().MarkupChildren += markup;
    }
}

bool TSvgReader::Attribute(TElement& element) {
    const std::string name(Name());
    SkipSpace();
    if (name.empty() || m_at >= m_text.size() || m_text[m_at] != '=') {
        return NotWellFormed();
    }
    ++m_at;
    SkipSpace();
    const char quote = m_at < m_text.size() ? m_text[m_at] : '\0';
    const std::size_t end =
        quote == '"' || quote == '\'' ? m_text.find(quote, m_at + 1) : std::string_view::npos;
    if (end == std::string_view::npos) {
        return NotWellFormed();
    }
    const std::string_view raw = m_text.substr(m_at + 1, end - m_at - 1);
    m_at = end + 1;
    if (raw.find('<') != std::string_view::npos) {
        return NotWellFormed();
    }
    std::string value = Decoded(raw);
    return m_refusal.Empty() && Keep(element, name, std::move(value));
}

// What an attribute may be: one that runs, links or fetches refuses the file; any other that is
// not presentational (an id, a class, a namespace) is left out, as is every colour: the icon is
// drawn in the colour of the entry's text.
bool TSvgReader::Keep(TElement& element, std::string_view name, std::string value) {
    const std::string lower = AsciiLower(name);
    if (lower.substr(0, 2) == "on") {
        return Refuse(
            Why(TARVEX_TRANSLATE_NOOP("Checks", "has an event attribute (%1)"), {TUiText::Verbatim(lower)}));
    }
    if (lower.find("href") != std::string::npos || lower == "src" || lower == "xml:base") {
        return Refuse(Why(TARVEX_TRANSLATE_NOOP("Checks", "links to another file or address (%1)"),
                          {TUiText::Verbatim(name)}));
    }
    const std::string folded = AsciiLower(value);
    if (folded.find("url(") != std::string::npos || folded.find("javascript:") != std::string::npos) {
        return Refuse(Why(TARVEX_TRANSLATE_NOOP("Checks", "refers to something outside the drawing (%1)"),
                          {TUiText::Verbatim(name)}));
    }
    if (lower == "style" || !OneOf(Presentational, name)) {
        return true;
    }
    if ((name == "fill" || name == "stroke") && value != "none") {
        value = "currentColor";
    }
    element.Attributes += Quoted(name, ":") + Quoted(value);
    element.Fills = element.Fills || name == "fill";
    // The page that shows the markup sizes the drawing itself.
    if (!(element.Tag == "svg" && (name == "width" || name == "height"))) {
        element.MarkupAttributes += " " + std::string(name) + "=\"" + HtmlEscaped(value) + "\"";
    }
    return true;
}

std::string TSvgReader::Decoded(std::string_view raw) {
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '&') {
            out += raw[i];
            continue;
        }
        const std::size_t semicolon = raw.find(';', i);
        const std::string_view entity =
            raw.substr(i + 1, semicolon == std::string_view::npos ? 0 : semicolon - i - 1);
        static constexpr std::array<std::pair<std::string_view, char>, 5> Predefined = {
            {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}}};
        const auto known = std::find_if(Predefined.begin(), Predefined.end(),
                                        [entity](const auto& pair) { return pair.first == entity; });
        if (known != Predefined.end()) {
            out += known->second;
        } else if (entity.size() > 1 && entity.size() < 9 && entity[0] == '#') {
            const bool hex = entity[1] == 'x';
            const unsigned long code =
                std::stoul("0" + std::string(entity.substr(hex ? 2 : 1)), nullptr, hex ? 16 : 10);
            AppendUtf8(out, code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF) ? char32_t(code)
                                                                                             : U'?');
        } else {
            Refuse(Why(TARVEX_TRANSLATE_NOOP("Checks", "uses an entity (&%1;), which an icon may not"),
                       {TUiText::Verbatim(entity.substr(0, 20))}));
            return {};
        }
        i = semicolon;
    }
    return out;
}

TUiText TooLarge() {
    return Why(TARVEX_TRANSLATE_NOOP("Checks", "is larger than %1 KB"),
               {TUiText::Verbatim(std::to_string(IconFileLimit / 1024))});
}

} // namespace

bool IsIconFile(std::string_view icon) {
    return icon.size() > 4 && AsciiLower(icon.substr(icon.size() - 4)) == ".svg";
}

TSvgIcon ReduceSvg(std::string_view text) {
    if (text.size() > IconFileLimit) {
        return Refused(TooLarge());
    }
    if (!IsValidUtf8(text)) {
        return Refused(Why(TARVEX_TRANSLATE_NOOP("Checks", "is not UTF-8 text")));
    }
    return TSvgReader(text).Read();
}

TSvgIcon ReadIconFile(const std::filesystem::path& folder, std::string_view icon) {
    if (folder.empty()) {
        return Refused(Why(TARVEX_TRANSLATE_NOOP(
            "Checks",
            "cannot be found until the project is saved, since it is looked for beside the project")));
    }
    const std::filesystem::path relative = PathFromUtf8(icon);
    const bool outside =
        relative.is_absolute() || relative.has_root_name() ||
        std::any_of(relative.begin(), relative.end(), [](const auto& part) { return part == ".."; });
    if (outside) {
        return Refused(Why(TARVEX_TRANSLATE_NOOP(
            "Checks",
            "is not beside the project (name it relative to the project's folder, without \"..\")")));
    }
    const std::filesystem::path file = folder / relative;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return Refused(Why(TARVEX_TRANSLATE_NOOP("Checks", "does not exist beside the project")));
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > IconFileLimit) {
        return Refused(TooLarge());
    }
    const std::optional<std::string> text = error ? std::nullopt : ReadWholeFile(file, IconFileLimit);
    if (!text) {
        return Refused(Why(TARVEX_TRANSLATE_NOOP("Checks", "cannot be read")));
    }
    return ReduceSvg(*text);
}

} // namespace tarvex
