#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "OnlineTestSupport.h"
#include "account/Client.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "screens/SettingsDataSyncPage.h"
#include "screens/SettingsScreen.h"
#include "services/ZipWriter.h"
#include "widgets/Appearance.h"
#include "widgets/FileDialog.h"
#include "widgets/InputDialog.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"
#include "widgets/ThemeManager.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QScrollArea>
#include <QScrollBar>
#include <QSqlQuery>
#include <QStackedWidget>

namespace {

void choose(const QObject* screen, const char* combo, const QString& text)
{
    auto* box = child<QComboBox>(screen, combo);
    box->setCurrentIndex(box->findText(text));
}

// On the left edge: a check box is as wide as its row, but only its box and text take a click.
void click(const QObject* screen, const char* name)
{
    auto* button = child<QAbstractButton>(screen, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

QString text(const QObject* screen, const char* label)
{
    return child<QLabel>(screen, label)->text();
}

} // namespace

class TestSettingsScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m.reset(); }
    void controlsWriteAtOnce();
    void everyChoiceIsStored_data();
    void everyChoiceIsStored();
    void accentDialogStoresTheChosenSwatch();
    void sideListLabelsFit_data();
    void sideListLabelsFit();
    void statusColours_data();
    void statusColours();
    void backupExportAndImport_data();
    void backupExportAndImport();
    void importSummaryCountsEveryError();
    void unreadableLedgerMakesNoBackup();
    void restoreDeletedAccountWithItsRows();
    void signInSyncAndForceFullSync();

private:
    PreferencesRepository* preferences() const { return m->state->preferencesRepository; }
    std::unique_ptr<SettingsScreen> openScreen(int page);

    std::unique_ptr<ScreenLedger> m;
};

void TestSettingsScreen::init()
{
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m->state->themeManager = new ThemeManager(preferences(), m->state.get());
    // Neither is one of the choices: the combos show the default.
    setCurrentFontScale(120);
    preferences()->set(QStringLiteral("theme"), QStringLiteral("purple"));
    preferences()->set(QStringLiteral("weekStartDay"), QStringLiteral("7"));
    localeFirstDayOfWeek() = Qt::Sunday;
    // The theme chosen in one test would colour the next.
    QApplication::setPalette(ThemeManager::lightPalette());
}

std::unique_ptr<SettingsScreen> TestSettingsScreen::openScreen(int page)
{
    auto screen = std::make_unique<SettingsScreen>(m->state.get());
    screen->refresh();
    screen->show();
    child<QListWidget>(screen.get(), "categoryList")->setCurrentRow(page);
    return screen;
}

void TestSettingsScreen::controlsWriteAtOnce()
{
    QSignalSpy written(preferences(), &PreferencesRepository::changed);
    const auto screen = openScreen(0);
    QCOMPARE(QVariantList({written.count(), child<QComboBox>(screen.get(), "themeCombo")->currentText(),
                           child<QComboBox>(screen.get(), "fontSizeCombo")->currentText()}),
             QVariantList({0, "System Default", "Default"}));
    choose(screen.get(), "themeCombo", QStringLiteral("Dark"));
    choose(screen.get(), "fontSizeCombo", QStringLiteral("Large"));
    choose(screen.get(), "weekStartCombo", QStringLiteral("Monday"));
    child<QListWidget>(screen.get(), "categoryList")->setCurrentRow(1);
    choose(screen.get(), "balanceModeCombo", QStringLiteral("Cleared balance"));
    click(screen.get(), "autoDecimalCheckBox");
    click(screen.get(), "highlightOverdrawnCheckBox");
    QStringList stored;
    for (const char* key : {"theme", "fontScale", "weekStartDay", "dashboardBalanceMode", "amountAutoDecimal",
                            "registerHighlightOverdrawn"})
        stored.append(preferences()->getString(QLatin1String(key)));
    QCOMPARE(stored, QStringList({"dark", "130", "1", "cleared", "1", "0"}));
    QCOMPARE(QVariantList({int(localeFirstDayOfWeek()), isAmountAutoDecimal()}), QVariantList({1, true}));

    // The language applies at the next start only.
    MessageBox::setNextAnswer(QMessageBox::Ok);
    choose(screen.get(), "languageCombo", QStringLiteral("Deutsch"));
    QCOMPARE(QStringList({MessageBox::lastTitle(), QSettings().value(QStringLiteral("ui/language")).toString()}),
             QStringList({"Language Changed", "de"}));
    // A screen opened later shows the stored language; "System Default" is stored as a choice of its own.
    const auto reopened = openScreen(0);
    QCOMPARE(child<QComboBox>(reopened.get(), "languageCombo")->currentText(), QStringLiteral("Deutsch"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    choose(reopened.get(), "languageCombo", QStringLiteral("System Default"));
    QCOMPARE(QSettings().value(QStringLiteral("ui/language")).toString(), QStringLiteral("system"));
    // Choosing what is stored already asks nothing: an unanswered box would end the test.
    choose(screen.get(), "languageCombo", QStringLiteral("System Default"));
    QCOMPARE(QSettings().value(QStringLiteral("ui/language")).toString(), QStringLiteral("system"));
}

void TestSettingsScreen::everyChoiceIsStored_data()
{
    QTest::addColumn<QByteArray>("combo");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    const auto row = [](const char* combo, int page, const char* choice, const char* key, const char* stored) {
        QTest::newRow(choice) << QByteArray(combo) << page << QString::fromUtf8(choice) << QString::fromUtf8(key)
                              << QString::fromUtf8(stored);
    };
    row("themeCombo", 0, "Light", "theme", "light");
    row("themeCombo", 0, "Dark", "theme", "dark");
    row("fontSizeCombo", 0, "Small", "fontScale", "85");
    row("fontSizeCombo", 0, "Medium", "fontScale", "115");
    row("fontSizeCombo", 0, "Extra Large", "fontScale", "150");
    row("weekStartCombo", 0, "Monday", "weekStartDay", "1");
    row("weekStartCombo", 0, "Saturday", "weekStartDay", "6");
    row("balanceModeCombo", 1, "Cleared balance", "dashboardBalanceMode", "cleared");
    row("balanceModeCombo", 1, "Balance as of today", "dashboardBalanceMode", "asOfToday");
}

void TestSettingsScreen::everyChoiceIsStored()
{
    QFETCH(QByteArray, combo);
    QFETCH(int, page);
    QFETCH(QString, choice);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    const auto screen = openScreen(page);
    choose(screen.get(), combo.constData(), choice);
    QCOMPARE(preferences()->getString(key), stored);
}

void TestSettingsScreen::accentDialogStoresTheChosenSwatch()
{
    preferences()->set(QStringLiteral("accentColor"), QStringLiteral("#1E88E5"));
    const auto screen = openScreen(0);
    QStringList swatches;
    ModalDialog::setNextHandler([&swatches](QDialog* dialog) {
        const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
        for (QPushButton* swatch : buttons)
            swatches.append(swatch->styleSheet().contains(QLatin1String("2px")) ? swatch->toolTip() : QString());
        QCOMPARE(buttons.at(1)->styleSheet(), QStringLiteral("QPushButton { background-color: #1e88e5; "
                                                             "border-radius: 18px; border: 2px solid #12211B; }"));
        QTest::mouseClick(buttons.at(3), Qt::LeftButton);
    });
    click(screen.get(), "accentButton");
    QCOMPARE(ModalDialog::lastTitle(), QStringLiteral("Accent color"));
    QCOMPARE(swatches, QStringList({"", "#1e88e5", "", "", "", "", "", ""}));
    QCOMPARE(preferences()->getString(QStringLiteral("accentColor")), QStringLiteral("#8e24aa"));
    QVERIFY(child<QPushButton>(screen.get(), "accentButton")->styleSheet().contains(QLatin1String("#8e24aa")));

    // Cancel keeps the colour.
    QSignalSpy written(preferences(), &PreferencesRepository::changed);
    ModalDialog::setNextHandler([](QDialog* dialog) {
        QTest::mouseClick(child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    });
    click(screen.get(), "accentButton");
    QCOMPARE(QVariantList({written.count(), preferences()->getString(QStringLiteral("accentColor"))}),
             QVariantList({0, "#8e24aa"}));
}

void TestSettingsScreen::sideListLabelsFit_data()
{
    addLanguageRows();
}

// The side list is 180 pixels wide in every language: no label may need a
// horizontal scroll bar there, at the default font size.
void TestSettingsScreen::sideListLabelsFit()
{
    QFETCH(QString, language);
    const CatalogueInUse catalogue(language);
    QVERIFY(catalogue.isInstalled());
    setCurrentFontScale(100);
    const auto screen = openScreen(0);
    auto* list = child<QListWidget>(screen.get(), "categoryList");
    const int room = list->viewport()->width() - 2 * list->spacing();
    auto* pages = child<QStackedWidget>(screen.get(), "pageStack");
    QStringList labels;
    QStringList titles;
    QStringList tooWide;
    for (int row = 0; row < list->count(); ++row) {
        const QString label = list->item(row)->text();
        labels.append(label);
        const QWidget* page = qobject_cast<QScrollArea*>(pages->widget(row))->widget();
        titles.append(qobject_cast<QLabel*>(page->layout()->itemAt(0)->widget())->text());
        // The icon and the padding around the text, as the list measures the item.
        const int around = list->sizeHintForIndex(list->model()->index(row, 0)).width()
                           - list->fontMetrics().horizontalAdvance(label);
        const int needed = around + fullTextWidth(list->fontMetrics(), label);
        if (needed > room)
            tooWide.append(QStringLiteral("%1 needs %2 of %3").arg(label).arg(needed).arg(room));
    }
    QCOMPARE(QVariantList({tooWide, list->horizontalScrollBar()->maximum()}), QVariantList({QStringList(), 0}));
    // Each page's title is its label in the list.
    QCOMPARE(titles, labels);
}

void TestSettingsScreen::statusColours_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("colour");
    using S = SyncEngine::SyncState;
    QTest::newRow("light idle") << false << int(S::Idle) << "#2e7d32";
    QTest::newRow("dark idle") << true << int(S::Idle) << "#66bb6a";
    QTest::newRow("light syncing") << false << int(S::Syncing) << "#00897b";
    QTest::newRow("dark syncing") << true << int(S::Syncing) << "#00897b";
    QTest::newRow("light error") << false << int(S::Error) << "#c62828";
    QTest::newRow("dark error") << true << int(S::Error) << "#ff8a80";
    QTest::newRow("light offline") << false << int(S::Offline) << "#e65100";
    QTest::newRow("dark offline") << true << int(S::Offline) << "#ffa726";
}

void TestSettingsScreen::statusColours()
{
    QFETCH(bool, dark);
    QFETCH(int, state);
    QFETCH(QString, colour);
    appAccentColor() = QColor(QStringLiteral("#00897B"));
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
    QCOMPARE(SettingsDataSyncPage::statusColor(SyncEngine::SyncState(state)).name(), colour);
}

void TestSettingsScreen::backupExportAndImport_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("summary");
    // The account was changed before the backup was made, the transaction after.
    QTest::newRow("skip existing") << "Skip existing items" << "Imported 0 items, skipped 2.";
    QTest::newRow("keep newer") << "Keep newer (compare timestamps)" << "Imported 1 items, skipped 1.";
    QTest::newRow("replace all") << "Replace all with backup data" << "Imported 2 items, skipped 0.";
}

void TestSettingsScreen::backupExportAndImport()
{
    QFETCH(QString, mode);
    QFETCH(QString, summary);
    m->addTransaction(m->addAccount(QStringLiteral("Checking")).id, QStringLiteral("Rent"));
    const auto screen = openScreen(2);
    QSignalSpy restored(screen.get(), &SettingsScreen::deletedAccountRestored);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("backup.zip"));
    for (const QString& target : {dir.filePath(QStringLiteral("missing/backup.zip")), path}) {
        FileDialog::setNextFileName(target);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(screen.get(), "exportBackupButton");
        QCOMPARE(MessageBox::lastText(),
                 (target == path ? QStringLiteral("Backup saved to:\n") : QStringLiteral("Could not write to:\n"))
                     + target);
    }
    QSqlQuery(m->state->database->database()).exec(QStringLiteral("UPDATE accounts SET updated_at = '2000-01-01'"));
    FileDialog::setNextFileName(path);
    InputDialog::setNextText(mode);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click(screen.get(), "importBackupButton");
    QCOMPARE(QVariantList({MessageBox::lastTitle(), MessageBox::lastText(), restored.count()}),
             QVariantList({"Import Complete", summary, 1}));
}

// More problems than the service lists one by one: the summary counts them all.
void TestSettingsScreen::importSummaryCountsEveryError()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.zip"));
    ZipWriter writer;
    for (int i = 0; i < 150; ++i)
        QVERIFY(writer.addFile(QStringLiteral("accounts/broken-%1.json").arg(i), "[]", ScreenLedger::now()));
    QVERIFY(writer.addFile(QStringLiteral("manifest.json"), R"({"version": 1})", ScreenLedger::now()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(writer.finish()) > 0);
    file.close();

    const auto screen = openScreen(2);
    FileDialog::setNextFileName(path);
    InputDialog::setNextText(QStringLiteral("Skip existing items"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click(screen.get(), "importBackupButton");
    QCOMPARE(QStringList({MessageBox::lastTitle(), MessageBox::lastText()}),
             QStringList({"Import Complete", "Imported 0 items, skipped 0.\n\n150 error(s) occurred."}));
}

void TestSettingsScreen::unreadableLedgerMakesNoBackup()
{
    const auto screen = openScreen(2);
    QVERIFY(QSqlQuery(m->state->database->database())
                .exec(QStringLiteral("ALTER TABLE reconciliations RENAME TO reconciliations_elsewhere")));
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("backup.zip"));
    FileDialog::setNextFileName(path);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("export query")));
    click(screen.get(), "exportBackupButton");
    QCOMPARE(QVariantList({MessageBox::lastTitle(), QFile::exists(path),
                           child<QPushButton>(screen.get(), "exportBackupButton")->isEnabled()}),
             QVariantList({"Backup Failed", false, true}));
}

void TestSettingsScreen::restoreDeletedAccountWithItsRows()
{
    const Account savings = m->addAccount(QStringLiteral("Savings"));
    const Transaction rent = m->addTransaction(savings.id, QStringLiteral("Rent"));
    QVERIFY(m->state->transactionRepository->softDeleteByAccount(savings.id) == 1
            && m->state->accountRepository->softDelete(savings.id));
    const auto screen = openScreen(2);
    QCOMPARE(text(screen.get(), "accountStatusLabel"),
             QStringLiteral("Not signed in.\nSign in via File › Orvalen Account to enable sync."));
    QVERIFY(!child(screen.get(), "syncButtonRow")->isVisible());
    auto* list = child<QListWidget>(screen.get(), "deletedAccountsList");
    QCOMPARE(list->item(0)->text(), savings.name);
    QVERIFY(!child(screen.get(), "restoreButton")->isEnabled());

    QSignalSpy restored(screen.get(), &SettingsScreen::deletedAccountRestored);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    click(screen.get(), "restoreButton");
    QCOMPARE(QVariantList({restored.count(), child(screen.get(), "deletedAccountsBlock")->isVisible(),
                           bool(m->state->accountRepository->findById(savings.id)->deletedAt),
                           bool(m->state->transactionRepository->findById(rent.id)->deletedAt)}),
             QVariantList({1, false, false, false}));
}

void TestSettingsScreen::signInSyncAndForceFullSync()
{
    OnlineTest::OnlineWorld world;
    QVERIFY(world.services.start());
    const QString userId = world.services.auth()->addUser(QStringLiteral("grace@example.test"),
                                                          QStringLiteral("Grace & <Co>"));
    world.services.auth()->setBrowserUser(userId);
    OrvaAccount::Client client(OnlineTest::configFor(world.services),
                               std::make_unique<OrvaAccount::MemoryTokenStore>());
    m->addAccount(QStringLiteral("Checking"));
    AppState* state = m->state.get();
    state->connectOnline(&client, world.services.syncApiUrl());
    client.initialize();
    const auto screen = openScreen(2);
    client.authClient()->login();
    QTRY_VERIFY(client.isAuthenticated());
    screen->refresh();
    QTRY_VERIFY(text(screen.get(), "accountStatusLabel")
                    .startsWith(QLatin1String("<b>Signed in as:</b> Grace &amp; &lt;Co&gt;<br>")));
    QCOMPARE(text(screen.get(), "syncDetailLabel"), QStringLiteral("Never synced"));

    // Refused by the service: the error shows. Held by an import: no run starts
    // and the button comes back at once.
    auto* syncNow = child<QPushButton>(screen.get(), "syncNowButton");
    FakeHttpServer* http = world.services.http();
    http->injectFault("POST", FakeSyncService::pushPath(), FakeFault::status(500), 1);
    click(screen.get(), "syncNowButton");
    QCOMPARE(syncNow->text(), QStringLiteral("Syncing..."));
    QTRY_VERIFY(syncNow->isEnabled());
    QVERIFY(text(screen.get(), "accountStatusLabel").contains(QLatin1String("color:#c62828\">Sync error<")));
    QCOMPARE(text(screen.get(), "syncDetailLabel"), QStringLiteral("Never synced\nError: Push failed (HTTP 500)"));
    state->syncEngine->holdRuns();
    click(screen.get(), "syncNowButton");
    QCOMPARE(QVariantList({syncNow->isEnabled(), syncNow->text()}), QVariantList({true, "Sync Now"}));
    state->syncEngine->releaseRuns();
    QTRY_COMPARE(world.services.sync()->rows(userId, QStringLiteral("account")).size(), 1);
    QTRY_VERIFY(!state->syncEngine->isRunning());
    click(screen.get(), "syncNowButton");
    QTRY_VERIFY(syncNow->isEnabled());
    QVERIFY(text(screen.get(), "syncDetailLabel").startsWith(QLatin1String("Last synced: Mar 5, ")));

    // A stored time that is not ISO 8601 shows as it is.
    preferences()->set(SyncEngine::kLastSyncTimestampKey, QStringLiteral("yesterday"));
    screen->refresh();
    QCOMPARE(text(screen.get(), "syncDetailLabel"), QStringLiteral("Last synced: yesterday"));

    // Everything goes up again, and comes down from the beginning; "No" changes nothing.
    const qsizetype pushes = http->requestsTo(FakeSyncService::pushPath()).size();
    auto* forceFull = child<QPushButton>(screen.get(), "forceFullSyncButton");
    MessageBox::setNextAnswer(QMessageBox::No);
    click(screen.get(), "forceFullSyncButton");
    QCOMPARE(QVariantList({m->state->accountRepository->listPending().size(),
                           preferences()->get(QStringLiteral("syncCursor")).has_value(), forceFull->isEnabled()}),
             QVariantList({0, true, true}));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::ignoreMessage(QtInfoMsg, "Force Full Sync: marked pending — accounts: 1 categories: 0 transactions: 0 "
                                    "recurrings: 0 reconciliations: 0");
    click(screen.get(), "forceFullSyncButton");
    QCOMPARE(QVariantList({syncNow->isEnabled(), forceFull->isEnabled()}), QVariantList({false, false}));
    QTRY_VERIFY(forceFull->isEnabled() && syncNow->isEnabled());
    const QList<FakeRequest> pushed = http->requestsTo(FakeSyncService::pushPath());
    QCOMPARE(pushed.size(), pushes + 1);
    QCOMPARE(pushed.constLast().jsonBody().value(QLatin1String("changes")).toArray().size(), 1);
    QVERIFY(!http->requestsTo(FakeSyncService::pullPath()).constLast().query.hasQueryItem(QStringLiteral("cursor")));
    m.reset(); // before the client it uses
}

VELLUMRY_TEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
