#include "tests/windows/support/gdi_count_win.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

namespace {

// One entry of the table, 24 bytes. An entry never used has type 0. Deleting an object keeps the type and turns
// object into the free-list link: 0, or the address of the next free entry in the same table.
struct GdiHandleEntry {
    std::uint64_t object;
    ULONG owner;
    UCHAR type;
    UCHAR flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t kGdiTableEntries = 0x10000;
constexpr std::size_t kPebGdiTableOffset = 0xF8;  // in the x64 PEB

bool ReadMemory(HANDLE process, const void* address, void* into, std::size_t size) {
    SIZE_T read = 0;
    return ReadProcessMemory(process, address, into, size, &read) != 0 && read == size;
}

}  // namespace

std::optional<std::size_t> CountLiveGdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0 ||
        basic.PebBaseAddress == nullptr) {
        return std::nullopt;
    }
    const char* const peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    const void* table = nullptr;
    if (!ReadMemory(process, peb + kPebGdiTableOffset, &table, sizeof table) || table == nullptr) {
        return std::nullopt;
    }
    std::vector<GdiHandleEntry> entries(kGdiTableEntries);
    if (!ReadMemory(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry))) {
        return std::nullopt;
    }
    const std::uint64_t tableStart = reinterpret_cast<std::uintptr_t>(table);
    const std::uint64_t tableEnd = tableStart + entries.size() * sizeof(GdiHandleEntry);
    std::size_t live = 0;
    for (const GdiHandleEntry& entry : entries) {
        const bool freeLink = entry.object == 0 || (entry.object >= tableStart && entry.object < tableEnd);
        live += entry.type != 0 && !freeLink ? 1 : 0;
    }
    return live;
}
