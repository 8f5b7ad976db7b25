#include "HtmlShape.h"
#include "base/RecordText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tarvex {

namespace {

constexpr auto VoidElements = std::to_array<std::string_view>(
    {"area", "base", "basefont", "bgsound", "br", "col", "embed", "frame", "hr", "image", "img", "input",
     "keygen", "link", "meta", "param", "source", "track", "wbr"});
constexpr auto FormattingElements = std::to_array<std::string_view>(
    {"a", "b", "big", "code", "em", "font", "i", "nobr", "s", "small", "strike", "strong", "tt", "u"});
// Elements whose text the tokenizer reads as text up to their own end tag.
constexpr auto RawTextElements = std::to_array<std::string_view>(
    {"script", "style", "textarea", "title", "xmp", "iframe", "noembed", "noframes"});
// Elements that stop the search for an open list item or definition to close (the parser's
// "special" elements other than address, div and p).
constexpr auto ListItemBarriers = std::to_array<std::string_view>(
    {"applet",    "area",  "article", "aside",    "base",     "basefont", "bgsound",    "blockquote",
     "body",      "br",    "button",  "caption",  "center",   "col",      "colgroup",   "dd",
     "details",   "dir",   "dl",      "dt",       "embed",    "fieldset", "figcaption", "figure",
     "footer",    "form",  "frame",   "frameset", "h1",       "h2",       "h3",         "h4",
     "h5",        "h6",    "head",    "header",   "hgroup",   "hr",       "html",       "iframe",
     "img",       "input", "li",      "link",     "listing",  "main",     "marquee",    "menu",
     "meta",      "nav",   "noembed", "noframes", "noscript", "object",   "ol",         "param",
     "plaintext", "pre",   "script",  "section",  "select",   "source",   "style",      "summary",
     "table",     "tbody", "td",      "template", "textarea", "tfoot",    "th",         "thead",
     "title",     "tr",    "track",   "ul",       "wbr",      "xmp",      "svg",        "math"});

template <std::size_t N> bool In(const std::array<std::string_view, N>& set, std::string_view name) {
    return std::find(set.begin(), set.end(), name) != set.end();
}

constexpr auto ParagraphBarriers =
    std::to_array<std::string_view>({"button", "table", "td", "th", "caption", "object", "marquee", "applet",
                                     "template", "html", "svg", "math"});
// Start tags that close an open paragraph first.
constexpr auto ParagraphClosers = std::to_array<std::string_view>(
    {"address", "article",   "aside",      "blockquote", "center",  "details", "dialog", "dir",  "div",
     "dl",      "fieldset",  "figcaption", "figure",     "footer",  "header",  "hgroup", "main", "menu",
     "nav",     "ol",        "p",          "search",     "section", "summary", "ul",     "h1",   "h2",
     "h3",      "h4",        "h5",         "h6",         "pre",     "listing", "form",   "li",   "dd",
     "dt",      "plaintext", "hr",         "xmp",        "table"});
constexpr auto TableBarriers = std::to_array<std::string_view>({"table", "template", "html"});

// What the scan needs to know of an element, worked out once per name.
enum TFlag : std::uint16_t {
    Void = 1,
    Formatting = 2,
    RawText = 4,
    ListBarrier = 8,
    ParagraphBarrier = 16,
    TableBarrier = 32,
    Foreign = 64,
    ClosesParagraph = 128,
    // Opens a cell of the list of formatting elements (td, th, caption, ...).
    Marker = 256,
};

struct TOpen {
    std::uint32_t Id;
    std::uint16_t Flags;
    // A formatting element's tag as written: copies the parser makes are of tags alike.
    std::uint32_t Key = 0;
};

constexpr auto MarkerElements =
    std::to_array<std::string_view>({"td", "th", "caption", "applet", "marquee", "object", "template"});

// The formatting elements closed by something else than their own end tag, per cell of the
// parser's list: before the next text or inline element the parser opens copies of all of them
// again (at most three of a tag alike), each copy an element of its own.
class TLostFormatting {
public:
    std::size_t Count() const { return m_count; }
    void Add(const TOpen& element) {
        TLevel& level = m_levels.back();
        if (++level.Alike[element.Key] <= 3) {
            level.Entries.push_back(element);
            ++m_count;
        }
    }
    void OpenMarker() { m_levels.emplace_back(); }
    void CloseMarker() {
        if (m_levels.size() > 1) {
            m_count -= m_levels.back().Entries.size();
            m_levels.pop_back();
        }
    }
    // The own end tag of a closed element takes it off the list.
    void Forget(std::uint32_t id) {
        std::vector<TOpen>& entries = m_levels.back().Entries;
        for (std::size_t k = entries.size(); k-- > 0;) {
            if (entries[k].Id == id) {
                --m_levels.back().Alike[entries[k].Key];
                entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(k));
                --m_count;
                return;
            }
        }
    }
    std::vector<TOpen> Reopen() {
        m_count -= m_levels.back().Entries.size();
        m_levels.back().Alike.clear();
        return std::exchange(m_levels.back().Entries, {});
    }

private:
    struct TLevel {
        std::vector<TOpen> Entries;
        std::unordered_map<std::uint32_t, int> Alike;
    };
    std::vector<TLevel> m_levels{1};
    std::size_t m_count = 0;
};

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

class TShapeScanner {
public:
    TShapeScanner(std::string_view bytes, std::size_t stopAbove, std::size_t stopAboveElements)
        : m_bytes(bytes), m_stopAbove(stopAbove), m_stopAboveElements(stopAboveElements) {
        for (const std::string_view name : {"li", "dt", "dd", "p", "td", "th", "tr", "option"}) {
            Intern(std::string(name));
        }
    }

    THtmlShape Scan() {
        while (m_at < m_bytes.size() && m_shape.DeepestNesting <= m_stopAbove &&
               m_shape.StartTags <= m_stopAboveElements) {
            const std::size_t lt = m_bytes.find('<', m_at);
            if (lt == std::string_view::npos) {
                break;
            }
            if (lt > m_at) {
                Reconstruct();
            }
            m_at = lt + 1;
            Tag();
        }
        return m_shape;
    }

private:
    // Names become small numbers so that the searches through the open elements compare numbers.
    std::uint32_t Intern(const std::string& name) {
        const auto found = m_ids.find(name);
        if (found != m_ids.end()) {
            return found->second.first;
        }
        std::uint16_t flags = 0;
        flags |= In(VoidElements, name) ? Void : 0;
        flags |= In(FormattingElements, name) ? Formatting : 0;
        flags |= In(RawTextElements, name) ? RawText : 0;
        flags |= In(ListItemBarriers, name) ? ListBarrier : 0;
        flags |= In(ParagraphBarriers, name) ? ParagraphBarrier : 0;
        flags |= In(TableBarriers, name) ? TableBarrier : 0;
        flags |= (name == "svg" || name == "math") ? Foreign : 0;
        flags |= In(ParagraphClosers, name) ? ClosesParagraph : 0;
        flags |= In(MarkerElements, name) ? Marker : 0;
        const auto id = static_cast<std::uint32_t>(m_ids.size());
        m_ids.emplace(name, std::make_pair(id, flags));
        return id;
    }
    std::uint32_t Id(std::string_view name) const { return m_ids.find(std::string(name))->second.first; }

    char At(std::size_t i) const { return i < m_bytes.size() ? m_bytes[i] : '\0'; }

    void Tag() {
        if (m_bytes.substr(m_at, 3) == "!--") {
            SkipComment(m_at + 3);
            return;
        }
        const bool endTag = At(m_at) == '/';
        const std::size_t nameStart = endTag ? m_at + 1 : m_at;
        if (!IsAsciiLetter(At(nameStart))) {
            // "<!DOCTYPE", "<![CDATA[", "<?", "</ ": the tokenizer ends these at the first ">",
            // quotes or not ("</>" included); a lone "<" is text.
            if (At(m_at) == '!' || At(m_at) == '?' || endTag) {
                const std::size_t gt = m_bytes.find('>', m_at);
                m_at = gt == std::string_view::npos ? m_bytes.size() : gt + 1;
            }
            return;
        }
        std::size_t i = nameStart;
        std::string name;
        while (i < m_bytes.size() && !IsSpace(m_bytes[i]) && m_bytes[i] != '/' && m_bytes[i] != '>') {
            name += AsciiLower(m_bytes[i++]);
        }
        const bool selfClosing = SkipToTagEnd(i);
        const std::uint32_t id = Intern(name);
        NoteTextMode(name, endTag);
        if (endTag) {
            Close(id);
        } else {
            Open(name, id, selfClosing, KeyOf(m_bytes.substr(nameStart, m_at - nameStart)));
        }
    }

    // Inside a select the parser ignores a style, title or xmp start tag, and in a frameset
    // nearly every one, so their text is markup after all. Skipping it as text there would hide
    // elements from the count; not skipping it only counts too many. A template inside the select
    // may carry its closing tag, so after one the select is taken to stay open.
    void NoteTextMode(const std::string& name, bool endTag) {
        if (name == "select") {
            m_inSelect = !endTag || m_templateInSelect;
        } else if (name == "template" && !endTag && m_inSelect) {
            m_templateInSelect = true;
        } else if (name == "frameset" && !endTag) {
            m_inFrameset = true;
        }
        m_rawTextUncertain = m_inSelect || m_inFrameset;
    }

    // A comment ends at "-->" or "--!>", "<!-->" and "<!--->" at once, as the tokenizer has it.
    void SkipComment(std::size_t body) {
        if (At(body) == '>' || (At(body) == '-' && At(body + 1) == '>')) {
            m_at = body + 1 + (At(body) == '-' ? 1 : 0);
            return;
        }
        std::size_t from = body;
        while (true) {
            const std::size_t dashes = m_bytes.find("--", from);
            if (dashes == std::string_view::npos) {
                m_at = m_bytes.size();
                return;
            }
            if (At(dashes + 2) == '>') {
                m_at = dashes + 3;
                return;
            }
            if (At(dashes + 2) == '!' && At(dashes + 3) == '>') {
                m_at = dashes + 4;
                return;
            }
            from = dashes + 1;
        }
    }

    // Past the tag's ">", minding quoted attribute values; true for a tag ending in "/>".
    bool SkipToTagEnd(std::size_t i) {
        bool afterEquals = false;
        char previous = '\0';
        while (i < m_bytes.size()) {
            const char c = m_bytes[i];
            if (c == '>') {
                m_at = i + 1;
                return previous == '/';
            }
            if (afterEquals && (c == '"' || c == '\'')) {
                const std::size_t close = m_bytes.find(c, i + 1);
                i = close == std::string_view::npos ? m_bytes.size() : close + 1;
                afterEquals = false;
                previous = c;
                continue;
            }
            if (c == '=') {
                afterEquals = true;
            } else if (!IsSpace(c)) {
                afterEquals = false;
            }
            previous = c;
            ++i;
        }
        m_at = m_bytes.size();
        return false;
    }

    std::uint32_t KeyOf(std::string_view tag) {
        return m_keys.try_emplace(std::string(tag), static_cast<std::uint32_t>(m_keys.size())).first->second;
    }

    // Copies of the closed formatting elements come back before text and inline elements.
    void Reconstruct() {
        if (m_lost.Count() == 0) {
            return;
        }
        for (const TOpen& copy : m_lost.Reopen()) {
            ++m_shape.StartTags;
            m_open.push_back(copy);
        }
        NoteDepth();
    }

    void NoteDepth() {
        m_shape.DeepestNesting = std::max(m_shape.DeepestNesting, m_open.size() + m_lost.Count());
    }

    void Open(const std::string& name, std::uint32_t id, bool selfClosing, std::uint32_t key) {
        ++m_shape.StartTags;
        const std::uint16_t flags = m_ids.find(name)->second.second;
        if (!(flags & ClosesParagraph)) {
            Reconstruct();
        }
        if (m_foreign == 0 && (flags & ClosesParagraph)) {
            CloseSibling(Id("p"), Id("p"), ParagraphBarrier);
        }
        if ((flags & Void) || (selfClosing && m_foreign > 0)) {
            return;
        }
        if (name == "li") {
            CloseSibling(Id("li"), Id("li"), ListBarrier);
        } else if (name == "dt" || name == "dd") {
            CloseSibling(Id("dt"), Id("dd"), ListBarrier);
        } else if (name == "td" || name == "th") {
            CloseSibling(Id("td"), Id("th"), TableBarrier);
        } else if (name == "tr") {
            CloseSibling(Id("tr"), Id("tr"), TableBarrier);
        } else if (name == "option" && !m_open.empty() && m_open.back().Id == Id("option")) {
            PopTo(m_open.size() - 1);
        }
        m_open.push_back({id, flags, key});
        if (flags & Foreign) {
            ++m_foreign;
        }
        if (flags & Marker) {
            m_lost.OpenMarker();
        }
        NoteDepth();
        if (m_foreign == 0 && !m_rawTextUncertain && (flags & RawText)) {
            SkipRawText(name);
        }
    }

    // The element's text runs to its end tag, which closes it.
    void SkipRawText(const std::string& name) {
        std::size_t i = m_at;
        while (true) {
            const std::size_t lt = m_bytes.find("</", i);
            if (lt == std::string_view::npos) {
                m_at = m_bytes.size();
                return;
            }
            std::size_t k = 0;
            while (k < name.size() && AsciiLower(At(lt + 2 + k)) == name[k]) {
                ++k;
            }
            const char after = At(lt + 2 + name.size());
            if (k == name.size() && (IsSpace(after) || after == '/' || after == '>' || after == '\0')) {
                m_at = lt + 2;
                return;
            }
            i = lt + 2;
        }
    }

    // A new element closes an open sibling of kind `a` or `b` when only elements that do not stop
    // the search stand above it.
    void CloseSibling(std::uint32_t a, std::uint32_t b, std::uint16_t barrier) {
        for (std::size_t k = m_open.size(); k-- > 0;) {
            if (m_open[k].Id == a || m_open[k].Id == b) {
                PopTo(k);
                return;
            }
            // The parser keeps foreign content open where the scan could not tell.
            if (m_open[k].Flags & (barrier | Foreign)) {
                return;
            }
        }
    }

    void Close(std::uint32_t id) {
        for (std::size_t k = m_open.size(); k-- > 0;) {
            if (m_open[k].Id == id) {
                PopTo(k);
                return;
            }
        }
        m_lost.Forget(id);
    }

    // Pops the element at `k` and everything above it. Formatting elements closed this way stay
    // on the parser's list, to be copied in again later, unless their cell closes with them: so
    // from the top down.
    void PopTo(std::size_t k) {
        for (std::size_t j = m_open.size(); j-- > k;) {
            if (j > k && (m_open[j].Flags & Formatting)) {
                m_lost.Add(m_open[j]);
            }
            if (m_open[j].Flags & Marker) {
                m_lost.CloseMarker();
            }
            if (m_open[j].Flags & Foreign) {
                --m_foreign;
            }
        }
        m_open.resize(k);
    }

    std::string_view m_bytes;
    std::size_t m_stopAbove;
    std::size_t m_stopAboveElements;
    std::size_t m_at = 0;
    std::unordered_map<std::string, std::pair<std::uint32_t, std::uint16_t>> m_ids;
    std::unordered_map<std::string, std::uint32_t> m_keys;
    TLostFormatting m_lost;
    std::vector<TOpen> m_open;
    int m_foreign = 0;
    bool m_inSelect = false;
    bool m_templateInSelect = false;
    bool m_inFrameset = false;
    bool m_rawTextUncertain = false;
    THtmlShape m_shape;
};

} // namespace

THtmlShape MeasureHtml(std::string_view bytes, std::size_t stopAbove, std::size_t stopAboveElements) {
    return TShapeScanner(bytes, stopAbove, stopAboveElements).Scan();
}

} // namespace tarvex
