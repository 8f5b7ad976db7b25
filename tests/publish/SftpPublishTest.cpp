// Publishing to a real OpenSSH server on loopback: its own host key, internal SFTP, and a key for
// the current user, all made here. Skipped only where sshd is not installed.

#include "publish/SitePublish.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <pwd.h>
#include <sstream>
#include <thread>

namespace tarvex {
namespace {

namespace fs = std::filesystem;
constexpr const char* Sshd = "/usr/sbin/sshd";

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

int FreePort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

bool Accepts(int port) {
    const int client = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(client);
    return connected;
}

class SftpPublish : public testing::Test {
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
        StartServer();
    }

    static void StartServer() {
        s_server = fork();
        if (s_server == 0) {
            const std::string config = (s_root / "sshd_config").string();
            const std::string log = (s_root / "sshd.log").string();
            execl(Sshd, Sshd, "-D", "-f", config.c_str(), "-E", log.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        while (!Accepts(s_port)) {
            ASSERT_EQ(waitpid(s_server, nullptr, WNOHANG), 0) << ReadAll(s_root / "sshd.log");
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    static void TearDownTestSuite() {
        if (s_server > 0) {
            kill(s_server, SIGTERM);
            waitpid(s_server, nullptr, 0);
        }
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

    // Kills the server and the session processes it forked, as a dropped line or a crashed host
    // would end them; the transfer library cannot reconnect until StartServer.
    static void StopServer() {
        for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
            const std::string stat = ReadAll(entry.path() / "stat");
            const std::size_t close = stat.rfind(')');
            if (close == std::string::npos) {
                continue;
            }
            std::istringstream fields(stat.substr(close + 2));
            char state = 0;
            pid_t parent = 0;
            fields >> state >> parent;
            if (parent == s_server) {
                kill(std::stoi(entry.path().filename().string()), SIGKILL);
            }
        }
        // The sessions first: once the server is gone they are no longer its children.
        kill(s_server, SIGKILL);
        waitpid(s_server, nullptr, 0);
    }

    struct TRun {
        TSiteOutcome Outcome;
        std::string Message;
        std::vector<std::string> Sent;
    };

    TRun Publish(const fs::path& folder, const std::vector<TSiteFile>& files,
                 TSitePublishOptions options = {}, const char* key = "user",
                 const char* knownHosts = "known_hosts") {
        const TSiteAddress address{TSiteProtocol::Sftp, "", "127.0.0.1", s_port, folder.string()};
        TSiteCredentials credentials;
        credentials.User = getpwuid(geteuid())->pw_name;
        credentials.IdentityFile = (s_root / key).string();
        credentials.KnownHostsFile = (s_root / knownHosts).string();
        std::string error;
        const std::unique_ptr<TSiteConnection> connection = OpenSiteConnection(address, credentials, error);
        EXPECT_TRUE(connection) << error;
        const TSitePublishReport report = PublishToSite(*connection, files, options);
        TRun run{report.Outcome, report.Message, {}};
        for (const TPlanEntry& entry : report.Plan.Entries) {
            if (entry.Action != TSiteAction::Leave) {
                run.Sent.push_back(entry.Name);
            }
        }
        return run;
    }

    static inline fs::path s_root;
    static inline int s_port = 0;
    static inline pid_t s_server = 0;
};

const std::vector<TSiteFile> FirstFiles = {
    {"one.js", std::string(300000, 'e')}, {"main.js", "main"}, {"menu.js", "menus 1"}};
const std::vector<TSiteFile> SecondFiles = {
    {"one.js", std::string(300000, 'e')}, {"main.js", "main"}, {"menu.js", "menus 2"}};

using TRun = SftpPublish::TRun;

struct TCase {
    const char* Name;
    std::function<TRun(SftpPublish&, const fs::path&)> Act;
    TSiteOutcome Outcome;
    const char* MessagePart;
    std::vector<std::string> Sent;
    const std::vector<TSiteFile>* Live; // what the folder holds afterwards
};

std::vector<TCase> PublishCases() {
    return {
        {"first publish",
         [](SftpPublish&, const fs::path&) {
             return TRun{TSiteOutcome::Published, "", {}};
         },
         TSiteOutcome::Published,
         "",
         {},
         &FirstFiles},
        {"second publish after a caption changed",
         [](SftpPublish& t, const fs::path& f) { return t.Publish(f, SecondFiles); },
         TSiteOutcome::Published,
         "",
         {"menu.js"},
         &SecondFiles},
        {"dry run",
         [](SftpPublish& t, const fs::path& f) {
             TSitePublishOptions dry;
             dry.DryRun = true;
             return t.Publish(f, SecondFiles, dry);
         },
         TSiteOutcome::DryRun,
         "",
         {"menu.js"},
         &FirstFiles},
    };
}

std::vector<TCase> RefusedCases() {
    return {
        {"wrong key",
         [](SftpPublish& t, const fs::path& f) { return t.Publish(f, SecondFiles, {}, "stranger"); },
         TSiteOutcome::Failed,
         "refused the login",
         {},
         &FirstFiles},
        {"changed host key",
         [](SftpPublish& t, const fs::path& f) {
             WriteAll(SftpPublish::s_root / "changed_hosts",
                      "[127.0.0.1]:" + std::to_string(SftpPublish::s_port) + " " +
                          SftpPublish::HostKeyText("stranger") + "\n");
             return t.Publish(f, SecondFiles, {}, "user", "changed_hosts");
         },
         TSiteOutcome::Failed,
         "has changed",
         {},
         &FirstFiles},
        {"unknown host key",
         [](SftpPublish& t, const fs::path& f) {
             return t.Publish(f, SecondFiles, {}, "user", "no_such_file");
         },
         TSiteOutcome::Failed,
         "is not in",
         {},
         &FirstFiles},
        {"file changed on the server",
         [](SftpPublish& t, const fs::path& f) {
             WriteAll(f / "main.js", "edited by hand");
             TRun run = t.Publish(f, SecondFiles);
             EXPECT_EQ(ReadAll(f / "main.js"), "edited by hand");
             WriteAll(f / "main.js", "main");
             return run;
         },
         TSiteOutcome::Refused,
         "Someone else changed main.js",
         {"main.js", "menu.js"},
         &FirstFiles},
        {"target folder missing",
         [](SftpPublish& t, const fs::path& f) { return t.Publish(f / "gone", SecondFiles); },
         TSiteOutcome::Failed,
         "does not exist",
         {},
         &FirstFiles},
        {"non-ASCII folder and file name",
         [](SftpPublish& t, const fs::path& f) {
             fs::create_directories(f / "Menü");
             TRun run = t.Publish(f / "Menü", {{"menü.js", "ü"}});
             EXPECT_EQ(ReadAll(f / "Menü" / "menü.js"), "ü");
             return run;
         },
         TSiteOutcome::Published,
         "",
         {"menü.js"},
         &FirstFiles},
    };
}

// The connection ends between two uploads: nothing is replaced, and the next publish completes.
std::vector<TCase> DroppedCases() {
    return {
        {"connection dropped in the middle",
         [](SftpPublish& t, const fs::path& f) {
             TSitePublishOptions options;
             options.AfterUpload = [](const std::string&) { SftpPublish::StopServer(); };
             const std::vector<TSiteFile> all = {
                 {"one.js", "engine 2"}, {"main.js", "main 2"}, {"menu.js", "menus 2"}};
             TRun run = t.Publish(f, all, options);
             SftpPublish::StartServer();
             return run;
         },
         TSiteOutcome::Failed,
         "The site is unchanged",
         {"one.js", "main.js", "menu.js"},
         &FirstFiles},
        {"publish after a dropped connection",
         [](SftpPublish& t, const fs::path& f) {
             TSitePublishOptions options;
             options.AfterUpload = [](const std::string&) { SftpPublish::StopServer(); };
             t.Publish(f, SecondFiles, options);
             SftpPublish::StartServer();
             return t.Publish(f, SecondFiles);
         },
         TSiteOutcome::Published,
         "",
         {"menu.js"},
         &SecondFiles},
    };
}

TEST_F(SftpPublish, PublishesOnlyWhatChangedAndLeavesTheSiteWholeOnEveryFailure) {
    std::vector<TCase> cases = PublishCases();
    for (std::vector<TCase> more : {RefusedCases(), DroppedCases()}) {
        cases.insert(cases.end(), more.begin(), more.end());
    }
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const fs::path folder = s_root / "site" / c.Name;
        fs::create_directories(folder);
        ASSERT_EQ(Publish(folder, FirstFiles).Outcome, TSiteOutcome::Published);
        const TRun run = c.Act(*this, folder);
        EXPECT_EQ(run.Outcome, c.Outcome) << run.Message;
        EXPECT_NE(run.Message.find(c.MessagePart), std::string::npos) << run.Message;
        EXPECT_EQ(run.Sent, c.Sent);
        for (const TSiteFile& file : *c.Live) {
            EXPECT_EQ(ReadAll(folder / file.Name), file.Bytes) << file.Name;
        }
    }
}

} // namespace
} // namespace tarvex
