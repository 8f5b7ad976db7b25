#include "RecentFilesList.h"

#include "base/FileIo.h"
#include "base/SharedFileWrite.h"

#include <algorithm>

namespace tarvex {

namespace {

// As the file system compares names: Windows ignores the case of A to Z (the other bytes of a path
// may mean different letters in different code pages); elsewhere two spellings are two files.
bool SamePath(const std::string& a, const std::string& b) {
#ifdef _WIN32
    const auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return upper(x) == upper(y); });
#else
    return a == b;
#endif
}

} // namespace

bool TRecentFilesList::Add(const std::string& path) {
    // An empty name is no file and would only give a dead menu entry.
    if (path.empty()) {
        return false;
    }
    for (const auto& listed : m_paths) {
        if (SamePath(listed, path)) {
            return false;
        }
    }
    Insert(path);
    return true;
}

void TRecentFilesList::Insert(const std::string& path) {
    m_ownInsertions.push_back(path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > static_cast<std::size_t>(Capacity)) {
        m_paths.resize(Capacity);
    }
}

std::string TRecentFilesList::MenuCaption(int position, const std::string& path) {
    return "&" + std::to_string(position) + ": " + path;
}

void TRecentFilesList::Load(const std::filesystem::path& file) {
    m_paths.clear();
    const auto bytes = ReadWholeFile(file, RecentFilesCeiling);
    if (!bytes) {
        return;
    }
    const std::vector<std::string> lines = SplitLines(*bytes);
    // Newest is first in the file; adding from the last line up puts it back on top.
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        Add(*line);
    }
    m_ownInsertions.clear();
}

bool TRecentFilesList::Save(const std::filesystem::path& file) const {
    return WriteFileAtomically(file, JoinLinesCrLf(m_paths)) == TWriteStatus::Written;
}

bool TRecentFilesList::SaveMerged(const std::filesystem::path& file) {
    const std::vector<std::string> own = m_ownInsertions;
    const TWriteStatus status =
        WriteSharedFile(file, RecentFilesCeiling, [&](const std::optional<std::string>& current) {
            TRecentFilesList now;
            const std::vector<std::string> lines =
                current ? SplitLines(*current) : std::vector<std::string>();
            for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
                now.Add(*line);
            }
            for (const std::string& path : own) {
                std::erase_if(now.m_paths, [&](const std::string& listed) { return SamePath(listed, path); });
                now.Insert(path);
            }
            m_paths = now.m_paths;
            return JoinLinesCrLf(m_paths);
        });
    if (status != TWriteStatus::Written) {
        return false;
    }
    m_ownInsertions.clear();
    return true;
}

} // namespace tarvex
