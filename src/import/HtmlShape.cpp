#include "HtmlShape.h"

#include <algorithm>
#include <array>
#include <string>
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

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

class TShapeScanner {
public:
    explicit TShapeScanner(std::string_view bytes) : m_bytes(bytes) {}

    THtmlShape Scan() {
        while (m_at < m_bytes.size()) {
            const std::size_t lt = m_bytes.find('<', m_at);
            if (lt == std::string_view::npos) {
                break;
            }
            m_at = lt + 1;
            Tag();
        }
        return m_shape;
    }

private:
    char At(std::size_t i) const { return i < m_bytes.size() ? m_bytes[i] : '\0'; }

    void Tag() {
        if (m_bytes.substr(m_at, 3) == "!--") {
            // "<!-->" and "<!--->" end at once; otherwise the comment runs to "-->".
            const std::size_t body = m_at + 3;
            if (At(body) == '>' || (At(body) == '-' && At(body + 1) == '>')) {
                m_at = body + 1;
                return;
            }
            const std::size_t end = m_bytes.find("-->", body);
            m_at = end == std::string_view::npos ? m_bytes.size() : end + 3;
            return;
        }
        const bool endTag = At(m_at) == '/';
        const std::size_t nameStart = endTag ? m_at + 1 : m_at;
        if (!IsAsciiLetter(At(nameStart))) {
            // "<!DOCTYPE", "<?", "</ ": skipped to their ">"; a lone "<" is text.
            if (At(m_at) == '!' || At(m_at) == '?' || endTag) {
                SkipToTagEnd(m_at);
            }
            return;
        }
        std::size_t i = nameStart;
        std::string name;
        while (i < m_bytes.size() && !IsSpace(m_bytes[i]) && m_bytes[i] != '/' && m_bytes[i] != '>') {
            name += Lower(m_bytes[i++]);
        }
        const bool selfClosing = SkipToTagEnd(i);
        if (endTag) {
            Close(name);
        } else {
            Open(name, selfClosing);
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

    bool InForeignContent() const { return m_foreign > 0; }

    void Open(const std::string& name, bool selfClosing) {
        ++m_shape.StartTags;
        if (In(VoidElements, name) || (selfClosing && InForeignContent())) {
            return;
        }
        if (name == "li") {
            CloseSibling({"li"}, ListItemBarriers);
        } else if (name == "dt" || name == "dd") {
            CloseSibling({"dt", "dd"}, ListItemBarriers);
        } else if (name == "p") {
            CloseSibling({"p"}, std::to_array<std::string_view>({"button", "table", "td", "th", "caption",
                                                                 "object", "marquee", "applet", "template",
                                                                 "html", "svg", "math"}));
        } else if (name == "td" || name == "th") {
            CloseSibling({"td", "th"}, std::to_array<std::string_view>({"table", "template", "html"}));
        } else if (name == "tr") {
            CloseSibling({"tr"}, std::to_array<std::string_view>({"table", "template", "html"}));
        } else if (name == "option" && !m_open.empty() && m_open.back() == "option") {
            PopTo(m_open.size() - 1);
        }
        m_open.push_back(name);
        if (name == "svg" || name == "math") {
            ++m_foreign;
        }
        m_shape.DeepestNesting = std::max(m_shape.DeepestNesting, m_open.size() + m_lostFormatting);
        if (!InForeignContent() && In(RawTextElements, name)) {
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
            while (k < name.size() && Lower(At(lt + 2 + k)) == name[k]) {
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

    // A new `name` closes an open sibling of the same kind when only elements that do not stop the
    // search stand above it.
    template <std::size_t N>
    void CloseSibling(std::initializer_list<std::string_view> kinds,
                      const std::array<std::string_view, N>& barriers) {
        for (std::size_t k = m_open.size(); k-- > 0;) {
            const std::string& open = m_open[k];
            if (std::find(kinds.begin(), kinds.end(), open) != kinds.end()) {
                PopTo(k);
                return;
            }
            if (In(barriers, open) && open != "address" && open != "div" && open != "p") {
                return;
            }
        }
    }

    void Close(const std::string& name) {
        for (std::size_t k = m_open.size(); k-- > 0;) {
            if (m_open[k] == name) {
                PopTo(k);
                return;
            }
        }
    }

    // Pops the element at `k` and everything above it. Formatting elements closed this way stay
    // on the parser's list and may be opened again anywhere later, so they keep counting.
    void PopTo(std::size_t k) {
        for (std::size_t j = k + 1; j < m_open.size(); ++j) {
            if (In(FormattingElements, m_open[j])) {
                ++m_lostFormatting;
            }
        }
        for (std::size_t j = k; j < m_open.size(); ++j) {
            if (m_open[j] == "svg" || m_open[j] == "math") {
                --m_foreign;
            }
        }
        m_open.resize(k);
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
    std::vector<std::string> m_open;
    std::size_t m_lostFormatting = 0;
    int m_foreign = 0;
    THtmlShape m_shape;
};

} // namespace

THtmlShape MeasureHtml(std::string_view bytes) {
    return TShapeScanner(bytes).Scan();
}

} // namespace tarvex
