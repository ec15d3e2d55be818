#include "shell/Version.h"

#include <cstdio>
#include <string>

namespace mienlore {

const char* VersionLine() {
    static const std::string line = [] {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%s, version %d.%03d", kProgramName, kVersionMajor,
                      kVersionMinor);
        return std::string(buf);
    }();
    return line.c_str();
}

} // namespace mienlore
