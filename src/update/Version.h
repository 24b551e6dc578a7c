#pragma once

#include <QString>

namespace OrvaUpdate {

// A release version of three numbers. Text that is not one to three integer
// parts separated by dots reads as 0.0.0.
struct Version
{
    int major = 0;
    int minor = 0;
    int patch = 0;

    static Version parse(const QString& text);
    QString toString() const;
};

bool operator==(const Version& a, const Version& b);
bool operator<(const Version& a, const Version& b);
inline bool operator!=(const Version& a, const Version& b) { return !(a == b); }
inline bool operator>(const Version& a, const Version& b) { return b < a; }
inline bool operator<=(const Version& a, const Version& b) { return !(b < a); }
inline bool operator>=(const Version& a, const Version& b) { return !(a < b); }

} // namespace OrvaUpdate
