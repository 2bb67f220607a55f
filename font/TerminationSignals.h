#pragma once

#include <pthread.h>
#include <signal.h>

#include <iterator>
#include <mutex>

namespace ledfont {

// Holds back the signals that end a program (SIGINT, SIGTERM, SIGHUP,
// SIGQUIT) for as long as it lives, so that a file operation finishes or
// undoes itself before the program ends; a signal that came meanwhile takes
// effect when it goes.
//
// The calling thread blocks them. Another thread may still be handed one,
// and its default action would end the whole program at once, so while held,
// a signal whose action is the default one is passed on to the holding
// thread, where it waits. A signal the program handles itself is left to its
// handler. One thread holds at a time; a holder must not hold again.
class TerminationSignalsHeld {
public:
    TerminationSignalsHeld();
    ~TerminationSignalsHeld();
    TerminationSignalsHeld(const TerminationSignalsHeld&) = delete;
    TerminationSignalsHeld& operator=(const TerminationSignalsHeld&) = delete;

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

    std::unique_lock<std::mutex> turn_;
    sigset_t previousMask_{};
    struct sigaction previous_[std::size(kSignals)]{};
    bool passedOn_[std::size(kSignals)]{};
};

}  // namespace ledfont
