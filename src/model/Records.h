#pragma once
// The three fixed-layout records of a design: menu options, menu entry, style.

#include "ShortString.h"

#include <cstdint>
#include <string_view>

namespace tarvex {

// Both the maker's home page and its web address; also the default entry address.
inline constexpr std::string_view KorvaneHomePage = "https://www.korvane.example";
inline constexpr std::string_view KorvaneWebAddress = "https://www.korvane.example";

// Position arithmetic is done in 64 bits and stored with 32-bit wrap-around, as the 32-bit
// fields always did: extreme values from hand-edited files must not be undefined behaviour.
inline int32_t Wrap32(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

struct TMenuOptionsRec {
    int32_t RemainVisible = 0;
    int32_t MenuLeft = 0;
    int32_t MenuTop = 0;
    int32_t MenuWidth = 0;
    int32_t MenuBorder = 0;
    ShortString<50> ScreenPosition;
    ShortString<255> MenuStyle;
    ShortString<50> TextAlignment;
    ShortString<20> Orientation;
    ShortString<20> ImagePosition;
    ShortString<20> MenuOpening;
    // Read for the main menu only; written to a project only when they differ from their defaults.
    ShortString<50> MenuButtonCaption;
    ShortString<100> NavigationName;
    ShortString<255> DarkStyle;
    // A submenu's: a list, or one wide panel of columns (0 columns: as many as fit).
    ShortString<20> Layout;
    int32_t Columns = 0;
    // The main menu's: what the bar does when its entries do not fit across the window, and when
    // it turns into the menu button whatever the room.
    ShortString<20> WhenNoRoom;
    ShortString<50> MoreCaption;
    int32_t SmallScreenWidth = 0;
    ShortString<20> SmallScreenLook;

    friend bool operator==(const TMenuOptionsRec&, const TMenuOptionsRec&) = default;
};

struct TMenuItemRec {
    ShortString<250> Caption;
    ShortString<250> Target;
    ShortString<250> Hint;
    ShortString<255> Address;
    // Optional: a short line under the caption, a short mark beside it, and an icon (a name of
    // the drawn set or an .svg file beside the project).
    ShortString<120> Description;
    ShortString<20> Badge;
    ShortString<255> Icon;

    friend bool operator==(const TMenuItemRec&, const TMenuItemRec&) = default;
};

struct TMenuStyleRec {
    ShortString<6> MouseOffFont;
    ShortString<6> MouseOffBackground;
    ShortString<6> MouseOnFont;
    ShortString<6> MouseOnBackground;
    ShortString<6> MenuBorderColor;
    int32_t FontSize = 0;
    ShortString<15> FontStyle;
    ShortString<15> FontWeight;
    ShortString<50> FontName;
    int32_t MenuItemPadding = 0;
    ShortString<255> SubMenuImage;
    ShortString<50> BorderSeparatorbar;
    ShortString<6> HighColor;
    ShortString<6> LowColor;
    ShortString<255> TopBarImage;
    ShortString<6> MenuHeaderFontColor;
    ShortString<6> MenuHeaderBackground;

    friend bool operator==(const TMenuStyleRec&, const TMenuStyleRec&) = default;
};

} // namespace tarvex
