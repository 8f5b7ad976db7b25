#pragma once
// A record's fields in a value editor's rows and back, walking the record's field table: the rows,
// their edit styles, the load and the store of a confirmed row all come from the one description
// of the record.

#include "ValueEditor.h"

#include "base/IntegerText.h"
#include "model/RecordFields.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

inline TEditStyle EditStyleOf(TFieldKind kind) {
    switch (kind) {
    case TFieldKind::PickList:
        return TEditStyle::PickList;
    case TFieldKind::Colour:
        return TEditStyle::Ellipsis;
    case TFieldKind::Integer:
    case TFieldKind::Text:
        break;
    }
    return TEditStyle::Text;
}

template <typename TRecord> std::vector<std::string> RowKeys() {
    std::vector<std::string> keys;
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        keys.emplace_back(field.Caption);
    }
    return keys;
}

// The edit styles and the fixed drop-down words.
template <typename TRecord> void SetupRows(TValueEditor& rows) {
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        rows.SetEditStyle(field.Caption, EditStyleOf(field.Kind),
                          std::vector<std::string>(field.Picks.begin(), field.Picks.end()));
    }
}

// Integers in decimal, texts as stored.
template <typename TRecord> void LoadRows(TValueEditor& rows, const TRecord& record) {
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        rows.SetValue(field.Caption, field.Text(record));
    }
}

// The field a row shows. A key no row has is refused as the value editor refuses it: a misspelt
// key is a programming error.
template <typename TRecord> const TRecordField<TRecord>& FieldOfRow(std::string_view key) {
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        if (field.Caption == key) {
            return field;
        }
    }
    throw std::logic_error("no field is shown in the row \"" + std::string(key) + "\"");
}

// A text is cut to its capacity; an integer row that is no number stores the field's fallback.
template <typename TRecord>
void StoreRow(const TRecordField<TRecord>& field, const std::string& typed, TRecord& record) {
    if (field.IsInteger()) {
        record.*field.Integer = ParseInt32(typed, TPlusSign::Allowed).value_or(field.TypedFallback);
    } else {
        field.SetText(record, typed);
    }
}

} // namespace tarvex
