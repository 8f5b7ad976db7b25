#include "SiteServerFixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

namespace tarvex::site_test {

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

namespace {

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

} // namespace

pid_t StartServer(const std::vector<std::string>& argv, int port, const fs::path& log) {
    const pid_t server = fork();
    if (server == 0) {
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    while (!Accepts(port)) {
        if (waitpid(server, nullptr, WNOHANG) != 0) {
            ADD_FAILURE() << argv[0] << " ended before it took connections: " << ReadAll(log);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return server;
}

void StopServer(pid_t server) {
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
}

void KillWithSessions(pid_t server) {
    // Parents first collected for the whole table, so a session's own children go as well.
    std::map<pid_t, pid_t> parents;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        const std::string stat = ReadAll(entry.path() / "stat");
        const std::size_t close = stat.rfind(')');
        if (name.find_first_not_of("0123456789") != std::string::npos || close == std::string::npos) {
            continue;
        }
        std::istringstream fields(stat.substr(close + 2));
        char state = 0;
        pid_t parent = 0;
        fields >> state >> parent;
        parents[std::stoi(name)] = parent;
    }
    for (const auto& [process, parent] : parents) {
        for (pid_t up = parent; up > 1; up = parents.count(up) ? parents[up] : 0) {
            if (up == server) {
                kill(process, SIGKILL);
                break;
            }
        }
    }
    kill(server, SIGKILL);
    waitpid(server, nullptr, 0);
}

void MakeCertificate(const fs::path& folder) {
    const std::string command = "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 "
                                "-addext subjectAltName=IP:127.0.0.1 -keyout " +
                                (folder / "key.pem").string() + " -out " + (folder / "cert.pem").string() +
                                " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
}

TRun PublishTo(const TSiteAddress& address, const TSiteCredentials& credentials,
               const std::vector<TSiteFile>& files, const TSitePublishOptions& options) {
    TUiText error;
    const std::unique_ptr<TSiteConnection> connection = OpenSiteConnection(address, credentials, error);
    if (!connection) {
        ADD_FAILURE() << error.English();
        return {TSiteOutcome::Failed, error.English(), {}};
    }
    const TSitePublishReport report = PublishToSite(*connection, files, options);
    TRun run{report.Outcome, report.Message.English(), {}};
    for (const TPlanEntry& entry : report.Plan.Entries) {
        if (entry.Action != TSiteAction::Leave) {
            run.Sent.push_back(entry.Name);
        }
    }
    return run;
}

TRun SiteServerTest::Publish(const fs::path& folder, const std::vector<TSiteFile>& files,
                             const TSitePublishOptions& options, bool wrongLogin) {
    const auto [address, credentials] = Target(folder, wrongLogin);
    return PublishTo(address, credentials, files, options);
}

const std::vector<TSiteFile> FirstFiles = {
    {"one.js", std::string(300000, 'e')}, {"main.js", "main"}, {"menu.js", "menus 1"}};
const std::vector<TSiteFile> SecondFiles = {
    {"one.js", std::string(300000, 'e')}, {"main.js", "main"}, {"menu.js", "menus 2"}};
const std::vector<TSiteFile> ChangedFiles = {
    {"one.js", "engine 2"}, {"main.js", "main 2"}, {"menu.js", "menus 2"}};

std::vector<TCase> CommonCases() {
    TSitePublishOptions dry;
    dry.DryRun = true;
    return {
        {"first publish",
         [](SiteServerTest&, const fs::path&) {
             return TRun{TSiteOutcome::Published, "", {}};
         },
         TSiteOutcome::Published,
         "",
         {},
         &FirstFiles},
        {"second publish after a caption changed",
         [](SiteServerTest& t, const fs::path& f) { return t.Publish(f, SecondFiles); },
         TSiteOutcome::Published,
         "",
         {"menu.js"},
         &SecondFiles},
        {"dry run",
         [dry](SiteServerTest& t, const fs::path& f) { return t.Publish(f, SecondFiles, dry); },
         TSiteOutcome::DryRun,
         "",
         {"menu.js"},
         &FirstFiles},
        {"wrong login",
         [](SiteServerTest& t, const fs::path& f) { return t.Publish(f, SecondFiles, {}, true); },
         TSiteOutcome::Failed,
         "refused the login",
         {},
         &FirstFiles},
        {"file changed on the server",
         [](SiteServerTest& t, const fs::path& f) {
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
         [](SiteServerTest& t, const fs::path& f) { return t.Publish(f / "gone", SecondFiles); },
         TSiteOutcome::Failed,
         "does not exist",
         {},
         &FirstFiles},
        {"non-ASCII folder and file name",
         [](SiteServerTest& t, const fs::path& f) {
             fs::create_directories(f / "Menü");
             TRun run = t.Publish(f / "Menü", {{"menü.js", "ü"}});
             EXPECT_EQ(ReadAll(f / "Menü" / "menü.js"), "ü");
             return run;
         },
         TSiteOutcome::Published,
         "",
         {"menü.js"},
         &FirstFiles},
        {"cancelled after the first file",
         [](SiteServerTest& t, const fs::path& f) {
             TSitePublishOptions cancelling;
             cancelling.Progress = [](const std::string& name, std::uint64_t, std::uint64_t) {
                 return name == "one.js";
             };
             return t.Publish(f, ChangedFiles, cancelling);
         },
         TSiteOutcome::Cancelled,
         "cancelled before any file was replaced. The site is unchanged.",
         {"one.js", "main.js", "menu.js"},
         &FirstFiles},
    };
}

std::vector<TCase> DroppedCases(std::function<void()> kill, std::function<void()> start) {
    TSitePublishOptions dropping;
    dropping.AfterUpload = [kill](const std::string&) { kill(); };
    return {
        {"connection dropped in the middle",
         [dropping, start](SiteServerTest& t, const fs::path& f) {
             TRun run = t.Publish(f, ChangedFiles, dropping);
             start();
             return run;
         },
         TSiteOutcome::Failed,
         "The site is unchanged",
         {"one.js", "main.js", "menu.js"},
         &FirstFiles,
         true},
        {"publish after a dropped connection",
         [dropping, start](SiteServerTest& t, const fs::path& f) {
             t.Publish(f, ChangedFiles, dropping);
             start();
             EXPECT_TRUE(fs::exists(f / SiteUploadName("one.js")));
             return t.Publish(f, SecondFiles);
         },
         TSiteOutcome::Published,
         "",
         {"menu.js"},
         &SecondFiles},
    };
}

void RunCases(SiteServerTest& test, const fs::path& site, const std::vector<TCase>& cases) {
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const fs::path folder = site / c.Name;
        fs::create_directories(folder);
        const TRun first = test.Publish(folder, FirstFiles);
        ASSERT_EQ(first.Outcome, TSiteOutcome::Published) << first.Message;
        const TRun run = c.Act(test, folder);
        EXPECT_EQ(run.Outcome, c.Outcome) << run.Message;
        EXPECT_NE(run.Message.find(c.MessagePart), std::string::npos) << run.Message;
        EXPECT_EQ(run.Sent, c.Sent);
        for (const TSiteFile& file : *c.Live) {
            EXPECT_EQ(ReadAll(folder / file.Name), file.Bytes) << file.Name;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(c.LeavesTemporaries ||
                        (!name.starts_with(".tarvex-upload-") && !name.starts_with(".tarvex-old-")))
                << name << " left behind";
        }
    }
}

} // namespace tarvex::site_test
