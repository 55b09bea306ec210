#include "shell/SystemInfo.h"

#include "shell/Error.h"
#include "shell/SystemErrorText.h"

#include "Version.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace ms {

std::string CurrentUserName() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    const int rc = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found);
    if (rc == 0 && found && found->pw_name && *found->pw_name)
        return found->pw_name;
    // Containers and some directory services know no passwd entry for the user.
    if (const char* user = std::getenv("USER"); user && *user)
        return user;
    std::string reason = rc != 0
                             ? systemErrorText(rc)
                             : "Kein Benutzereintrag für die Benutzerkennung " + std::to_string(::getuid());
    throw Error("Der Name des angemeldeten Benutzers kann nicht ermittelt werden: " + reason);
}

std::string ProgramVersion() {
    return std::to_string(build::VersionMajor) + "." + std::to_string(build::VersionMinor) + "." +
           std::to_string(build::VersionPatch) + "." + std::to_string(build::VersionTweak);
}

} // namespace ms
