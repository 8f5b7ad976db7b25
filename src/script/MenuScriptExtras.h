#pragma once
// The optional parts of a menu array: a submenu's panel layout, the main menu's behaviour when its
// bar has no room, and an entry's description, badge and icon. Each goes into a position the
// engine has always left unread, and only when set, so a design that sets none keeps its bytes.

#include "model/Records.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace tarvex {

// Each menu's options go out whatever its level, as they are set; the engine reads the layout of
// submenus and the rest of the main menu only. Chosen words go out in lower case.
// Positions 9 and 10: the layout ("list", "panel") and the number of columns.
std::string PanelPositions(const TMenuOptionsRec& options);
// Position 12: what the bar does without room ("menu button", "more", "wrap").
std::string WhenNoRoomPosition(const TMenuOptionsRec& options);
// Positions 14 and 15: the caption of "More" and the small screen width.
std::string MoreAndWidthPositions(const TMenuOptionsRec& options);
// Position 20: the small screen look ("list", "drawer").
std::string SmallScreenLookPosition(const TMenuOptionsRec& options);
// The icon files of one script, each read once. A file that is missing or refused goes out as no
// icon; Checks tells the author why.
class TIconFiles {
public:
    explicit TIconFiles(std::filesystem::path folder) : m_folder(std::move(folder)) {}
    // The icon as the entry's extras hold it: a name of the drawn set quoted, a file as its drawing.
    std::string Literal(std::string_view icon);

private:
    std::filesystem::path m_folder;
    std::map<std::string, std::string, std::less<>> m_read;
};

// An entry's last position: 1 as ever, or its description, badge and icon as an array.
std::string EntryExtrasPosition(const TMenuItemRec& item, TIconFiles& icons);

} // namespace tarvex
