#include "ValueEditorRows.h"

namespace tarvex {

std::string TValueEditorRows::Key(int row) const {
    const TValueRow* r = Editor().Row(row);
    return r ? r->Key : std::string();
}

std::string TValueEditorRows::Value(int row) const {
    const TValueRow* r = Editor().Row(row);
    return r ? r->Value : std::string();
}

TPropertyEditStyle TValueEditorRows::EditStyle(int row) const {
    const TValueRow* r = Editor().Row(row);
    if (!r) {
        return TPropertyEditStyle::Text;
    }
    switch (r->EditStyle) {
    case TEditStyle::PickList:
        return TPropertyEditStyle::PickList;
    case TEditStyle::Ellipsis:
        return TPropertyEditStyle::Color;
    case TEditStyle::Text:
        break;
    }
    return TPropertyEditStyle::Text;
}

std::vector<std::string> TValueEditorRows::PickList(int row) const {
    const TValueRow* r = Editor().Row(row);
    return r ? r->PickList : std::vector<std::string>();
}

} // namespace tarvex
