// The whole `ledfont hex` process on a Hindi font against srec_cat turning the
// same 4352 bytes, as a binary file at offset 0x9000, into Intel HEX. Both run
// as a build script runs them: a new process each time, files on the same disk.
// After the run the ratio of the two is printed. Also the whole `ledfont sheet`
// process drawing that font into a PNG picture, the whole `ledfont import`
// process, Hindi and Jukta (target: under 50 ms each), and the whole `ledfont preview`
// process laying out a line of 40 characters with the sample font and a Jukta
// font of its conjuncts, on the terminal and as a picture.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FontFile.h"
#include "PatternedFont.h"
#include "RatioReporter.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A folder holding the font as text and as the raw bytes srec_cat reads.
struct Inputs {
    Inputs() {
        std::string pattern = (fs::temp_directory_path() / "ledfont-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data()) ? pattern : "";
        auto font = ledfont::bench::PatternedFont(false);
        std::ofstream(folder / "font.txt", std::ios::binary) << ledfont::FontText(*font);
        std::ofstream bin(folder / "font.bin", std::ios::binary);
        for (int c = 0; c < 128; ++c)
            for (int k = 0; k < 34; ++k) bin.put(static_cast<char>(font->FontBytes(c, k)));
        std::ofstream(folder / "jukta.txt", std::ios::binary) << ledfont::FontText(*ConjunctFont());
    }
    // Records the editor shows (3..16 columns, class 0), with the conjuncts of
    // kPreviewLine: स्त, प्र and त्र; no other pair is of two consonants.
    static std::unique_ptr<ledfont::FontState> ConjunctFont() {
        auto font = ledfont::bench::PatternedFont(true);
        for (int c = 0; c < 64; ++c) {
            font->FontBytes(c, 0) = static_cast<ledfont::Byte>(3 + c % 14);
            font->FontBytes(c, 1) = 2;
            font->JuktaCodes(c, 0) = 1;
        }
        const int pairs[][2] = {{0x38, 0x24}, {0x2A, 0x30}, {0x24, 0x30}};
        for (int c = 0; c < 3; ++c) {
            font->JuktaCodes(c, 0) = static_cast<ledfont::Byte>(pairs[c][0]);
            font->JuktaCodes(c, 1) = static_cast<ledfont::Byte>(pairs[c][1]);
        }
        return font;
    }
    ~Inputs() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    fs::path folder;
};

const Inputs& SharedInputs() {
    static const Inputs inputs;
    return inputs;
}

// Runs argv in folder with its output and report thrown away; the exit status.
int RunQuietly(const std::vector<std::string>& argv, const fs::path& folder) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);  // import's report
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void RunProcessBenchmark(benchmark::State& s, const std::vector<std::string>& argv) {
    const fs::path& folder = SharedInputs().folder;
    if (!fs::exists(argv[0])) {
        s.SkipWithError((argv[0] + " is not installed").c_str());
        return;
    }
    for (auto _ : s)
        if (RunQuietly(argv, folder) != 0) {
            s.SkipWithError((argv[0] + " failed").c_str());
            return;
        }
}

void BM_LedfontHexProcess(benchmark::State& s) {
    RunProcessBenchmark(s, {LEDFONT_COMPANION, "hex", "font.txt", "--hindi"});
}
BENCHMARK(BM_LedfontHexProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// A starter font from the typeface the setup installs, written as a user writes it.
void BM_LedfontImportHindiProcess(benchmark::State& s) {
    RunProcessBenchmark(s, {LEDFONT_COMPANION, "import", "--hindi", "-o", "imported.txt"});
}
BENCHMARK(BM_LedfontImportHindiProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LedfontImportJuktaProcess(benchmark::State& s) {
    RunProcessBenchmark(s, {LEDFONT_COMPANION, "import", "--jukta", "-o", "imported.txt"});
}
BENCHMARK(BM_LedfontImportJuktaProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SrecCatProcess(benchmark::State& s) {
    RunProcessBenchmark(s,
                        {SREC_CAT, "font.bin", "-binary", "-offset", "0x9000", "-o", "srec.hex", "-intel"});
}
BENCHMARK(BM_SrecCatProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LedfontSheetProcess(benchmark::State& s) {
    RunProcessBenchmark(s, {LEDFONT_COMPANION, "sheet", "font.txt", "--hindi", "-o", "sheet.png"});
}
BENCHMARK(BM_LedfontSheetProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// 40 characters: "Hello, my dear friend; may tomorrow be a good day", three conjuncts, two ikaar.
constexpr const char* kPreviewLine = "नमस्ते मेरे प्रिय मित्र कल का दिन शुभ हो";
const std::string kSampleFont = std::string(LEDFONT_SOURCE_DIR) + "/docs/sample-hindi.txt";

void BM_LedfontPreviewProcess(benchmark::State& s) {
    RunProcessBenchmark(s, {LEDFONT_COMPANION, "preview", kPreviewLine, "--hindi", kSampleFont, "--jukta",
                            "jukta.txt", "--width", "240"});
}
BENCHMARK(BM_LedfontPreviewProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LedfontPreviewPictureProcess(benchmark::State& s) {
    RunProcessBenchmark(s, {LEDFONT_COMPANION, "preview", kPreviewLine, "--hindi", kSampleFont, "--jukta",
                            "jukta.txt", "--width", "240", "-o", "line.png"});
}
BENCHMARK(BM_LedfontPreviewPictureProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return ledfont::bench::RunWithRatio(
        argc, argv, {"BM_LedfontHexProcess", "BM_SrecCatProcess", "ledfont hex / srec_cat"});
}
