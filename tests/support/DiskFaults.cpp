#include "DiskFaults.h"

#include <sqlite3.h>

#include <array>

namespace {

sqlite3_vfs* g_system = nullptr;
sqlite3_vfs g_faulty;
DiskFaults::Fault g_fault = DiskFaults::Fault::None;

// The system VFS gives a database, its journal and its WAL methods of their
// own kinds; each kind gets a copy whose writes may fail.
struct Methods
{
    const sqlite3_io_methods* system = nullptr;
    sqlite3_io_methods faulty{};
};
std::array<Methods, 4> g_methods;

int faultyWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset)
{
    if (g_fault == DiskFaults::Fault::Full)
        return SQLITE_FULL;
    for (const Methods& methods : g_methods) {
        if (file->pMethods == &methods.faulty)
            return methods.system->xWrite(file, buffer, amount, offset);
    }
    return SQLITE_IOERR_WRITE;
}

int faultyOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
{
    if (g_fault == DiskFaults::Fault::ReadOnly && (flags & SQLITE_OPEN_MAIN_DB) && (flags & SQLITE_OPEN_READWRITE))
        flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
    const int result = g_system->xOpen(g_system, name, file, flags, outFlags);
    if (!file->pMethods)
        return result;
    for (Methods& methods : g_methods) {
        if (!methods.system) {
            methods.system = file->pMethods;
            methods.faulty = *file->pMethods;
            methods.faulty.xWrite = faultyWrite;
        }
        if (methods.system == file->pMethods) {
            file->pMethods = &methods.faulty;
            break;
        }
    }
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
