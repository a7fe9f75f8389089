#include "platform/MacOSAPI.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

QString MacOSAPI::userName()
{
    // getpwuid_r: getpwuid's static buffer is not safe if another thread
    // looks up a user at the same time.
    long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    if (bufferSize <= 0)
        bufferSize = 16384;
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize));
    passwd entry {};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name
        && *found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    return qEnvironmentVariable("USER");
}
