// Start-up of the editor as a whole process, from exec to its main window
// shown and the first events handled, beside a plain Qt window of the same
// size in a process of its own. Both run on the offscreen platform, so a
// display's round trips do not count. The goal: at most 1.3 times the plain window.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

void RunProbe(benchmark::State& state, const char* program) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> argv{const_cast<char*>(program), nullptr};
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

void BM_PlainQtWindowStartup(benchmark::State& state) { RunProbe(state, LEDFONT_PLAIN_PROBE); }
BENCHMARK(BM_PlainQtWindowStartup)->Unit(benchmark::kMillisecond)->UseRealTime();

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.iterations > 0 && run.run_type == Run::RT_Iteration)
                seconds_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    void PrintRatio() const {
        const auto ours = seconds_.find("BM_EditorStartup"), plain = seconds_.find("BM_PlainQtWindowStartup");
        if (ours == seconds_.end() || plain == seconds_.end() || plain->second <= 0) return;
        std::cout << "editor start-up / plain Qt window = " << ours->second / plain->second << " (goal: at most 1.3)\n";
    }

private:
    std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
