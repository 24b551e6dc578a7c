#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

class QIODevice;

// The text of an import file: by its byte-order mark (UTF-8, UTF-16 LE or BE),
// else as UTF-8 when every byte sequence is well-formed UTF-8, else as
// Windows-1252, the usual code page of older bank exports. Every byte sequence
// gives some text.
QString decodeImportText(const QByteArray& bytes);

// True when the bytes are well-formed UTF-8: no overlong forms, no encoded
// surrogates, nothing above U+10FFFF, no truncated sequence.
bool isStrictUtf8(const QByteArray& bytes);

// The decoded text of an open file, or nothing when it holds more than maxBytes.
// Files that tell their size are refused before a byte is read; others (a pipe)
// are read up to one byte past the limit.
std::optional<QString> readImportText(QIODevice& file, qint64 maxBytes);
