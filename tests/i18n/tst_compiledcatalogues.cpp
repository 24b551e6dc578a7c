#include "TestMain.h"

#include "data/TransactionRepository.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QtEndian>

namespace {

// One message of a compiled catalogue: several translations for a plural.
struct CompiledMessage
{
    QString context;
    QString source;
    QStringList translations;
};

// The messages of a catalogue as lrelease compiles it without stripping, so
// that every message keeps its context and source text: after a 16-byte magic,
// sections of a tag byte and a big-endian length; the messages section holds
// each message as tagged fields up to an end tag.
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

const char* const kLanguages[] = {"de", "en", "es", "fr", "ja"};

} // namespace

class TestCompiledCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void everyOpeningBalanceTranslationIsRecognised_data() { languages(); }
    void everyOpeningBalanceTranslationIsRecognised();
    void domainWordsHaveOneTranslation_data() { languages(); }
    void domainWordsHaveOneTranslation();

private:
    static void languages();
    static QList<CompiledMessage> catalogue(const QString& language);
};

void TestCompiledCatalogues::languages()
{
    QTest::addColumn<QString>("language");
    for (const char* language : kLanguages)
        QTest::newRow(language) << QString::fromLatin1(language);
}

QList<CompiledMessage> TestCompiledCatalogues::catalogue(const QString& language)
{
    return compiledMessages(QStringLiteral(":/i18n/vellumry_%1.qm").arg(language));
}

// An opening row is known by its payee, so whichever screen or service wrote it,
// in whatever language, the row must read as the opening balance.
void TestCompiledCatalogues::everyOpeningBalanceTranslationIsRecognised()
{
    QFETCH(QString, language);
    QSet<QString> contexts;
    QStringList unrecognised;
    for (const CompiledMessage& message : catalogue(language)) {
        if (message.source != u"Opening Balance")
            continue;
        contexts.insert(message.context);
        for (const QString& translation : message.translations) {
            if (!isOpeningBalancePayee(translation))
                unrecognised.append(message.context + QLatin1String(": ") + translation);
        }
    }
    // The two that write rows: the register's own opening line and the sample data's.
    QVERIFY2(contexts.contains(QStringLiteral("TransactionRepository")) && contexts.contains(QStringLiteral("SampleDataService")),
             qPrintable(contexts.values().join(QLatin1Char(' '))));
    QCOMPARE(unrecognised, QStringList());
}

// Words that meet in one list, report or payee column read alike wherever they come from.
void TestCompiledCatalogues::domainWordsHaveOneTranslation()
{
    QFETCH(QString, language);
    static const QStringList words{"Uncategorized", "Opening Balance", "Transfer", "Checking", "Savings",
                                   "Credit Card",   "Cash",            "Investment", "Loan",    "Other"};
    QMap<QString, QMap<QString, QStringList>> contextsOfTranslation;
    for (const CompiledMessage& message : catalogue(language)) {
        if (words.contains(message.source)) {
            for (const QString& translation : message.translations)
                contextsOfTranslation[message.source][translation].append(message.context);
        }
    }
    QStringList found;
    QStringList disagreeing;
    for (auto word = contextsOfTranslation.cbegin(); word != contextsOfTranslation.cend(); ++word) {
        found.append(word.key());
        if (word->size() == 1)
            continue;
        QStringList variants;
        for (auto variant = word->cbegin(); variant != word->cend(); ++variant)
            variants.append(QStringLiteral("\"%1\" in %2").arg(variant.key(), variant->join(QLatin1Char(','))));
        disagreeing.append(word.key() + QLatin1String(": ") + variants.join(QLatin1String("; ")));
    }
    QStringList expected = words;
    expected.sort();
    QCOMPARE(found, expected);
    QCOMPARE(disagreeing, QStringList());
}

VELLUMRY_TEST_GUILESS_MAIN(TestCompiledCatalogues)
#include "tst_compiledcatalogues.moc"
