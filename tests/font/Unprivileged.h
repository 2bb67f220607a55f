#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace ledfont::test {

// Runs check as the unprivileged user "nobody" (uid and gid 65534) in a child
// process when the tests run as root, so that file permissions apply to it;
// an ordinary user runs it directly. Returns check's result, 0 for a pass.
// The check cannot use test assertions: it runs in another process.
inline int RunUnprivileged(const std::function<int()>& check) {
    if (geteuid() != 0) return check();
    const pid_t pid = fork();
    if (pid < 0) return 97;
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(96);
        _exit(check());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return 95;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 94;
}

}  // namespace ledfont::test
