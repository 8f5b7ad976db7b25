// Publishing to a real OpenSSH server on loopback: its own host key, internal SFTP, and a key for
// the current user, all made here. Skipped only where sshd is not installed.

#include "SiteServerFixture.h"

#include "publish/SiteTargets.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <pwd.h>
#include <sstream>

namespace tarvex::site_test {
namespace {

constexpr const char* Sshd = "/usr/sbin/sshd";

class SftpPublish : public SiteServerTest {
public:
    static void SetUpTestSuite() {
        if (!fs::exists(Sshd)) {
            return;
        }
        s_root = fs::temp_directory_path() / ("tarvex-sftp-" + std::to_string(getpid()));
        fs::create_directories(s_root);
        for (const char* key : {"host", "user", "stranger"}) {
            const std::string command =
                "ssh-keygen -q -t ed25519 -N '' -C test -f " + (s_root / key).string() + " >/dev/null";
            ASSERT_EQ(std::system(command.c_str()), 0);
        }
        fs::copy_file(s_root / "user.pub", s_root / "authorized_keys");
        // The privilege-separation folder a packaged sshd expects; made by the init system elsewhere.
        if (geteuid() == 0) {
            fs::create_directories("/run/sshd");
        }
        s_port = FreePort();
        WriteAll(s_root / "sshd_config",
                 "Port " + std::to_string(s_port) + "\nListenAddress 127.0.0.1\nHostKey " +
                     (s_root / "host").string() + "\nPidFile " + (s_root / "sshd.pid").string() +
                     "\nAuthorizedKeysFile " + (s_root / "authorized_keys").string() +
                     "\nStrictModes no\nPermitRootLogin prohibit-password\n"
                     "PasswordAuthentication no\nKbdInteractiveAuthentication no\nUsePAM no\n"
                     "Subsystem sftp internal-sftp\n");
        WriteAll(s_root / "known_hosts",
                 "[127.0.0.1]:" + std::to_string(s_port) + " " + HostKeyText("host") + "\n");
        Start();
    }

    static void Start() {
        s_server = StartServer(
            {Sshd, "-D", "-f", (s_root / "sshd_config").string(), "-E", (s_root / "sshd.log").string()},
            s_port, s_root / "sshd.log");
    }

    static void TearDownTestSuite() {
        StopServer(s_server);
        std::error_code ec;
        fs::remove_all(s_root, ec);
    }

    void SetUp() override {
        if (!fs::exists(Sshd)) {
            GTEST_SKIP() << "OpenSSH's sshd is not installed (scripts/setup installs openssh-server)";
        }
    }

    static std::string HostKeyText(const char* key) {
        std::string text = ReadAll(s_root / (std::string(key) + ".pub"));
        return text.substr(0, text.rfind(' '));
    }

    static void Kill() { KillWithSessions(s_server); }

    static std::pair<TSiteAddress, TSiteCredentials> TargetAs(const fs::path& folder, const char* key,
                                                              const char* knownHosts) {
        TSiteCredentials credentials;
        credentials.User = getpwuid(geteuid())->pw_name;
        credentials.IdentityFile = (s_root / key).string();
        credentials.KnownHostsFile = (s_root / knownHosts).string();
        return {{TSiteProtocol::Sftp, "", "127.0.0.1", s_port, folder.string()}, credentials};
    }

    std::pair<TSiteAddress, TSiteCredentials> Target(const fs::path& folder, bool wrongLogin) override {
        return TargetAs(folder, wrongLogin ? "stranger" : "user", "known_hosts");
    }

    static TRun PublishWithHosts(const fs::path& folder, const char* knownHosts) {
        const auto [address, credentials] = TargetAs(folder, "user", knownHosts);
        return PublishTo(address, credentials, SecondFiles, {});
    }

    static inline fs::path s_root;
    static inline int s_port = 0;
    static inline pid_t s_server = 0;
};

// What the case checks itself, instead of the table's comparison with fixed bytes.
const std::vector<TSiteFile> CheckedInTheCase;

std::string Shell(const std::string& command, int& exitCode) {
    const fs::path output = SftpPublish::s_root / "shell-output";
    exitCode = WEXITSTATUS(std::system((command + " >'" + output.string() + "' 2>&1").c_str()));
    return ReadAll(output);
}

// The command line publishes to a target the project names: its address, user and key come
// from the project, the server's pin from the program's own known-hosts file. What arrives is
// what a build writes.
TRun PublishByName(const fs::path& folder) {
    const fs::path work = SftpPublish::s_root / "cli";
    fs::create_directories(work / "config" / "tarvex");
    fs::copy_file(SftpPublish::s_root / "known_hosts", work / "config" / "tarvex" / "known_hosts",
                  fs::copy_options::overwrite_existing);
    const std::string cli = std::string("'") + TARVEX_CLI + "' ";
    const std::string project = "'" + (work / "p.xml").string() + "'";
    int code = 0;
    Shell(cli + "new " + project + " --force && " + cli + "build " + project + " -o '" +
              (work / "built").string() + "'",
          code);
    EXPECT_EQ(code, 0);
    std::string path = folder.string();
    for (std::size_t at = path.find(' '); at != std::string::npos; at = path.find(' ')) {
        path.replace(at, 1, "%20");
    }
    std::string text = ReadAll(work / "p.xml");
    text.insert(
        text.rfind("</PROJECT>"),
        "<PUBLISH_TARGETS>\r\n<PUBLISH_TARGET>\r\n<Name>Live site</Name>\r\n<Address>sftp://127.0.0.1:" +
            std::to_string(SftpPublish::s_port) + path + "</Address>\r\n<User>" +
            getpwuid(geteuid())->pw_name + "</User>\r\n<IdentityFile>" +
            (SftpPublish::s_root / "user").string() +
            "</IdentityFile>\r\n</PUBLISH_TARGET>\r\n</PUBLISH_TARGETS>\r\n");
    WriteAll(work / "p.xml", text);
    const std::string output = Shell("XDG_CONFIG_HOME='" + (work / "config").string() + "' " + cli +
                                         "publish " + project + " 'Live site'",
                                     code);
    TRun run{code == 0 ? TSiteOutcome::Published : TSiteOutcome::Failed, output, {}};
    std::istringstream lines(output);
    for (std::string action, name; lines >> action && std::getline(lines, name);) {
        if (action == "add" || action == "replace") {
            run.Sent.push_back(
                name.substr(name.find_first_not_of(' '), name.find(" (") - name.find_first_not_of(' ')));
        }
    }
    for (const char* file : {"one.js", "main.js", "menu.js"}) {
        EXPECT_EQ(ReadAll(folder / file), ReadAll(work / "built" / file)) << file;
    }
    return run;
}

// The key the server offered when the connection refused it, if it offered one to pin.
std::optional<THostKeyPin> OfferedPin(const fs::path& folder, const fs::path& knownHosts) {
    auto [address, credentials] = SftpPublish::TargetAs(folder, "user", "known_hosts");
    credentials.KnownHostsFile = knownHosts.string();
    TUiText error;
    const std::unique_ptr<TSiteConnection> connection = OpenSiteConnection(address, credentials, error);
    EXPECT_FALSE(connection->OpenFolder(error));
    return connection->UnknownHostKey();
}

// An unknown key is offered for pinning, with the fingerprint ssh-keygen shows; once pinned the
// next connection opens. A changed key is never offered.
TRun PinAndPublish(const fs::path& folder) {
    WriteAll(SftpPublish::s_root / "stranger_hosts", "[127.0.0.1]:" + std::to_string(SftpPublish::s_port) +
                                                         " " + SftpPublish::HostKeyText("stranger") + "\n");
    EXPECT_FALSE(OfferedPin(folder, SftpPublish::s_root / "stranger_hosts").has_value());
    const fs::path pins = SftpPublish::s_root / "pins" / "tarvex" / "known_hosts";
    const std::optional<THostKeyPin> pin = OfferedPin(folder, pins);
    if (!pin) {
        return {TSiteOutcome::Failed, "no key offered", {}};
    }
    int code = 0;
    const std::string listed =
        Shell("ssh-keygen -lf '" + (SftpPublish::s_root / "host.pub").string() + "'", code);
    EXPECT_EQ(pin->Fingerprint, listed.substr(listed.find(' ') + 1,
                                              listed.find(' ', listed.find(' ') + 1) - listed.find(' ') - 1));
    TUiText error;
    EXPECT_TRUE(PinHostKey(pins.string(), *pin, error)) << error.English();
    EXPECT_EQ(fs::status(pins).permissions() & (fs::perms::group_all | fs::perms::others_all),
              fs::perms::none);
    auto [address, credentials] = SftpPublish::TargetAs(folder, "user", "known_hosts");
    credentials.KnownHostsFile = pins.string();
    return PublishTo(address, credentials, SecondFiles, {});
}

std::vector<TCase> HostKeyCases() {
    return {
        {"changed host key",
         [](SiteServerTest&, const fs::path& f) {
             WriteAll(SftpPublish::s_root / "changed_hosts",
                      "[127.0.0.1]:" + std::to_string(SftpPublish::s_port) + " " +
                          SftpPublish::HostKeyText("stranger") + "\n");
             return SftpPublish::PublishWithHosts(f, "changed_hosts");
         },
         TSiteOutcome::Failed,
         "has changed",
         {},
         &FirstFiles},
        {"unknown host key pinned, then trusted",
         [](SiteServerTest&, const fs::path& f) { return PinAndPublish(f); },
         TSiteOutcome::Published,
         "",
         {"menu.js"},
         &SecondFiles},
        {"unknown host key",
         [](SiteServerTest&, const fs::path& f) { return SftpPublish::PublishWithHosts(f, "no_such_file"); },
         TSiteOutcome::Failed,
         "is not in",
         {},
         &FirstFiles},
    };
}

std::vector<TCase> CommandLineCases() {
    return {{"command line names a target",
             [](SiteServerTest&, const fs::path& f) { return PublishByName(f); },
             TSiteOutcome::Published,
             "Published to sftp://",
             {"one.js", "main.js", "menu.js"},
             &CheckedInTheCase}};
}

TEST_F(SftpPublish, PublishesOnlyWhatChangedAndLeavesTheSiteWholeOnEveryFailure) {
    std::vector<TCase> cases = CommonCases();
    for (std::vector<TCase> more : {HostKeyCases(), DroppedCases(Kill, Start), CommandLineCases()}) {
        cases.insert(cases.end(), more.begin(), more.end());
    }
    RunCases(*this, s_root / "site", cases);
}

} // namespace
} // namespace tarvex::site_test
