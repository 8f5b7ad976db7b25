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
    // Typed text goes into the row at once; the record is written only at the next commit.
    virtual void SetValue(int row, const std::string& value) = 0;
    // The edit of a cell ended other than with Escape: what the rows hold becomes the record's.
    virtual void CommitValues() {}
    virtual TPropertyEditStyle EditStyle(int row) const = 0;
    virtual std::vector<std::string> PickList(int row) const = 0;
    virtual bool Enabled() const = 0;
};

} // namespace tarvex
