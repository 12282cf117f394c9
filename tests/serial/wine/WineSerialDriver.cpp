// Runs the serial behaviour tests, cross-built for Windows, under Wine,
// with a pseudo-terminal standing in for COM1, and plays the far end of
// the line for them: the tests ask for it in lines on their standard
// output and get the answers on their standard input.
//
//   serial_wine_driver TESTS.exe [arguments for the tests]
//
// WINEPREFIX names the Wine prefix to use (made on first use; default
// ./wineprefix). The driver starts its own wineserver as a child, so that
// no daemonised server takes the pseudo-terminal as its controlling
// terminal, and stops it again before it ends.

#include "FarEndProtocol.h"
#include "PtyFarEnd.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

using namespace lumora::test;

namespace {

constexpr int kRunLimitSeconds = 900;

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) { stopRequested = 1; }

// Wine's own processes (services, devices) outlive the command that
// started them: they get no standard streams of ours to hold open.
pid_t spawn(const std::vector<std::string> &command, posix_spawn_file_actions_t *actions = nullptr)
{
    posix_spawn_file_actions_t quiet;
    if (!actions) {
        posix_spawn_file_actions_init(&quiet);
        for (int fd : {0, 1, 2})
            posix_spawn_file_actions_addopen(&quiet, fd, "/dev/null", O_RDWR, 0);
    }
    std::vector<char *> argv;
    for (const std::string &a : command)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failed = ::posix_spawnp(&pid, argv[0], actions ? actions : &quiet, nullptr, argv.data(), environ);
    if (!actions)
        posix_spawn_file_actions_destroy(&quiet);
    return failed ? -1 : pid;
}

// Waits up to limitMs for the process; kills it when it is still there.
int reap(pid_t pid, int limitMs)
{
    int status = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= end) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int run(const std::vector<std::string> &command)
{
    const pid_t pid = spawn(command);
    return pid < 0 ? -1 : reap(pid, 300000);
}

bool exists(const std::string &path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// Points the fixed link COM1 is mapped to at a new target, in one step.
bool pointLink(const std::string &link, const std::string &target)
{
    const std::string fresh = link + ".new";
    ::unlink(fresh.c_str());
    return ::symlink(target.c_str(), fresh.c_str()) == 0 && ::rename(fresh.c_str(), link.c_str()) == 0;
}

class WineServer {
public:
    WineServer()
    {
        pid_ = spawn({"wineserver", "-f", "-p"});
        // Wine's services start with the first program: let that be one
        // whose standard streams lead nowhere.
        if (pid_ > 0)
            run({"wineboot"});
    }
    ~WineServer() { stop(); }
    bool running() const { return pid_ > 0; }
    void stop()
    {
        if (pid_ <= 0)
            return;
        run({"wineserver", "-k"});
        reap(pid_, 10000);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

// A far end whose fresh lines stay behind COM1.
class Com1FarEnd : public PtyFarEnd {
public:
    explicit Com1FarEnd(std::string link) : link_(std::move(link)) { pointLink(link_, pty().slavePath()); }
    bool renew() override { return PtyFarEnd::renew() && pointLink(link_, pty().slavePath()); }

private:
    std::string link_;
};

// Serves the tests' requests until they end; gives their exit status.
int serveTests(const std::vector<std::string> &command, FarEnd &far)
{
    int toTests[2], fromTests[2];
    if (::pipe(toTests) != 0 || ::pipe(fromTests) != 0)
        return 2;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toTests[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromTests[1], 1);
    for (int fd : {toTests[0], toTests[1], fromTests[0], fromTests[1]})
        posix_spawn_file_actions_addclose(&actions, fd);
    const pid_t tests = spawn(command, &actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(toTests[0]);
    ::close(fromTests[1]);
    if (tests < 0)
        return 2;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(kRunLimitSeconds);
    const bool trace = std::getenv("LUMORA_FAR_TRACE") != nullptr;
    std::string pending; // what came from the tests short of a whole line
    bool stopped = false;
    bool reaped = false;
    int status = -1;
    for (;;) {
        if (stopRequested || std::chrono::steady_clock::now() >= end) {
            stopped = true;
            break;
        }
        pollfd p{fromTests[0], POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) {
            int raw = 0;
            if (::waitpid(tests, &raw, WNOHANG) == tests) {
                status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
                reaped = true;
                break;
            }
            continue;
        }
        char buffer[65536];
        const ssize_t n = ::read(fromTests[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        pending.append(buffer, static_cast<size_t>(n));
        for (size_t newline; (newline = pending.find('\n')) != std::string::npos;) {
            std::string text = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            if (!text.empty() && text.back() == '\r')
                text.pop_back();
            const std::string mark = kFarRequestMark;
            if (text.compare(0, mark.size(), mark) != 0) {
                std::cout << text << std::endl;
                continue;
            }
            if (trace)
                std::cerr << "far end: " << text.substr(mark.size(), 40) << std::endl;
            const std::string reply = serveFarRequest(far, text.substr(mark.size())) + "\n";
            for (size_t done = 0; done < reply.size();) {
                const ssize_t w = ::write(toTests[1], reply.data() + done, reply.size() - done);
                if (w <= 0)
                    break;
                done += static_cast<size_t>(w);
            }
        }
    }
    ::close(fromTests[0]);
    ::close(toTests[1]);
    if (stopped)
        std::cerr << (stopRequested ? "Stopped." : "The tests ran too long and were stopped.") << std::endl;
    return reaped ? status : reap(tests, stopped ? 0 : 60000);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::cerr << "usage: serial_wine_driver TESTS.exe [arguments]" << std::endl;
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    char cwd[4096];
    const std::string prefix = std::getenv("WINEPREFIX") ? std::getenv("WINEPREFIX")
                                                         : std::string(::getcwd(cwd, sizeof cwd)) + "/wineprefix";
    ::setenv("WINEPREFIX", prefix.c_str(), 1);
    ::setenv("WINEDEBUG", "-all", 0); // kept when set, to look inside Wine
    ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
    ::unsetenv("DISPLAY");
    const std::string link = prefix + "/lumora-com1";
    const std::string registered = prefix + "/lumora-com1-registered";

    auto server = std::make_unique<WineServer>();
    if (!server->running()) {
        std::cerr << "Cannot start wineserver: is Wine installed?" << std::endl;
        return 2;
    }
    if (!exists(registered)) {
        // COM1 is mapped through the registry; the devices read it when
        // the server starts, so the server is started again after.
        pointLink(link, "/dev/null");
        if (run({"wineboot", "-i"}) != 0
            || run({"wine", "reg", "add", "HKLM\\Software\\Wine\\Ports", "/v", "COM1", "/d", link, "/f"}) != 0) {
            std::cerr << "Cannot prepare the Wine prefix " << prefix << std::endl;
            return 2;
        }
        ::close(::open(registered.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
        server.reset();
        server = std::make_unique<WineServer>();
    }
    Com1FarEnd far(link);
    std::vector<std::string> command = {"wine", argv[1]};
    for (int i = 2; i < argc; ++i)
        command.push_back(argv[i]);
    const int status = serveTests(command, far);
    server.reset();
    return status;
}
