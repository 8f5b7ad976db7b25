// Publishing to a real vsftpd on loopback with explicit TLS and a certificate made here. The
// server runs as the user running the test (so also as root in CI) and takes one login: the
// anonymous user with the one password its list holds. Skipped only where vsftpd is not installed.

#include "SiteServerFixture.h"

#include <unistd.h>

namespace tarvex::site_test {
namespace {

constexpr const char* Vsftpd = "/usr/sbin/vsftpd";

class FtpsPublish : public SiteServerTest {
public:
    static void SetUpTestSuite() {
        if (!fs::exists(Vsftpd)) {
            return;
        }
        s_root = fs::temp_directory_path() / ("tarvex-ftps-" + std::to_string(getpid()));
        fs::create_directories(s_root / "site");
        MakeCertificate(s_root);
        WriteAll(s_root / "passwords", "secret\n");
        s_port = FreePort();
        const int passive = 40000 + s_port % 20000;
        const std::string root = s_root.string();
        // Without chroot the FTP paths are this machine's, so the table reads what the site holds.
        WriteAll(s_root / "vsftpd.conf",
                 "listen=YES\nlisten_address=127.0.0.1\nlisten_port=" + std::to_string(s_port) +
                     "\nbackground=NO\nrun_as_launching_user=YES\nseccomp_sandbox=NO\n"
                     "anonymous_enable=YES\nlocal_enable=NO\nanon_root=/\nwrite_enable=YES\n"
                     "anon_upload_enable=YES\nanon_other_write_enable=YES\nanon_world_readable_only=NO\n"
                     "secure_email_list_enable=YES\nemail_password_file=" +
                     root +
                     "/passwords\nssl_enable=YES\nallow_anon_ssl=YES\nforce_anon_logins_ssl=YES\n"
                     "force_anon_data_ssl=YES\nrequire_ssl_reuse=NO\nrsa_cert_file=" +
                     root + "/cert.pem\nrsa_private_key_file=" + root +
                     "/key.pem\npasv_address=127.0.0.1\npasv_min_port=" + std::to_string(passive) +
                     "\npasv_max_port=" + std::to_string(passive + 50) + "\nvsftpd_log_file=" + root +
                     "/vsftpd.log\n");
        Start();
    }

    static void Start() {
        s_server = StartServer({Vsftpd, (s_root / "vsftpd.conf").string()}, s_port, s_root / "vsftpd.log");
    }

    static void Kill() { KillWithSessions(s_server); }

    static void TearDownTestSuite() {
        StopServer(s_server);
        std::error_code ec;
        fs::remove_all(s_root, ec);
    }

    void SetUp() override {
        if (!fs::exists(Vsftpd)) {
            GTEST_SKIP() << "vsftpd is not installed (scripts/setup installs it)";
        }
    }

    std::pair<TSiteAddress, TSiteCredentials> Target(const fs::path& folder, bool wrongLogin) override {
        TSiteCredentials credentials;
        credentials.User = "anonymous";
        credentials.Password = wrongLogin ? "guessed" : "secret";
        credentials.CaFile = (s_root / "cert.pem").string();
        return {{TSiteProtocol::Ftps, "", "127.0.0.1", s_port, folder.string()}, credentials};
    }

    static inline fs::path s_root;
    static inline int s_port = 0;
    static inline pid_t s_server = 0;
};

TEST_F(FtpsPublish, PublishesOnlyWhatChangedAndLeavesTheSiteWholeOnEveryFailure) {
    std::vector<TCase> cases = CommonCases();
    // The certificate is verified: without the test's authority the server is refused.
    cases.push_back({"certificate of an unknown authority",
                     [](SiteServerTest& t, const fs::path& f) {
                         auto [address, credentials] = t.Target(f, false);
                         credentials.CaFile.clear();
                         return PublishTo(address, credentials, SecondFiles, {});
                     },
                     TSiteOutcome::Failed,
                     "could not be verified",
                     {},
                     &FirstFiles});
    // The login starts in "/" here, so ~/... names the same folder through the login's folder.
    cases.push_back({"folder under the login's",
                     [](SiteServerTest& t, const fs::path& f) {
                         auto [address, credentials] = t.Target(f, false);
                         address.Folder = "~" + address.Folder;
                         return PublishTo(address, credentials, SecondFiles, {});
                     },
                     TSiteOutcome::Published,
                     "",
                     {"menu.js"},
                     &SecondFiles});
    std::vector<TCase> dropped = DroppedCases(Kill, Start);
    cases.insert(cases.end(), dropped.begin(), dropped.end());
    RunCases(*this, s_root / "site", cases);
}

} // namespace
} // namespace tarvex::site_test
