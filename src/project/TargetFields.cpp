#include "TargetFields.h"

#include "base/RecordText.h"

#include <array>
#include <optional>

namespace tarvex {
namespace {

struct TTargetText {
    std::string_view Tag;
    std::string TPublishTarget::*Field;
};

constexpr std::string_view KindTag = "Kind";
constexpr std::string_view ModuleKind = "Module";

// In the order they are written; Kind follows User.
constexpr std::array<TTargetText, 6> TextFields = {{
    {"Name", &TPublishTarget::Name},
    {"Address", &TPublishTarget::Address},
    {"User", &TPublishTarget::User},
    {"IdentityFile", &TPublishTarget::IdentityFile},
    {"CaFile", &TPublishTarget::CaFile},
    {"SiteAddress", &TPublishTarget::SiteAddress},
}};

std::string Element(std::string_view tag, std::string_view value) {
    return "<" + std::string(tag) + ">" + std::string(value) + "</" + std::string(tag) + ">";
}

// "<Tag>value</Tag>" with the tag in any letter case; the closing tag is optional.
std::optional<std::string_view> ElementValue(std::string_view line, std::string_view tag) {
    if (line.size() < tag.size() + 2 || line[0] != '<' || line[tag.size() + 1] != '>' ||
        AsciiLower(line.substr(1, tag.size())) != AsciiLower(tag)) {
        return std::nullopt;
    }
    std::string_view value = line.substr(tag.size() + 2);
    const std::string closing = "</" + std::string(tag) + ">";
    if (value.size() >= closing.size() &&
        AsciiLower(value.substr(value.size() - closing.size())) == AsciiLower(closing)) {
        value.remove_suffix(closing.size());
    }
    return value;
}

// The character of "&#N;" or "&#xH;" at the start of `text`, and the escape's length.
std::optional<char32_t> NumericEscape(std::string_view text, std::size_t& length) {
    const std::size_t end = text.find(';');
    if (end == std::string_view::npos || end < 3 || end > 10 || text[1] != '#') {
        return std::nullopt;
    }
    const bool hex = text[2] == 'x' || text[2] == 'X';
    std::string_view digits = text.substr(hex ? 3 : 2, end - (hex ? 3 : 2));
    char32_t value = 0;
    for (const char c : digits) {
        const int digit = (c >= '0' && c <= '9')          ? c - '0'
                          : hex && (c >= 'a' && c <= 'f') ? c - 'a' + 10
                          : hex && (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                          : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    if (digits.empty() || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    length = end + 1;
    return value;
}

} // namespace

std::string EscapedTargetValue(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool edgeBlank = c == ' ' && (i == 0 || i + 1 == text.size());
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c < 0x20 || c == 0x7F || edgeBlank) {
            out += "&#" + std::to_string(c) + ";";
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string UnescapedTargetValue(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> Named = {
        {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}}};
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        bool taken = false;
        if (rest.front() == '&') {
            for (const auto& [escape, character] : Named) {
                if (rest.starts_with(escape)) {
                    out += character;
                    i += escape.size();
                    taken = true;
                    break;
                }
            }
            std::size_t length = 0;
            if (!taken) {
                if (const std::optional<char32_t> character = NumericEscape(rest, length)) {
                    AppendUtf8(out, *character);
                    i += length;
                    taken = true;
                }
            }
        }
        if (!taken) {
            out += text[i++];
        }
    }
    return out;
}

std::vector<std::string> TargetLines(const TPublishTargets& targets) {
    std::vector<std::string> lines;
    if (targets.empty()) {
        return lines;
    }
    lines.push_back("<" + std::string(TargetListTag) + ">");
    for (const TPublishTarget& target : targets) {
        lines.push_back("<" + std::string(TargetTag) + ">");
        for (const TTargetText& field : TextFields) {
            if (!(target.*field.Field).empty()) {
                lines.push_back(Element(field.Tag, EscapedTargetValue(target.*field.Field)));
            }
            if (field.Tag == "User" && target.Kind == TPublishKind::Module) {
                lines.push_back(Element(KindTag, ModuleKind));
            }
        }
        lines.push_back("</" + std::string(TargetTag) + ">");
    }
    lines.push_back("</" + std::string(TargetListTag) + ">");
    return lines;
}

void StoreTargetLine(std::string_view line, bool utf8, TPublishTarget& target) {
    if (const std::optional<std::string_view> kind = ElementValue(line, KindTag)) {
        // A kind this version does not know publishes the classic files.
        target.Kind =
            AsciiLower(*kind) == AsciiLower(ModuleKind) ? TPublishKind::Module : TPublishKind::Classic;
        return;
    }
    for (const TTargetText& field : TextFields) {
        if (const std::optional<std::string_view> value = ElementValue(line, field.Tag)) {
            target.*field.Field = UnescapedTargetValue(utf8 ? CleanText(*value) : std::string(*value));
            return;
        }
    }
}

bool IsUsableTarget(const TPublishTarget& target) {
    return !IsBlank(target.Name) && !IsBlank(target.Address);
}

} // namespace tarvex
