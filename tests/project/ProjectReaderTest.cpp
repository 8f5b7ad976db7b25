#include "IntegerTextCases.h"
#include "ProjectTestSupport.h"

#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <gtest/gtest.h>

using namespace tarvex;
using namespace tarvex::test;

namespace {

std::unique_ptr<TProject> Read(std::string_view bytes) {
    auto project = std::make_unique<TProject>();
    ReadProjectText(bytes, *project);
    return project;
}

const TTreeNode& At(const TTree& tree, std::initializer_list<int> path) {
    const TTreeNode* node = nullptr;
    for (int index : path) {
        node = node ? node->Child(index) : tree.Root(index);
        if (!node) {
            throw std::out_of_range("no node at that path");
        }
    }
    return *node;
}

std::vector<std::string> StyleNames(const TProject& p) {
    std::vector<std::string> names;
    for (const TTreeNode& node : p.Styles.Roots()) {
        names.push_back(node.Text());
    }
    return names;
}

std::string Item(std::string_view body) {
    return "<MENU_ITEM>\n" + std::string(body) + "\n</MENU_ITEM>\n";
}

} // namespace

TEST(ProjectReader, WrittenFilesReadBackIntoTheSameTrees) {
    TProject nested;
    FillNestedThreeLevels(nested);
    TProject standard;
    TMenuStyleRec style;
    FillDefaultStyle(style);
    AppendStyleNode(standard, "Main style", style);
    BuildDefaultProject(standard);
    const std::vector<std::pair<std::string, const TProject*>> cases{{"nested-three-levels.xml", &nested},
                                                                     {"default-one-style.xml", &standard}};
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file);
        const std::string bytes = DataFile(file);
        const auto read = Read(bytes);
        EXPECT_EQ(Flatten(read->Objects), Flatten(expected->Objects));
        EXPECT_EQ(Flatten(read->Styles), Flatten(expected->Styles));
        EXPECT_EQ(WriteProjectText(*read), bytes);
    }
}

TEST(ProjectReader, NoBlocksGiveAnEmptyDesign) {
    for (const std::string_view text :
         {std::string_view(""), std::string_view("\n\n\n"), std::string_view("just some text\nand more"),
          std::string_view("<MENU_ITEM >\n<Caption>x</Caption>\n</MENU_ITEM>\n"),
          std::string_view("<PROJECT><MENU_ITEM></PROJECT>\n")}) {
        const auto p = Read(text);
        EXPECT_TRUE(p->Objects.Empty()) << text;
        EXPECT_TRUE(p->Styles.Empty()) << text;
    }
}

TEST(ProjectReader, ForgivesCaseIndentationOrderAndMissingElements) {
    const auto p = Read(DataFile("tolerant-layout.xml"));
    EXPECT_EQ(Shape(p->Objects), "O I:Menu Item Name G:Group one{O}");

    const TMenuOptionsRec& main = At(p->Objects, {0}).Options();
    EXPECT_EQ(main.MenuStyle, "Plain");
    EXPECT_EQ(main.MenuWidth, 200);
    EXPECT_EQ(main.MenuTop, 7); // the last of two wins
    EXPECT_EQ(main.MenuLeft, 40);
    EXPECT_EQ(main.Orientation, "Horizontal");

    const TMenuItemRec& item = At(p->Objects, {1}).Item();
    EXPECT_EQ(item.Caption, "Menu Item Name");
    EXPECT_EQ(item.Address, "a.htm");
    EXPECT_EQ(item.Target, "_top");

    const TMenuItemRec& group = At(p->Objects, {2}).Item();
    EXPECT_EQ(group.Caption, "Group one"); // the group's closing tags are found in any case
    EXPECT_EQ(group.Hint, "h");
    EXPECT_EQ(group.Address, "g.htm");
    EXPECT_EQ(group.Target, "");

    // A submenu's options start from the main menu's defaults; no style is known yet.
    const TMenuOptionsRec& sub = At(p->Objects, {2, 0}).Options();
    EXPECT_EQ(sub.MenuLeft, 12);
    EXPECT_EQ(sub.MenuTop, 140);
    EXPECT_EQ(sub.Orientation, "Horizontal");
    EXPECT_EQ(sub.MenuStyle, "");

    // Without a Name a style takes the one read before it, or none at first.
    EXPECT_EQ(StyleNames(*p), (std::vector<std::string>{"", "Named", "Named"}));
    EXPECT_EQ(At(p->Styles, {0}).Style().FontSize, 14);
    EXPECT_EQ(At(p->Styles, {2}).Style().MouseOffFont, "ABCDEF");
    EXPECT_EQ(At(p->Styles, {2}).Style().FontName, "Verdana, Arial");
}

TEST(ProjectReader, HeaderWithoutEndSwallowsTheRest) {
    const auto p = Read(DataFile("header-without-end.xml"));
    EXPECT_TRUE(p->Objects.Empty());
    EXPECT_TRUE(p->Styles.Empty());
}

TEST(ProjectReader, BlockWithoutClosingTagMergesWithTheNextOfItsKind) {
    const auto p = Read(DataFile("missing-closing-tag.xml"));
    ASSERT_EQ(Shape(p->Objects), "I:Second I:Third");
    const TMenuItemRec& merged = At(p->Objects, {0}).Item();
    EXPECT_EQ(merged.Address, "first.htm");
    EXPECT_EQ(merged.Target, "_blank");
}

TEST(ProjectReader, GroupValueLinesAreTakenByPosition) {
    const auto p = Read(DataFile("group-lines-out-of-order.xml"));
    // The second group's missing Image line shifts its item's lines into Address and Target, and
    // the item's closing tag is left over as an ignored line.
    ASSERT_EQ(Shape(p->Objects), "G:{O} G:Short{}");
    const TMenuItemRec& swapped = At(p->Objects, {0}).Item();
    EXPECT_EQ(swapped.Caption, "");
    EXPECT_EQ(swapped.Hint, "");
    EXPECT_EQ(swapped.Address, "x.htm");
    EXPECT_EQ(swapped.Target, "t");
    const TMenuItemRec& shifted = At(p->Objects, {1}).Item();
    EXPECT_EQ(shifted.Caption, "Short");
    EXPECT_EQ(shifted.Address, "");
    EXPECT_EQ(shifted.Target, "");

    // Values that are not whole 32-bit numbers leave the defaults; an upper-case closing tag
    // stays in the value and so spoils the number.
    const TMenuOptionsRec& options = At(p->Objects, {0, 0}).Options();
    EXPECT_EQ(options.MenuLeft, 40);
    EXPECT_EQ(options.MenuTop, 99);
    EXPECT_EQ(options.MenuWidth, 150);
    EXPECT_EQ(options.MenuBorder, 1);
    EXPECT_EQ(options.RemainVisible, 5);
}

TEST(ProjectReader, FileEndingInsideBlocksKeepsWhatWasRead) {
    const auto p = Read(DataFile("truncated-inside-style.xml"));
    EXPECT_EQ(At(p->Objects, {0}).Options().MenuWidth, 300);
    ASSERT_EQ(StyleNames(*p), (std::vector<std::string>{"Cut"}));
    EXPECT_EQ(At(p->Styles, {0}).Style().FontSize, 20);
    EXPECT_EQ(At(p->Styles, {0}).Style().MouseOffBackground, "C0C0C0");

    // A group cut short keeps the defaults of the lines it did not get.
    const auto group = Read("<MENU_GROUP>\n<Caption>G</Caption>");
    ASSERT_EQ(Shape(group->Objects), "G:G{}");
    EXPECT_EQ(At(group->Objects, {0}).Item().Address, KorvaneHomePage);
    const auto bare = Read("<MENU_ITEM>");
    ASSERT_EQ(Shape(bare->Objects), "I:Menu Item Name");
}

TEST(ProjectReader, ClosingGroupsWithAndWithoutAnOpenGroup) {
    const auto p = Read(
        "</MENU_GROUP>\n<MENU_GROUP>\n<Caption>A</Caption>\n<Image></Image>\n<Address></Address>\n"
        "<Target></Target>\n" +
        Item("<Caption>in A</Caption>") + "</menu_group>\n</MENU_GROUP>\n" + Item("<Caption>root</Caption>"));
    EXPECT_EQ(Shape(p->Objects), "G:A{I:in A} I:root");

    // A group whose fourth line is a group's end is closed at once.
    const auto closed =
        Read("<MENU_GROUP>\n<Caption>B</Caption>\n\n\n</MENU_GROUP>\n" + Item("<Caption>after</Caption>"));
    EXPECT_EQ(Shape(closed->Objects), "G:B{} I:after");
}

TEST(ProjectReader, ShortLinesHandOverTheirPlaceToTheNextLine) {
    // After a short line the next one is taken as it is; after two empty lines in a row the
    // second is merely ignored, and the block tag follows in the next pass.
    EXPECT_EQ(Shape(Read("<a>\n" + Item("<Caption>x</Caption>"))->Objects), "I:x");
    EXPECT_EQ(Shape(Read("\n\n" + Item("<Caption>x</Caption>"))->Objects), "I:x");
    EXPECT_EQ(Shape(Read("\n\n\n" + Item("<Caption>x</Caption>"))->Objects), "I:x");
    // Two short lines: the second is read in the first's place and nothing else is skipped.
    EXPECT_EQ(Shape(Read("ab\ncd\n" + Item("<Caption>x</Caption>"))->Objects), "I:x");
    EXPECT_TRUE(Read("<MENU_ITEM>\n")->Objects.Root(0) != nullptr);
    EXPECT_TRUE(Read("\n")->Objects.Empty());
}

TEST(ProjectReader, LineEndsAndControlCharacters) {
    const std::string lf =
        "<MENU_ITEM>\n<Caption>x</Caption>\n</MENU_ITEM>\n<STYLE>\n<Name>s</Name>\n</STYLE>\n";
    std::string crlf;
    for (char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const auto fromLf = Read(lf);
    const auto fromCrlf = Read(crlf);
    EXPECT_EQ(Shape(fromLf->Objects), "I:x");
    EXPECT_EQ(Flatten(fromCrlf->Objects), Flatten(fromLf->Objects));
    EXPECT_EQ(Flatten(fromCrlf->Styles), Flatten(fromLf->Styles));

    // A lone CR ends a line too: a CR-only file reads as the same design, not as an empty one.
    std::string crOnly = lf;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    EXPECT_EQ(Flatten(Read(crOnly)->Objects), Flatten(fromLf->Objects));
    EXPECT_EQ(Flatten(Read(crOnly)->Styles), Flatten(fromLf->Styles));
    // Every kind of line end mixed in one file, with LF far from the CRs around it.
    const auto mixed =
        Read("<MENU_ITEM>\r<Caption>x</Caption>\r\r\r\n</MENU_ITEM>\n\r<STYLE>\r\n<Name>s</Name>\r</STYLE>");
    EXPECT_EQ(Flatten(mixed->Objects), Flatten(fromLf->Objects));
    EXPECT_EQ(Flatten(mixed->Styles), Flatten(fromLf->Styles));

    // Blanks, tabs and control bytes are trimmed at both ends; inside a value they stay.
    using namespace std::string_literals;
    const auto nul = Read("\0\t<MENU_ITEM> \0\n  <Caption>a\0b</Caption>\x1f\r\n</MENU_ITEM>\0"s);
    ASSERT_EQ(nul->Objects.RootCount(), 1);
    EXPECT_EQ(At(nul->Objects, {0}).Item().Caption.str(), "a\0b"s);
    EXPECT_EQ(Flatten(Read(WriteProjectText(*nul))->Objects), Flatten(nul->Objects));
}

TEST(ProjectReader, ElementValuesAndClosingTags) {
    const auto p = Read(Item("<caption>lower opening</Caption>") + Item("<Caption>kept</caption>") +
                        Item("<Caption></Caption>") + Item("<Caption>a</Caption></Caption>") +
                        Item("<Caption> spaced </Caption>") + Item("<Caption>"));
    ASSERT_EQ(p->Objects.RootCount(), 6);
    EXPECT_EQ(At(p->Objects, {0}).Item().Caption, "lower opening");
    EXPECT_EQ(At(p->Objects, {1}).Item().Caption, "kept</caption>");
    EXPECT_EQ(At(p->Objects, {2}).Item().Caption, "");
    EXPECT_EQ(At(p->Objects, {3}).Item().Caption, "a</Caption>");
    EXPECT_EQ(At(p->Objects, {4}).Item().Caption, " spaced ");
    EXPECT_EQ(At(p->Objects, {5}).Item().Caption, "");
    EXPECT_EQ(At(p->Objects, {1}).Text(), "kept</caption>");

    // Long values are cut to the field's capacity, and the node text follows the record.
    const auto longCaption = Read(Item("<Caption>" + std::string(300, 'c') + "</Caption>"));
    EXPECT_EQ(At(longCaption->Objects, {0}).Item().Caption.size(), 250u);
    EXPECT_EQ(At(longCaption->Objects, {0}).Text(), std::string(250, 'c'));
}

TEST(ProjectReader, IntegerValues) {
    const auto value = [](std::string_view text) {
        const auto p =
            Read("<MENU_OPTIONS>\n<MenuLeft>" + std::string(text) + "</MenuLeft>\n</MENU_OPTIONS>\n");
        return At(p->Objects, {0}).Options().MenuLeft;
    };
    EXPECT_EQ(value("-2147483648"), INT32_MIN);
    EXPECT_EQ(value("2147483647"), INT32_MAX);
    TProject extremes;
    TMenuOptionsRec options;
    options.MenuLeft = INT32_MIN;
    AppendOptionsNode(extremes, nullptr, options);
    EXPECT_EQ(At(Read(WriteProjectText(extremes))->Objects, {0}).Options().MenuLeft, INT32_MIN);
    // Text that is no number leaves the main-menu default.
    for (const TIntegerTextCase& c : IntegerTextCases) {
        EXPECT_EQ(value(c.Text), c.PlusAllowed.value_or(40)) << c.Text;
    }
    // An unreadable repetition does not undo the value before it.
    const auto p = Read("<STYLE>\n<FontSize>14</FontSize>\n<FontSize>big</FontSize>\n</STYLE>\n");
    EXPECT_EQ(At(p->Styles, {0}).Style().FontSize, 14);
}

TEST(ProjectReader, OptionsTakeTheFirstStyleKnownAtThatPoint) {
    const std::string options = "<MENU_OPTIONS>\n</MENU_OPTIONS>\n";
    const auto p = Read(options + "<STYLE>\n<Name>First</Name>\n</STYLE>\n" + options);
    ASSERT_EQ(p->Objects.RootCount(), 2);
    EXPECT_EQ(At(p->Objects, {0}).Options().MenuStyle, "");
    EXPECT_EQ(At(p->Objects, {1}).Options().MenuStyle, "First");
    EXPECT_EQ(At(p->Objects, {1}).Text(), "Menu Options");
}

namespace {
struct TCountingObserver : TTreeObserver {
    int inserted = 0;
    int resets = 0;
    void NodeInserted(TTreeNode*) override { ++inserted; }
    void TreeReset() override { ++resets; }
};
} // namespace

TEST(ProjectReader, ReadsInsideOneTreeUpdate) {
    TProject p;
    TCountingObserver objects;
    TCountingObserver styles;
    p.Objects.AddObserver(&objects);
    p.Styles.AddObserver(&styles);
    ReadProjectText(DataFile("nested-three-levels.xml"), p);
    EXPECT_FALSE(p.Objects.Updating());
    EXPECT_FALSE(p.Styles.Updating());
    EXPECT_EQ(objects.inserted + styles.inserted, 0);
    EXPECT_EQ(objects.resets, 1);
    EXPECT_EQ(styles.resets, 1);
    p.Objects.RemoveObserver(&objects);
    p.Styles.RemoveObserver(&styles);
}

TEST(ProjectReader, DeepNestingAndManyEntries) {
    const int depth = 100000;
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text +=
            "<MENU_GROUP>\n<Caption>g</Caption>\n<Image></Image>\n<Address></Address>\n<Target></Target>\n";
    }
    text += Item("<Caption>leaf</Caption>");
    auto p = Read(text);
    EXPECT_EQ(p->Objects.NodeCount(), static_cast<std::size_t>(depth) + 1);
    const std::string written = WriteProjectText(*p);
    EXPECT_EQ(WriteProjectText(*Read(written)), written);

    std::string wide;
    for (int i = 0; i < depth; ++i) {
        wide += Item("<Caption>i</Caption>");
    }
    EXPECT_EQ(Read(wide)->Objects.RootCount(), depth);
}

// The optional fields come after today's, in any order; a group's follow its four positional lines
// and may run straight into its options block. They are written back after today's fields, in
// the table's order, only when set.
TEST(ProjectReader, OptionalFieldsReadInAnyOrderAndWrittenBackOnlyWhenSet) {
    const std::string bytes =
        "<MENU_OPTIONS>\n<SmallScreenLook>Drawer</SmallScreenLook>\n<MenuLeft>5</MenuLeft>\n"
        "<SmallScreenWidth>600</SmallScreenWidth>\n<MoreCaption>Plus</MoreCaption>\n"
        "<WhenNoRoom>Wrap</WhenNoRoom>\n</MENU_OPTIONS>\n\n"
        "<MENU_GROUP>\n<Caption>G</Caption>\n<Image>h</Image>\n<Address>g.htm</Address>\n"
        "<Target></Target>\n<Icon>star</Icon>\n<Description>Group line</Description>\n"
        "<MENU_OPTIONS>\n<Columns>3</Columns>\n<Layout>Panel</Layout>\n</MENU_OPTIONS>\n\n" +
        Item("<Badge>New</Badge>\n<Caption>I</Caption>\n<Description>Item line</Description>") +
        "</MENU_GROUP>\n" + Item("<Caption>Plain</Caption>");
    const auto read = Read(bytes);
    const TMenuOptionsRec& main = At(read->Objects, {0}).Options();
    EXPECT_EQ(
        std::vector<std::string>({main.WhenNoRoom.str(), main.MoreCaption.str(), main.SmallScreenLook.str()}),
        std::vector<std::string>({"Wrap", "Plus", "Drawer"}));
    EXPECT_EQ(main.SmallScreenWidth, 600);
    const TTreeNode& group = At(read->Objects, {1});
    EXPECT_EQ(group.Item().Description, "Group line");
    EXPECT_EQ(group.Item().Icon, "star");
    EXPECT_EQ(group.Item().Address, "g.htm");
    EXPECT_EQ(At(read->Objects, {1, 0}).Options().Layout, "Panel");
    EXPECT_EQ(At(read->Objects, {1, 0}).Options().Columns, 3);
    EXPECT_EQ(At(read->Objects, {1, 1}).Item().Badge, "New");
    EXPECT_EQ(At(read->Objects, {1, 1}).Item().Description, "Item line");

    const std::string written = WriteProjectText(*read);
    for (const std::string_view part :
         {"<Target></Target>\r\n<Description>Group "
          "line</Description>\r\n<Icon>star</Icon>\r\n\r\n<MENU_OPTIONS>",
          "<WhenNoRoom>Wrap</WhenNoRoom>\r\n<MoreCaption>Plus</MoreCaption>\r\n<SmallScreenWidth>600</"
          "SmallScreenWidth>\r\n<SmallScreenLook>Drawer</SmallScreenLook>\r\n</MENU_OPTIONS>",
          "<Layout>Panel</Layout>\r\n<Columns>3</Columns>\r\n</MENU_OPTIONS>",
          "<Caption>Plain</Caption>\r\n<Image></Image>\r\n<Address>https://www.korvane.example</Address>\r\n"
          "<Target></Target>\r\n</MENU_ITEM>"}) {
        EXPECT_NE(written.find(part), std::string::npos) << part;
    }
    const auto again = Read(written);
    EXPECT_EQ(Flatten(again->Objects), Flatten(read->Objects));
}
