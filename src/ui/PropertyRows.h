#pragma once
// What a property grid needs of the rows it shows: keys, values (record text), edit styles, pick lists.

#include <string>
#include <vector>

namespace tarvex {

enum class TPropertyEditStyle { Text, PickList, Color };

class TPropertyRows {
public:
    virtual ~TPropertyRows() = default;
    virtual int RowCount() const = 0;
    virtual std::string Key(int row) const = 0;
    virtual std::string Value(int row) const = 0;
    // The text of a confirmed cell (Enter, Tab, a pick from its list, the focus leaving it); while
    // the cell is open its text is the cell's alone, and Escape drops it.
    virtual void SetValue(int row, const std::string& value) = 0;
    virtual TPropertyEditStyle EditStyle(int row) const = 0;
    virtual std::vector<std::string> PickList(int row) const = 0;
    virtual bool Enabled() const = 0;
};

} // namespace tarvex
