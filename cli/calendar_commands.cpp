// today, holidays and day: not built yet.
#include "cli/commands.h"

int RunTodayCommand(const Arguments&) {
    return UsageError("today's date is not available yet");
}
int RunHolidaysCommand(const Arguments&) {
    return UsageError("holidays is not available yet");
}
int RunDayCommand(const Arguments&) {
    return UsageError("day is not available yet");
}
