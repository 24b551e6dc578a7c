#include "CompiledCatalogue.h"
#include "TestMain.h"
#include "WindowTexts.h"

#include "app/AccountCard.h"
#include "app/Application.h"
#include "app/ScreenshotTour.h"
#include "data/Clock.h"
#include "state/AppState.h"
#include "state/UiLanguage.h"
#include "widgets/ThemeManager.h"

#include <QLabel>
#include <QSet>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QWidget>

namespace {

// The English source texts a language's catalogue gives other words for. A
// text that is also some message's translation ("Status" in German) is that
// language's own word, wherever it stands.
QSet<QString> englishTranslatedAway(const QString& language)
{
    QSet<QString> sources;
    QSet<QString> translations;
    for (const CompiledMessage& message : compiledMessages(QStringLiteral(":/i18n/vellumry_%1.qm").arg(language))) {
        for (const QString& translation : message.translations) {
            translations.insert(translation);
            if (!translation.isEmpty() && translation != message.source)
                sources.insert(message.source);
        }
    }
    return sources - translations;
}

// Every window of the screenshot tour, built afresh in `language` on a ledger
// of its own, so that the sample data and the default categories speak it too.
// Hands each window, named as its picture, to `look`; the tour's failures come back.
QStringList tourIn(const QString& language, const ScreenshotTour::Visitor& look)
{
    writeUiLanguage(language);
    qobject_cast<Application*>(QCoreApplication::instance())->installTranslators();
    QTemporaryDir dataDirectory;
    qputenv("VELLUMRY_DATA_DIR", QFile::encodeName(dataDirectory.path()));
    Clock::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(10, 0), QTimeZone::utc()));
    AppState state;
    if (!state.initialize())
        return {QStringLiteral("no ledger")};
    state.themeManager = new ThemeManager(state.preferencesRepository, &state);
    ScreenshotTour tour(&state);
    tour.visit(ThemeManager::Light, look);
    Clock::reset();
    return tour.failures();
}

QStringList sorted(const QSet<QString>& found)
{
    QStringList list = found.values();
    list.sort();
    return list;
}

void addLanguages(const QStringList& languages)
{
    QTest::addColumn<QString>("language");
    for (const QString& language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

} // namespace

class TestWindowTexts : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase();
    void nothingLeftInEnglish_data();
    void nothingLeftInEnglish();
    void textsFitTheirRoom_data();
    void textsFitTheirRoom();
    void accountTypesInTheAccountList_data();
    void accountTypesInTheAccountList();
};

void TestWindowTexts::cleanupTestCase()
{
    writeUiLanguage(QStringLiteral("en"));
}

void TestWindowTexts::nothingLeftInEnglish_data()
{
    addLanguages({"de", "es", "fr", "ja"});
}

// Each window and every page of it, as a person of that language opens them:
// no text they read is an English source text their catalogue translates.
void TestWindowTexts::nothingLeftInEnglish()
{
    QFETCH(QString, language);
    const QSet<QString> english = englishTranslatedAway(language);
    QVERIFY(english.size() > 100);
    QSet<QString> leftInEnglish;
    int windows = 0;
    const QStringList failures = tourIn(language, [&](QWidget* window, const QString& name) {
        ++windows;
        // The online account's screen speaks English by design, but for its title.
        const bool englishByDesign = name == QLatin1String("account-screen");
        forEachPage(window, [&] {
            const QStringList texts = englishByDesign ? QStringList{window->windowTitle()} : shownTexts(window);
            for (const QString& text : texts) {
                if (english.contains(text))
                    leftInEnglish.insert(QStringLiteral("%1: %2").arg(name, text));
            }
        });
    });
    QCOMPARE(failures, QStringList());
    QCOMPARE(windows, 28);
    const QStringList found = sorted(leftInEnglish);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void TestWindowTexts::textsFitTheirRoom_data()
{
    addLanguages(supportedUiLanguages());
}

// Each window at its own size, every page of it: no label, button or combo
// box draws a text in less room than the text needs.
void TestWindowTexts::textsFitTheirRoom()
{
    QFETCH(QString, language);
    QSet<QString> cut;
    const QStringList failures = tourIn(language, [&](QWidget* window, const QString& name) {
        forEachPage(window, [&] {
            for (const QString& text : cutTexts(window))
                cut.insert(QStringLiteral("%1: %2").arg(name, text));
        });
    });
    QCOMPARE(failures, QStringList());
    const QStringList found = sorted(cut);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void TestWindowTexts::accountTypesInTheAccountList_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    for (const char* language : {"de", "es", "fr", "ja"}) {
        QTest::addRow("%s checking", language) << language << int(AccountType::Checking) << "Checking";
        QTest::addRow("%s credit card", language) << language << int(AccountType::CreditCard) << "Credit Card";
        QTest::addRow("%s other", language) << language << int(AccountType::Other) << "Other";
    }
}

// An account without an institution is described by its type, in the word the
// account form offers that type in.
void TestWindowTexts::accountTypesInTheAccountList()
{
    QFETCH(QString, language);
    QFETCH(int, type);
    QFETCH(QString, name);
    writeUiLanguage(language);
    qobject_cast<Application*>(QCoreApplication::instance())->installTranslators();
    Account account;
    account.name = QStringLiteral("Household");
    account.accountType = AccountType(type);
    const AccountCard card(account, 0);
    const QString inForm = QCoreApplication::translate("AccountFormDialog", name.toUtf8().constData());
    QCOMPARE(card.findChild<QLabel*>(QStringLiteral("detailLabel"))->text(), inForm);
    QVERIFY(inForm != name);
}

VELLUMRY_TEST_MAIN_WITH(Application, TestWindowTexts)
#include "tst_windowtexts.moc"
