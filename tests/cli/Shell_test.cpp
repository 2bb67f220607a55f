// What both programs do the shell's way, in process: how a failure reaches the user.
#include <gtest/gtest.h>

#include <new>
#include <sstream>

#include "CommandRun.h"

namespace ledfont::cli {
namespace {

template <class Failure>
int Throw(const Arguments&, Streams&) {
    throw Failure();
}
int ThrowRuntimeError(const Arguments&, Streams&) { throw std::runtime_error("a library's own words"); }

// No failure ends the program unreported, nor is told as another.
TEST(CommandRun, ToldWhatItIsAFailureThatIsNoErrorOfOurs) {
    struct Case {
        int (*run)(const Arguments&, Streams&);
        const char* told;
    };
    for (const Case& c : {Case{Throw<int>, "ledfont odd: unexpected failure of an unknown kind\n"},
                          Case{Throw<std::bad_alloc>, "ledfont odd: out of memory\n"},
                          Case{ThrowRuntimeError, "ledfont odd: unexpected failure: a library's own words\n"}}) {
        const Command command{.name = "odd", .synopsis = "odd", .summary = "", .details = "",
                              .rules = {.mode = ModeRule::None},
                              .run = c.run};
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunSingleCommand(command, {}, out, err), kExitFailure);
        EXPECT_EQ(err.str(), c.told);
    }
}

}  // namespace
}  // namespace ledfont::cli
