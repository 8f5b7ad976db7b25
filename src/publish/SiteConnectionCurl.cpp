// The session with a site's server through libcurl: SFTP for now. Every request of a publish goes
// through one handle, so they share one connection and one login.

#include "publish/Sha256.h"
#include "publish/SiteConnection.h"

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <mutex>

namespace tarvex {
namespace {

// Files the site holds under the names to publish are read whole for their digest; a server that
// answers with more than this is not a menu's.
constexpr std::size_t DownloadCeiling = 256u << 20;

std::string OldName(const std::string& name) {
    return ".tarvex-old-" + name;
}

std::string PercentEncoded(std::string_view path) {
    static constexpr std::string_view Digits = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || std::string_view("-._~/").find(c) != std::string_view::npos) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += Digits[byte >> 4];
            encoded += Digits[byte & 15];
        }
    }
    return encoded;
}

struct TCurlList {
    curl_slist* List = nullptr;
    explicit TCurlList(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            List = curl_slist_append(List, line.c_str());
        }
    }
    ~TCurlList() { curl_slist_free_all(List); }
    TCurlList(const TCurlList&) = delete;
    TCurlList& operator=(const TCurlList&) = delete;
};

// What the host-key check saw, for the message when it refused the server.
struct THostKeyCheck {
    std::string KnownHostsFile;
    std::string Host;
    std::string Refusal;
};

std::string Fingerprint(const curl_khkey* key) {
    std::string blob;
    if (key->len > 0) {
        blob.assign(key->key, key->len);
    } else if (const std::optional<std::string> decoded = Base64Decode(key->key)) {
        blob = *decoded;
    }
    const std::array<std::uint8_t, 32> digest = Sha256(blob);
    return "SHA256:" +
           Base64Encode(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size()), false);
}

int CheckHostKey(CURL*, const curl_khkey*, const curl_khkey* found, curl_khmatch match, void* data) {
    auto* check = static_cast<THostKeyCheck*>(data);
    if (match == CURLKHMATCH_OK) {
        return CURLKHSTAT_FINE;
    }
    const std::string fingerprint = Fingerprint(found);
    if (match == CURLKHMATCH_MISMATCH) {
        check->Refusal =
            "The host key of " + check->Host + " has changed (it is now " + fingerprint +
            "), so the server may not be the one you published to before; nothing was sent. If the "
            "server's administrator confirms the new key, remove the old entry for " +
            check->Host + " from " + check->KnownHostsFile + ".";
    } else {
        check->Refusal =
            "The host key of " + check->Host + " (" + fingerprint + ") is not in " + check->KnownHostsFile +
            "; an unknown server is never trusted. Check the fingerprint with "
            "the server's administrator, then add the key there (for example with ssh-keyscan) or "
            "name a known-hosts file that holds it.";
    }
    return CURLKHSTAT_REJECT;
}

std::size_t AppendBytes(char* data, std::size_t size, std::size_t count, void* target) {
    auto* bytes = static_cast<std::string*>(target);
    if (bytes->size() + size * count > DownloadCeiling) {
        return 0;
    }
    bytes->append(data, size * count);
    return size * count;
}

std::size_t Discard(char*, std::size_t size, std::size_t count, void*) {
    return size * count;
}

struct TUploadSource {
    const std::string* Bytes;
    std::size_t Offset = 0;
};

std::size_t ReadBytes(char* buffer, std::size_t size, std::size_t count, void* source) {
    auto* upload = static_cast<TUploadSource*>(source);
    const std::size_t length = std::min(size * count, upload->Bytes->size() - upload->Offset);
    upload->Bytes->copy(buffer, length, upload->Offset);
    upload->Offset += length;
    return length;
}

class TCurlSftpConnection final : public TSiteConnection {
public:
    TCurlSftpConnection(const TSiteAddress& address, TSiteCredentials credentials)
        : m_address(address), m_credentials(std::move(credentials)), m_handle(curl_easy_init()) {
        const std::string host =
            address.Host.find(':') != std::string::npos ? "[" + address.Host + "]" : address.Host;
        // "~" is the user's home in an SFTP address and in the server commands alike.
        m_folder = address.Folder.starts_with("~") ? "/" + address.Folder : address.Folder;
        if (!m_folder.ends_with("/")) {
            m_folder += '/';
        }
        m_base = "sftp://" + host + ":" + std::to_string(address.Port ? address.Port : 22);
        m_hostKeys.KnownHostsFile = m_credentials.KnownHostsFile;
        m_hostKeys.Host = address.Port && address.Port != 22
                              ? "[" + address.Host + "]:" + std::to_string(address.Port)
                              : address.Host;
    }
    ~TCurlSftpConnection() override { curl_easy_cleanup(m_handle); }
    TCurlSftpConnection(const TCurlSftpConnection&) = delete;
    TCurlSftpConnection& operator=(const TCurlSftpConnection&) = delete;

    bool OpenFolder(std::string& error) override {
        Prepare(m_folder);
        curl_easy_setopt(m_handle, CURLOPT_WRITEFUNCTION, Discard);
        const CURLcode code = curl_easy_perform(m_handle);
        if (code == CURLE_REMOTE_FILE_NOT_FOUND) {
            error = "The folder " + m_address.Folder + " does not exist on " + m_address.Host + ".";
            return false;
        }
        return Succeeded(code, error);
    }

    std::optional<std::string> Download(const std::string& name, std::string& error) override {
        std::string bytes;
        Prepare(m_folder + name);
        curl_easy_setopt(m_handle, CURLOPT_WRITEFUNCTION, AppendBytes);
        curl_easy_setopt(m_handle, CURLOPT_WRITEDATA, &bytes);
        const CURLcode code = curl_easy_perform(m_handle);
        if (code == CURLE_REMOTE_FILE_NOT_FOUND) {
            return std::nullopt;
        }
        if (!Succeeded(code, error)) {
            return std::nullopt;
        }
        return bytes;
    }

    bool Upload(const std::string& name, const std::string& bytes, std::string& error) override {
        // A name left there before goes first, so a link planted under it is not written through.
        const TCurlList before({"*rm " + Quoted(name)});
        TUploadSource source{&bytes};
        Prepare(m_folder + name);
        curl_easy_setopt(m_handle, CURLOPT_QUOTE, before.List);
        curl_easy_setopt(m_handle, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(m_handle, CURLOPT_READFUNCTION, ReadBytes);
        curl_easy_setopt(m_handle, CURLOPT_READDATA, &source);
        curl_easy_setopt(m_handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(bytes.size()));
        return Succeeded(curl_easy_perform(m_handle), error);
    }

    bool Rename(const std::string& from, const std::string& to, std::string& error) override {
        // The SFTP server will not rename over a file: the live one steps aside for the moment
        // of the swap, and comes back when the new one cannot take its place.
        const std::string old = OldName(to);
        if (Commands({"*rm " + Quoted(old), "*rename " + Quoted(to) + " " + Quoted(old),
                      "rename " + Quoted(from) + " " + Quoted(to), "*rm " + Quoted(old)},
                     error)) {
            return true;
        }
        std::string ignored;
        Commands({"*rename " + Quoted(old) + " " + Quoted(to)}, ignored);
        return false;
    }

    void Remove(const std::string& name) override {
        std::string ignored;
        Commands({"*rm " + Quoted(name)}, ignored);
    }

private:
    std::string Quoted(const std::string& name) const { return "\"" + m_folder + name + "\""; }

    bool Commands(const std::vector<std::string>& lines, std::string& error) {
        const TCurlList list(lines);
        Prepare(m_folder);
        curl_easy_setopt(m_handle, CURLOPT_QUOTE, list.List);
        curl_easy_setopt(m_handle, CURLOPT_NOBODY, 1L);
        return Succeeded(curl_easy_perform(m_handle), error);
    }

    void Prepare(const std::string& path) {
        curl_easy_reset(m_handle);
        m_errorText[0] = '\0';
        const std::string url = m_base + PercentEncoded(path);
        curl_easy_setopt(m_handle, CURLOPT_URL, url.c_str());
        curl_easy_setopt(m_handle, CURLOPT_PROTOCOLS_STR, "sftp");
        curl_easy_setopt(m_handle, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_handle, CURLOPT_ERRORBUFFER, m_errorText);
        curl_easy_setopt(m_handle, CURLOPT_CONNECTTIMEOUT, 30L);
        // A server that stops answering ends the publish instead of holding it for ever.
        curl_easy_setopt(m_handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(m_handle, CURLOPT_LOW_SPEED_TIME, 60L);
        curl_easy_setopt(m_handle, CURLOPT_USERNAME, m_credentials.User.c_str());
        if (!m_credentials.Password.empty()) {
            curl_easy_setopt(m_handle, CURLOPT_PASSWORD, m_credentials.Password.c_str());
        }
        long authTypes = CURLSSH_AUTH_AGENT | CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD;
        if (!m_credentials.IdentityFile.empty()) {
            curl_easy_setopt(m_handle, CURLOPT_SSH_PRIVATE_KEYFILE, m_credentials.IdentityFile.c_str());
            if (!m_credentials.Password.empty()) {
                curl_easy_setopt(m_handle, CURLOPT_KEYPASSWD, m_credentials.Password.c_str());
            }
            authTypes = CURLSSH_AUTH_PUBLICKEY;
        }
        curl_easy_setopt(m_handle, CURLOPT_SSH_AUTH_TYPES, authTypes);
        curl_easy_setopt(m_handle, CURLOPT_SSH_KNOWNHOSTS, m_credentials.KnownHostsFile.c_str());
        curl_easy_setopt(m_handle, CURLOPT_SSH_KEYFUNCTION, CheckHostKey);
        curl_easy_setopt(m_handle, CURLOPT_SSH_KEYDATA, &m_hostKeys);
    }

    bool Succeeded(CURLcode code, std::string& error) {
        if (code == CURLE_OK) {
            return true;
        }
        const std::string detail = m_errorText[0] != '\0' ? m_errorText : curl_easy_strerror(code);
        if (!m_hostKeys.Refusal.empty()) {
            error = m_hostKeys.Refusal;
        } else if (code == CURLE_LOGIN_DENIED) {
            error = m_address.Host + " refused the login of " + m_credentials.User +
                    ": the password or key is wrong, or the key is not allowed there.";
        } else if (code == CURLE_COULDNT_RESOLVE_HOST || code == CURLE_COULDNT_CONNECT) {
            error = "Could not connect to " + m_hostKeys.Host + " (" + detail + ").";
        } else if (code == CURLE_REMOTE_DISK_FULL) {
            error = "The server's disk is full.";
        } else if (code == CURLE_REMOTE_ACCESS_DENIED) {
            error = "The server denied access (" + detail + ").";
        } else {
            error = "The connection to " + m_hostKeys.Host + " failed (" + detail + ").";
        }
        return false;
    }

    TSiteAddress m_address;
    TSiteCredentials m_credentials;
    CURL* m_handle;
    std::string m_base;
    std::string m_folder;
    THostKeyCheck m_hostKeys;
    char m_errorText[CURL_ERROR_SIZE] = {};
};

} // namespace

std::unique_ptr<TSiteConnection> OpenSiteConnection(const TSiteAddress& address,
                                                    const TSiteCredentials& credentials, std::string& error) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    if (address.Protocol != TSiteProtocol::Sftp) {
        error = "Publishing by " + std::string(ProtocolScheme(address.Protocol)) +
                ":// is not available in this build of Tarvex yet; use an sftp:// address.";
        return nullptr;
    }
    if (credentials.KnownHostsFile.empty()) {
        error = "An SFTP publish needs a known-hosts file that holds the server's key.";
        return nullptr;
    }
    return std::make_unique<TCurlSftpConnection>(address, credentials);
}

} // namespace tarvex
