#include "SharedFileWrite.h"

#include "LockFile.h"

namespace tarvex {

TWriteStatus WriteSharedFile(const std::filesystem::path& file, std::uint64_t ceiling,
                             const TSharedFileMerge& merge) {
    TLockFile lock(LockPathFor(file));
    // Another window holds it only for its own read and write, well under this. A folder that
    // takes no lock has nothing to wait for.
    if (lock.AcquireWithin(SharedFilePatience) == TLockResult::HeldByOther) {
        return TWriteStatus::HeldByOtherWindow;
    }
    const std::optional<std::string> current = ReadWholeFile(file, ceiling);
    return WriteFileAtomically(file, merge(current));
}

} // namespace tarvex
