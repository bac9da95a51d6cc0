// The number of GDI objects that this process holds, for checks that a page leaks none.
#pragma once

#include <windows.h>

inline int GdiObjectCount() {
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count)
        return (int)count;
    // Wine's GetGuiResources is a stub that answers 0. Its handle table is where Windows keeps
    // it, in the PEB's GdiSharedHandleTable (64-bit: PEB at TEB + 0x60, table at PEB + 0xF8),
    // with entries of 24 bytes whose type byte is 0 while the entry is free. It holds this
    // process's objects only.
    struct Entry {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        UINT64 user;
    };
    static_assert(sizeof(Entry) == 24, "GDI handle table entry");
    const BYTE* peb =
        *reinterpret_cast<BYTE* const*>(reinterpret_cast<BYTE*>(NtCurrentTeb()) + 0x60);
    const Entry* table = *reinterpret_cast<const Entry* const*>(peb + 0xF8);
    if (!table)
        return -1;
    int used = 0;
    for (int i = 0; i < 0x10000; ++i)
        if (table[i].type)
            ++used;
    return used;
}
