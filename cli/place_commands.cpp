// zmanim, zip and cities: not built yet.
#include "cli/commands.h"

int RunZmanimCommand(const Arguments&) {
    return UsageError("zmanim is not available yet");
}
int RunZipCommand(const Arguments&) {
    return UsageError("zip is not available yet");
}
int RunCitiesCommand(const Arguments&) {
    return UsageError("cities is not available yet");
}
