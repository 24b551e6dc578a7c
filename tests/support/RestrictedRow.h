#pragma once

#include <QString>

// Runs the current test row again in a child process of the test program that
// may not write where the test itself may: as the user nobody (when the test
// runs as root, which writes whatever a file's mode says), or with a folder
// bind-mounted read-only in a mount namespace of its own. The restriction
// lives and ends with the child, even when it crashes: no mount and no other
// user's process is left behind.
namespace RestrictedRow {

enum class Restriction {
    AsNobody,
    ReadOnlyMount,
};

struct Outcome
{
    // False when this system cannot start a child so; `log` then says why.
    bool held = false;
    bool passed = false;
    // What the child printed.
    QString log;
};

// Runs the row in a child restricted so and told of `folder`, which
// AsNobody first hands to nobody with everything in it, so that only its
// modes keep the child from writing there.
Outcome run(Restriction restriction, const QString& folder);
// In such a child, the folder its parent prepared; empty elsewhere.
QString preparedFolder();

} // namespace RestrictedRow
