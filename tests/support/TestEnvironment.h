#pragma once

#include <QString>

// Points HOME, the XDG folders and VELLUMRY_DATA_DIR at a fresh temporary folder
// that lives as long as the test process, so that no test reads or writes the
// real settings store or ledger, and leaves the desktop's session bus out of
// reach. Call before the application object exists.
void prepareTestEnvironment();

// The temporary root created by prepareTestEnvironment().
QString testRootPath();
