#pragma once

#include <QtGlobal>

// How much of a file an import takes in. An import holds the whole file as
// text, and more for each row or record it will store, so what a file may hold
// is bounded before a byte of it is parsed; whatever a file holds, an import of
// the largest accepted one stays below 1 GB (bench_importmemory prints the
// peaks beside that bound). Ten years of a bank account are a few megabytes.
struct ImportLimits
{
    // CSV files larger than this are refused unread. 64 MB of the shortest rows
    // that all import (4.9 million of them) peaked at 750 MB, of bank-export
    // rows at 338 MB, of one row of short fields at 195 MB (its preview too).
    // A 50 MB bank export imports.
    qint64 csvFileBytes = qint64(64) * 1000 * 1000;
    // QIF files larger than this, or several files larger than this together,
    // are refused unread. Each record is held until the import ends and costs
    // far more than its text: 24 MB of the shortest records (1.5 million)
    // peaked at 736 MB, of bank records at 266 MB, one record of 24 MB of split
    // lines at 351 MB; the analysis of the shortest records at 82 MB.
    qint64 qifFileBytes = qint64(24) * 1000 * 1000;
    // A CSV row with more fields than this, or more characters (its line ends
    // included), is refused and counted: no column mapping uses that many, and
    // each field kept costs memory of its own. Only the first fields of such a
    // row are kept, so that its memory is bounded too.
    int csvRowFields = 256;
    int csvRowChars = 64 * 1024;
};
