#pragma once
// What every imported tree must hold to become records: captions of one clean line that fit the
// caption field, text that is valid UTF-8. Field capacities count characters, not bytes.

#include "base/RecordText.h"
#include "import/ImportTree.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace tarvex::fuzz {

inline std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

inline bool FitsTheRecords(const TImportEntry& root) {
    std::vector<const TImportEntry*> pending{&root};
    while (!pending.empty()) {
        const TImportEntry* entry = pending.back();
        pending.pop_back();
        const std::string& caption = entry->Caption;
        if (caption.empty() || !IsValidUtf8(caption) || CharacterCount(caption) > ImportedCaptionCapacity ||
            caption.find_first_of("\r\n") != std::string::npos || !IsValidUtf8(entry->Address)) {
            return false;
        }
        for (const TImportEntry& child : entry->Children) {
            pending.push_back(&child);
        }
    }
    return true;
}

} // namespace tarvex::fuzz
