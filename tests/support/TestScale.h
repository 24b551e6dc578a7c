#pragma once

// The sanitizers make every row several times slower. Where a test's size
// only proves volume, the sanitizer build runs it on less data; the plain
// build keeps the full size, so nothing a size proves goes unchecked.
constexpr int volumeForBuild(int full, int underSanitizers)
{
    return VELLUMRY_SANITIZED ? underSanitizers : full;
}
