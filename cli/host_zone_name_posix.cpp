#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "cli/host_zone_name.h"

namespace {

constexpr char kZoneDatabase[] = "/usr/share/zoneinfo/";
constexpr char kZoneFolder[] = "zoneinfo/";

// A name of the zone database: letters, digits and "/_+-", not starting with "/" or containing "..", and a file of
// that name in the database.
bool IsZoneName(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.find("..") != std::string::npos) {
        return false;
    }
    for (const char c : name) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
                             c == '_' || c == '+' || c == '-';
        if (!allowed) {
            return false;
        }
    }
    return access((kZoneDatabase + name).c_str(), R_OK) == 0;
}

// "/usr/share/zoneinfo/Europe/Paris" or "../usr/share/zoneinfo/Europe/Paris" is "Europe/Paris".
std::string ZoneNameOfPath(const std::string& path) {
    const std::size_t at = path.rfind(kZoneFolder);
    if (at == std::string::npos) {
        return {};
    }
    const std::string name = path.substr(at + sizeof kZoneFolder - 1);
    return IsZoneName(name) ? name : std::string();
}

std::string LinkTarget(const char* path) {
    char target[4096];
    const ssize_t length = readlink(path, target, sizeof target - 1);
    if (length <= 0) {
        return {};
    }
    return std::string(target, static_cast<std::size_t>(length));
}

}  // namespace

std::string HostZoneName() {
    if (const char* tz = std::getenv("TZ"); tz != nullptr) {
        std::string value = tz;
        if (!value.empty() && value.front() == ':') {
            value.erase(0, 1);
        }
        if (!value.empty() && value.front() == '/') {
            return ZoneNameOfPath(value);
        }
        return IsZoneName(value) ? value : std::string();
    }
    if (std::string name = ZoneNameOfPath(LinkTarget("/etc/localtime")); !name.empty()) {
        return name;
    }
    std::ifstream file("/etc/timezone");
    std::string line;
    if (std::getline(file, line) && IsZoneName(line)) {
        return line;
    }
    return {};
}
