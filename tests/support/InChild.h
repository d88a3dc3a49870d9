// Work run in a child process: what SQLite keeps per process stays in the child, and the child may give up the
// rights of root to meet the file permissions a practitioner meets.
#pragma once

#include <functional>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace quillon::testing {

// Runs `work` in a child process (as a user who may not write where root may, when `unprivileged`) and returns what
// it returned.
inline std::string InChild(const std::function<std::string()>& work, bool unprivileged = false)
{
    int result[2];
    if (pipe(result) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(result[0]);
        if (unprivileged && geteuid() == 0 && setuid(65534) != 0)
            _exit(9);
        const std::string report = work();
        (void)!write(result[1], report.data(), report.size());
        _exit(0);
    }
    close(result[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = read(result[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(n));
    close(result[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? report : "child failed: " + std::to_string(status);
}

} // namespace quillon::testing
