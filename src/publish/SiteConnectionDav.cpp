// WebDAV through libcurl: GET and PUT, MOVE to put a file in place, DELETE to tidy up. Over HTTPS
// the certificate is verified; plain HTTP only where the author confirmed it for a private host.

#include "publish/CurlSession.h"

namespace tarvex {
namespace {

class TCurlDavConnection final : public TSiteConnection, TCurlSession {
public:
    TCurlDavConnection(const TSiteAddress& address, TSiteCredentials credentials)
        : TCurlSession(address, std::move(credentials),
                       HostLabel(address, address.Protocol == TSiteProtocol::Davs ? 443 : 80)),
          m_scheme(address.Protocol == TSiteProtocol::Davs ? "https" : "http") {
        const std::string host =
            address.Host.find(':') != std::string::npos ? "[" + address.Host + "]" : address.Host;
        const int port = address.Port ? address.Port : (m_scheme == "https" ? 443 : 80);
        m_folderUrl = m_scheme + "://" + host + ":" + std::to_string(port) + PercentEncoded(address.Folder);
        if (!m_folderUrl.ends_with("/")) {
            m_folderUrl += '/';
        }
    }

    bool OpenFolder(TUiText& error) override {
        const TCurlList headers({"Depth: 0"});
        Prepare(m_folderUrl, "PROPFIND");
        curl_easy_setopt(Handle(), CURLOPT_HTTPHEADER, headers.List);
        long status = 0;
        if (!Request(status, error)) {
            return false;
        }
        if (status == 404) {
            error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "The folder %1 does not exist on %2."),
                                {TUiText::Verbatim(Address().Folder), TUiText::Verbatim(Address().Host)});
            return false;
        }
        return Answered(status, {207}, error);
    }

    std::optional<std::string> Download(const std::string& name, TUiText& error) override {
        std::string bytes;
        Prepare(m_folderUrl + PercentEncoded(name), nullptr);
        ReceiveInto(bytes);
        long status = 0;
        if (!Request(status, error) || status == 404 || !Answered(status, {200}, error)) {
            return std::nullopt;
        }
        return bytes;
    }

    bool Upload(const std::string& name, const std::string& bytes, TUiText& error) override {
        // A name left there before goes first, so a link planted under it is not written through.
        Remove(name);
        Prepare(m_folderUrl + PercentEncoded(name), nullptr);
        SendFrom(bytes);
        long status = 0;
        return Request(status, error) && Answered(status, {200, 201, 204}, error);
    }

    bool Rename(const std::string& from, const std::string& to, TUiText& error) override {
        const TCurlList headers({"Destination: " + m_folderUrl + PercentEncoded(to), "Overwrite: T"});
        Prepare(m_folderUrl + PercentEncoded(from), "MOVE");
        curl_easy_setopt(Handle(), CURLOPT_HTTPHEADER, headers.List);
        long status = 0;
        return Request(status, error) && Answered(status, {201, 204}, error);
    }

    void Remove(const std::string& name) override {
        Prepare(m_folderUrl + PercentEncoded(name), "DELETE");
        Perform();
    }

    void SetUploadProgress(TUploadProgress progress) override { SetProgress(std::move(progress)); }

private:
    void Prepare(const std::string& url, const char* method) {
        TCurlSession::Prepare(url, m_scheme.c_str());
        if (method != nullptr) {
            curl_easy_setopt(Handle(), CURLOPT_CUSTOMREQUEST, method);
        }
        curl_easy_setopt(Handle(), CURLOPT_HTTPAUTH, CURLAUTH_BASIC | CURLAUTH_DIGEST);
        // One request at a time on one connection; HTTP/2 gains nothing for a handful of files and
        // turns a refused upload into a framing error instead of the server's answer.
        curl_easy_setopt(Handle(), CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    }

    bool Request(long& status, TUiText& error) {
        if (!Succeeded(Perform(), error)) {
            return false;
        }
        curl_easy_getinfo(Handle(), CURLINFO_RESPONSE_CODE, &status);
        return true;
    }

    bool Answered(long status, std::initializer_list<long> good, TUiText& error) const {
        for (const long expected : good) {
            if (status == expected) {
                return true;
            }
        }
        if (status == 401) {
            error = PublishText(
                TARVEX_TRANSLATE_NOOP("Publish", "%1 refused the login of %2: the password is wrong."),
                {TUiText::Verbatim(Address().Host), TUiText::Verbatim(Credentials().User)});
        } else if (status == 403) {
            error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "The server denied access (HTTP 403)."));
        } else if (status == 507) {
            error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "The server's disk is full."));
        } else {
            error = PublishText(
                TARVEX_TRANSLATE_NOOP("Publish", "%1 answered HTTP %2, which WebDAV does not expect here."),
                {TUiText::Verbatim(Address().Host), TUiText::Verbatim(std::to_string(status))});
        }
        return false;
    }

    std::string m_scheme;
    std::string m_folderUrl;
};

} // namespace

std::unique_ptr<TSiteConnection> MakeDavConnection(const TSiteAddress& address,
                                                   TSiteCredentials credentials) {
    return std::make_unique<TCurlDavConnection>(address, std::move(credentials));
}

} // namespace tarvex
