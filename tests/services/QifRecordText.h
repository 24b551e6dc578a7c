#pragma once

#include "services/QifParser.h"

#include <QStringList>

// A parsed record as one line, close to the file's own letters:
// "date|amount|payee", then only what is set: L category, > transfer account,
// M memo, N check number, Y security, C or R for cleared or reconciled,
// S amount:category-or->transfer:memo per split line, @ source account.
inline QString qifRecordText(const QifRecord& r)
{
    QString text = r.date.toString(Qt::ISODate) + u'|' + QString::number(r.amount) + u'|' + r.payee;
    const auto add = [&text](QChar tag, const QString& value) {
        if (!value.isEmpty())
            text += u'|' + tag + value;
    };
    add(u'L', r.category);
    add(u'>', r.transferAccount);
    add(u'M', r.memo);
    add(u'N', r.checkNumber);
    add(u'Y', r.security);
    add(u'C', r.reconciled ? QStringLiteral("R") : r.cleared ? QStringLiteral("X") : QString());
    for (const QifSplit& split : r.splits) {
        const QString target = split.transferAccount.isEmpty() ? split.category : u'>' + split.transferAccount;
        add(u'S', QStringLiteral("%1:%2:%3").arg(split.amount).arg(target, split.memo));
    }
    add(u'@', r.sourceAccount);
    return text;
}

inline QStringList qifRecordTexts(const QifParseResult& result)
{
    QStringList texts;
    for (const QifRecord& record : result.records)
        texts.append(qifRecordText(record));
    return texts;
}

// "name:kind" of each listed account.
inline QStringList qifAccountTexts(const QifParseResult& result)
{
    QStringList texts;
    for (const QifAccount& account : result.accounts)
        texts.append(account.name + u':' + QString::number(int(account.kind)));
    return texts;
}
