#include "PublishFiles.h"

#include "base/FileIo.h"
#include "base/PathText.h"

#include <optional>
#include <system_error>

namespace tarvex {

namespace {

struct TCopyJob {
    std::filesystem::path Source;
    std::filesystem::path Target;
};

} // namespace

TPublishResult PublishMenuFiles(const std::filesystem::path& tempFolder, const std::filesystem::path& target,
                                const std::function<bool(const std::filesystem::path&)>& confirmReplace) {
    const std::filesystem::path folder = target.parent_path();
    const std::filesystem::path name = target.filename();

    // The script is written straight under its chosen name, never by way of a menu.js in the
    // target folder: a menu.js already there belongs to the author and was not chosen.
    std::vector<TCopyJob> jobs;
    for (const char* engine : {"one.js", "main.js"}) {
        if (name != engine) {
            jobs.push_back({tempFolder / engine, folder / engine});
        }
    }
    jobs.push_back({tempFolder / "menu.js", target});

    TPublishResult result;
    for (const TCopyJob& job : jobs) {
        const std::optional<std::string> bytes = ReadWholeFile(job.Source);
        if (!bytes) {
            result.Errors.push_back("Cannot read file " + PathText(job.Source) + ".");
            continue;
        }
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(job.Target, error)) &&
            !confirmReplace(job.Target)) {
            result.Declined.push_back(job.Target);
            continue;
        }
        if (const TWriteStatus status = WriteFileAtomically(job.Target, *bytes);
            status != TWriteStatus::Written) {
            result.Errors.push_back("Cannot create file " + PathText(job.Target) + "." +
                                    WhyNotWritten(status));
            continue;
        }
        result.Written.push_back(job.Target);
    }
    return result;
}

} // namespace tarvex
