// The characters markup gives a meaning to, at the start, in the middle, at the end and alone in
// every text field, written into a project file and read back unchanged: the format writes values
// as they are, so the reader must never decode or cut what the writer did not encode.
#include "ProjectTestSupport.h"

#include "model/RecordFields.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarvex;
using namespace tarvex::test;

namespace {

// Short enough that a six-character colour field still holds the token at each position.
std::vector<std::string> AtEveryPosition(const std::string& token) {
    return {token + "ab", "a" + token + "b", "ab" + token, token};
}

template <typename TRecord> void SetEveryText(TRecord& record, const std::string& value) {
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        if (!field.IsInteger()) {
            field.SetText(record, value);
        }
    }
}

// A style, the main menu's options, a group with its options and an item, every text field `value`.
void BuildDesign(TProject& project, const std::string& value) {
    TMenuStyleRec style;
    FillDefaultStyle(style);
    SetEveryText(style, value);
    AppendStyleNode(project, value, style);
    TMenuOptionsRec options;
    FillDefaultMenuOptions(project, options, nullptr);
    SetEveryText(options, value);
    AppendOptionsNode(project, nullptr, options);
    TMenuItemRec item;
    FillDefaultMenuItem(item);
    SetEveryText(item, value);
    TTreeNode* group = AppendItemNode(project, nullptr, TNodeKind::MenuGroup, item);
    AppendOptionsNode(project, group, options);
    AppendItemNode(project, group, TNodeKind::MenuItem, item);
}

} // namespace

TEST(ProjectEscapes, MarkupCharactersRoundTripAtEveryPositionInEveryField) {
    const std::string tokens[] = {"&",      "<",    ">",   "\"",  "'",    "&amp;",   "&#65;",
                                  "&#x41;", "&lt;", "<b>", "]]>", "<!--", "\xC3\xA9"};
    for (const std::string& token : tokens) {
        for (const std::string& value : AtEveryPosition(token)) {
            TProject written;
            BuildDesign(written, value);
            TProject read;
            ReadProjectText(WriteProjectText(written), read);
            EXPECT_EQ(Flatten(read.Objects), Flatten(written.Objects)) << value;
            EXPECT_EQ(Flatten(read.Styles), Flatten(written.Styles)) << value;
        }
    }
}
