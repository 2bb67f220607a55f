// What both programs do the shell's way, in process: how a failure reaches the user.
#include <gtest/gtest.h>

#include <new>
#include <sstream>

#include "CommandRun.h"
#include "OnFile.h"

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

// A failure that already names its file is passed on as it is; one that does
// not gets the file in front; either way its type stays, so callers can catch it.
TEST(OnFile, NamesTheFileOnceAndKeepsTheTypeOfTheFailure) {
    const auto failWith = [](const std::string& description) {
        return [description] { throw FileNotFoundError(description); };
    };
    try {
        OnFile("a.txt", failWith("cannot open \"a.txt\": there is no such file [File not found]"));
        ADD_FAILURE() << "nothing thrown";
    } catch (const FileNotFoundError& e) {
        EXPECT_EQ(e.Description(), "cannot open \"a.txt\": there is no such file [File not found]");
    }
    try {
        OnFile("b.txt", failWith("the folder is gone [File not found]"));
        ADD_FAILURE() << "nothing thrown";
    } catch (const FileNotFoundError& e) {
        EXPECT_EQ(e.Description(), "b.txt: the folder is gone [File not found]");
    }
}

}  // namespace
}  // namespace ledfont::cli
