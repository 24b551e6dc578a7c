#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

class QIODevice;

// The text of an import file: by its byte-order mark (UTF-8, UTF-16 LE or BE),
// else as UTF-8 when every byte sequence is well-formed UTF-8, else as
// Windows-1252, the usual code page of older bank exports. Every byte sequence
// gives some text, and every text is well-formed UTF-16: a lone surrogate of a
// UTF-16 file becomes U+FFFD, since SQLite would store it joined with the
// character after it.
QString decodeImportText(const QByteArray& bytes);

// A field of an import file as the ledger stores it. SQLite drops a byte-order
// mark at the start of a text it is given (and reads the rest byte-swapped after
// a reversed one, U+FFFE), so a field that begins with one is stored without
// the marks and the blanks behind them, and its duplicate key is made from that
// same text. Any other text is returned unchanged.
QString storableText(QString text);

// True when the bytes are well-formed UTF-8: no overlong forms, no encoded
// surrogates, nothing above U+10FFFF, no truncated sequence.
bool isStrictUtf8(const QByteArray& bytes);

// The decoded text of an open file, or nothing when it holds more than maxBytes.
// Files that tell their size are refused before a byte is read; others (a pipe)
// are read up to one byte past the limit.
std::optional<QString> readImportText(QIODevice& file, qint64 maxBytes);
