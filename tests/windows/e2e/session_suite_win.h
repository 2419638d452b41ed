// A suite whose tests share one run of the program: started with fresh settings before the suite's first test
// (the start costs the three-second splash), ended after its last. Each suite derives from it with its own name,
// so each has its own run: class Navigation : public SessionSuite<Navigation> {};
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/windows/e2e/calendar_driver_win.h"

namespace e2e {

template <typename Suite>
class SessionSuite : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        StartProgram();
        FindControls();
    }
    static void TearDownTestSuite() { session_.reset(); }
    void SetUp() override { ASSERT_TRUE(controls_.Complete()); }

    static void StartProgram() { session_ = std::make_unique<AppSession>(); }
    // Waits for the main window and finds its controls.
    static void FindControls() { controls_ = CalendarControls::Find(session_->WaitForMainWindow()); }

    static inline std::unique_ptr<AppSession> session_;
    static inline CalendarControls controls_;
};

}  // namespace e2e
