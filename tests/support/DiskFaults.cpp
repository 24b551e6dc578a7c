#include "DiskFaults.h"

#include <sqlite3.h>

namespace {

sqlite3_vfs* g_system = nullptr;
sqlite3_vfs g_faulty;
DiskFaults::Fault g_fault = DiskFaults::Fault::None;
// The system VFS's methods of an open file, and a copy of them whose writes may fail.
const sqlite3_io_methods* g_systemMethods = nullptr;
sqlite3_io_methods g_faultyMethods;

int faultyWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset)
{
    if (g_fault == DiskFaults::Fault::Full)
        return SQLITE_FULL;
    return g_systemMethods->xWrite(file, buffer, amount, offset);
}

int faultyOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
{
    if (g_fault == DiskFaults::Fault::ReadOnly && (flags & SQLITE_OPEN_MAIN_DB) && (flags & SQLITE_OPEN_READWRITE))
        flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
    const int result = g_system->xOpen(g_system, name, file, flags, outFlags);
    if (file->pMethods && !g_systemMethods) {
        g_systemMethods = file->pMethods;
        g_faultyMethods = *g_systemMethods;
        g_faultyMethods.xWrite = faultyWrite;
    }
    // Every file of the system VFS has the same methods here; another kind is left as it is.
    if (file->pMethods == g_systemMethods)
        file->pMethods = &g_faultyMethods;
    return result;
}

} // namespace

DiskFaults::DiskFaults(Fault fault)
{
    g_system = sqlite3_vfs_find(nullptr);
    g_faulty = *g_system;
    g_faulty.zName = "diskfaults";
    g_faulty.xOpen = faultyOpen;
    g_faulty.pNext = nullptr;
    g_fault = fault;
    sqlite3_vfs_register(&g_faulty, 1);
}

DiskFaults::~DiskFaults()
{
    sqlite3_vfs_unregister(&g_faulty);
    sqlite3_vfs_register(g_system, 1);
    g_fault = Fault::None;
}
