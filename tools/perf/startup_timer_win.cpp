// Times the start-up of Windows programs: starts each target, polls every millisecond until a visible top-level
// window of the target's class belongs to the new process (and, when given, a child of a class and id exists in
// it), and reports the time from CreateProcess. It also reports when the window first answers a sent message, that
// is when the program has reached its message loop. The targets run alternately, after one discarded warm-up run
// each, and each is ended before the next one starts.
//
//   startup_timer RUNS --target NAME PROGRAM CLASS [--last-child CLASS ID] [--exit-via CLASS MESSAGE WPARAM] ...
//
// A target is ended by posting MESSAGE with WPARAM to its top-level window of the --exit-via class, or else by
// WM_CLOSE to the window that was timed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/perf/probe_win.h"

namespace {

constexpr DWORD kGiveUpMs = 30000;
constexpr DWORD kExitWaitMs = 10000;
constexpr DWORD kPauseBetweenRunsMs = 500;

struct Target {
    std::string name;
    std::string program;
    std::string windowClass;
    std::string childClass;
    int childId = 0;
    std::string exitClass;
    UINT exitMessage = 0;
    WPARAM exitWParam = 0;
    std::vector<double> visibleMs;
    std::vector<double> answeringMs;
};

struct Run {
    double visibleMs = 0.0;
    double answeringMs = 0.0;
};

bool Ready(const Target& target, DWORD process, HWND& window) {
    window = probe::FindVisibleTopLevel(target.windowClass.c_str(), process);
    if (window == nullptr) {
        return false;
    }
    return target.childClass.empty() || probe::FindDescendant(window, target.childClass.c_str(), target.childId);
}

void End(const Target& target, PROCESS_INFORMATION& process, HWND window) {
    HWND receiver = window;
    UINT message = WM_CLOSE;
    WPARAM wParam = 0;
    if (!target.exitClass.empty()) {
        receiver = probe::FindTopLevel(target.exitClass.c_str(), process.dwProcessId);
        message = target.exitMessage;
        wParam = target.exitWParam;
    }
    if (receiver != nullptr) {
        PostMessageA(receiver, message, wParam, 0);
    }
    probe::Finish(process, kExitWaitMs);
}

bool TimeOneStart(const Target& target, Run& run) {
    PROCESS_INFORMATION process{};
    const double start = probe::NowMs();
    if (!probe::Start(target.program, process)) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", target.program.c_str(), GetLastError());
        return false;
    }
    HWND window = nullptr;
    while (!Ready(target, process.dwProcessId, window)) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0 || probe::NowMs() - start > kGiveUpMs) {
            std::fprintf(stderr, "%s showed no window of class %s\n", target.name.c_str(), target.windowClass.c_str());
            probe::Finish(process, 0);
            return false;
        }
        Sleep(1);
    }
    run.visibleMs = probe::NowMs() - start;
    const bool answered = probe::SendWithin(window, WM_NULL, 0, 0);
    run.answeringMs = probe::NowMs() - start;
    End(target, process, window);
    Sleep(kPauseBetweenRunsMs);
    if (!answered) {
        std::fprintf(stderr, "%s did not answer a message\n", target.name.c_str());
    }
    return answered;
}

bool Parse(int argc, char** argv, int& runs, std::vector<Target>& targets) {
    if (argc < 2) {
        return false;
    }
    runs = std::atoi(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const auto left = [&](int needed) { return argc - i - 1 >= needed; };
        if (std::strcmp(argv[i], "--target") == 0 && left(3)) {
            Target target;
            target.name = argv[i + 1];
            target.program = argv[i + 2];
            target.windowClass = argv[i + 3];
            targets.push_back(target);
            i += 3;
        } else if (std::strcmp(argv[i], "--last-child") == 0 && left(2) && !targets.empty()) {
            targets.back().childClass = argv[i + 1];
            targets.back().childId = std::atoi(argv[i + 2]);
            i += 2;
        } else if (std::strcmp(argv[i], "--exit-via") == 0 && left(3) && !targets.empty()) {
            targets.back().exitClass = argv[i + 1];
            targets.back().exitMessage = static_cast<UINT>(std::strtoul(argv[i + 2], nullptr, 0));
            targets.back().exitWParam = static_cast<WPARAM>(std::strtoul(argv[i + 3], nullptr, 0));
            i += 3;
        } else {
            return false;
        }
    }
    return runs > 0 && !targets.empty();
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 0;
    std::vector<Target> targets;
    if (!Parse(argc, argv, runs, targets)) {
        std::fprintf(stderr,
                     "usage: startup_timer RUNS --target NAME PROGRAM CLASS [--last-child CLASS ID] "
                     "[--exit-via CLASS MESSAGE WPARAM] ...\n");
        return 2;
    }
    for (const Target& target : targets) {
        Run warmUp;
        if (!TimeOneStart(target, warmUp)) {
            return 1;
        }
        std::printf("warm-up %s visible %.1f ms answering %.1f ms (not counted)\n", target.name.c_str(),
                    warmUp.visibleMs, warmUp.answeringMs);
        std::fflush(stdout);
    }
    for (int i = 1; i <= runs; ++i) {
        for (Target& target : targets) {
            Run run;
            if (!TimeOneStart(target, run)) {
                return 1;
            }
            target.visibleMs.push_back(run.visibleMs);
            target.answeringMs.push_back(run.answeringMs);
            std::printf("run %d %s visible %.1f ms answering %.1f ms\n", i, target.name.c_str(), run.visibleMs,
                        run.answeringMs);
            std::fflush(stdout);
        }
    }
    for (const Target& target : targets) {
        std::printf("median %s visible %.1f answering %.1f runs %d\n", target.name.c_str(),
                    probe::Median(target.visibleMs), probe::Median(target.answeringMs), runs);
    }
    return 0;
}
