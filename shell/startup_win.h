// What WinMain does around its windows: the shared objects and window classes, the common controls, the message
// loop.
#pragma once

#include <windows.h>

struct AppWindows;

// Fills in what the windows share (the instance, the main window's class name, the background brush) and registers
// the window classes of the program.
void PrepareWindows(AppWindows& windows, HINSTANCE instance);

// Registers the classes of the common controls the main window uses.
void InitCommonControlClasses();

// Runs the message loop with the program's accelerators until WM_QUIT; returns its exit code.
int RunMessageLoop(HINSTANCE instance);
