// The command line's arguments: whatever words kestrelon-cli is given, it ends with status 0, 1 or 2, and what it
// says on standard error is a few short lines, each beginning with the program's name (an argument is quoted to at
// most 60 characters).
//
// Input: the words, separated by zero bytes. The runs happen in a scratch folder that is also the settings folder,
// with the saved settings removed before each run; a run that would write a file of its own choosing (-o or
// --output) is skipped.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#if defined(__has_include) && __has_include(<sanitizer/common_interface_defs.h>)
#include <sanitizer/common_interface_defs.h>
#define KES_HAS_SANITIZER_INTERFACE 1
#endif

#include "cli/commands.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr std::size_t kMaxWords = 12;
constexpr std::size_t kMaxWordLength = 200;
constexpr std::size_t kMaxErrorBytes = 2000;
constexpr std::size_t kMaxErrorLine = 400;
constexpr char kPrefix[] = "kestrelon-cli: ";

struct Scratch {
    std::string folder;
    std::string settings;
    int capture = -1;  // where standard error goes during a run
    int errors = -1;   // the real standard error
};

const Scratch& ScratchFolder() {
    static const Scratch scratch = [] {
        Scratch made;
        char folder[] = "/tmp/kestrelon-cli-fuzz-XXXXXX";
        if (mkdtemp(folder) == nullptr) {
            std::abort();
        }
        made.folder = folder;
        made.settings = made.folder + "/kestrelon/settings";
        setenv("XDG_CONFIG_HOME", folder, 1);
        setenv("HOME", folder, 1);
        setenv("TZ", "UTC", 1);
        if (chdir(folder) != 0 || std::freopen("/dev/null", "w", stdout) == nullptr) {
            std::abort();
        }
        made.capture = open((made.folder + "/stderr").c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
        made.errors = dup(2);
        if (made.capture < 0 || made.errors < 0) {
            std::abort();
        }
#if defined(KES_HAS_SANITIZER_INTERFACE)
        // A sanitizer's report goes to the real standard error, not into a run's capture.
        __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::intptr_t>(made.errors)));
#endif
        return made;
    }();
    return scratch;
}

// Runs the command line with standard error captured; returns the status and, in errors, what it wrote there.
int Run(const Arguments& words, std::string& errors) {
    const Scratch& scratch = ScratchFolder();
    unlink(scratch.settings.c_str());
    std::clearerr(stdout);
    if (ftruncate(scratch.capture, 0) != 0 || lseek(scratch.capture, 0, SEEK_SET) != 0) {
        std::abort();
    }
    std::fflush(stderr);
    dup2(scratch.capture, 2);
    const int status = RunCommandLine(words);
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(scratch.errors, 2);
    errors.clear();
    char buffer[4096];
    lseek(scratch.capture, 0, SEEK_SET);
    for (ssize_t n; (n = read(scratch.capture, buffer, sizeof buffer)) > 0;) {
        errors.append(buffer, static_cast<std::size_t>(n));
    }
    return status;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Arguments words;
    for (std::size_t start = 0; start <= input.size() && words.size() < kMaxWords;) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        words.emplace_back(input.substr(start, std::min(end - start, kMaxWordLength)));
        start = end + 1;
    }
    if (size == 0) {
        words.clear();
    }
    std::string label;
    for (const std::string& word : words) {
        if (word == "-o" || word == "--output") {
            return 0;
        }
        label += "[" + word + "]";
    }

    std::string errors;
    const int status = Run(words, errors);
    FUZZ_CHECK(status == 0 || status == 1 || status == 2, label + " ended with " + std::to_string(status));
    FUZZ_CHECK(status == 0 || !errors.empty(), label + " failed without a word");
    FUZZ_CHECK(errors.size() <= kMaxErrorBytes, label + " wrote " + std::to_string(errors.size()) + " bytes of errors");
    for (std::size_t start = 0; start < errors.size();) {
        const std::size_t end = errors.find('\n', start);
        FUZZ_CHECK(end != std::string::npos, label + ": an error line without its end");
        const std::string_view line(errors.data() + start, end - start);
        FUZZ_CHECK(line.substr(0, sizeof kPrefix - 1) == kPrefix, label + ": \"" + std::string(line) + "\"");
        FUZZ_CHECK(line.size() <= kMaxErrorLine, label + ": a line of " + std::to_string(line.size()) + " bytes");
        start = end + 1;
    }
    return 0;
}
