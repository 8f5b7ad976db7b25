#include "publish/SiteAddress.h"

#include "base/IntegerText.h"
#include "base/PercentText.h"

#include <cctype>
#include <vector>

namespace tarvex {
namespace {

TSiteAddressResult Refuse(TUiText message) {
    return {std::nullopt, std::move(message)};
}

TUiText Verbatim(std::string_view text) {
    return TUiText::Verbatim(text);
}

// The folder's segments joined again without "." and empty ones; nothing when one is ".." or not
// a plain name.
std::optional<std::string> CleanFolder(std::string_view path) {
    std::string folder;
    std::size_t start = 0;
    bool first = true;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view segment = path.substr(start, end - start);
        start = end + 1;
        if (segment.empty() || segment == ".") {
            continue;
        }
        if (first && segment == "~") {
            folder = "~";
        } else if (!IsPlainSiteName(segment)) {
            return std::nullopt;
        } else {
            folder += "/" + std::string(segment);
        }
        first = false;
    }
    if (folder.empty()) {
        return "/";
    }
    return folder;
}

std::optional<int> PortNumber(std::string_view text) {
    const std::optional<int32_t> number = ParseInt32(text, TPlusSign::Refused);
    return number && *number >= 1 && *number <= 65535 ? std::optional<int>(*number) : std::nullopt;
}

bool IsHostName(std::string_view host) {
    if (host.empty() || host.size() > 253) {
        return false;
    }
    for (const char c : host) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '.' && c != ':') {
            return false;
        }
    }
    return true;
}

std::vector<int> Ipv4Parts(std::string_view host) {
    std::vector<int> parts;
    std::size_t start = 0;
    while (start <= host.size()) {
        const std::size_t end = std::min(host.find('.', start), host.size());
        const std::optional<int> part =
            end > start && end - start <= 3 ? PortNumber(host.substr(start, end - start)) : std::nullopt;
        if (host.substr(start, end - start) == "0") {
            parts.push_back(0);
        } else if (!part || *part > 255) {
            return {};
        } else {
            parts.push_back(*part);
        }
        start = end + 1;
    }
    return parts.size() == 4 ? parts : std::vector<int>{};
}

// The host and port after any user name; the message when they are not usable.
TUiText ReadHostAndPort(std::string_view authority, std::string_view text, TSiteAddress& address) {
    const TUiText notAHost =
        PublishText(TARVEX_TRANSLATE_NOOP("Publish", "The server in %1 is not a host name or address."),
                    {Verbatim(text)});
    std::string_view portText;
    if (authority.starts_with("[")) {
        const std::size_t close = authority.find(']');
        if (close == std::string_view::npos) {
            return notAHost;
        }
        address.Host = std::string(authority.substr(1, close - 1));
        const std::string_view after = authority.substr(close + 1);
        if (!after.empty() && !after.starts_with(":")) {
            return notAHost;
        }
        portText = after.empty() ? after : after.substr(1);
    } else {
        const std::size_t colon = authority.find(':');
        address.Host = std::string(authority.substr(0, colon));
        portText = colon == std::string_view::npos ? std::string_view() : authority.substr(colon + 1);
        if (address.Host.find(':') != std::string::npos) {
            return notAHost;
        }
    }
    if (!IsHostName(address.Host)) {
        return notAHost;
    }
    if (!portText.empty() || authority.ends_with(":")) {
        const std::optional<int> port = PortNumber(portText);
        if (!port) {
            return PublishText(
                TARVEX_TRANSLATE_NOOP("Publish", "The port in %1 is not a number from 1 to 65535."),
                {Verbatim(text)});
        }
        address.Port = *port;
    }
    return {};
}

std::optional<TSiteProtocol> ProtocolOf(std::string_view scheme) {
    for (const TSiteProtocol protocol :
         {TSiteProtocol::Sftp, TSiteProtocol::Ftps, TSiteProtocol::Davs, TSiteProtocol::Dav}) {
        if (ProtocolScheme(protocol) == scheme) {
            return protocol;
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view ProtocolScheme(TSiteProtocol protocol) {
    switch (protocol) {
    case TSiteProtocol::Sftp:
        return "sftp";
    case TSiteProtocol::Ftps:
        return "ftps";
    case TSiteProtocol::Davs:
        return "davs";
    case TSiteProtocol::Dav:
        return "dav";
    }
    return "";
}

bool IsPlainSiteName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == '/' || c == '\\' || c == '"') {
            return false;
        }
    }
    return true;
}

bool IsLoopbackOrPrivateHost(std::string_view host) {
    if (host == "localhost" || host == "::1") {
        return true;
    }
    const std::vector<int> v4 = Ipv4Parts(host);
    if (!v4.empty()) {
        return v4[0] == 127 || v4[0] == 10 || (v4[0] == 172 && v4[1] >= 16 && v4[1] <= 31) ||
               (v4[0] == 192 && v4[1] == 168);
    }
    // fc00::/7, the unique local addresses.
    return host.size() > 2 && host.find(':') != std::string_view::npos &&
           (host.starts_with("fc") || host.starts_with("fd") || host.starts_with("FC") ||
            host.starts_with("FD"));
}

TSiteAddressResult ParseSiteAddress(std::string_view text) {
    const std::size_t schemeEnd = text.find("://");
    if (schemeEnd == std::string_view::npos) {
        return Refuse(PublishText(
            TARVEX_TRANSLATE_NOOP(
                "Publish",
                "The address %1 names no protocol; write sftp://, ftps:// or davs:// before the server."),
            {Verbatim(text)}));
    }
    std::string scheme(text.substr(0, schemeEnd));
    for (char& c : scheme) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    TSiteAddress address;
    if (scheme == "ftp") {
        return Refuse(PublishText(TARVEX_TRANSLATE_NOOP(
            "Publish", "Plain ftp:// sends the password and the files unencrypted, readable by anyone on the "
                       "way; use sftp:// or ftps:// (FTP with TLS) instead.")));
    }
    const std::optional<TSiteProtocol> protocol = ProtocolOf(scheme);
    if (!protocol) {
        return Refuse(PublishText(
            TARVEX_TRANSLATE_NOOP(
                "Publish",
                "The protocol %1:// is not one Tarvex publishes by; use sftp://, ftps:// or davs://."),
            {Verbatim(scheme)}));
    }
    address.Protocol = *protocol;
    std::string_view rest = text.substr(schemeEnd + 3);
    const std::size_t pathStart = std::min(rest.find('/'), rest.size());
    std::string_view authority = rest.substr(0, pathStart);
    const std::string_view path = rest.substr(pathStart);
    if (path.find_first_of("?#") != std::string_view::npos) {
        return Refuse(
            PublishText(TARVEX_TRANSLATE_NOOP(
                            "Publish", "The address %1 holds a query or fragment; name only the folder."),
                        {Verbatim(text)}));
    }
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        const std::string_view userText = authority.substr(0, at);
        const std::string user = PercentDecoded(userText);
        if (HasStrayPercent(userText) || user.empty() || user.find(':') != std::string::npos ||
            !IsPlainSiteName(user)) {
            return Refuse(PublishText(
                TARVEX_TRANSLATE_NOOP("Publish", "The address %1 holds a password or an unusable user name; "
                                                 "the password is never part of the address."),
                {Verbatim(text)}));
        }
        address.User = user;
        authority.remove_prefix(at + 1);
    }
    if (TUiText error = ReadHostAndPort(authority, text, address); !error.Empty()) {
        return Refuse(std::move(error));
    }
    if (address.Protocol == TSiteProtocol::Dav && !IsLoopbackOrPrivateHost(address.Host)) {
        return Refuse(PublishText(
            TARVEX_TRANSLATE_NOOP("Publish", "Plain dav:// is unencrypted and allowed only on this computer "
                                             "or a private network; use davs:// (WebDAV over HTTPS) for %1."),
            {Verbatim(address.Host)}));
    }
    const std::optional<std::string> folder =
        HasStrayPercent(path) ? std::nullopt : CleanFolder(PercentDecoded(path));
    if (!folder) {
        return Refuse(PublishText(
            TARVEX_TRANSLATE_NOOP("Publish", "The folder in %1 is not usable: it may not contain \"..\", "
                                             "control characters, quotes or back-slashes."),
            {Verbatim(text)}));
    }
    address.Folder = *folder;
    return {address, {}};
}

} // namespace tarvex
