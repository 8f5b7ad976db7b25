#include "publish/SitePlan.h"
#include "publish/Sha256.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(SitePlan, DigestsMatchTheStandardVectors) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the length no longer fits the first padded block.
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(Base64Encode("any carnal pleas"), "YW55IGNhcm5hbCBwbGVhcw==");
    EXPECT_EQ(Base64Decode("YW55IGNhcm5hbCBwbGVhcw==").value_or(""), "any carnal pleas");
    EXPECT_FALSE(Base64Decode("not base64!"));
    // Every length of the last group, with padding and without (as fingerprints are written).
    for (const std::string& bytes :
         std::vector<std::string>{"", "a", "ab", "abc", "abcd", std::string("\0\xff\x10", 3)}) {
        EXPECT_EQ(Base64Decode(Base64Encode(bytes)).value_or("?"), bytes);
        EXPECT_EQ(Base64Decode(Base64Encode(bytes, false)).value_or("?"), bytes);
    }
    EXPECT_EQ(Base64Encode("ab", false), "YWI");
    EXPECT_FALSE(Base64Decode("YWJjZ"));
}

TEST(SitePlan, SendsOnlyWhatDiffersAndFlagsChangesBySomeoneElse) {
    const std::vector<TSiteFile> files = {{"one.js", "engine"}, {"menu.js", "menus v2"}, {"new.css", "css"}};
    TSiteManifest manifest;
    manifest["one.js"] = {Sha256Hex("engine"), 6};
    manifest["menu.js"] = {Sha256Hex("menus v1"), 8};
    manifest["old.js"] = {Sha256Hex("old"), 3};
    const std::map<std::string, std::string> ours = {{"one.js", "engine"}, {"menu.js", "menus v1"}};
    const TSitePlan plan = PlanSitePublish(files, ours, manifest);
    ASSERT_EQ(plan.Entries.size(), 3u);
    EXPECT_EQ(plan.Entries[0].Action, TSiteAction::Leave);
    EXPECT_EQ(plan.Entries[1].Action, TSiteAction::Replace);
    EXPECT_EQ(plan.Entries[2].Action, TSiteAction::Add);
    EXPECT_FALSE(plan.HasChangesOnServer());
    EXPECT_TRUE(plan.NewManifest.contains("old.js"));

    const std::map<std::string, std::string> edited = {{"one.js", "engine, edited by hand"}};
    EXPECT_TRUE(PlanSitePublish(files, edited, manifest).Entries[0].ChangedOnServer);
    // Without a manifest nothing on the site is known to be ours.
    EXPECT_TRUE(PlanSitePublish(files, edited, std::nullopt).HasChangesOnServer());

    const std::string text = WriteSiteManifest(plan.NewManifest);
    EXPECT_EQ(ReadSiteManifest(text), plan.NewManifest);
    for (const std::string& bad :
         {"tarvex-publish 1\n" + Sha256Hex("x") + " 1 ../x\n", std::string("tarvex-publish 1\nxx 1 a\n"),
          "tarvex-publish 1\n" + Sha256Hex("x") + " 1 a", std::string("other\n")}) {
        EXPECT_FALSE(ReadSiteManifest(bad)) << bad;
    }
}

} // namespace
} // namespace tarvex
