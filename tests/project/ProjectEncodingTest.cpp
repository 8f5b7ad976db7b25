#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include "base/RecordText.h"

#include <gtest/gtest.h>

using namespace tarvex;

namespace {

std::string FirstLine(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find("\r\n")));
}

std::string ReadCaption(std::string_view bytes) {
    TProject project;
    ReadProjectText(bytes, project);
    return project.Objects.RootCount() > 0 ? project.Objects.Root(0)->Item().Caption.str() : "<none>";
}

constexpr std::string_view Latin1Declaration = R"(<?xml version="1.0" encoding="iso-8859-1"?>)";
constexpr std::string_view Utf8Declaration = R"(<?xml version="1.0" encoding="utf-8"?>)";

} // namespace

// The file's encoding follows from its text alone, and what is written reads back as it was and
// writes again byte for byte.
TEST(ProjectEncoding, WindowsDesignsStayWindows1252AndOthersBecomeUtf8) {
    const struct {
        std::string caption;
        std::string_view declaration;
        std::string bytes; // the caption as it appears in the file
    } cases[] = {
        {"Home", Latin1Declaration, "Home"},
        {"Caf\xC3\xA9 \xE2\x82\xAC", Latin1Declaration, "Caf\xE9 \x80"},
        {"\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB4\xD1\x83\xD0\xBA\xD1\x82\xD1\x8B", Utf8Declaration,
         "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB4\xD1\x83\xD0\xBA\xD1\x82\xD1\x8B"}, // Cyrillic
        {"Caf\xC3\xA9 \xF0\x9F\x98\x80", Utf8Declaration,
         "Caf\xC3\xA9 \xF0\x9F\x98\x80"}, // é stays UTF-8 too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        TProject project;
        TMenuItemRec item;
        FillDefaultMenuItem(item);
        item.Caption = c.caption;
        AppendItemNode(project, nullptr, TNodeKind::MenuItem, item);
        const std::string written = WriteProjectText(project);
        EXPECT_EQ(FirstLine(written), c.declaration);
        EXPECT_NE(written.find("<Caption>" + c.bytes + "</Caption>\r\n"), std::string::npos);
        TProject read;
        ReadProjectText(written, read);
        EXPECT_EQ(read.Objects.Root(0)->Item().Caption.str(), c.caption);
        EXPECT_EQ(WriteProjectText(read), written);
    }
}

TEST(ProjectEncoding, ReaderHonoursTheFirstLinesDeclaration) {
    const std::string cafe = "Caf\xC3\xA9";
    const std::string body = "\r\n<MENU_ITEM>\r\n<Caption>" + cafe + "</Caption>\r\n</MENU_ITEM>\r\n";
    const struct {
        std::string bytes;
        std::string caption;
    } cases[] = {
        {R"(<?xml version="1.0" encoding="UTF-8"?>)" + body, cafe},
        {"<?xml version='1.0' Encoding = 'utf8'?>" + body, cafe},
        {"\xEF\xBB\xBF<?xml version=\"1.0\"?>" + body, cafe}, // a byte-order mark alone
        {std::string(Latin1Declaration) + body, "Caf\xC3\x83\xC2\xA9"},
        {"<!-- encoding=\"utf-8\" -->" + body, cafe}, // any first line may declare it
        {"\r\n<?xml version=\"1.0\" encoding=\"utf-8\"?>" + body, "Caf\xC3\x83\xC2\xA9"},
        {"<?xml encoding=\"utf-16\"?>\r\n<MENU_ITEM>\r\n<Caption>\xE9</Caption>\r\n</MENU_ITEM>\r\n",
         "\xC3\xA9"},
        // Text from a UTF-8 file is cleaned like typed text.
        {"<?xml "
         "encoding=\"utf-8\"?>\r\n<MENU_ITEM>\r\n<Caption>e\xCC\x81\xC0\xAF</Caption>\r\n</MENU_ITEM>\r\n",
         "\xC3\xA9\xEF\xBF\xBD\xEF\xBF\xBD"},
        // A mark opening a value does not join the tag's ">".
        {"<?xml encoding=\"utf-8\"?>\r\n<MENU_ITEM>\r\n<Caption>\xCC\xB8</Caption>\r\n</MENU_ITEM>\r\n",
         "\xCC\xB8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadCaption(c.bytes), c.caption) << c.bytes;
    }
}

// A group's value lines are read by position: the tag's length is skipped in characters, so a
// Windows-1252 line that does not begin with its tag loses whole characters and stays valid UTF-8.
TEST(ProjectEncoding, GroupValueLinesSkipCharactersNotBytes) {
    const std::string file = std::string(Latin1Declaration) + "\r\n<PROJECT>\r\n<MENU>\r\n<MENU_GROUP>\r\n" +
                             std::string(9, '\xC4') +
                             "X</Caption>\r\n<Image></Image>\r\n<Address>a.htm</Address>\r\n" +
                             "<Target></Target>\r\n</MENU_GROUP>\r\n</MENU>\r\n</PROJECT>\r\n";
    EXPECT_EQ(ReadCaption(file), "X");

    TProject project;
    ReadProjectText(file, project);
    const std::string written = WriteProjectText(project);
    EXPECT_TRUE(IsValidUtf8(written));
    TProject again;
    ReadProjectText(written, again);
    EXPECT_EQ(WriteProjectText(again), written);
}
