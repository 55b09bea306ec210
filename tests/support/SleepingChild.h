#pragma once

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace mstest {

// A copy of /bin/sleep under `exeName`, started with `argv0` and stopped again with the object.
class SleepingChild {
  public:
    SleepingChild(const std::filesystem::path& dir, const std::string& exeName, const std::string& argv0) {
        const std::filesystem::path exe = dir / exeName;
        std::filesystem::copy_file("/bin/sleep", exe);
        std::filesystem::permissions(exe, std::filesystem::perms::owner_all);
        m_pid = ::fork();
        if (m_pid == 0) {
            const char* args[] = {argv0.c_str(), "30", nullptr};
            ::execv(exe.c_str(), const_cast<char* const*>(args));
            ::_exit(127);
        }
    }
    ~SleepingChild() { stop(); }
    SleepingChild(const SleepingChild&) = delete;
    SleepingChild& operator=(const SleepingChild&) = delete;

    void stop() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

  private:
    pid_t m_pid = -1;
};

} // namespace mstest
