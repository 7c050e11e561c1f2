// Starts a program on the current X display and watches it from outside:
// when its first top-level window is first drawn on (X DAMAGE), how much memory
// it has used at its peak a moment later, how much CPU it burns idling, and,
// when asked, how long from a click to the mapping of a window with a given
// title. Prints key=value lines; times are milliseconds from just before exec.
//
//   bench_xprobe [--idle MS] [--cpu MS] [--click X,Y --until-title T]
//                [--timeout S] -- program [args...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

double nowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// On-CPU time of every thread of the process, in ms (nanosecond counters).
double cpuMs(pid_t pid) {
  double total = 0;
  const std::string dir = "/proc/" + std::to_string(pid) + "/task";
  DIR* d = opendir(dir.c_str());
  if (!d) return -1;
  while (dirent* e = readdir(d)) {
    if (e->d_name[0] == '.') continue;
    std::ifstream in(dir + "/" + e->d_name + "/schedstat");
    unsigned long long run = 0;
    if (in >> run) total += run / 1e6;
  }
  closedir(d);
  return total;
}

long statusKb(pid_t pid, const char* key) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  const std::size_t n = std::strlen(key);
  while (std::getline(in, line))
    if (line.compare(0, n, key) == 0 && line.size() > n && line[n] == ':') return std::atol(line.c_str() + n + 1);
  return -1;
}

std::string windowTitle(Display* dpy, Window w) {
  static const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
  for (Atom name : {netName, static_cast<Atom>(XA_WM_NAME)}) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, w, name, 0, 1024, False, AnyPropertyType, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
      std::string text(reinterpret_cast<char*>(data), count);
      XFree(data);
      if (!text.empty()) return text;
    }
  }
  return {};
}

int xErrors(Display*, XErrorEvent*) { return 0; }  // windows may vanish under us

struct Options {
  double idleMs = 1000, cpuMs = 0, timeoutS = 60;
  int clickX = -1, clickY = -1;
  std::string untilTitle;
  char** command = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  Options o;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (i + 1 >= argc) break;
    if (a == "--idle") o.idleMs = std::atof(argv[++i]);
    else if (a == "--cpu") o.cpuMs = std::atof(argv[++i]);
    else if (a == "--timeout") o.timeoutS = std::atof(argv[++i]);
    else if (a == "--click") std::sscanf(argv[++i], "%d,%d", &o.clickX, &o.clickY);
    else if (a == "--until-title") o.untilTitle = argv[++i];
    else break;
  }
  if (i >= argc) {
    std::fprintf(stderr, "usage: %s [--idle MS] [--cpu MS] [--click X,Y --until-title T] [--timeout S] -- cmd...\n",
                 argv[0]);
    return 2;
  }
  o.command = argv + i;

  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  XSetErrorHandler(xErrors);
  int damageEvent = 0, damageError = 0;
  if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
    std::fprintf(stderr, "no DAMAGE extension\n");
    return 2;
  }
  const Window root = DefaultRootWindow(dpy);
  XSelectInput(dpy, root, SubstructureNotifyMask);
  XSync(dpy, False);

  const double start = nowMs();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(o.command[0], o.command);
    _exit(127);
  }

  double mapped = -1, painted = -1, clicked = -1, titled = -1, paintCpu = -1;
  double cpuIdleFrom = -1, cpuIdleStart = 0, cpuClick = 0, cpuTitled = 0;
  long hwmKb = -1, rssKb = -1;
  Window topLevel = 0;
  enum Phase { WaitPaint, Idle, IdleCpu, Click, WaitTitle, Done } phase = WaitPaint;
  double phaseEnd = 0;
  bool exited = false;
  int status = 0;

  while (phase != Done) {
    const double now = nowMs();
    if (now - start > o.timeoutS * 1000) {
      std::printf("timeout=1\n");
      break;
    }
    if (waitpid(pid, &status, WNOHANG) == pid) {
      exited = true;
      std::printf("exited_early=%d\n", WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
      break;
    }
    if (phase == Idle && now >= phaseEnd) {
      hwmKb = statusKb(pid, "VmHWM");
      rssKb = statusKb(pid, "VmRSS");
      if (o.cpuMs > 0) {
        phase = IdleCpu;
        cpuIdleFrom = now;
        cpuIdleStart = cpuMs(pid);
        phaseEnd = now + o.cpuMs;
      } else {
        phase = Click;
      }
    }
    if (phase == IdleCpu && now >= phaseEnd) {
      std::printf("idle_cpu_pct=%.3f\n", (cpuMs(pid) - cpuIdleStart) / (now - cpuIdleFrom) * 100);
      phase = Click;
    }
    if (phase == Click) {
      if (o.clickX < 0 || o.untilTitle.empty()) {
        phase = Done;
        break;
      }
      char cmd[256];
      std::snprintf(cmd, sizeof cmd, "xdotool mousemove --window %lu %d %d click 1", topLevel, o.clickX, o.clickY);
      cpuClick = cpuMs(pid);
      if (std::system(cmd) != 0) std::fprintf(stderr, "xdotool failed\n");
      // The click has reached the server once xdotool is back.
      clicked = nowMs();
      phase = WaitTitle;
    }

    while (XPending(dpy)) {
      XEvent e;
      XNextEvent(dpy, &e);
      if (e.type == CreateNotify && e.xcreatewindow.parent == root && !e.xcreatewindow.override_redirect) {
        // Watched from creation, so no drawing after the map can be missed.
        XDamageCreate(dpy, e.xcreatewindow.window, XDamageReportNonEmpty);
      } else if (e.type == MapNotify && e.xmap.event == root && !e.xmap.override_redirect) {
        const double t = nowMs();
        if (!topLevel) {
          topLevel = e.xmap.window;
          mapped = t;
        }
        if (phase == WaitTitle && windowTitle(dpy, e.xmap.window) == o.untilTitle) {
          titled = t;
          cpuTitled = cpuMs(pid);
          phase = Done;
        }
      } else if (e.type == damageEvent + XDamageNotify) {
        const auto& d = reinterpret_cast<XDamageNotifyEvent&>(e);
        if (d.drawable == topLevel && painted < 0) {
          painted = nowMs();
          paintCpu = cpuMs(pid);
          phase = Idle;
          phaseEnd = painted + o.idleMs;
        }
      }
    }
    if (phase == Done) break;
    pollfd p{ConnectionNumber(dpy), POLLIN, 0};
    poll(&p, 1, 1);
  }

  if (mapped >= 0) std::printf("map_ms=%.2f\n", mapped - start);
  if (painted >= 0) std::printf("paint_ms=%.2f\npaint_cpu_ms=%.2f\n", painted - start, paintCpu);
  if (hwmKb >= 0) std::printf("hwm_kb=%ld\nrss_kb=%ld\n", hwmKb, rssKb);
  if (titled >= 0) {
    std::printf("round_ms=%.2f\n", titled - clicked);
    std::printf("round_cpu_pct=%.3f\n", (cpuTitled - cpuClick) / (titled - clicked) * 100);
  }
  std::fflush(stdout);

  if (!exited) {
    kill(pid, SIGTERM);
    for (int k = 0; k < 300 && waitpid(pid, &status, WNOHANG) != pid; ++k) usleep(10000);
    if (waitpid(pid, &status, WNOHANG) == 0) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
    }
  }
  XCloseDisplay(dpy);
  return painted >= 0 ? 0 : 1;
}
