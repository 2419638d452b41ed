// Small helpers of the measuring programs: a precise clock, medians, and finding and ending another process's
// windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace probe {

// Milliseconds since an arbitrary origin, from the performance counter.
double NowMs();

// The median of the samples (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> samples);

// A visible top-level window of this class that belongs to process, or null.
HWND FindVisibleTopLevel(const char* className, DWORD process);
// A top-level window of this class that belongs to process, visible or not, or null.
HWND FindTopLevel(const char* className, DWORD process);
// A child (at any depth) of parent with this class and control id, or null.
HWND FindDescendant(HWND parent, const char* className, int id);

// SendMessageTimeout with a five-second limit; false when the window did not answer.
bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr);

// Starts program (a Windows path) with no arguments; false when it cannot be started.
bool Start(const std::string& program, PROCESS_INFORMATION& process);
// Waits up to timeoutMs for the process to end, then ends it by force; closes its handles.
void Finish(PROCESS_INFORMATION& process, DWORD timeoutMs);

}  // namespace probe
