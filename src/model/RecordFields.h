#pragma once
// Every field of the three records described once: its row in a value editor, its element in a
// project file, its kind, capacity, default and drop-down words. Readers, writers, the value
// editors and the defaults walk these tables, so a field is never named in eight places again.

#include "Records.h"
#include "base/Translatable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarvex {

enum class TFieldKind {
    Integer,  // 32-bit signed, shown and written in decimal
    Text,     // free text
    Colour,   // six hexadecimal digits; the value editor offers the colour dialog
    PickList, // text with a drop-down of words; any other word may be typed as well
};

template <typename TRecord> struct TRecordField {
    // The value editor's row key, matched exactly; the window shows it translated.
    std::string_view Caption;
    std::string_view Tag; // the element name in a project file
    TFieldKind Kind = TFieldKind::Text;
    std::size_t Capacity = 0; // characters a text keeps (taken from the field's type); 0 for integers
    int32_t IntegerDefault = 0;
    std::string_view TextDefault;
    // Left out of a project file while it holds its default, so files that never set it keep their bytes.
    bool WrittenWhenChanged = false;
    int32_t TypedFallback = 0;                             // what a typed integer that is no number stores
    std::span<const std::string_view> Picks;               // the drop-down's words; "" is the (empty) entry
    int32_t TRecord::*Integer = nullptr;                   // integers only
    std::string_view (*GetText)(const TRecord&) = nullptr; // texts only
    void (*SetText)(TRecord&, std::string_view) = nullptr; // texts only; cuts to the capacity

    constexpr bool IsInteger() const { return Kind == TFieldKind::Integer; }
    // The value as a value editor shows it and a project file holds it.
    std::string Text(const TRecord& record) const {
        return IsInteger() ? std::to_string(record.*Integer) : std::string(GetText(record));
    }
    void SetDefault(TRecord& record) const {
        if (IsInteger()) {
            record.*Integer = IntegerDefault;
        } else {
            SetText(record, TextDefault);
        }
    }
};

namespace field_detail {

template <typename T> struct TMember;
template <typename R, typename V> struct TMember<V R::*> {
    using Record = R;
    using Value = V;
};

template <auto Member> struct TTextAccess {
    using Record = typename TMember<decltype(Member)>::Record;
    static constexpr std::size_t Capacity = TMember<decltype(Member)>::Value::Capacity;
    static std::string_view Get(const Record& record) { return (record.*Member).view(); }
    static void Set(Record& record, std::string_view text) { (record.*Member).Assign(text); }
};

} // namespace field_detail

template <auto Member>
constexpr auto TextField(std::string_view caption, std::string_view tag, TFieldKind kind,
                         std::string_view textDefault = {}, std::span<const std::string_view> picks = {}) {
    using TAccess = field_detail::TTextAccess<Member>;
    TRecordField<typename TAccess::Record> field;
    field.Caption = caption;
    field.Tag = tag;
    field.Kind = kind;
    field.Capacity = TAccess::Capacity;
    field.TextDefault = textDefault;
    field.Picks = picks;
    field.GetText = &TAccess::Get;
    field.SetText = &TAccess::Set;
    return field;
}

template <auto Member>
constexpr auto IntegerField(std::string_view caption, std::string_view tag, int32_t integerDefault,
                            int32_t typedFallback) {
    TRecordField<typename field_detail::TMember<decltype(Member)>::Record> field;
    field.Caption = caption;
    field.Tag = tag;
    field.Kind = TFieldKind::Integer;
    field.IntegerDefault = integerDefault;
    field.TypedFallback = typedFallback;
    field.Integer = Member;
    return field;
}

template <typename TField> constexpr TField WrittenWhenChanged(TField field) {
    field.WrittenWhenChanged = true;
    return field;
}

// The window shows the words of our own enumerations translated; positions, alignments, font
// styles and weights are written to the page as CSS words and icons are named by their file, so
// those stay as they are in every language.
inline constexpr std::string_view ScreenPositionPicks[] = {"",       "center", "left",  "right",
                                                           "middle", "top",    "bottom"};
inline constexpr std::string_view AlignmentPicks[] = {"", "left", "right", "center"};
inline constexpr std::string_view OrientationPicks[] = {"", TARVEX_TRANSLATE_NOOP("Values", "Horizontal"),
                                                        TARVEX_TRANSLATE_NOOP("Values", "Vertical")};
inline constexpr std::string_view MenuOpeningPicks[] = {TARVEX_TRANSLATE_NOOP("Values", "on mouse click"),
                                                        TARVEX_TRANSLATE_NOOP("Values", "on mouse over")};
inline constexpr std::string_view FontStylePicks[] = {"", "italic", "normal"};
inline constexpr std::string_view FontWeightPicks[] = {"", "bold", "normal"};
inline constexpr std::string_view YesNoPicks[] = {"", TARVEX_TRANSLATE_NOOP("Values", "Yes"),
                                                  TARVEX_TRANSLATE_NOOP("Values", "No")};
inline constexpr std::string_view LayoutPicks[] = {"", TARVEX_TRANSLATE_NOOP("Values", "List"),
                                                   TARVEX_TRANSLATE_NOOP("Values", "Panel")};
inline constexpr std::string_view WhenNoRoomPicks[] = {"", TARVEX_TRANSLATE_NOOP("Values", "Menu button"),
                                                       TARVEX_TRANSLATE_NOOP("Values", "More"),
                                                       TARVEX_TRANSLATE_NOOP("Values", "Wrap")};
inline constexpr std::string_view SmallScreenLookPicks[] = {"", TARVEX_TRANSLATE_NOOP("Values", "List"),
                                                            TARVEX_TRANSLATE_NOOP("Values", "Drawer")};
// The icons the engine draws itself, offered by name.
inline constexpr std::string_view IconPicks[] = {
    "",         "home",     "search",   "cart", "user", "mail",  "phone",    "info",    "help",
    "settings", "download", "calendar", "map",  "star", "heart", "document", "external"};

// In the order of the rows, of the file and of memory. The defaults are the main menu's; a
// submenu's position and orientation and the menu's style are set where the record is made. The
// "Menu Style" drop-down lists the style list's names, filled when the page changes.
// The fields after "Menu opening" were added later and are written only when they differ from
// their defaults; empty texts mean the engine's own words ("Menu", "Site menu", "More"), the menu's
// style in a dark colour scheme too, a list layout, the menu button when the bar has no room (as a
// file that never chose has always had) and the list in small windows.
inline constexpr std::array<TRecordField<TMenuOptionsRec>, 20> MenuOptionsFields = {
    IntegerField<&TMenuOptionsRec::RemainVisible>(TARVEX_TRANSLATE_NOOP("Rows", "Remain Visible"),
                                                  "RemainVisible", 100, 100),
    IntegerField<&TMenuOptionsRec::MenuLeft>(TARVEX_TRANSLATE_NOOP("Rows", "Menu Left"), "MenuLeft", 40, 100),
    IntegerField<&TMenuOptionsRec::MenuTop>(TARVEX_TRANSLATE_NOOP("Rows", "Menu Top"), "MenuTop", 140, 100),
    IntegerField<&TMenuOptionsRec::MenuWidth>(TARVEX_TRANSLATE_NOOP("Rows", "Menu Width"), "MenuWidth", 150,
                                              100),
    IntegerField<&TMenuOptionsRec::MenuBorder>(TARVEX_TRANSLATE_NOOP("Rows", "Menu Border"), "MenuBorder", 1,
                                               1),
    TextField<&TMenuOptionsRec::ScreenPosition>(TARVEX_TRANSLATE_NOOP("Rows", "Screen Position"),
                                                "ScreenPosition", TFieldKind::PickList, "",
                                                ScreenPositionPicks),
    TextField<&TMenuOptionsRec::MenuStyle>(TARVEX_TRANSLATE_NOOP("Rows", "Menu Style"), "MenuStyle",
                                           TFieldKind::PickList),
    TextField<&TMenuOptionsRec::TextAlignment>(TARVEX_TRANSLATE_NOOP("Rows", "Text Alignment"),
                                               "TextAlignment", TFieldKind::PickList, "left", AlignmentPicks),
    TextField<&TMenuOptionsRec::Orientation>(TARVEX_TRANSLATE_NOOP("Rows", "Orientation"), "Orientation",
                                             TFieldKind::PickList, "Horizontal", OrientationPicks),
    TextField<&TMenuOptionsRec::ImagePosition>(TARVEX_TRANSLATE_NOOP("Rows", "Image position"),
                                               "ImagePosition", TFieldKind::PickList, "", AlignmentPicks),
    TextField<&TMenuOptionsRec::MenuOpening>(TARVEX_TRANSLATE_NOOP("Rows", "Menu opening"), "MenuOpening",
                                             TFieldKind::PickList, "on mouse over", MenuOpeningPicks),
    WrittenWhenChanged(TextField<&TMenuOptionsRec::MenuButtonCaption>(
        TARVEX_TRANSLATE_NOOP("Rows", "Menu button caption"), "MenuButtonCaption", TFieldKind::Text)),
    WrittenWhenChanged(TextField<&TMenuOptionsRec::NavigationName>(
        TARVEX_TRANSLATE_NOOP("Rows", "Navigation name"), "NavigationName", TFieldKind::Text)),
    WrittenWhenChanged(TextField<&TMenuOptionsRec::DarkStyle>(TARVEX_TRANSLATE_NOOP("Rows", "Dark style"),
                                                              "DarkStyle", TFieldKind::PickList)),
    WrittenWhenChanged(TextField<&TMenuOptionsRec::Layout>(TARVEX_TRANSLATE_NOOP("Rows", "Layout"), "Layout",
                                                           TFieldKind::PickList, "", LayoutPicks)),
    WrittenWhenChanged(
        IntegerField<&TMenuOptionsRec::Columns>(TARVEX_TRANSLATE_NOOP("Rows", "Columns"), "Columns", 0, 0)),
    WrittenWhenChanged(TextField<&TMenuOptionsRec::WhenNoRoom>(TARVEX_TRANSLATE_NOOP("Rows", "When no room"),
                                                               "WhenNoRoom", TFieldKind::PickList, "",
                                                               WhenNoRoomPicks)),
    WrittenWhenChanged(TextField<&TMenuOptionsRec::MoreCaption>(TARVEX_TRANSLATE_NOOP("Rows", "More caption"),
                                                                "MoreCaption", TFieldKind::Text)),
    WrittenWhenChanged(IntegerField<&TMenuOptionsRec::SmallScreenWidth>(
        TARVEX_TRANSLATE_NOOP("Rows", "Small screen width"), "SmallScreenWidth", 0, 0)),
    WrittenWhenChanged(TextField<&TMenuOptionsRec::SmallScreenLook>(
        TARVEX_TRANSLATE_NOOP("Rows", "Small screen look"), "SmallScreenLook", TFieldKind::PickList, "",
        SmallScreenLookPicks)),
};

// In the order of the rows and of the file (not of memory, which no file mirrors). A group's first
// four value lines are read by position in this order; the optional ones after them, written only
// when set, in any order. The hint's element has always been "Image".
inline constexpr std::size_t PositionalItemFields = 4;
inline constexpr std::array<TRecordField<TMenuItemRec>, 7> MenuItemFields = {
    TextField<&TMenuItemRec::Caption>(TARVEX_TRANSLATE_NOOP("Rows", "Caption"), "Caption", TFieldKind::Text,
                                      "Menu Item Name"),
    TextField<&TMenuItemRec::Hint>(TARVEX_TRANSLATE_NOOP("Rows", "Hint"), "Image", TFieldKind::Text),
    TextField<&TMenuItemRec::Address>(TARVEX_TRANSLATE_NOOP("Rows", "Address"), "Address", TFieldKind::Text,
                                      KorvaneHomePage),
    TextField<&TMenuItemRec::Target>(TARVEX_TRANSLATE_NOOP("Rows", "Target"), "Target", TFieldKind::Text),
    WrittenWhenChanged(TextField<&TMenuItemRec::Description>(TARVEX_TRANSLATE_NOOP("Rows", "Description"),
                                                             "Description", TFieldKind::Text)),
    WrittenWhenChanged(
        TextField<&TMenuItemRec::Badge>(TARVEX_TRANSLATE_NOOP("Rows", "Badge"), "Badge", TFieldKind::Text)),
    WrittenWhenChanged(TextField<&TMenuItemRec::Icon>(TARVEX_TRANSLATE_NOOP("Rows", "Icon"), "Icon",
                                                      TFieldKind::PickList, "", IconPicks)),
};

// In the order of the rows, of the file and of memory: the favourites file's byte image follows it.
inline constexpr std::array<TRecordField<TMenuStyleRec>, 17> MenuStyleFields = {
    TextField<&TMenuStyleRec::MouseOffFont>(TARVEX_TRANSLATE_NOOP("Rows", "Mouse Off Font"), "MouseOffFont",
                                            TFieldKind::Colour, "000000"),
    TextField<&TMenuStyleRec::MouseOffBackground>(TARVEX_TRANSLATE_NOOP("Rows", "Mouse Off Background"),
                                                  "MouseOffBackground", TFieldKind::Colour, "C0C0C0"),
    TextField<&TMenuStyleRec::MouseOnFont>(TARVEX_TRANSLATE_NOOP("Rows", "Mouse On Font"), "MouseOnFont",
                                           TFieldKind::Colour, "FFFFFF"),
    TextField<&TMenuStyleRec::MouseOnBackground>(TARVEX_TRANSLATE_NOOP("Rows", "Mouse On Background"),
                                                 "MouseOnBackground", TFieldKind::Colour, "808080"),
    TextField<&TMenuStyleRec::MenuBorderColor>(TARVEX_TRANSLATE_NOOP("Rows", "Menu Border Color"),
                                               "MenuBorderColor", TFieldKind::Colour, "000000"),
    IntegerField<&TMenuStyleRec::FontSize>(TARVEX_TRANSLATE_NOOP("Rows", "Font Size"), "FontSize", 10, 0),
    TextField<&TMenuStyleRec::FontStyle>(TARVEX_TRANSLATE_NOOP("Rows", "Font Style"), "FontStyle",
                                         TFieldKind::PickList, "normal", FontStylePicks),
    TextField<&TMenuStyleRec::FontWeight>(TARVEX_TRANSLATE_NOOP("Rows", "Font Weight"), "FontWeight",
                                          TFieldKind::PickList, "", FontWeightPicks),
    TextField<&TMenuStyleRec::FontName>(TARVEX_TRANSLATE_NOOP("Rows", "Font Name"), "FontName",
                                        TFieldKind::Text, "Verdana, Arial"),
    IntegerField<&TMenuStyleRec::MenuItemPadding>(TARVEX_TRANSLATE_NOOP("Rows", "Menu Item Padding"),
                                                  "MenuItemPadding", 3, 0),
    TextField<&TMenuStyleRec::SubMenuImage>(TARVEX_TRANSLATE_NOOP("Rows", "Sub Menu Image"), "SubMenuImage",
                                            TFieldKind::Text),
    TextField<&TMenuStyleRec::BorderSeparatorbar>(TARVEX_TRANSLATE_NOOP("Rows", "3D Border & Separator bar"),
                                                  "BorderSeparatorbar", TFieldKind::PickList, "", YesNoPicks),
    TextField<&TMenuStyleRec::HighColor>(TARVEX_TRANSLATE_NOOP("Rows", "3D High Color"), "HighColor",
                                         TFieldKind::Colour),
    TextField<&TMenuStyleRec::LowColor>(TARVEX_TRANSLATE_NOOP("Rows", "3D Low Color"), "LowColor",
                                        TFieldKind::Colour),
    TextField<&TMenuStyleRec::TopBarImage>(TARVEX_TRANSLATE_NOOP("Rows", "Top Bar Image"), "TopBarImage",
                                           TFieldKind::Text),
    TextField<&TMenuStyleRec::MenuHeaderFontColor>(TARVEX_TRANSLATE_NOOP("Rows", "Menu Header Font Color"),
                                                   "MenuHeaderFontColor", TFieldKind::Colour),
    TextField<&TMenuStyleRec::MenuHeaderBackground>(TARVEX_TRANSLATE_NOOP("Rows", "Menu Header Background"),
                                                    "MenuHeaderBackground", TFieldKind::Colour),
};

// The table of a record type, for code written once for all three.
template <typename TRecord> constexpr std::span<const TRecordField<TRecord>> FieldsOf();
template <> constexpr std::span<const TRecordField<TMenuOptionsRec>> FieldsOf<TMenuOptionsRec>() {
    return MenuOptionsFields;
}
template <> constexpr std::span<const TRecordField<TMenuItemRec>> FieldsOf<TMenuItemRec>() {
    return MenuItemFields;
}
template <> constexpr std::span<const TRecordField<TMenuStyleRec>> FieldsOf<TMenuStyleRec>() {
    return MenuStyleFields;
}

// Every field at its table default.
template <typename TRecord> void FillFieldDefaults(TRecord& record) {
    record = TRecord{};
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        field.SetDefault(record);
    }
}

// The field with this element name; a name no field has is a programming error (std::logic_error).
const TRecordField<TMenuOptionsRec>& OptionsField(std::string_view tag);
const TRecordField<TMenuItemRec>& ItemField(std::string_view tag);

} // namespace tarvex
