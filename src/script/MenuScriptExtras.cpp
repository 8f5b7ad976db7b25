#include "MenuScriptExtras.h"

#include "ScriptLiteral.h"
#include "SvgIcon.h"
#include "base/RecordText.h"

namespace tarvex {

namespace {

// A chosen word in lower case, quoted, or an empty position while nothing was chosen.
std::string WordPosition(std::string_view word) {
    if (IsBlank(word)) {
        return ",";
    }
    word = word.substr(word.find_first_not_of(' '));
    word = word.substr(0, word.find_last_not_of(' ') + 1);
    std::string lower;
    for (const char c : word) {
        lower += AsciiLower(c);
    }
    return Quoted(lower);
}

std::string NumberPosition(int32_t value) {
    return value > 0 ? std::to_string(value) + "," : ",";
}

} // namespace

std::string PanelPositions(const TMenuOptionsRec& options) {
    return WordPosition(options.Layout.view()) + NumberPosition(options.Columns);
}

std::string WhenNoRoomPosition(const TMenuOptionsRec& options) {
    return WordPosition(options.WhenNoRoom.view());
}

std::string MoreAndWidthPositions(const TMenuOptionsRec& options) {
    const std::string line = IsBlank(options.MoreCaption.view()) ? "," : Quoted(options.MoreCaption);
    return line + NumberPosition(options.SmallScreenWidth);
}

std::string SmallScreenLookPosition(const TMenuOptionsRec& options) {
    return WordPosition(options.SmallScreenLook.view());
}

std::string TIconFiles::Literal(std::string_view icon) {
    if (!IsIconFile(icon)) {
        return Quoted(icon, "");
    }
    const auto known = m_read.find(icon);
    if (known != m_read.end()) {
        return known->second;
    }
    const TSvgIcon file = ReadIconFile(m_folder, icon);
    return m_read.emplace(std::string(icon), file.Drawn() ? file.Script : "\"\"").first->second;
}

std::string EntryExtrasPosition(const TMenuItemRec& item, TIconFiles& icons) {
    if (IsBlank(item.Description.view()) && IsBlank(item.Badge.view()) && IsBlank(item.Icon.view())) {
        return "1";
    }
    return "[" + Quoted(item.Description) + Quoted(item.Badge) + icons.Literal(item.Icon.view()) + "]";
}

} // namespace tarvex
