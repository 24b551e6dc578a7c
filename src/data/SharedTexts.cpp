#include "SharedTexts.h"

QString SharedTexts::fromUtf8(QByteArrayView utf8)
{
    if (utf8.isEmpty())
        return QString();
    // Looked up over the caller's bytes; copied only when the text is new.
    const QByteArray key = QByteArray::fromRawData(utf8.data(), utf8.size());
    const auto known = m_byUtf8.constFind(key);
    if (known != m_byUtf8.cend())
        return *known;
    const QString text = QString::fromUtf8(utf8);
    m_byUtf8.insert(QByteArray(utf8.data(), utf8.size()), text);
    return text;
}

QString SharedTexts::shared(const QString& text)
{
    if (text.isEmpty())
        return QString();
    return *m_texts.insert(text);
}
