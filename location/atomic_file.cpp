#include "location/atomic_file.h"

namespace {

constexpr char kNameCharacters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kNameLength = 8;

// The bits of seed spread over all 64 (splitmix64's finaliser), so that seeds a step apart give unrelated names.
std::uint64_t Mixed(std::uint64_t seed) {
    seed = (seed ^ (seed >> 30)) * 0xBF58476D1CE4E5B9u;
    seed = (seed ^ (seed >> 27)) * 0x94D049BB133111EBu;
    return seed ^ (seed >> 31);
}

}  // namespace

std::string TemporaryNameBeside(const std::string& path, std::uint64_t seed) {
    std::uint64_t bits = Mixed(seed);
    std::string name = path + ".";
    for (int i = 0; i < kNameLength; ++i) {
        name += kNameCharacters[bits % (sizeof kNameCharacters - 1)];
        bits /= sizeof kNameCharacters - 1;
    }
    return name + ".tmp";
}
