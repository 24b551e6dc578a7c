#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>

// The repeated texts of a large read held once: every cell of the same text
// gets the same implicitly shared string. A register of 50,000 rows names one
// account, a few dozen categories and a few thousand payees; as separate
// strings those were most of its memory.
class SharedTexts
{
public:
    // A hit costs a lookup, no allocation.
    QString fromUtf8(QByteArrayView utf8);
    QString shared(const QString& text);

private:
    QHash<QByteArray, QString> m_byUtf8;
    QSet<QString> m_texts;
};
