#include "host_peers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace velmora::bench {

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

HostProcess::HostProcess(const std::string& program) {
    char errTemplate[] = "/tmp/velmora-bench-stderr-XXXXXX";
    const int errFd = ::mkstemp(errTemplate);
    errFile_ = errTemplate;
    int out[2];
    if (errFd < 0 || ::pipe(out) != 0) throw std::runtime_error("cannot start the host");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(errFd, STDERR_FILENO);
        ::close(out[0]);
        ::execl(program.c_str(), program.c_str(), "--serve", "--port", "0", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(errFd);
    std::string text;
    const auto start = Clock::now();
    const std::string marker = "listening on port ";
    while (msSince(start) < 10000) {
        pollfd p{out[0], POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        char buf[256];
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        text.append(buf, static_cast<std::size_t>(n));
        const auto at = text.find(marker);
        if (at != std::string::npos && text.find('\n', at) != std::string::npos) {
            port_ = std::atoi(text.c_str() + at + marker.size());
            break;
        }
    }
    ::close(out[0]);
    if (port_ == 0) throw std::runtime_error("the host did not report its port");
}

HostProcess::~HostProcess() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    ::unlink(errFile_.c_str());
}

long HostProcess::rssKb() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

long HostProcess::stderrBytes() const {
    struct stat st {};
    return ::stat(errFile_.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : 0;
}

Peer::Peer(int port, int connectTimeoutMs, bool noDelay) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int error = 0;
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            pollfd p{fd_, POLLOUT, 0};
            socklen_t len = sizeof error;
            error = ::poll(&p, 1, connectTimeoutMs) == 1 ? 0 : ETIMEDOUT;
            if (error == 0) ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &len);
        }
    }
    if (error != 0) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    const int flag = noDelay ? 1 : 0;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &flag, sizeof flag);
}

Peer::~Peer() {
    if (fd_ >= 0) ::close(fd_);
}

Peer::Peer(Peer&& other) noexcept
    : place(other.place), got(std::move(other.got)), fd_(other.fd_), closed_(other.closed_),
      tail_(std::move(other.tail_)) {
    other.fd_ = -1;
}

void Peer::send(const std::string& message) {
    const std::string bytes = message + '\xFF';
    std::size_t done = 0;
    while (fd_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            pollfd p{fd_, POLLOUT, 0};
            ::poll(&p, 1, 100);
        } else {
            closed_ = true;
            return;
        }
    }
}

bool Peer::pump() {
    bool any = false;
    char buf[16384];
    while (fd_ >= 0) {
        const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
        if (n == 0 || (n < 0 && errno != EAGAIN)) {
            closed_ = true;
            break;
        }
        if (n < 0) break;
        tail_.append(buf, static_cast<std::size_t>(n));
        std::size_t end;
        while ((end = tail_.find('\xFF')) != std::string::npos) {
            got.push_back(tail_.substr(0, end));
            tail_.erase(0, end + 1);
            any = true;
        }
    }
    return any;
}

bool Peer::waitFor(const std::string& text, int timeoutMs, bool prefix) {
    const auto start = Clock::now();
    std::size_t seen = 0;
    while (true) {
        pump();
        for (; seen < got.size(); ++seen)
            if (prefix ? got[seen].rfind(text, 0) == 0 : got[seen] == text) return true;
        if (closed_ || msSince(start) > timeoutMs) return false;
        pollfd p{fd_, POLLIN, 0};
        ::poll(&p, 1, 10);
    }
}

bool Peer::join(const std::string& name, int timeoutMs) {
    if (!waitFor("CMD_sendlogininfo+", timeoutMs, true)) return false;
    for (const auto& g : got)
        if (g.rfind("CMD_sendlogininfo+", 0) == 0) place = std::atoi(g.c_str() + 18);
    send("CMD_logininfo+" + std::to_string(place) + "+1.0.0+" + name);
    return waitFor("CMD_newplayerinfo+" + std::to_string(place) + "+" + name, timeoutMs);
}

void Peer::reset() {
    if (fd_ < 0) return;
    const linger hard{1, 0};
    ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    ::close(fd_);
    fd_ = -1;
    closed_ = true;
}

void waitAny(std::vector<Peer*>& peers, int timeoutMs) {
    std::vector<pollfd> fds;
    for (Peer* p : peers)
        if (p->fd() >= 0) fds.push_back({p->fd(), POLLIN, 0});
    ::poll(fds.data(), fds.size(), timeoutMs);
}

Spread spread(std::vector<double> samples) {
    if (samples.empty()) return {};
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) { return samples[static_cast<std::size_t>(q * (samples.size() - 1))]; };
    return {at(0.5), at(0.9), samples.back()};
}

}  // namespace velmora::bench
