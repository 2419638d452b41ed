// The helpers of the measuring programs: the median they report and the window searches their timings end on.
#include "tools/perf/probe_win.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ProbeMedian, MiddleValueOrMeanOfTheMiddleTwo) {
    const struct {
        const char* label;
        std::vector<double> samples;
        double median;
    } cases[] = {
        {"odd count, unsorted", {3.0, 1.0, 2.0}, 2.0},
        {"even count, unsorted", {4.0, 1.0, 3.0, 2.0}, 2.5},
        {"one sample", {7.5}, 7.5},
        {"an outlier does not move it", {1.0, 1.0, 1.0, 1000.0, 1.0}, 1.0},
        {"no samples", {}, 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(probe::Median(c.samples), c.median) << c.label;
    }
}

constexpr char kTopClass[] = "Probe Test Top";
constexpr char kChildClass[] = "Probe Test Child";

class ProbeWindows : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (const char* name : {kTopClass, kChildClass}) {
            WNDCLASSEXA windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = name;
            RegisterClassExA(&windowClass);
        }
    }

    void TearDown() override {
        for (HWND window : made_) {
            DestroyWindow(window);
        }
    }

    HWND Make(const char* className, DWORD style, HWND parent = nullptr, int id = 0) {
        const HWND window =
            CreateWindowExA(0, className, "", style, 0, 0, 50, 50, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
        if (parent == nullptr) {
            made_.push_back(window);
        }
        return window;
    }

    std::vector<HWND> made_;
};

TEST_F(ProbeWindows, TopLevelSearchKeepsToTheProcessAndTheVisibility) {
    const DWORD self = GetCurrentProcessId();
    const HWND hidden = Make(kTopClass, WS_OVERLAPPED);
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(probe::FindVisibleTopLevel(kTopClass, self), nullptr) << "a hidden window is not visible";
    EXPECT_EQ(probe::FindTopLevel(kTopClass, self), hidden);

    ShowWindow(hidden, SW_SHOWNA);
    EXPECT_EQ(probe::FindVisibleTopLevel(kTopClass, self), hidden);
    EXPECT_EQ(probe::FindVisibleTopLevel(kTopClass, self + 4), nullptr) << "another process";
    EXPECT_EQ(probe::FindVisibleTopLevel(kChildClass, self), nullptr) << "another class";
}

TEST_F(ProbeWindows, DescendantSearchMatchesClassAndIdAtAnyDepth) {
    const HWND top = Make(kTopClass, WS_OVERLAPPED);
    const HWND child = Make(kChildClass, WS_CHILD, top, 5);
    const HWND grandchild = Make(kChildClass, WS_CHILD, child, 26);
    ASSERT_NE(grandchild, nullptr);
    const struct {
        const char* label;
        const char* className;
        int id;
        HWND expected;
    } cases[] = {
        {"a child", kChildClass, 5, child},
        {"a grandchild", kChildClass, 26, grandchild},
        {"an id nobody has", kChildClass, 27, nullptr},
        {"the right id under another class", kTopClass, 26, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(probe::FindDescendant(top, c.className, c.id), c.expected) << c.label;
    }
}

}  // namespace
