#pragma once
// The process-wide objects, created in this order before the first window and destroyed in
// reverse order when wWinMain returns. Later subsystems add theirs here, in their place.
#include "net/regex_object.h"

#include <array>
#include <string>

namespace lumbra {

// The seven fields cut from the software-information text, and the running version.
struct SoftwareInfo {
    std::string latestVersion;
    std::array<std::string, 6> announcements;
    std::string currentVersion;
};

class ProcessObjects {
public:
    ProcessObjects();
    ~ProcessObjects();
    ProcessObjects(const ProcessObjects&) = delete;
    ProcessObjects& operator=(const ProcessObjects&) = delete;

    RegexObject activityRegex;      // used on the user-interface thread only
    std::string latestActivityText; // written by the activity loader before it arms the timer
    std::string hotActivityText;
    SoftwareInfo softwareInfo;      // written by the software-information loader
};

// The one instance, valid while wWinMain runs (and in tests, while a ProcessObjects lives).
ProcessObjects& TheProcessObjects();

}  // namespace lumbra
