// The sessions with a site's server through libcurl, chosen by the address's protocol.

#include "publish/CurlSession.h"

#include <mutex>

namespace tarvex {

std::string HostLabel(const TSiteAddress& address, int usualPort) {
    return address.Port && address.Port != usualPort
               ? "[" + address.Host + "]:" + std::to_string(address.Port)
               : address.Host;
}

std::unique_ptr<TSiteConnection> OpenSiteConnection(const TSiteAddress& address,
                                                    const TSiteCredentials& credentials, TUiText& error) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    switch (address.Protocol) {
    case TSiteProtocol::Sftp:
        if (credentials.KnownHostsFile.empty()) {
            error = PublishText(TARVEX_TRANSLATE_NOOP(
                "Publish", "An SFTP publish needs a known-hosts file that holds the server's key."));
            return nullptr;
        }
        return MakeSftpConnection(address, credentials);
    case TSiteProtocol::Ftps:
        return MakeFtpsConnection(address, credentials);
    case TSiteProtocol::Dav:
        if (!credentials.PlainConfirmed) {
            error = PublishText(PlainDavUnconfirmed);
            return nullptr;
        }
        [[fallthrough]];
    case TSiteProtocol::Davs:
        if (address.Folder.starts_with("~")) {
            error = PublishText(TARVEX_TRANSLATE_NOOP(
                "Publish", "A WebDAV address names a path from the server's root; ~ means nothing there."));
            return nullptr;
        }
        return MakeDavConnection(address, credentials);
    }
    error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "This protocol is not one Tarvex publishes by."));
    return nullptr;
}

} // namespace tarvex
