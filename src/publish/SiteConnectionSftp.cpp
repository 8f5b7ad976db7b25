// SFTP through libcurl: the server's host key must be one the author accepted before.

#include "publish/CurlSession.h"
#include "publish/Sha256.h"

#include <array>

namespace tarvex {
namespace {

std::string OldName(const std::string& name) {
    return ".tarvex-old-" + name;
}

// What the host-key check saw, for the message when it refused the server.
struct THostKeyCheck {
    std::string KnownHostsFile;
    std::string Host;
    int Port = 22;
    std::string Label;
    TUiText Refusal;
    std::optional<THostKeyPin> Unknown;
};

std::string KeyBlob(const curl_khkey* key) {
    if (key->len > 0) {
        return std::string(key->key, key->len);
    }
    return Base64Decode(key->key).value_or(std::string());
}

// The blob opens with its type's name (a 32-bit length, then the name), as OpenSSH writes it.
std::string KeyTypeOf(const std::string& blob) {
    if (blob.size() < 4) {
        return {};
    }
    const std::size_t length = (std::size_t{static_cast<unsigned char>(blob[0])} << 24) |
                               (std::size_t{static_cast<unsigned char>(blob[1])} << 16) |
                               (std::size_t{static_cast<unsigned char>(blob[2])} << 8) |
                               std::size_t{static_cast<unsigned char>(blob[3])};
    return length <= 64 && blob.size() >= 4 + length ? blob.substr(4, length) : std::string();
}

std::string Fingerprint(const std::string& blob) {
    const std::array<std::uint8_t, 32> digest = Sha256(blob);
    return "SHA256:" +
           Base64Encode(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size()), false);
}

int CheckHostKey(CURL*, const curl_khkey*, const curl_khkey* found, curl_khmatch match, void* data) {
    auto* check = static_cast<THostKeyCheck*>(data);
    if (match == CURLKHMATCH_OK) {
        return CURLKHSTAT_FINE;
    }
    const std::string blob = KeyBlob(found);
    const std::string fingerprint = Fingerprint(blob);
    if (match == CURLKHMATCH_MISMATCH) {
        check->Refusal = PublishText(
            TARVEX_TRANSLATE_NOOP("Publish",
                                  "The host key of %1 has changed (it is now %2), so the server may not be "
                                  "the one you published to before; nothing was sent. If the server's "
                                  "administrator confirms the new key, remove the old entry for %1 from %3."),
            {TUiText::Verbatim(check->Label), TUiText::Verbatim(fingerprint),
             TUiText::Verbatim(check->KnownHostsFile)});
    } else {
        check->Refusal = PublishText(
            TARVEX_TRANSLATE_NOOP(
                "Publish", "The host key of %1 (%2) is not in %3; an unknown server is never trusted. Check "
                           "the fingerprint with the server's administrator, then add the key there (for "
                           "example with ssh-keyscan) or name a known-hosts file that holds it."),
            {TUiText::Verbatim(check->Label), TUiText::Verbatim(fingerprint),
             TUiText::Verbatim(check->KnownHostsFile)});
        const std::string type = KeyTypeOf(blob);
        if (!type.empty()) {
            check->Unknown = THostKeyPin{check->Host, check->Port, type, Base64Encode(blob), fingerprint};
        }
    }
    return CURLKHSTAT_REJECT;
}

class TCurlSftpConnection final : public TSiteConnection, TCurlSession {
public:
    TCurlSftpConnection(const TSiteAddress& address, TSiteCredentials credentials)
        : TCurlSession(address, std::move(credentials), HostLabel(address, 22)) {
        const std::string host =
            address.Host.find(':') != std::string::npos ? "[" + address.Host + "]" : address.Host;
        // "~" is the user's home in an SFTP address and in the server commands alike.
        m_folder = address.Folder.starts_with("~") ? "/" + address.Folder : address.Folder;
        if (!m_folder.ends_with("/")) {
            m_folder += '/';
        }
        m_base = "sftp://" + host + ":" + std::to_string(address.Port ? address.Port : 22);
        m_hostKeys.KnownHostsFile = Credentials().KnownHostsFile;
        m_hostKeys.Host = address.Host;
        m_hostKeys.Port = address.Port ? address.Port : 22;
        m_hostKeys.Label = Label();
    }

    bool OpenFolder(TUiText& error) override {
        m_hostKeys.Unknown.reset();
        Prepare(m_folder);
        const CURLcode code = Perform();
        if (code == CURLE_REMOTE_FILE_NOT_FOUND) {
            error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "The folder %1 does not exist on %2."),
                                {TUiText::Verbatim(Address().Folder), TUiText::Verbatim(Address().Host)});
            return false;
        }
        return Succeeded(code, error, m_hostKeys.Refusal);
    }

    std::optional<std::string> Download(const std::string& name, TUiText& error) override {
        std::string bytes;
        Prepare(m_folder + name);
        ReceiveInto(bytes);
        const CURLcode code = Perform();
        if (code == CURLE_REMOTE_FILE_NOT_FOUND || !Succeeded(code, error, m_hostKeys.Refusal)) {
            return std::nullopt;
        }
        return bytes;
    }

    bool Upload(const std::string& name, const std::string& bytes, TUiText& error) override {
        // A name left there before goes first, so a link planted under it is not written through.
        const TCurlList before({"*rm " + Quoted(name)});
        Prepare(m_folder + name);
        curl_easy_setopt(Handle(), CURLOPT_QUOTE, before.List);
        SendFrom(bytes);
        return Succeeded(Perform(), error, m_hostKeys.Refusal);
    }

    bool Rename(const std::string& from, const std::string& to, TUiText& error) override {
        // The SFTP server will not rename over a file: the live one steps aside for the moment
        // of the swap, and comes back when the new one cannot take its place.
        const std::string old = OldName(to);
        if (Commands({"*rm " + Quoted(old), "*rename " + Quoted(to) + " " + Quoted(old),
                      "rename " + Quoted(from) + " " + Quoted(to), "*rm " + Quoted(old)},
                     error)) {
            return true;
        }
        TUiText ignored;
        Commands({"*rename " + Quoted(old) + " " + Quoted(to)}, ignored);
        return false;
    }

    void Remove(const std::string& name) override {
        TUiText ignored;
        Commands({"*rm " + Quoted(name)}, ignored);
    }

    void RemoveEach(const std::vector<std::string>& names) override {
        std::vector<std::string> lines;
        for (const std::string& name : names) {
            lines.push_back("*rm " + Quoted(name));
        }
        TUiText ignored;
        Commands(lines, ignored);
    }

    std::optional<THostKeyPin> UnknownHostKey() const override { return m_hostKeys.Unknown; }

    void SetUploadProgress(TUploadProgress progress) override { SetProgress(std::move(progress)); }

private:
    std::string Quoted(const std::string& name) const { return "\"" + m_folder + name + "\""; }

    bool Commands(const std::vector<std::string>& lines, TUiText& error) {
        const TCurlList list(lines);
        Prepare(m_folder);
        curl_easy_setopt(Handle(), CURLOPT_QUOTE, list.List);
        curl_easy_setopt(Handle(), CURLOPT_NOBODY, 1L);
        return Succeeded(Perform(), error, m_hostKeys.Refusal);
    }

    void Prepare(const std::string& path) {
        TCurlSession::Prepare(m_base + PercentEncoded(path), "sftp");
        const TSiteCredentials& credentials = Credentials();
        long authTypes = CURLSSH_AUTH_AGENT | CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD;
        if (!credentials.IdentityFile.empty()) {
            curl_easy_setopt(Handle(), CURLOPT_SSH_PRIVATE_KEYFILE, credentials.IdentityFile.c_str());
            if (!credentials.Password.empty()) {
                curl_easy_setopt(Handle(), CURLOPT_KEYPASSWD, credentials.Password.c_str());
            }
            authTypes = CURLSSH_AUTH_PUBLICKEY;
        }
        curl_easy_setopt(Handle(), CURLOPT_SSH_AUTH_TYPES, authTypes);
        curl_easy_setopt(Handle(), CURLOPT_SSH_KNOWNHOSTS, credentials.KnownHostsFile.c_str());
        curl_easy_setopt(Handle(), CURLOPT_SSH_KEYFUNCTION, CheckHostKey);
        curl_easy_setopt(Handle(), CURLOPT_SSH_KEYDATA, &m_hostKeys);
    }

    std::string m_base;
    std::string m_folder;
    THostKeyCheck m_hostKeys;
};

} // namespace

std::unique_ptr<TSiteConnection> MakeSftpConnection(const TSiteAddress& address,
                                                    TSiteCredentials credentials) {
    return std::make_unique<TCurlSftpConnection>(address, std::move(credentials));
}

} // namespace tarvex
