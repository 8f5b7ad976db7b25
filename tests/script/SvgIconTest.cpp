#include "script/SvgIcon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace tarvex {
namespace {

struct THostileFile {
    const char* Name;
    std::string Text;
    const char* Reason; // a part of the refusal
};

TEST(SvgIconTest, HostileFilesAreRefusedWithTheirReason) {
    const std::string open = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\">";
    const THostileFile files[] = {
        {"script", open + "<script>alert(1)</script></svg>", "script element"},
        {"onload", "<svg onload=\"alert(1)\"><path d=\"M0 0\"/></svg>", "event attribute (onload)"},
        {"event in any case", open + "<path OnClick=\"x()\" d=\"M0 0\"/></svg>", "event attribute (onclick)"},
        {"xlink:href", open + "<path xlink:href=\"#a\" d=\"M0 0\"/></svg>", "links to another file"},
        {"external use", open + "<use href=\"other.svg#icon\"/></svg>", "use element"},
        {"image", open + "<image href=\"https://example.com/a.png\"/></svg>", "image element"},
        {"foreignObject", open + "<foreignObject><p>hi</p></foreignObject></svg>", "foreignObject element"},
        {"style element", open + "<style>path{fill:url(https://x/y)}</style></svg>", "style element"},
        {"url() in a fill", open + "<path fill=\"url(https://x/y#g)\" d=\"M0 0\"/></svg>",
         "outside the drawing"},
        {"javascript: hidden by a reference",
         open + "<path d=\"&#106;avascript:x\" fill=\"java&#115;cript:x\"/></svg>", "outside the drawing"},
        {"DOCTYPE with entities",
         "<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
         "\"&a;&a;&a;&a;\">]><svg>&b;</svg>",
         "document type"},
        {"undeclared entity", open + "<path d=\"&lol;\"/></svg>", "entity (&lol;)"},
        {"CDATA", open + "<![CDATA[<script>x()</script>]]></svg>", "character data"},
        {"processing instruction", open + "<?xml-stylesheet href=\"a.css\"?></svg>",
         "processing instruction"},
        {"oversize", open + "<path d=\"" + std::string(IconFileLimit, '0') + "\"/></svg>",
         "larger than 8 KB"},
        {"unclosed", open + "<g><path d=\"M0 0\"/>", "ends before"},
        {"mismatched", open + "<g></path></svg>", "did not open"},
        {"unquoted attribute", "<svg viewBox=0><path/></svg>", "well-formed"},
        {"not an svg", "<html><body/></html>", "html element"},
        {"two drawings", "<svg></svg><svg></svg>", "more than one"},
        {"deep nesting",
         [] {
             std::string deep = "<svg>";
             for (int i = 0; i < 40; ++i) {
                 deep += "<g>";
             }
             return deep;
         }(),
         "more than 16 deep"},
        {"not UTF-8", "<svg>\xff\xfe</svg>", "UTF-8"},
        {"empty", "", "no svg element"},
    };
    for (const THostileFile& file : files) {
        const TSvgIcon icon = ReduceSvg(file.Text);
        EXPECT_FALSE(icon.Drawn()) << file.Name;
        EXPECT_NE(icon.Refusal.English().find(file.Reason), std::string::npos)
            << file.Name << ": " << icon.Refusal.English();
        // The reason is shown in the window's language, inside the Checks finding.
        ASSERT_NE(icon.Refusal.Context, nullptr) << file.Name;
        EXPECT_STREQ(icon.Refusal.Context, "Checks") << file.Name;
        EXPECT_TRUE(icon.Script.empty()) << file.Name;
    }
}

TEST(SvgIconTest, KeepsShapesAndPresentationInTheTextColour) {
    const TSvgIcon icon = ReduceSvg(
        "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- drawn by hand -->\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"x\" viewBox=\"0 0 24 24\" style=\"color:red\">"
        "<title>A &amp; B</title><g fill=\"#123456\" class=\"c\"><circle cx=\"12\" cy=\"12\" r=\"4\"/>"
        "<path d=\"M1 1L&#x32;3 23\" stroke=\"none\"></path></g></svg>");
    ASSERT_TRUE(icon.Drawn()) << icon.Refusal.English();
    EXPECT_EQ(icon.Script, "[\"svg\",{\"viewBox\":\"0 0 24 24\"},[[\"g\",{\"fill\":\"currentColor\"},"
                           "[[\"circle\",{\"cx\":\"12\",\"cy\":\"12\",\"r\":\"4\"},[]],"
                           "[\"path\",{\"d\":\"M1 1L23 23\",\"stroke\":\"none\"},[]]]]]]");
}

TEST(SvgIconTest, AFileIsLookedForOnlyBesideTheProject) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tarvex-svg-icon-test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "ok.svg") << "<svg viewBox=\"0 0 2 2\"><rect width=\"2\" height=\"2\"/></svg>";
    EXPECT_TRUE(ReadIconFile(folder, "ok.svg").Drawn());
    EXPECT_NE(ReadIconFile(folder, "gone.svg").Refusal.English().find("does not exist"), std::string::npos);
    EXPECT_NE(ReadIconFile(folder, "../ok.svg").Refusal.English().find("not beside"), std::string::npos);
    EXPECT_NE(ReadIconFile({}, "ok.svg").Refusal.English().find("saved"), std::string::npos);
    EXPECT_TRUE(IsIconFile("Logo.SVG"));
    EXPECT_FALSE(IsIconFile("home"));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tarvex
