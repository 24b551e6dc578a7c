#pragma once

// Stands between SQLite and the disk while it lives. Made SQLite's default
// VFS, it hands every call to the system's own, but for its fault: a full disk
// refuses every write (SQLITE_FULL, SQLite's answer to ENOSPC); a read-only
// one opens every database file read-only, as SQLite does for a file without
// write permission, which chmod cannot give root. Connections opened while it
// lives go through it. One at a time.
class DiskFaults
{
public:
    enum class Fault { None, Full, ReadOnly };

    explicit DiskFaults(Fault fault);
    ~DiskFaults();

    DiskFaults(const DiskFaults&) = delete;
    DiskFaults& operator=(const DiskFaults&) = delete;
};
