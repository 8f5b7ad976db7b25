// The publish targets a project names: kept after the styles, only when there are any, and read
// back exactly, whatever characters their fields hold.
#include "ProjectTestSupport.h"

#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tarvex;
using namespace tarvex::test;

namespace {

std::unique_ptr<TProject> ReadBack(std::string_view bytes) {
    auto project = std::make_unique<TProject>();
    ReadProjectText(bytes, *project);
    return project;
}

} // namespace

TEST(PublishTargets, EveryFieldRoundTripsInBothEncodings) {
    struct TCase {
        const char* Label;
        TPublishTargets Targets;
        const char* Declared; // the encoding the file must declare
    };
    const TCase cases[] = {
        {"plain",
         {{"Live", "sftp://ann@example.org/~/www", "", TPublishKind::Classic, "", "", ""}},
         "iso-8859-1"},
        {"markup and blanks",
         {{"A & B <live>", "davs://h.example/a&b/</x>", " ann ", TPublishKind::Module, "/keys/id&#32;rsa ",
           "ca\tfile&amp;.pem", "https://h.example/?a=1&b=<2>"},
          {"Zweite", "ftps://h.example/site", "bob", TPublishKind::Classic, "", "", "  "}},
         "iso-8859-1"},
        {"Latin-1 letters",
         {{"Müller Straße", "sftp://h/~/Grüße", "jürgen", TPublishKind::Module, "", "", ""}},
         "iso-8859-1"},
        {"beyond Latin-1",
         {{"東京 site", "sftp://h/~/站点", "", TPublishKind::Classic, "/k/ключ", "", ""}},
         "utf-8"},
    };
    for (const TCase& c : cases) {
        TProject project;
        project.Targets = c.Targets;
        const std::string written = WriteProjectText(project);
        EXPECT_NE(written.find(std::string("encoding=\"") + c.Declared + "\""), std::string::npos) << c.Label;
        const auto read = ReadBack(written);
        EXPECT_EQ(read->Targets, c.Targets) << c.Label;
        EXPECT_EQ(WriteProjectText(*read), written) << c.Label;
    }
}

TEST(PublishTargets, WrittenOnlyWhenSetAndEachFieldOnlyWhenNotEmpty) {
    TProject project;
    EXPECT_EQ(WriteProjectText(project).find("PUBLISH_TARGET"), std::string::npos);
    project.Targets = {{"Live", "sftp://h/~/www", "", TPublishKind::Classic, "", "", ""}};
    const std::string written = WriteProjectText(project);
    EXPECT_NE(written.find("</STYLES>\r\n<PUBLISH_TARGETS>\r\n<PUBLISH_TARGET>\r\n<Name>Live</Name>\r\n"
                           "<Address>sftp://h/~/www</Address>\r\n</PUBLISH_TARGET>\r\n</PUBLISH_TARGETS>\r\n"
                           "</PROJECT>\r\n"),
              std::string::npos)
        << written;
}

TEST(PublishTargets, ReaderTakesAnyOrderIgnoresUnknownTagsAndDropsUnusableTargets) {
    const std::string bytes =
        "<PROJECT>\n"
        "<publish_target>\n<kind>module</kind>\n<Colour>red</Colour>\n"
        "<ADDRESS>davs://h/p</ADDRESS>\n<user>ann</user>\n<name>First</name>\n"
        "</PUBLISH_TARGET>\n"
        "<PUBLISH_TARGET>\n<Name>No address</Name>\n</PUBLISH_TARGET>\n"
        "<PUBLISH_TARGET>\n<Name>   </Name>\n<Address>sftp://h/x</Address>\n"
        "</PUBLISH_TARGET>\n"
        "<PUBLISH_TARGET>\n<Kind>Carrier pigeon</Kind>\n<Address>sftp://h/&#0;&#xZZ;&bogus;"
        "</Address>\n<Name>Last</Name>\n"
        "</PROJECT>\n";
    const auto read = ReadBack(bytes);
    const TPublishTargets expected = {
        {"First", "davs://h/p", "ann", TPublishKind::Module, "", "", ""},
        {"Last", "sftp://h/&#0;&#xZZ;&bogus;", "", TPublishKind::Classic, "", "", ""},
    };
    EXPECT_EQ(read->Targets, expected);
}
