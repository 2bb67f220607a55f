// Start-up of the editor as a whole process, from exec to its main window
// shown and the first events handled, beside a plain Qt window of the same
// size in a process of its own. Both run on the offscreen platform, so a
// display's round trips do not count. The goals: at most 1.4 times the plain
// window with both panels open, as the editor starts, and 1.3 with them closed.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "RatioReporter.h"

extern char** environ;

namespace {

void RunProbe(benchmark::State& state, const char* program, const char* argument = nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> argv{const_cast<char*>(program), const_cast<char*>(argument), nullptr};
    for (auto _ : state) {
        pid_t pid = -1;
        if (posix_spawn(&pid, program, nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
    }
}

void BM_EditorStartup(benchmark::State& state) { RunProbe(state, LEDFONT_EDITOR_PROBE); }
BENCHMARK(BM_EditorStartup)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EditorStartupWithoutPanels(benchmark::State& state) {
    RunProbe(state, LEDFONT_EDITOR_PROBE, "without-panels");
}
BENCHMARK(BM_EditorStartupWithoutPanels)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainQtWindowStartup(benchmark::State& state) { RunProbe(state, LEDFONT_PLAIN_PROBE); }
BENCHMARK(BM_PlainQtWindowStartup)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return ledfont::bench::RunWithRatios(
        argc, argv,
        {{"BM_EditorStartup", "BM_PlainQtWindowStartup", "editor start-up, both panels open / plain Qt window",
          " (goal: at most 1.4)"},
         {"BM_EditorStartupWithoutPanels", "BM_PlainQtWindowStartup",
          "editor start-up, panels closed / plain Qt window", " (goal: at most 1.3)"}});
}
