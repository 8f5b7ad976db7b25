// Every field of every record, each given a value of its own: typed into its value editor, it must
// reach the record, come back into the editor, survive a save and a read, and show in menu.js.
// The fields come from the record's table, so a new field is covered the day it is added.

#include "EditorFixture.h"

#include "model/RecordFields.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuScript.h"

#include <cstdio>
#include <functional>
#include <set>
#include <stdexcept>

namespace tarvex::test {
namespace {

// Kept and saved, but the menu engine has no place for it: the only field menu.js leaves out.
constexpr std::string_view NotInScript = "RemainVisible";
constexpr std::string_view SecondStyle = "Second look";

// A value no other field of the record holds and that differs from `before`, of the field's kind:
// a word of its drop-down, a colour, a number, or a text named after the field. "Menu Style"
// drops down the style list, so it names the second style; "Dark style" then names the first.
template <typename TRecord>
std::vector<std::string> DistinctValues(const TRecord& before, const std::string& firstStyle) {
    std::vector<std::string> values;
    std::set<std::string> used;
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        const std::size_t i = values.size();
        std::string value;
        if (field.IsInteger()) {
            value = std::to_string(1000 + 7 * i);
        } else if (field.Kind == TFieldKind::Colour) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%06X", 0x1A2B30u + static_cast<unsigned>(i));
            value = hex;
        } else if (field.Kind == TFieldKind::PickList && field.Picks.empty()) {
            value = used.contains(std::string(SecondStyle)) ? firstStyle : std::string(SecondStyle);
        } else if (field.Kind == TFieldKind::PickList) {
            for (const std::string_view pick : field.Picks) {
                if (!pick.empty() && pick != field.GetText(before) && !used.contains(std::string(pick))) {
                    value = pick;
                    break;
                }
            }
        } else {
            value = std::string(field.Tag) + " value";
        }
        EXPECT_NE(value, field.Text(before)) << field.Caption;
        EXPECT_TRUE(used.insert(value).second) << field.Caption;
        values.push_back(value);
    }
    return values;
}

class FieldRoundTripTest : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        Start();
        m_ui.ClearCalls();
        TMenuStyleRec second;
        FillDefaultStyle(second);
        Editor().EditDesign("Add Style",
                            [&] { AppendStyleNode(Project(), std::string(SecondStyle), second); });
    }

    // `locate` finds the record's node in a project (const in a const one); `select` moves the editor's
    // selection to the record's node (true) or to another node of the same kind (false).
    template <typename TRecord, typename TLocate>
    void SendThroughEveryField(TValueEditorId editor, const TLocate& locate,
                               const std::function<void(bool)>& select) {
        const auto fields = FieldsOf<TRecord>();
        const auto recordIn = [&](const TProject& p) -> TRecord {
            return std::get<TRecord>(locate(p)->Record());
        };
        const TRecord before = recordIn(Project());
        const std::vector<std::string> values = DistinctValues(before, Project().Styles.Root(0)->Text());

        select(true);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            Editor().SetRowValue(editor, fields[i].Caption, values[i]);
        }
        select(false); // commit
        for (std::size_t i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(fields[i].Text(recordIn(Project())), values[i]) << "commit: " << fields[i].Caption;
        }
        select(true); // load
        for (std::size_t i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(Editor().ValueEditor(editor).Value(fields[i].Caption), values[i])
                << "load: " << fields[i].Caption;
        }

        TProject read;
        ReadProjectText(WriteProjectText(Project()), read);
        const TRecord& record = recordIn(read);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(fields[i].Text(record), values[i]) << "save and read: " << fields[i].Caption;
        }

        // Each field shows in the script: giving it back its old value alone changes the script.
        const std::vector<std::string> script = GenerateMenuScript(read).Lines;
        for (const TRecordField<TRecord>& field : fields) {
            if (field.Tag == NotInScript) {
                continue;
            }
            TRecord changed = record;
            if (field.IsInteger()) {
                changed.*field.Integer = before.*field.Integer;
            } else {
                field.SetText(changed, field.GetText(before));
            }
            TRecord& stored = locate(read)->template EditRecord<TRecord>();
            std::swap(stored, changed);
            EXPECT_NE(GenerateMenuScript(read).Lines, script) << "menu.js: " << field.Caption;
            std::swap(stored, changed);
        }
    }
};

TEST_F(FieldRoundTripTest, MenuOptionsEditor) {
    SendThroughEveryField<TMenuOptionsRec>(
        TValueEditorId::MenuValueList, [](auto& p) { return p.Objects.Root(0); },
        [&](bool mine) {
            Editor().SelectObjectNode(mine ? Node({0}) : Node({1, 0}));
        });
}

TEST_F(FieldRoundTripTest, MenuItemEditor) {
    // A group: its hint shows in menu.js, an item's does not.
    SendThroughEveryField<TMenuItemRec>(
        TValueEditorId::MenuItemValueEditor, [](auto& p) { return p.Objects.Root(1); },
        [&](bool mine) {
            Editor().SelectObjectNode(mine ? Node({1}) : Node({1, 1}));
        });
}

TEST_F(FieldRoundTripTest, StyleEditor) {
    SendThroughEveryField<TMenuStyleRec>(
        TValueEditorId::MenuStyleValueEditor, [](auto& p) { return p.Styles.Root(0); },
        [&](bool mine) { Editor().SelectStyleNode(Style(mine ? 0 : 1)); });
}

TEST_F(FieldRoundTripTest, AnUnknownRowIsRefusedInEveryEditor) {
    for (const TValueEditorId editor : {TValueEditorId::MenuValueList, TValueEditorId::MenuItemValueEditor,
                                        TValueEditorId::MenuStyleValueEditor}) {
        EXPECT_THROW(Editor().SetRowValue(editor, "Top Bar Imgae", "x"), std::logic_error);
        EXPECT_THROW(Editor().ValueEditor(editor).Value("Top Bar Imgae"), std::logic_error);
    }
}

} // namespace
} // namespace tarvex::test
