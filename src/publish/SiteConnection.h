#pragma once
// One session with a site's server, through the transfer library. Each call answers false (or
// nothing) after filling `error` with a sentence for the author; no password ever reaches it.

#include "publish/SiteAddress.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvex {

// A server's SSH host key as a known-hosts file pins it.
struct THostKeyPin {
    std::string Host;
    int Port = 0;
    std::string KeyType;     // "ssh-ed25519", "ecdsa-sha2-nistp256", ...
    std::string KeyBase64;   // the key's blob
    std::string Fingerprint; // "SHA256:..." as ssh-keygen -l prints it
};

// Told while an upload travels: the bytes of the file sent so far and its size. Answering false
// ends the upload, which then fails.
using TUploadProgress = std::function<bool(std::uint64_t sent, std::uint64_t size)>;

struct TSiteCredentials {
    std::string User;
    std::string Password;        // also the pass phrase of IdentityFile
    std::string IdentityFile;    // SFTP: a private key; empty: the running agent or the password
    std::string KnownHostsFile;  // SFTP: OpenSSH format; a key not found there is refused
    std::string CaFile;          // TLS: certificates trusted besides the system's
    bool PlainConfirmed = false; // dav://: the author accepted that it travels unencrypted
};

class TSiteConnection {
public:
    virtual ~TSiteConnection() = default;
    // Logs in and makes sure the target folder exists.
    virtual bool OpenFolder(TUiText& error) = 0;
    // The file's bytes; nothing with `error` empty when the site has no such file.
    virtual std::optional<std::string> Download(const std::string& name, TUiText& error) = 0;
    virtual bool Upload(const std::string& name, const std::string& bytes, TUiText& error) = 0;
    // Puts `from` in place of `to` (which may exist), in the target folder.
    virtual bool Rename(const std::string& from, const std::string& to, TUiText& error) = 0;
    // Best effort: a name that is gone already, or a server that is gone, is no error.
    virtual void Remove(const std::string& name) = 0;
    // Remove for each name, in one request where the protocol allows it.
    virtual void RemoveEach(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            Remove(name);
        }
    }
    // Told during every later Upload; nothing clears it.
    virtual void SetUploadProgress(TUploadProgress progress) = 0;
    // After OpenFolder failed because the server's key is not pinned (unknown, not changed): the
    // key it offered, for the author to accept; nothing otherwise.
    virtual std::optional<THostKeyPin> UnknownHostKey() const { return std::nullopt; }
};

// Nothing, with `error` saying why, where this build has no transfer library or the protocol
// is not supported yet.
std::unique_ptr<TSiteConnection> OpenSiteConnection(const TSiteAddress& address,
                                                    const TSiteCredentials& credentials, TUiText& error);

} // namespace tarvex
