#pragma once
// Every field of the three records described once: its row in a value editor, its element in a
// project file, its kind, capacity, default and drop-down words. Readers, writers, the value
// editors and the defaults walk these tables, so a field is never named in eight places again.

#include "Records.h"

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
    std::string_view Caption; // the value editor's row key, matched exactly
    std::string_view Tag;     // the element name in a project file
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

inline constexpr std::string_view ScreenPositionPicks[] = {"",       "center", "left",  "right",
                                                           "middle", "top",    "bottom"};
inline constexpr std::string_view AlignmentPicks[] = {"", "left", "right", "center"};
inline constexpr std::string_view OrientationPicks[] = {"", "Horizontal", "Vertical"};
inline constexpr std::string_view MenuOpeningPicks[] = {"on mouse click", "on mouse over"};
inline constexpr std::string_view FontStylePicks[] = {"", "italic", "normal"};
inline constexpr std::string_view FontWeightPicks[] = {"", "bold", "normal"};
inline constexpr std::string_view YesNoPicks[] = {"", "Yes", "No"};
inline constexpr std::string_view LayoutPicks[] = {"", "List", "Panel"};
inline constexpr std::string_view WhenNoRoomPicks[] = {"", "Menu button", "More", "Wrap"};
inline constexpr std::string_view SmallScreenLookPicks[] = {"", "List", "Drawer"};
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
    IntegerField<&TMenuOptionsRec::RemainVisible>("Remain Visible", "RemainVisible", 100, 100),
    IntegerField<&TMenuOptionsRec::MenuLeft>("Menu Left", "MenuLeft", 40, 100),
    IntegerField<&TMenuOptionsRec::MenuTop>("Menu Top", "MenuTop", 140, 100),
    IntegerField<&TMenuOptionsRec::MenuWidth>("Menu Width", "MenuWidth", 150, 100),
    IntegerField<&TMenuOptionsRec::MenuBorder>("Menu Border", "MenuBorder", 1, 1),
    TextField<&TMenuOptionsRec::ScreenPosition>("Screen Position", "ScreenPosition", TFieldKind::PickList, "",
                                                ScreenPositionPicks),
    TextField<&TMenuOptionsRec::MenuStyle>("Menu Style", "MenuStyle", TFieldKind::PickList),
    TextField<&TMenuOptionsRec::TextAlignment>("Text Alignment", "TextAlignment", TFieldKind::PickList,
                                               "left", AlignmentPicks),
    TextField<&TMenuOptionsRec::Orientation>("Orientation", "Orientation", TFieldKind::PickList, "Horizontal",
                                             OrientationPicks),
    TextField<&TMenuOptionsRec::ImagePosition>("Image position", "ImagePosition", TFieldKind::PickList, "",
                                               AlignmentPicks),
    TextField<&TMenuOptionsRec::MenuOpening>("Menu opening", "MenuOpening", TFieldKind::PickList,
                                             "on mouse over", MenuOpeningPicks),
    WrittenWhenChanged(TextField<&TMenuOptionsRec::MenuButtonCaption>("Menu button caption",
                                                                      "MenuButtonCaption", TFieldKind::Text)),
    WrittenWhenChanged(
        TextField<&TMenuOptionsRec::NavigationName>("Navigation name", "NavigationName", TFieldKind::Text)),
    WrittenWhenChanged(
        TextField<&TMenuOptionsRec::DarkStyle>("Dark style", "DarkStyle", TFieldKind::PickList)),
    WrittenWhenChanged(
        TextField<&TMenuOptionsRec::Layout>("Layout", "Layout", TFieldKind::PickList, "", LayoutPicks)),
    WrittenWhenChanged(IntegerField<&TMenuOptionsRec::Columns>("Columns", "Columns", 0, 0)),
    WrittenWhenChanged(TextField<&TMenuOptionsRec::WhenNoRoom>("When no room", "WhenNoRoom",
                                                               TFieldKind::PickList, "", WhenNoRoomPicks)),
    WrittenWhenChanged(
        TextField<&TMenuOptionsRec::MoreCaption>("More caption", "MoreCaption", TFieldKind::Text)),
    WrittenWhenChanged(
        IntegerField<&TMenuOptionsRec::SmallScreenWidth>("Small screen width", "SmallScreenWidth", 0, 0)),
    WrittenWhenChanged(TextField<&TMenuOptionsRec::SmallScreenLook>(
        "Small screen look", "SmallScreenLook", TFieldKind::PickList, "", SmallScreenLookPicks)),
};

// In the order of the rows and of the file (not of memory, which no file mirrors). A group's first
// four value lines are read by position in this order; the optional ones after them, written only
// when set, in any order. The hint's element has always been "Image".
inline constexpr std::size_t PositionalItemFields = 4;
inline constexpr std::array<TRecordField<TMenuItemRec>, 7> MenuItemFields = {
    TextField<&TMenuItemRec::Caption>("Caption", "Caption", TFieldKind::Text, "Menu Item Name"),
    TextField<&TMenuItemRec::Hint>("Hint", "Image", TFieldKind::Text),
    TextField<&TMenuItemRec::Address>("Address", "Address", TFieldKind::Text, KorvaneHomePage),
    TextField<&TMenuItemRec::Target>("Target", "Target", TFieldKind::Text),
    WrittenWhenChanged(TextField<&TMenuItemRec::Description>("Description", "Description", TFieldKind::Text)),
    WrittenWhenChanged(TextField<&TMenuItemRec::Badge>("Badge", "Badge", TFieldKind::Text)),
    WrittenWhenChanged(TextField<&TMenuItemRec::Icon>("Icon", "Icon", TFieldKind::PickList, "", IconPicks)),
};

// In the order of the rows, of the file and of memory: the favourites file's byte image follows it.
inline constexpr std::array<TRecordField<TMenuStyleRec>, 17> MenuStyleFields = {
    TextField<&TMenuStyleRec::MouseOffFont>("Mouse Off Font", "MouseOffFont", TFieldKind::Colour, "000000"),
    TextField<&TMenuStyleRec::MouseOffBackground>("Mouse Off Background", "MouseOffBackground",
                                                  TFieldKind::Colour, "C0C0C0"),
    TextField<&TMenuStyleRec::MouseOnFont>("Mouse On Font", "MouseOnFont", TFieldKind::Colour, "FFFFFF"),
    TextField<&TMenuStyleRec::MouseOnBackground>("Mouse On Background", "MouseOnBackground",
                                                 TFieldKind::Colour, "808080"),
    TextField<&TMenuStyleRec::MenuBorderColor>("Menu Border Color", "MenuBorderColor", TFieldKind::Colour,
                                               "000000"),
    IntegerField<&TMenuStyleRec::FontSize>("Font Size", "FontSize", 10, 0),
    TextField<&TMenuStyleRec::FontStyle>("Font Style", "FontStyle", TFieldKind::PickList, "normal",
                                         FontStylePicks),
    TextField<&TMenuStyleRec::FontWeight>("Font Weight", "FontWeight", TFieldKind::PickList, "",
                                          FontWeightPicks),
    TextField<&TMenuStyleRec::FontName>("Font Name", "FontName", TFieldKind::Text, "Verdana, Arial"),
    IntegerField<&TMenuStyleRec::MenuItemPadding>("Menu Item Padding", "MenuItemPadding", 3, 0),
    TextField<&TMenuStyleRec::SubMenuImage>("Sub Menu Image", "SubMenuImage", TFieldKind::Text),
    TextField<&TMenuStyleRec::BorderSeparatorbar>("3D Border & Separator bar", "BorderSeparatorbar",
                                                  TFieldKind::PickList, "", YesNoPicks),
    TextField<&TMenuStyleRec::HighColor>("3D High Color", "HighColor", TFieldKind::Colour),
    TextField<&TMenuStyleRec::LowColor>("3D Low Color", "LowColor", TFieldKind::Colour),
    TextField<&TMenuStyleRec::TopBarImage>("Top Bar Image", "TopBarImage", TFieldKind::Text),
    TextField<&TMenuStyleRec::MenuHeaderFontColor>("Menu Header Font Color", "MenuHeaderFontColor",
                                                   TFieldKind::Colour),
    TextField<&TMenuStyleRec::MenuHeaderBackground>("Menu Header Background", "MenuHeaderBackground",
                                                    TFieldKind::Colour),
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
