// The model's limits, each at the limit and one past it: the capacity of every record field and
// the undo history's step and byte budgets.
#include "model/DesignHistory.h"
#include "model/RecordFields.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

using namespace tarvex;

namespace {

std::string Repeat(std::string_view unit, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += unit;
    }
    return text;
}

// One character of each UTF-8 length: a cut between bytes would show as a shorter or invalid text.
constexpr std::string_view Characters[] = {"a", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"};

template <typename TRecord> void ExpectEveryTextFieldKeepsItsCapacity() {
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        if (field.IsInteger()) {
            continue;
        }
        for (const std::string_view character : Characters) {
            for (const std::size_t count : {field.Capacity, field.Capacity + 1}) {
                TRecord record;
                field.SetText(record, Repeat(character, count));
                EXPECT_EQ(field.GetText(record), Repeat(character, field.Capacity))
                    << field.Tag << ": " << count << " x " << character.size() << "-byte characters";
            }
        }
    }
}

TMenuItemRec Entry(const std::string& hint) {
    TMenuItemRec item;
    item.Caption = "Entry";
    item.Hint = hint;
    return item;
}

// A design of one entry whose hint every step changes: steps of equal size, told apart by text.
struct THintSteps {
    TProject Project;
    TTreeNode* Node = AppendItemNode(Project, nullptr, TNodeKind::MenuItem, Entry("start"));
    TDesignHistory History{Project};

    void Make(int count) {
        for (int i = 0; i < count; ++i) {
            History.BeginStep({});
            Node->EditItem().Hint = "step " + std::to_string(100000 + i);
            History.EndStep("Change Hint", {});
        }
    }
    // The hint after undoing every step the history kept.
    std::string Earliest() {
        while (History.Undo()) {
        }
        return std::as_const(*Node).Item().Hint.str();
    }
};

} // namespace

// The capacities a project file and the favourites' fixed records were made for.
TEST(Limits, RecordFieldsHaveTheirCapacities) {
    const std::pair<std::string_view, std::size_t> options[] = {
        {"ScreenPosition", 50}, {"MenuStyle", 255},    {"TextAlignment", 50},
        {"Orientation", 20},    {"ImagePosition", 20}, {"MenuOpening", 20},
    };
    for (const auto& [tag, capacity] : options) {
        EXPECT_EQ(OptionsField(tag).Capacity, capacity) << tag;
    }
    const std::pair<std::string_view, std::size_t> items[] = {
        {"Caption", 250}, {"Image", 250}, {"Address", 255}, {"Target", 250}};
    for (const auto& [tag, capacity] : items) {
        EXPECT_EQ(ItemField(tag).Capacity, capacity) << tag;
    }
    const std::pair<std::string_view, std::size_t> styles[] = {
        {"MouseOffFont", 6},        {"MouseOffBackground", 6},  {"MouseOnFont", 6},
        {"MouseOnBackground", 6},   {"MenuBorderColor", 6},     {"FontStyle", 15},
        {"FontWeight", 15},         {"FontName", 50},           {"SubMenuImage", 255},
        {"BorderSeparatorbar", 50}, {"HighColor", 6},           {"LowColor", 6},
        {"TopBarImage", 255},       {"MenuHeaderFontColor", 6}, {"MenuHeaderBackground", 6},
    };
    for (const auto& [tag, capacity] : styles) {
        bool found = false;
        for (const TRecordField<TMenuStyleRec>& field : MenuStyleFields) {
            if (field.Tag == tag) {
                found = true;
                EXPECT_EQ(field.Capacity, capacity) << tag;
            }
        }
        EXPECT_TRUE(found) << tag;
    }
}

// Capacity characters are kept whole and one more is cut off, whatever the characters' size.
TEST(Limits, EveryTextFieldKeepsItsCapacityAndCutsOneMoreAtACharacter) {
    ExpectEveryTextFieldKeepsItsCapacity<TMenuOptionsRec>();
    ExpectEveryTextFieldKeepsItsCapacity<TMenuItemRec>();
    ExpectEveryTextFieldKeepsItsCapacity<TMenuStyleRec>();
}

// The oldest step gives way only once the steps are more than the limit; with the default limits
// too, which a design meets after a long session.
TEST(Limits, HistoryKeepsItsStepLimitAndDropsTheStepPastIt) {
    struct TRow {
        std::size_t Limit;
        int Steps;
        int Kept;
        const char* Earliest;
    };
    const TRow rows[] = {
        {3, 3, 3, "start"},
        {3, 4, 3, "step 100000"},
        {1, 2, 1, "step 100000"},
        {TDesignHistory::DefaultMaxSteps, 1000, 1000, "start"},
        {TDesignHistory::DefaultMaxSteps, 1001, 1000, "step 100000"},
    };
    for (const TRow& row : rows) {
        THintSteps steps;
        if (row.Limit != TDesignHistory::DefaultMaxSteps) {
            steps.History.SetLimits(TDesignHistory::DefaultMaxBytes, row.Limit);
        }
        steps.Make(row.Steps);
        EXPECT_EQ(steps.History.StepCount(), row.Kept) << row.Limit << " / " << row.Steps;
        EXPECT_EQ(steps.Earliest(), row.Earliest) << row.Limit << " / " << row.Steps;
    }
}

// A budget of exactly what the steps hold keeps them all; a byte less drops the oldest; a budget
// smaller than any step still keeps the newest, so the last change can always be taken back.
TEST(Limits, HistoryKeepsItsByteBudgetAndDropsTheStepPastIt) {
    THintSteps measure;
    measure.Make(4);
    const std::size_t all = measure.History.ByteEstimate();
    ASSERT_GT(all, 0u);
    struct TRow {
        std::size_t Budget;
        int Kept;
        const char* Earliest;
    };
    const TRow rows[] = {
        {all, 4, "start"},
        {all - 1, 3, "step 100000"},
        {1, 1, "step 100002"},
    };
    for (const TRow& row : rows) {
        THintSteps steps;
        steps.Make(4);
        ASSERT_EQ(steps.History.ByteEstimate(), all) << "steps of equal text have equal size";
        steps.History.SetLimits(row.Budget, TDesignHistory::DefaultMaxSteps);
        EXPECT_EQ(steps.History.StepCount(), row.Kept) << row.Budget;
        if (row.Kept > 1) {
            EXPECT_LE(steps.History.ByteEstimate(), row.Budget) << row.Budget;
        }
        EXPECT_EQ(steps.Earliest(), row.Earliest) << row.Budget;
    }
}
