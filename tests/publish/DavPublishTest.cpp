// Publishing to a real lighttpd with WebDAV on loopback: HTTPS with a certificate made here and
// basic authentication from a password file of the test. Skipped only where lighttpd or its
// WebDAV or TLS module is not installed.

#include "SiteServerFixture.h"

#include <unistd.h>

namespace tarvex::site_test {
namespace {

constexpr const char* Lighttpd = "/usr/sbin/lighttpd";
constexpr const char* Modules = "/usr/lib/lighttpd";

bool Installed() {
    return fs::exists(Lighttpd) && fs::exists(fs::path(Modules) / "mod_webdav.so") &&
           fs::exists(fs::path(Modules) / "mod_openssl.so");
}

class DavPublish : public SiteServerTest {
public:
    static void SetUpTestSuite() {
        if (!Installed()) {
            return;
        }
        s_root = fs::temp_directory_path() / ("tarvex-dav-" + std::to_string(getpid()));
        fs::create_directories(s_root / "site");
        MakeCertificate(s_root);
        WriteAll(s_root / "both.pem", ReadAll(s_root / "key.pem") + ReadAll(s_root / "cert.pem"));
        WriteAll(s_root / "users", "author:secret\n");
        s_port = FreePort();
        const std::string root = s_root.string();
        WriteAll(s_root / "lighttpd.conf",
                 "server.document-root = \"" + root + "/site\"\nserver.bind = \"127.0.0.1\"\nserver.port = " +
                     std::to_string(s_port) + "\nserver.errorlog = \"" + root +
                     "/lighttpd.log\"\n"
                     "server.modules = (\"mod_auth\", \"mod_authn_file\", \"mod_webdav\", \"mod_openssl\")\n"
                     "ssl.engine = \"enable\"\nssl.pemfile = \"" +
                     root + "/both.pem\"\nauth.backend = \"plain\"\nauth.backend.plain.userfile = \"" + root +
                     "/users\"\nauth.require = (\"/\" => (\"method\" => \"basic\", \"realm\" => \"site\", "
                     "\"require\" => \"valid-user\"))\nwebdav.activate = \"enable\"\n"
                     "webdav.is-readonly = \"disable\"\n");
        Start();
    }

    static void Start() {
        s_server = StartServer({Lighttpd, "-D", "-f", (s_root / "lighttpd.conf").string(), "-m", Modules},
                               s_port, s_root / "lighttpd.log");
    }

    static void Kill() { KillWithSessions(s_server); }

    static void TearDownTestSuite() {
        StopServer(s_server);
        std::error_code ec;
        fs::remove_all(s_root, ec);
    }

    void SetUp() override {
        if (!Installed()) {
            GTEST_SKIP() << "lighttpd with WebDAV and TLS is not installed (scripts/setup installs it)";
        }
    }

    std::pair<TSiteAddress, TSiteCredentials> Target(const fs::path& folder, bool wrongLogin) override {
        TSiteCredentials credentials;
        credentials.User = "author";
        credentials.Password = wrongLogin ? "guessed" : "secret";
        credentials.CaFile = (s_root / "cert.pem").string();
        const std::string path = "/" + fs::relative(folder, s_root / "site").generic_string();
        return {{TSiteProtocol::Davs, "", "127.0.0.1", s_port, path}, credentials};
    }

    static inline fs::path s_root;
    static inline int s_port = 0;
    static inline pid_t s_server = 0;
};

TEST_F(DavPublish, PublishesOnlyWhatChangedAndLeavesTheSiteWholeOnEveryFailure) {
    std::vector<TCase> cases = CommonCases();
    std::vector<TCase> dropped = DroppedCases(Kill, Start);
    cases.insert(cases.end(), dropped.begin(), dropped.end());
    RunCases(*this, s_root / "site", cases);
}

} // namespace
} // namespace tarvex::site_test
