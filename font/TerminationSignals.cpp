#include "TerminationSignals.h"

#include <atomic>
#include <cerrno>

namespace ledfont {
namespace {

std::mutex holding;
std::atomic<pthread_t> holder;
static_assert(std::atomic<pthread_t>::is_always_lock_free, "read in a signal handler");

// Runs in a thread that does not hold the signal: sends it on to the one that
// does. pthread_kill is async-signal-safe.
extern "C" void PassToHolder(int signal) {
    const int savedErrno = errno;
    pthread_kill(holder.load(), signal);
    errno = savedErrno;
}

bool IsDefaultAction(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_DFL;
}

}  // namespace

TerminationSignalsHeld::TerminationSignalsHeld() : turn_(holding) {
    sigset_t held;
    sigemptyset(&held);
    for (const int s : kSignals) sigaddset(&held, s);
    pthread_sigmask(SIG_BLOCK, &held, &previousMask_);
    holder.store(pthread_self());
    struct sigaction passOn {};
    passOn.sa_handler = PassToHolder;
    sigfillset(&passOn.sa_mask);
    passOn.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], nullptr, &previous_[i]);
        passedOn_[i] = IsDefaultAction(previous_[i]) && sigaction(kSignals[i], &passOn, nullptr) == 0;
    }
}

// The default actions come back before the mask goes, so a signal that
// waited ends the program as it would have.
TerminationSignalsHeld::~TerminationSignalsHeld() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        if (passedOn_[i]) sigaction(kSignals[i], &previous_[i], nullptr);
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

}  // namespace ledfont
