#include "termination.h"

#include "activation.h"
#include "program_file.h"

#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <unistd.h>

extern char **environ;

namespace crashnote {

bool startNewInstance(const std::vector<std::string> &arguments, const std::string &folder)
{
    std::string program = programPath();
    std::vector<std::string> args = arguments.empty() ? std::vector<std::string>{program} : arguments;
    std::vector<char *> argv;
    for (auto &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    pid_t pid;
    int rc = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0;
}

void carryOutTermination(TerminationKind kind)
{
    if (kind == TerminationKind::Restart)
        startNewInstance(Reporter::instance().arguments(), Reporter::instance().startDirectory());
    std::fflush(nullptr);
    ::_exit(1);
}

} // namespace crashnote
