#pragma once

// Runs a program as a separate process, as a script would, and gathers what it
// printed. Output goes through files, so a large output cannot block it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "../font/TestFolder.h"

extern char** environ;

namespace ledfont::test {

struct ProcessResult {
    int status = -1;  // exit status; -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// The environment of this process without the variables named.
inline std::vector<std::string> EnvironmentWithout(const std::vector<std::string>& names) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        bool dropped = false;
        for (const std::string& name : names) dropped = dropped || entry.starts_with(name + "=");
        if (!dropped) env.push_back(entry);
    }
    return env;
}

// Runs argv[0] with argv in folder workDir (its standard output and error
// files go there too, named .out and .err), in env or this environment.
inline ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& workDir,
                                const std::vector<std::string>* env = nullptr) {
    const std::string outPath = workDir + "/.out";
    const std::string errPath = workDir + "/.err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    if (env) {
        for (const std::string& e : *env) envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
    }
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env ? envp.data() : environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + argv[0]);
    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
    }
    ProcessResult result;
    result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    result.out = TestFolder::Read(outPath);
    result.err = TestFolder::Read(errPath);
    ::unlink(outPath.c_str());
    ::unlink(errPath.c_str());
    return result;
}

}  // namespace ledfont::test
