#include "process_figures.h"

#include <vector>

namespace {

// SystemHandleInformation (class 16) as ntdll fills it; winternl.h does not define the record.
struct HandleEntry {
    ULONG OwnerProcess;
    BYTE ObjectType;
    BYTE Flags;
    USHORT Value;
    void *Object;
    ULONG Access;
};
struct HandleTable {
    ULONG Count;
    HandleEntry Entries[1];
};
constexpr ULONG SystemHandleInformation = 16;
constexpr LONG InfoLengthMismatch = static_cast<LONG>(0xC0000004);

using QuerySystemInformation = LONG(WINAPI *)(ULONG, void *, ULONG, ULONG *);

DWORD CountHandles(DWORD processId) {
    static const auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query)
        return 0;
    std::vector<char> buffer(1 << 16);
    LONG status;
    ULONG needed = 0;
    while ((status = query(SystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
           InfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return 0;
    const auto *table = reinterpret_cast<const HandleTable *>(buffer.data());
    DWORD count = 0;
    for (ULONG i = 0; i < table->Count; ++i)
        count += table->Entries[i].OwnerProcess == processId;
    return count;
}

SIZE_T CommittedPrivate(HANDLE process) {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char *at = nullptr; VirtualQueryEx(process, at, &region, sizeof(region)) == sizeof(region);) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
        const char *next = static_cast<const char *>(region.BaseAddress) + region.RegionSize;
        if (next <= at)
            break;
        at = next;
    }
    return total;
}

} // namespace

ProcessFigures ReadProcessFigures(HANDLE process) {
    return {CountHandles(GetProcessId(process)), CommittedPrivate(process)};
}
