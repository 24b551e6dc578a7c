#include "CompiledCatalogue.h"
#include "TestMain.h"

#include "data/TransactionRepository.h"

#include <QMap>
#include <QSet>

namespace {

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
