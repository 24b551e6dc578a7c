#pragma once

#include <QIcon>

// The program's icon, read from its image file when first drawn: a QIcon made
// from a file name looks for icon engine plugins first, a cost of every start
// before the window can show.
QIcon appIcon();
