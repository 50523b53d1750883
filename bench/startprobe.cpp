// Starts a program and reports what its start costs, judged from outside so
// that any program is measured the same way:
//   ms_to_map  time from fork to the X server's MapNotify of its first
//              top-level window (no window manager: children of the root);
//   rss_kib    resident memory (VmRSS) 3 s after the start;
//   cpu_ms_to_map  CPU time its threads had run when the window was mapped
//              (steadier than ms_to_map on a busy machine);
//   ms_to_paint time until the window first shows anything: a pixel near the
//              middle of its top edge is no longer the black Xvfb leaves in a
//              window nobody has drawn (so work moved from before the map to
//              before the first paint shows here, not as a gain);
//   idle_ticks CPU ticks (user + system) it spends from 3 s to 8 s.
// Usage: bench_startprobe PROGRAM [ARGS...]; prints one line of key=value.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

long residentKib(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

long cpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = all.rfind(')');  // the command name may hold blanks
    if (close == std::string::npos) return -1;
    std::istringstream rest(all.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

// Run time of all its threads so far, from the scheduler's nanosecond count.
double cpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir) return -1;
    double ns = 0;
    while (const dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.') continue;
        std::ifstream in(tasks + "/" + e->d_name + "/schedstat");
        double run = 0;
        if (in >> run) ns += run;
    }
    closedir(dir);
    return ns / 1e6;
}

void sleepUntil(Clock::time_point t) { std::this_thread::sleep_until(t); }

// A window that goes away while being looked at is not a reason to stop.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

// Polls one pixel of the window until it is drawn; -1 when it never is.
double msToPaint(Display* dpy, Window window, Clock::time_point start) {
    XWindowAttributes at{};
    if (!XGetWindowAttributes(dpy, window, &at) || at.width < 1 || at.height < 1) return -1;
    const int x = at.width / 2, y = std::min(at.height - 1, 8);
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (XImage* image = XGetImage(dpy, window, x, y, 1, 1, AllPlanes, ZPixmap)) {
            const unsigned long pixel = XGetPixel(image, 0, 0);
            XDestroyImage(image);
            if (pixel != 0) return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    return -1;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "startprobe: no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double msToMap = -1;
    double cpuAtMap = -1;
    Window mapped = 0;
    const int fd = ConnectionNumber(dpy);
    while (msToMap < 0 && Clock::now() - start < std::chrono::seconds(20)) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && !ev.xmap.override_redirect && msToMap < 0) {
                msToMap = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                cpuAtMap = cpuMs(pid);
                mapped = ev.xmap.window;
            }
        }
        if (msToMap >= 0 || waitpid(pid, nullptr, WNOHANG) == pid) break;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval tv{0, 20000};
        select(fd + 1, &fds, nullptr, nullptr, &tv);
    }
    const double msToPaintFirst = mapped ? msToPaint(dpy, mapped, start) : -1;
    sleepUntil(start + std::chrono::seconds(3));
    const long rss = residentKib(pid);
    const long ticksAt3 = cpuTicks(pid);
    sleepUntil(start + std::chrono::seconds(8));
    const long idle = cpuTicks(pid) - ticksAt3;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(dpy);
    std::printf("ms_to_map=%.1f cpu_ms_to_map=%.1f ms_to_paint=%.1f rss_kib=%ld idle_ticks=%ld\n", msToMap, cpuAtMap,
                msToPaintFirst, rss, idle);
    return msToMap < 0 || rss < 0 ? 1 : 0;
}
