// Natively the program's settings live in memory for the life of the process: there is no registry, and the
// command-line tool and the tests need nothing to persist.
#include "location/memory_store.h"

SettingsStore& ProgramSettingsStore() {
    // Function-local, so that the global Location can load from it during static initialisation.
    static MemoryRegistry registry;
    static MemorySettingsStore store(registry, kSettingsKeyPath);
    return store;
}
