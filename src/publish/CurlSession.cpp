#include "publish/CurlSession.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace tarvex {
namespace {

// Files the site holds under the names to publish are read whole for their digest; a server that
// answers with more than this is not a menu's.
constexpr std::size_t DownloadCeiling = 256u << 20;

std::size_t AppendBytes(char* data, std::size_t size, std::size_t count, void* target) {
    auto* bytes = static_cast<std::string*>(target);
    if (bytes->size() + size * count > DownloadCeiling) {
        return 0;
    }
    bytes->append(data, size * count);
    return size * count;
}

std::size_t DiscardBytes(char*, std::size_t size, std::size_t count, void*) {
    return size * count;
}

} // namespace

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

TCurlList::TCurlList(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        List = curl_slist_append(List, line.c_str());
    }
}

TCurlList::~TCurlList() {
    curl_slist_free_all(List);
}

TCurlSession::TCurlSession(const TSiteAddress& address, TSiteCredentials credentials, std::string hostLabel)
    : m_address(address), m_credentials(std::move(credentials)), m_hostLabel(std::move(hostLabel)),
      m_handle(curl_easy_init()), m_multi(curl_multi_init()) {}

TCurlSession::~TCurlSession() {
    // The handle first: the connections it used belong to the multi handle's cache.
    curl_easy_cleanup(m_handle);
    curl_multi_cleanup(m_multi);
}

void TCurlSession::Prepare(const std::string& url, const char* protocol) {
    curl_easy_reset(m_handle);
    m_errorText[0] = '\0';
    curl_easy_setopt(m_handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(m_handle, CURLOPT_PROTOCOLS_STR, protocol);
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
    // Certificates are always verified; a CA file of the author's adds to the system's
    // authorities (which stay reachable through the library's certificate folder).
    if (!m_credentials.CaFile.empty()) {
        curl_easy_setopt(m_handle, CURLOPT_CAINFO, m_credentials.CaFile.c_str());
    }
    curl_easy_setopt(m_handle, CURLOPT_WRITEFUNCTION, DiscardBytes);
}

void TCurlSession::ReceiveInto(std::string& bytes) {
    curl_easy_setopt(m_handle, CURLOPT_WRITEFUNCTION, AppendBytes);
    curl_easy_setopt(m_handle, CURLOPT_WRITEDATA, &bytes);
}

void TCurlSession::SendFrom(const std::string& bytes) {
    m_upload = {&bytes, 0};
    const auto read = [](char* buffer, std::size_t size, std::size_t count, void* source) {
        auto* upload = static_cast<TUploadSource*>(source);
        const std::size_t length = std::min(size * count, upload->Bytes->size() - upload->Offset);
        upload->Bytes->copy(buffer, length, upload->Offset);
        upload->Offset += length;
        return length;
    };
    curl_easy_setopt(m_handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_handle, CURLOPT_READFUNCTION, +read);
    curl_easy_setopt(m_handle, CURLOPT_READDATA, &m_upload);
    curl_easy_setopt(m_handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(bytes.size()));
    if (m_progress) {
        // The file's own size, not the library's total, which some protocols learn late.
        const auto told = [](void* session, curl_off_t, curl_off_t, curl_off_t, curl_off_t sent) -> int {
            auto* self = static_cast<TCurlSession*>(session);
            const auto size = static_cast<std::uint64_t>(self->m_upload.Bytes->size());
            return self->m_progress(std::min(static_cast<std::uint64_t>(sent), size), size) ? 0 : 1;
        };
        curl_easy_setopt(m_handle, CURLOPT_XFERINFOFUNCTION, +told);
        curl_easy_setopt(m_handle, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(m_handle, CURLOPT_NOPROGRESS, 0L);
    }
}

void TCurlSession::Discard() {
    curl_easy_setopt(m_handle, CURLOPT_WRITEFUNCTION, DiscardBytes);
}

CURLcode TCurlSession::Perform() {
    // The library's own loop waits up to a second whenever an FTP data connection is due while it
    // watches only the control connection; a short wait of ours lets it go on at once. The multi
    // handle keeps the connection for the session's next request, as the easy loop would.
    constexpr int WaitMilliseconds = 10;
    curl_multi_add_handle(m_multi, m_handle);
    int running = 1;
    CURLMcode state = curl_multi_perform(m_multi, &running);
    while (state == CURLM_OK && running > 0) {
        state = curl_multi_poll(m_multi, nullptr, 0, WaitMilliseconds, nullptr);
        if (state == CURLM_OK) {
            state = curl_multi_perform(m_multi, &running);
        }
    }
    CURLcode result = state == CURLM_OUT_OF_MEMORY ? CURLE_OUT_OF_MEMORY : CURLE_FAILED_INIT;
    int left = 0;
    while (const CURLMsg* message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == m_handle) {
            result = message->data.result;
        }
    }
    curl_multi_remove_handle(m_multi, m_handle);
    return result;
}

bool TCurlSession::Succeeded(CURLcode code, TUiText& error, const TUiText& refusal) const {
    if (code == CURLE_OK) {
        return true;
    }
    // The library's own words stay as it gives them.
    const TUiText detail = TUiText::Verbatim(m_errorText[0] != '\0' ? m_errorText : curl_easy_strerror(code));
    const TUiText host = TUiText::Verbatim(m_hostLabel);
    if (!refusal.Empty()) {
        error = refusal;
    } else if (code == CURLE_LOGIN_DENIED) {
        error = PublishText(
            TARVEX_TRANSLATE_NOOP(
                "Publish",
                "%1 refused the login of %2: the password or key is wrong, or the key is not allowed there."),
            {TUiText::Verbatim(m_address.Host), TUiText::Verbatim(m_credentials.User)});
    } else if (code == CURLE_PEER_FAILED_VERIFICATION || code == CURLE_SSL_CACERT_BADFILE) {
        error = PublishText(
            TARVEX_TRANSLATE_NOOP(
                "Publish", "The certificate of %1 could not be verified (%2), so the server may not be the "
                           "one it claims to be; nothing was sent. If the site's certificate comes from an "
                           "authority of its own, name that authority's certificate as the CA file."),
            {host, detail});
    } else if (code == CURLE_COULDNT_RESOLVE_HOST || code == CURLE_COULDNT_CONNECT) {
        error =
            PublishText(TARVEX_TRANSLATE_NOOP("Publish", "Could not connect to %1 (%2)."), {host, detail});
    } else if (code == CURLE_REMOTE_DISK_FULL) {
        error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "The server's disk is full."));
    } else if (code == CURLE_REMOTE_ACCESS_DENIED) {
        error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "The server denied access (%1)."), {detail});
    } else {
        error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "The connection to %1 failed (%2)."),
                            {host, detail});
    }
    return false;
}

} // namespace tarvex
