// Counts the live GDI objects of a process, for leak checks in tests.
//
// Wine has no working GetGuiResources. It keeps each process's GDI handle table in the process's own memory,
// pointed to by PEB->GdiSharedHandleTable: an entry with a type whose object field is not a free-list link is a live
// object.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

// The number of live GDI objects of process (which needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ access),
// or nothing when its handle table cannot be read.
std::optional<std::size_t> CountLiveGdiObjects(HANDLE process = GetCurrentProcess());
