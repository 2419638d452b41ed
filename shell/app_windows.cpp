#include "shell/app_windows.h"

AppWindows gAppWindows;
