#pragma once
// A web server a project publishes its menu to, as the project names it. The password is never
// here: it lives in the desktop's key store, or in the environment for the command line.

#include <string>
#include <vector>

namespace tarvex {

// Which files a publish sends: the classic three (the script as menu.js, beside one.js and main.js),
// or the module's tarvex-menu.js and tarvex-menu.css.
enum class TPublishKind { Classic, Module };

struct TPublishTarget {
    std::string Name;
    // sftp://, ftps://, davs:// or (loopback and private hosts only) dav://, with the folder.
    std::string Address;
    // Used where the address names no user.
    std::string User;
    TPublishKind Kind = TPublishKind::Classic;
    // SFTP: a private key file; empty: the running agent, or the password.
    std::string IdentityFile;
    // TLS: certificates trusted besides the system's (a company's own authority).
    std::string CaFile;
    // The live page's address (https://...), offered as a link after a publish; may be empty.
    std::string SiteAddress;

    bool operator==(const TPublishTarget&) const = default;
};

using TPublishTargets = std::vector<TPublishTarget>;

} // namespace tarvex
