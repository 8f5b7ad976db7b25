// Two windows keep favourites in one file: what this window added, changed or removed since it read
// the file joins what the file holds now, and what another window did there stays done.
#include "favorites/FavoritesMerge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvex {
namespace {

// "A:1" is the favourite named A with the look 1.
std::vector<TFavoriteStyleRec> List(const std::vector<std::string>& entries) {
    std::vector<TFavoriteStyleRec> list;
    for (const std::string& entry : entries) {
        TFavoriteStyleRec favorite;
        favorite.Name = entry.substr(0, entry.find(':'));
        favorite.Style.MouseOffBackground = entry.substr(entry.find(':') + 1);
        list.push_back(favorite);
    }
    return list;
}

std::vector<std::string> Entries(const std::vector<TFavoriteStyleRec>& list) {
    std::vector<std::string> entries;
    for (const TFavoriteStyleRec& favorite : list) {
        entries.push_back(favorite.Name.str() + ":" + favorite.Style.MouseOffBackground.str());
    }
    return entries;
}

TEST(FavoritesMerge, EachWindowsAdditionsChangesAndRemovalsSurviveTheOthers) {
    struct TCase {
        const char* What;
        std::vector<std::string> Base, Mine, Disk, Merged;
    };
    const TCase cases[] = {
        {"added by the other", {"A:1"}, {"A:1"}, {"A:1", "C:1"}, {"A:1", "C:1"}},
        {"added here", {"A:1"}, {"A:1", "D:1"}, {"A:1"}, {"A:1", "D:1"}},
        {"removed here", {"A:1", "B:1"}, {"B:1"}, {"A:1", "B:1"}, {"B:1"}},
        {"removed by the other", {"A:1", "B:1"}, {"A:1", "B:1"}, {"A:1"}, {"A:1"}},
        {"changed here", {"A:1"}, {"A:2"}, {"A:1"}, {"A:2"}},
        {"changed by the other", {"A:1"}, {"A:1"}, {"A:3"}, {"A:3"}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Entries(MergeFavorites(List(c.Base), List(c.Mine), List(c.Disk))), c.Merged) << c.What;
    }
}

} // namespace
} // namespace tarvex
