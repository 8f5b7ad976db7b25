#pragma once
// What the sessions with a site's server share on top of the transfer library: one handle for
// every request of a publish (so one connection and one login), the options every request takes,
// and the sentence for the author when a request fails.

#include "publish/SiteConnection.h"

#include <curl/curl.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

// Bytes outside the unreserved characters and "/" as %XX.
std::string PercentEncoded(std::string_view path);

struct TCurlList {
    curl_slist* List = nullptr;
    explicit TCurlList(const std::vector<std::string>& lines);
    ~TCurlList();
    TCurlList(const TCurlList&) = delete;
    TCurlList& operator=(const TCurlList&) = delete;
};

class TCurlSession {
public:
    TCurlSession(const TSiteAddress& address, TSiteCredentials credentials, std::string hostLabel);
    ~TCurlSession();
    TCurlSession(const TCurlSession&) = delete;
    TCurlSession& operator=(const TCurlSession&) = delete;

protected:
    // A fresh request to `url` on the same connection, limited to `protocol`.
    void Prepare(const std::string& url, const char* protocol);
    // Whatever the server sends is kept in `bytes`, up to a ceiling no menu reaches.
    void ReceiveInto(std::string& bytes);
    // Sends `bytes` as the request's body; `bytes` must outlive the request.
    void SendFrom(const std::string& bytes);
    void Discard();
    CURLcode Perform();
    // The sentence for a failed request; `refusal` wins when a check of ours refused the server.
    bool Succeeded(CURLcode code, TUiText& error, const TUiText& refusal = {}) const;

    void SetProgress(TUploadProgress progress) { m_progress = std::move(progress); }

    CURL* Handle() const { return m_handle; }
    const TSiteAddress& Address() const { return m_address; }
    const TSiteCredentials& Credentials() const { return m_credentials; }
    const std::string& Label() const { return m_hostLabel; }

private:
    struct TUploadSource {
        const std::string* Bytes = nullptr;
        std::size_t Offset = 0;
    };

    TSiteAddress m_address;
    TSiteCredentials m_credentials;
    std::string m_hostLabel;
    CURL* m_handle;
    CURLM* m_multi;
    TUploadSource m_upload;
    TUploadProgress m_progress;
    char m_errorText[CURL_ERROR_SIZE] = {};
};

} // namespace tarvex

namespace tarvex {

// The sessions by protocol; the address is checked already.
std::unique_ptr<TSiteConnection> MakeSftpConnection(const TSiteAddress& address,
                                                    TSiteCredentials credentials);
std::unique_ptr<TSiteConnection> MakeFtpsConnection(const TSiteAddress& address,
                                                    TSiteCredentials credentials);
std::unique_ptr<TSiteConnection> MakeDavConnection(const TSiteAddress& address, TSiteCredentials credentials);

// The host and port as an address names them: "[::1]:2222", "example.org" for the usual port.
std::string HostLabel(const TSiteAddress& address, int usualPort);

} // namespace tarvex
