#include "ImportText.h"

#include <QIODevice>
#include <QStringDecoder>

#include <cstring>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes the code
// page leaves undefined keep their own number, so no byte is ever lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const char* data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte <= 0x9F) ? kCp1252High[byte - 0x80] : char16_t(byte);
    }
    return text;
}

// Qt's decoder passes a lone surrogate through.
void replaceLoneSurrogates(QString& text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar unit = text.at(i);
        if (!unit.isSurrogate())
            continue;
        if (unit.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate())
            ++i;
        else
            text[i] = QChar::ReplacementCharacter;
    }
}

QString fromUtf16(const QByteArray& bytes, QStringConverter::Encoding encoding)
{
    // Stateless: a file cut after an odd byte ends in U+FFFD instead of losing that byte unseen.
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
    replaceLoneSurrogates(text);
    return text;
}

bool isByteOrderMark(QChar c)
{
    return c == QChar::ByteOrderMark || c == QChar::ByteOrderSwapped;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool isStrictUtf8(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        // Most import files are plain ASCII: step over it eight bytes at a time.
        if (i + 8 <= size) {
            quint64 block;
            std::memcpy(&block, data + i, sizeof block);
            if ((block & Q_UINT64_C(0x8080808080808080)) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int continuations = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if ((lead & 0xE0) == 0xC0) {
            continuations = 1;
            value = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            continuations = 2;
            value = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            continuations = 3;
            value = lead & 0x07;
            minimum = 0x10000;
        } else {
            return false; // a stray continuation byte, or F8..FF
        }
        if (size - i - 1 < continuations)
            return false;
        for (int k = 1; k <= continuations; ++k) {
            const unsigned char next = data[i + k];
            if (!isContinuation(next))
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
            return false;
        i += 1 + continuations;
    }
    return true;
}

QString decodeImportText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return fromUtf16(bytes, QStringConverter::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return fromUtf16(bytes, QStringConverter::Utf16BE);
    if (isStrictUtf8(bytes))
        return QString::fromUtf8(bytes);
    return fromWindows1252(bytes.constData(), bytes.size());
}

QString storableText(QString text)
{
    // at(), not front(): a text without marks stays shared, not copied.
    if (text.isEmpty() || !isByteOrderMark(text.at(0)))
        return text;
    QStringView rest(text);
    while (!rest.isEmpty() && (isByteOrderMark(rest.front()) || rest.front().isSpace()))
        rest = rest.sliced(1);
    return rest.toString();
}

std::optional<QString> readImportText(QIODevice& file, qint64 maxBytes)
{
    if (!file.isSequential() && file.size() > maxBytes)
        return std::nullopt;
    // read(n) reserves n bytes up front, so a file of known size is read whole.
    const QByteArray bytes = file.isSequential() ? file.read(maxBytes + 1) : file.readAll();
    if (bytes.size() > maxBytes)
        return std::nullopt;
    return decodeImportText(bytes);
}
