#pragma once
// Where a menu is published on a web server: the address a project or the command line names,
// checked before anything connects.

#include "base/UiText.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvex {

enum class TSiteProtocol { Sftp, Ftps, Davs, Dav };

struct TSiteAddress {
    TSiteProtocol Protocol = TSiteProtocol::Sftp;
    std::string User;   // empty when the address names none
    std::string Host;   // an IPv6 address without its brackets
    int Port = 0;       // 0: the protocol's own
    std::string Folder; // decoded; "/..." absolute, or "~" / "~/..." under the user's home
};

struct TSiteAddressResult {
    std::optional<TSiteAddress> Address;
    TUiText Error;
};

// A sentence of publishing, its source marked in the "Publish" context.
inline TUiText PublishText(const char* source, std::vector<TUiText> args = {}) {
    return TUiText("Publish", source, std::move(args));
}

// Reads `sftp://[user@]host[:port]/folder`, `ftps://...`, `davs://...` and, on a loopback or
// private host only, `dav://...`. Plain ftp:// and folders that climb out of themselves are refused
// with a message that says why.
TSiteAddressResult ParseSiteAddress(std::string_view text);

// True for localhost, 127.0.0.0/8, ::1 and the private ranges of IPv4 and IPv6.
bool IsLoopbackOrPrivateHost(std::string_view host);

// A file name the site may hold in the target folder: no folder part, no "." or "..", no control
// characters, none of the quotes or back-slashes a server command would read specially.
bool IsPlainSiteName(std::string_view name);

std::string_view ProtocolScheme(TSiteProtocol protocol);

// The answer where a dav:// address lacks the author's consent to send without encryption.
inline constexpr const char* PlainDavUnconfirmed = TARVEX_TRANSLATE_NOOP(
    "Publish", "Plain dav:// sends the password and the files unencrypted; it is used only after you confirm "
               "that (in the command line with --allow-plain-dav). Prefer davs://.");

// The answer of a build that cannot send to a site.
inline constexpr const char* SitePublishUnavailable =
    TARVEX_TRANSLATE_NOOP("Publish", "Publishing to a site is not available in this build of Tarvex; publish "
                                     "to a folder and copy the files with a transfer program.");

} // namespace tarvex
