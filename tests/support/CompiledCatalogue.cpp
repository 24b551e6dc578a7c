#include "CompiledCatalogue.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

// After a 16-byte magic, sections of a tag byte and a big-endian length; the
// messages section holds each message as tagged fields up to an end tag.
QList<CompiledMessage> compiledMessages(const QString& path)
{
    enum Tag : quint8 { End = 1, Translation = 3, SourceText = 6, Context = 7, Comment = 8 };
    constexpr quint8 kMessagesSection = 0x69;
    constexpr qsizetype kMagicLength = 16;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const auto length32 = [&bytes](qsizetype at) {
        return at + 4 <= bytes.size() ? qFromBigEndian<quint32>(bytes.constData() + at) : quint32(0xFFFFFFFF);
    };
    QList<CompiledMessage> messages;
    for (qsizetype section = kMagicLength; section + 5 <= bytes.size();) {
        const auto tag = quint8(bytes.at(section));
        const qsizetype end = section + 5 + length32(section + 1);
        if (end > bytes.size())
            return {};
        for (qsizetype at = section + 5; tag == kMessagesSection && at < end;) {
            CompiledMessage message;
            for (quint8 field = quint8(bytes.at(at++)); field != End; field = quint8(bytes.at(at++))) {
                const quint32 size = length32(at);
                at += 4;
                if (size == 0xFFFFFFFF)
                    continue;
                const QByteArray data = bytes.mid(at, size);
                at += size;
                if (field == Translation) {
                    QString text(data.size() / 2, Qt::Uninitialized);
                    qFromBigEndian<char16_t>(data.constData(), text.size(), text.data());
                    message.translations.append(text);
                } else if (field == SourceText) {
                    message.source = QString::fromUtf8(data);
                } else if (field == Context) {
                    message.context = QString::fromUtf8(data);
                } else if (field != Comment) {
                    return {};
                }
                if (at >= end)
                    return {};
            }
            messages.append(message);
        }
        section = end;
    }
    return messages;
}
