#pragma once
// What the tests against real servers share: starting a server on loopback, a certificate for it,
// and the table of publishes every protocol must pass.

#include "publish/SitePublish.h"

#include <gtest/gtest.h>

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tarvex::site_test {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path);
void WriteAll(const fs::path& path, const std::string& bytes);
int FreePort();
// Starts `argv` and waits until something takes connections on `port`; a server that ends first
// fails the test with its log.
pid_t StartServer(const std::vector<std::string>& argv, int port, const fs::path& log);
void StopServer(pid_t server);
// Kills the server and every process it started (its sessions) at once, as a dropped line or a
// crashed host would end them.
void KillWithSessions(pid_t server);
// cert.pem and key.pem in `folder`: a self-signed certificate for 127.0.0.1, its own authority.
void MakeCertificate(const fs::path& folder);

struct TRun {
    TSiteOutcome Outcome;
    std::string Message;
    std::vector<std::string> Sent;
};

TRun PublishTo(const TSiteAddress& address, const TSiteCredentials& credentials,
               const std::vector<TSiteFile>& files, const TSitePublishOptions& options);

// A server serving real folders of this machine, so each case can read what the site holds.
class SiteServerTest : public testing::Test {
public:
    // The address of `folder` and the credentials of the test's user, or a wrong password or key.
    virtual std::pair<TSiteAddress, TSiteCredentials> Target(const fs::path& folder, bool wrongLogin) = 0;

    TRun Publish(const fs::path& folder, const std::vector<TSiteFile>& files,
                 const TSitePublishOptions& options = {}, bool wrongLogin = false);
};

struct TCase {
    const char* Name;
    std::function<TRun(SiteServerTest&, const fs::path&)> Act;
    TSiteOutcome Outcome;
    const char* MessagePart;
    std::vector<std::string> Sent;
    const std::vector<TSiteFile>* Live; // what the folder holds afterwards
    bool LeavesTemporaries = false;     // the server was gone before they could be removed
};

extern const std::vector<TSiteFile> FirstFiles;
extern const std::vector<TSiteFile> SecondFiles;
// Every file differs from FirstFiles.
extern const std::vector<TSiteFile> ChangedFiles;

// First and second publish, dry run, wrong login, a file changed on the server, a missing folder,
// non-ASCII names, a cancel.
std::vector<TCase> CommonCases();

// The connection ends after the first upload (`kill`, then `start` brings the server back): the
// live files stay as they were, and the next publish completes and removes the stale temporary.
std::vector<TCase> DroppedCases(std::function<void()> kill, std::function<void()> start);

// Each case in its own folder under `site`, after a first publish of FirstFiles there.
void RunCases(SiteServerTest& test, const fs::path& site, const std::vector<TCase>& cases);

} // namespace tarvex::site_test
