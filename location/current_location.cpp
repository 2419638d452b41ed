// The program's one Location. It is built during static initialisation and reads its six settings at once, before
// the message loop and before any window exists; a missing key or value is created with its default.
#include "location/location.h"

namespace {

Location LoadedLocation() {
    Location location;
    location.load();
    return location;
}

}  // namespace

Location gLocation = LoadedLocation();
