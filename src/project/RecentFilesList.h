#pragma once
// The five most recently opened or saved project files, newest first, and their file menutarvex.dat.

#include <filesystem>
#include <string>
#include <vector>

namespace tarvex {

class TRecentFilesList {
public:
    static constexpr int Capacity = 5;

    // AddRecentFile: a path already listed (letters A-Z compared without case) changes nothing
    // and keeps its place; otherwise it goes to the top. Returns whether the list changed.
    bool Add(const std::string& path);
    // InsertRecentFile: rotate one down (the oldest of five drops out) and put `path` at the top.
    void Insert(const std::string& path);

    // The filled positions, newest first; their count is the number of submenu entries.
    const std::vector<std::string>& Paths() const { return m_paths; }
    // "&%d: %s" with the position and the path.
    static std::string MenuCaption(int position, const std::string& path);

    // Reads the file from its last line to its first through Add, so the saved order comes back.
    // A missing or unreadable file gives an empty list.
    void Load(const std::filesystem::path& file);
    // One line per filled position, CR LF after each; an empty list gives an empty file.
    bool Save(const std::filesystem::path& file) const;
    // Save for a file other windows share: the list as the file holds it now, with the paths this
    // list put on top since it was loaded moved to the top again, in the order they came.
    bool SaveMerged(const std::filesystem::path& file);

private:
    std::vector<std::string> m_paths;
    // What Insert put on top since the last Load or SaveMerged: this window's own changes.
    std::vector<std::string> m_ownInsertions;
};

} // namespace tarvex
