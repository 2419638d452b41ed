// The entry routine: one running copy, the settings, the hidden window with the splash, the main window, the tray
// icon, then the message loop until Exit.
#include <windows.h>

#include "calendar/clock.h"
#include "location/registry_store_win.h"
#include "shell/app_windows.h"
#include "shell/hidden_window_win.h"
#include "shell/running_copy_win.h"
#include "shell/shell_win.h"
#include "shell/startup_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // A second start, such as from the Start menu while the program sits in the tray, brings up the running
    // copy's main window and ends at once, before any splash.
    RunningCopyMutex runningCopy;
    if (!ClaimOrHandOver(runningCopy, kRunningCopyWaitMs)) {
        return 0;
    }

    // The settings come first, before any window: a missing key or value is created with its default.
    RegistrySettingsStore settings(kSettingsKeyPath);
    App app(settings);
    app.state.location.load(settings);
    app.state.shabbat.load(settings);
    app.state.reminders.load(settings);
    ReadPeopleDates(app.state);

    PrepareWindows(app.windows, instance);
    app.state.cursor.SetToToday(ReadLocalClock());
    // Creating the hidden window shows the splash for three seconds.
    CreateHiddenWindow(app, runningCopy, showCommand);
    InitCommonControlClasses();

    app.state.cursor.SetToToday(ReadLocalClock());
    CreateShellFonts(app);
    ShowMainWindow(app);
    AddTrayIcon(app.windows.hiddenWindow);

    return RunMessageLoop(instance);
}
