#include "DiskFaults.h"

#include <sqlite3.h>

namespace {

sqlite3_vfs* g_system = nullptr;
sqlite3_vfs g_faulty;
DiskFaults::Fault g_fault = DiskFaults::Fault::None;

// Our file, with the system VFS's own right after it.
struct FaultyFile
{
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* real(sqlite3_file* file)
{
    return reinterpret_cast<FaultyFile*>(file)->real;
}

int faultyClose(sqlite3_file* file)
{
    return real(file)->pMethods->xClose(real(file));
}

int faultyRead(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset)
{
    return real(file)->pMethods->xRead(real(file), buffer, amount, offset);
}

int faultyWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset)
{
    if (g_fault == DiskFaults::Fault::Full)
        return SQLITE_FULL;
    return real(file)->pMethods->xWrite(real(file), buffer, amount, offset);
}

int faultyTruncate(sqlite3_file* file, sqlite3_int64 size)
{
    return real(file)->pMethods->xTruncate(real(file), size);
}

int faultySync(sqlite3_file* file, int flags)
{
    return real(file)->pMethods->xSync(real(file), flags);
}

int faultyFileSize(sqlite3_file* file, sqlite3_int64* size)
{
    return real(file)->pMethods->xFileSize(real(file), size);
}

int faultyLock(sqlite3_file* file, int level)
{
    return real(file)->pMethods->xLock(real(file), level);
}

int faultyUnlock(sqlite3_file* file, int level)
{
    return real(file)->pMethods->xUnlock(real(file), level);
}

int faultyCheckReservedLock(sqlite3_file* file, int* reserved)
{
    return real(file)->pMethods->xCheckReservedLock(real(file), reserved);
}

int faultyFileControl(sqlite3_file* file, int op, void* argument)
{
    return real(file)->pMethods->xFileControl(real(file), op, argument);
}

int faultySectorSize(sqlite3_file* file)
{
    return real(file)->pMethods->xSectorSize(real(file));
}

int faultyDeviceCharacteristics(sqlite3_file* file)
{
    return real(file)->pMethods->xDeviceCharacteristics(real(file));
}

int faultyShmMap(sqlite3_file* file, int page, int pageSize, int extend, void volatile** memory)
{
    return real(file)->pMethods->xShmMap(real(file), page, pageSize, extend, memory);
}

int faultyShmLock(sqlite3_file* file, int offset, int count, int flags)
{
    return real(file)->pMethods->xShmLock(real(file), offset, count, flags);
}

void faultyShmBarrier(sqlite3_file* file)
{
    real(file)->pMethods->xShmBarrier(real(file));
}

int faultyShmUnmap(sqlite3_file* file, int deleteFlag)
{
    return real(file)->pMethods->xShmUnmap(real(file), deleteFlag);
}

int faultyFetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** pointer)
{
    return real(file)->pMethods->xFetch(real(file), offset, amount, pointer);
}

int faultyUnfetch(sqlite3_file* file, sqlite3_int64 offset, void* pointer)
{
    return real(file)->pMethods->xUnfetch(real(file), offset, pointer);
}

const sqlite3_io_methods g_methods = {
    3,
    faultyClose,
    faultyRead,
    faultyWrite,
    faultyTruncate,
    faultySync,
    faultyFileSize,
    faultyLock,
    faultyUnlock,
    faultyCheckReservedLock,
    faultyFileControl,
    faultySectorSize,
    faultyDeviceCharacteristics,
    faultyShmMap,
    faultyShmLock,
    faultyShmBarrier,
    faultyShmUnmap,
    faultyFetch,
    faultyUnfetch,
};

int faultyOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
{
    auto* faulty = reinterpret_cast<FaultyFile*>(file);
    faulty->base.pMethods = nullptr;
    faulty->real = reinterpret_cast<sqlite3_file*>(faulty + 1);
    if (g_fault == DiskFaults::Fault::ReadOnly && (flags & SQLITE_OPEN_MAIN_DB) && (flags & SQLITE_OPEN_READWRITE))
        flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
    const int result = g_system->xOpen(g_system, name, faulty->real, flags, outFlags);
    if (faulty->real->pMethods)
        faulty->base.pMethods = &g_methods;
    return result;
}

} // namespace

DiskFaults::DiskFaults(Fault fault)
{
    g_system = sqlite3_vfs_find(nullptr);
    g_faulty = *g_system;
    g_faulty.zName = "diskfaults";
    g_faulty.szOsFile = int(sizeof(FaultyFile)) + g_system->szOsFile;
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

void DiskFaults::setFault(Fault fault)
{
    g_fault = fault;
}
