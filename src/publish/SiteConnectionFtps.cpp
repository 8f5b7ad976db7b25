// FTP with explicit TLS through libcurl: the login, every command and every file travel encrypted,
// and the server's certificate is verified.

#include "publish/CurlSession.h"

namespace tarvex {
namespace {

// Before 8.9 the library closes an upload's TLS 1.3 data connection while the server's session
// tickets are unread, and servers answer 426 for a file that arrived short: those versions keep
// FTPS at TLS 1.2.
long TlsVersions() {
    constexpr unsigned FixedIn = (8u << 16) | (9u << 8);
    const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
    const bool closesEarly = info == nullptr || info->version_num < FixedIn;
    return static_cast<long>(CURL_SSLVERSION_TLSv1_2) |
           (closesEarly ? static_cast<long>(CURL_SSLVERSION_MAX_TLSv1_2)
                        : static_cast<long>(CURL_SSLVERSION_MAX_DEFAULT));
}

class TCurlFtpsConnection final : public TSiteConnection, TCurlSession {
public:
    TCurlFtpsConnection(const TSiteAddress& address, TSiteCredentials credentials)
        : TCurlSession(address, std::move(credentials), HostLabel(address, 21)) {
        const std::string host =
            address.Host.find(':') != std::string::npos ? "[" + address.Host + "]" : address.Host;
        // The path of an FTP address starts in the login folder; "%2F" leads to the server's root.
        const std::string& folder = address.Folder;
        std::string path = folder.starts_with("~") ? PercentEncoded(folder.size() > 2 ? folder.substr(2) : "")
                                                   : "%2F" + PercentEncoded(folder.substr(1));
        if (!path.empty() && !path.ends_with("/")) {
            path += '/';
        }
        m_folderUrl = "ftp://" + host + ":" + std::to_string(address.Port ? address.Port : 21) + "/" + path;
    }

    bool OpenFolder(TUiText& error) override {
        Prepare(m_folderUrl);
        curl_easy_setopt(Handle(), CURLOPT_NOBODY, 1L);
        const CURLcode code = Perform();
        // The server only says it would not change into the folder; a missing one is the usual cause.
        if (code == CURLE_REMOTE_ACCESS_DENIED) {
            error = PublishText(TARVEX_TRANSLATE_NOOP(
                                    "Publish", "The folder %1 does not exist on %2, or %3 may not open it."),
                                {TUiText::Verbatim(Address().Folder), TUiText::Verbatim(Address().Host),
                                 TUiText::Verbatim(Credentials().User)});
            return false;
        }
        if (!Succeeded(code, error)) {
            return false;
        }
        // The server's commands run before the library changes folder, on a connection that may
        // be in any folder by then: they name every file from the root.
        if (Address().Folder.starts_with("/")) {
            m_commandFolder = Address().Folder;
        } else {
            const char* entry = nullptr;
            curl_easy_getinfo(Handle(), CURLINFO_FTP_ENTRY_PATH, &entry);
            if (entry == nullptr || entry[0] != '/') {
                error =
                    PublishText(TARVEX_TRANSLATE_NOOP(
                                    "Publish", "%1 did not say which folder the login starts in, so ~ cannot "
                                               "be found there; name the folder from the root (/...)."),
                                {TUiText::Verbatim(Address().Host)});
                return false;
            }
            m_commandFolder = entry;
            if (m_commandFolder.ends_with("/")) {
                m_commandFolder.pop_back();
            }
            m_commandFolder += Address().Folder.substr(1);
        }
        if (!m_commandFolder.ends_with("/")) {
            m_commandFolder += '/';
        }
        return true;
    }

    std::optional<std::string> Download(const std::string& name, TUiText& error) override {
        std::string bytes;
        Prepare(m_folderUrl + PercentEncoded(name));
        ReceiveInto(bytes);
        const CURLcode code = Perform();
        if (code == CURLE_REMOTE_FILE_NOT_FOUND || !Succeeded(code, error)) {
            return std::nullopt;
        }
        return bytes;
    }

    bool Upload(const std::string& name, const std::string& bytes, TUiText& error) override {
        // A name left there before goes first, so a link planted under it is not written through.
        const TCurlList before({"*DELE " + m_commandFolder + name});
        Prepare(m_folderUrl + PercentEncoded(name));
        curl_easy_setopt(Handle(), CURLOPT_QUOTE, before.List);
        SendFrom(bytes);
        return Succeeded(Perform(), error);
    }

    bool Rename(const std::string& from, const std::string& to, TUiText& error) override {
        return Commands({"RNFR " + m_commandFolder + from, "RNTO " + m_commandFolder + to}, error);
    }

    void Remove(const std::string& name) override {
        TUiText ignored;
        Commands({"*DELE " + m_commandFolder + name}, ignored);
    }

    void RemoveEach(const std::vector<std::string>& names) override {
        std::vector<std::string> lines;
        for (const std::string& name : names) {
            lines.push_back("*DELE " + m_commandFolder + name);
        }
        TUiText ignored;
        Commands(lines, ignored);
    }

    void SetUploadProgress(TUploadProgress progress) override { SetProgress(std::move(progress)); }

private:
    bool Commands(const std::vector<std::string>& lines, TUiText& error) {
        const TCurlList list(lines);
        Prepare(m_folderUrl);
        curl_easy_setopt(Handle(), CURLOPT_QUOTE, list.List);
        curl_easy_setopt(Handle(), CURLOPT_NOBODY, 1L);
        return Succeeded(Perform(), error);
    }

    void Prepare(const std::string& url) {
        TCurlSession::Prepare(url, "ftp");
        // Explicit TLS: the session starts plain and must turn to TLS before the login, or end.
        curl_easy_setopt(Handle(), CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        curl_easy_setopt(Handle(), CURLOPT_SSLVERSION, TlsVersions());
        curl_easy_setopt(Handle(), CURLOPT_FTP_CREATE_MISSING_DIRS,
                         static_cast<long>(CURLFTP_CREATE_DIR_NONE));
    }

    std::string m_folderUrl;
    std::string m_commandFolder;
};

} // namespace

std::unique_ptr<TSiteConnection> MakeFtpsConnection(const TSiteAddress& address,
                                                    TSiteCredentials credentials) {
    return std::make_unique<TCurlFtpsConnection>(address, std::move(credentials));
}

} // namespace tarvex
