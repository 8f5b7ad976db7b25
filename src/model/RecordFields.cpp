#include "RecordFields.h"

#include <stdexcept>

namespace tarvex {

namespace {

template <typename TRecord> const TRecordField<TRecord>& FieldWithTag(std::string_view tag) {
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        if (field.Tag == tag) {
            return field;
        }
    }
    throw std::logic_error("no record field has the element name \"" + std::string(tag) + "\"");
}

} // namespace

const TRecordField<TMenuOptionsRec>& OptionsField(std::string_view tag) {
    return FieldWithTag<TMenuOptionsRec>(tag);
}

const TRecordField<TMenuItemRec>& ItemField(std::string_view tag) {
    return FieldWithTag<TMenuItemRec>(tag);
}

} // namespace tarvex
