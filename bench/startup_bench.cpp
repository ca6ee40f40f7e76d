// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time: from starting a program to the X server mapping its main window, for a bare
// Qt window with a menu and for Marnelok. Run on an X display, e.g.
//   xvfb-run -a build/bench/marnelok_bench_startup build/bench/marnelok_bare_window build/marnelok
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string g_bare;
std::string g_marnelok;

std::string WindowName(xcb_connection_t* c, xcb_window_t w) {
  auto cookie = xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(c, cookie, nullptr), &std::free);
  if (!reply) return {};
  const char* value = static_cast<const char*>(xcb_get_property_value(reply.get()));
  return std::string(value, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

// One connection for the whole run: a virtual X server resets when its last client leaves.
xcb_connection_t* g_x = nullptr;

struct Startup {
  double seconds = -1;    // from the spawn to the map; negative when nothing appeared
  double cpuSeconds = 0;  // user and system time the program used until then
};

// From spawning `program` until a top-level window whose name contains `title` is mapped.
// The processor time is the steadier figure on a busy machine, where the wall time also
// counts the waits for a core.
Startup TimeToWindow(const std::string& program, const std::string& title) {
  xcb_connection_t* c = g_x;

  // A fresh configuration folder: every run is a first start.
  const auto config = std::filesystem::temp_directory_path() / "marnelok-startup-bench";
  std::filesystem::remove_all(config);
  std::filesystem::create_directories(config);
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);

  pid_t pid = 0;
  std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
  const auto start = std::chrono::steady_clock::now();
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return {};
  Startup result;
  while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
    const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
    const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
    std::free(event);
    if (mapped && WindowName(c, window).find(title) != std::string::npos) {
      result.seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      break;
    }
  }
  kill(pid, SIGKILL);
  rusage usage{};
  wait4(pid, nullptr, 0, &usage);
  const auto toSeconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
  result.cpuSeconds = toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
  return result;
}

void Measure(benchmark::State& state, const std::string& program, const std::string& title) {
  if (g_x == nullptr) {
    state.SkipWithError("no X display (run under xvfb-run)");
    return;
  }
  if (program.empty()) {
    state.SkipWithError("pass the bare window and marnelok programs as arguments");
    return;
  }
  double cpuSeconds = 0;
  for (auto _ : state) {
    const Startup s = TimeToWindow(program, title);
    if (s.seconds < 0) {
      state.SkipWithError("no window appeared (is DISPLAY set?)");
      return;
    }
    state.SetIterationTime(s.seconds);
    cpuSeconds += s.cpuSeconds;
  }
  state.counters["cpu_ms"] =
      benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}

void BM_BareQtWindowWithMenu(benchmark::State& state) { Measure(state, g_bare, "Bare window"); }
// The title's start, the same in every language, so that LANG=de_DE.UTF-8 measures German.
void BM_MarnelokMainWindow(benchmark::State& state) {
  Measure(state, g_marnelok, "Marnelok 8.00 - ");
}
BENCHMARK(BM_BareQtWindowWithMenu)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_MarnelokMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc > 2) {
    g_bare = argv[1];
    g_marnelok = argv[2];
  }
  g_x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(g_x)) {
    xcb_disconnect(g_x);
    g_x = nullptr;
  } else {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(g_x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(g_x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(g_x);
  }
  benchmark::RunSpecifiedBenchmarks();
  if (g_x) xcb_disconnect(g_x);
  benchmark::Shutdown();
  return 0;
}
