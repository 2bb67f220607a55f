// Start-up of the editor as a whole process, from exec to its main window
// shown and the first events handled, beside a plain Qt window of the same
// size in a process of its own. Both run on the offscreen platform, so a
// display's round trips do not count. The goals: at most 1.4 times the plain
// window with both panels open, as the editor starts, and 1.3 with them closed.
// Each probe gets an empty state folder of its own: a recovery journal the
// user's editors left would make the editor ask about it instead of ending.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <signal.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "RatioReporter.h"

extern char** environ;

namespace {

// An empty folder for the probes' XDG_STATE_HOME, removed with the object.
class EmptyStateFolder {
public:
    EmptyStateFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "ledfont-bench-state-XXXXXX").string();
        if (::mkdtemp(name.data())) path_ = name;
    }
    ~EmptyStateFolder() {
        std::error_code error;
        if (!path_.empty()) std::filesystem::remove_all(path_, error);
    }
    EmptyStateFolder(const EmptyStateFolder&) = delete;
    EmptyStateFolder& operator=(const EmptyStateFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Waits for the probe; one that has not ended after 30 s is killed, so a
// probe that waits for a user fails the benchmark instead of hanging it.
bool EndedOnItsOwn(pid_t pid, int& status) {
    std::mutex mutex;
    std::condition_variable cv;
    bool ended = false, killed = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!cv.wait_for(lock, std::chrono::seconds(30), [&] { return ended; })) {
            killed = true;
            ::kill(pid, SIGKILL);
        }
    });
    ::waitpid(pid, &status, 0);
    {
        std::lock_guard lock(mutex);
        ended = true;
    }
    cv.notify_one();
    watchdog.join();
    return !killed;
}

void RunProbe(benchmark::State& state, const char* program, const char* argument = nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const EmptyStateFolder folder;
    if (folder.Path().empty()) {
        state.SkipWithError("cannot make a state folder for the probe");
        return;
    }
    setenv("XDG_STATE_HOME", folder.Path().c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(program), const_cast<char*>(argument), nullptr};
    for (auto _ : state) {
        pid_t pid = -1;
        if (posix_spawn(&pid, program, nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        if (!EndedOnItsOwn(pid, status)) {
            state.SkipWithError("the probe did not end on its own");
            return;
        }
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
