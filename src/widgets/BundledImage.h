#pragma once

#include <QPixmap>
#include <QString>

// An image shipped in the program's resources, read in the format its file name
// ends with. Left to guess, Qt's image reader first loads every image-format
// plugin installed to ask each whether it reads the file, which puts several
// libraries on the way to a window's first paint.
QPixmap bundledImage(const QString& path);

// The program's icon at the size it is shipped in (256 by 256).
QPixmap appIconImage();
