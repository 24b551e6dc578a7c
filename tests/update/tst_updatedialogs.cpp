#include "TestMain.h"

#include "FakeBrowser.h"
#include "FakeUpdateSite.h"
#include "update/Client.h"
#include "update/ReleaseNotesFetcher.h"
#include "update/Web.h"
#include "update/ui/ExternalLinks.h"
#include "update/ui/NotesView.h"
#include "update/ui/UpdateDialog.h"
#include "update/ui/UpdateFlows.h"
#include "update/ui/WhatsNewDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>

using namespace OrvaUpdate;

namespace {

const QString Product = QStringLiteral("Orvalen Vellumry");
const QString Running = QStringLiteral("1.1.10");

// What a flow told its caller, in order.
class Events
{
public:
    CheckCallbacks callbacks()
    {
        return CheckCallbacks{
            [this](const QString& text) { list << QStringLiteral("started: ") + text; },
            [this] { list << QStringLiteral("finished"); },
            [this](const QString& text, int ms) { list << QStringLiteral("message: %1 (%2 ms)").arg(text).arg(ms); },
        };
    }

    QStringList list;
};

template<typename Dialog>
QList<Dialog*> openDialogs()
{
    QList<Dialog*> found;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (auto* dialog = qobject_cast<Dialog*>(window); dialog && dialog->isVisible())
            found.append(dialog);
    }
    return found;
}

// The dialog's labels, top to bottom.
QStringList labelTexts(const QWidget* dialog)
{
    QStringList texts;
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    for (const QLabel* label : labels)
        texts.append(label->text());
    return texts;
}

// The flows' clients and fetchers hang from the application until their answer.
bool flowsEnded()
{
    return qApp->findChildren<Client*>(Qt::FindDirectChildrenOnly).isEmpty()
        && qApp->findChildren<ReleaseNotesFetcher*>(Qt::FindDirectChildrenOnly).isEmpty();
}

QString shownNotes(QWidget* dialog)
{
    auto* view = dialog->findChild<NotesView*>();
    return view ? view->toPlainText() : QString();
}

// Clicks the middle of the first occurrence of `text` in the view.
void clickText(NotesView* view, const QString& text)
{
    const QTextCursor found = view->document()->find(text);
    QTextCursor middle(view->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->cursorRect(middle).center());
}

} // namespace

class TestUpdateDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void updateDialog_data();
    void updateDialog();
    void linksOpenOnlyWebAddresses();
    void interactiveCheck_data();
    void interactiveCheck();
    void whatsNewFromTheMenu_data();
    void whatsNewFromTheMenu();
    void whatsNewAfterUpgrade_data();
    void whatsNewAfterUpgrade();

private:
    Config config() const
    {
        return Config{QStringLiteral("vellumry"), QStringLiteral("stable"), m_site->channelUrl(), Running};
    }

    std::unique_ptr<FakeUpdateSite> m_site;
    std::unique_ptr<FakeBrowser> m_browser;
    std::unique_ptr<QWidget> m_window;
};

void TestUpdateDialogs::init()
{
    m_site = std::make_unique<FakeUpdateSite>();
    QVERIFY(m_site->start());
    m_browser = std::make_unique<FakeBrowser>();
    m_browser->setFollowsLinks(false);
    for (const QString& scheme : {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")})
        QDesktopServices::setUrlHandler(scheme, m_browser.get(), "open");
    m_window = std::make_unique<QWidget>();
    m_window->show();
    ReleaseNotesFetcher::setLanguage(QStringLiteral("en"));
    setRequestTimeout(300);
}

void TestUpdateDialogs::cleanup()
{
    m_window.reset();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        delete qobject_cast<QDialog*>(window);
    for (const QString& scheme : {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")})
        QDesktopServices::unsetUrlHandler(scheme);
    m_browser.reset();
    m_site.reset();
    setRequestTimeout(DefaultRequestTimeoutMs);
    ReleaseNotesFetcher::setLanguage(QString());
}

void TestUpdateDialogs::updateDialog_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<bool>("notesAddress");
    QTest::addColumn<bool>("mandatory");
    QTest::addColumn<QUrl>("download");
    QTest::addColumn<QString>("shownNotes");
    // A button clicked by its name, or a key pressed.
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QList<QUrl>>("opened");

    const QUrl web = FakeUpdateSite::downloadUrl(QStringLiteral("1.2.0"));
    QTest::newRow("notes, downloaded") << "# 1.2.0\n\n- Budgets" << true << false << web << "1.2.0\nBudgets"
                                       << "downloadButton" << QList<QUrl>{web};
    QTest::newRow("notes missing, later") << QString() << true << false << web
                                          << "Release notes are not available for this version." << "laterButton"
                                          << QList<QUrl>();
    QTest::newRow("mandatory, closed") << "Security fix" << true << true << web << "Security fix" << "Escape"
                                       << QList<QUrl>();
    QTest::newRow("no notes address, Return") << "never asked" << false << false << web << QString() << "Return"
                                              << QList<QUrl>{web};
    QTest::newRow("local file refused") << QString() << false << false
                                        << QUrl(QStringLiteral("file:///usr/bin/xterm")) << QString()
                                        << "downloadButton" << QList<QUrl>();
    QTest::newRow("file share refused") << QString() << false << false
                                        << QUrl(QStringLiteral("file://fileserver.test/share/setup.exe"))
                                        << QString() << "downloadButton" << QList<QUrl>();
}

void TestUpdateDialogs::updateDialog()
{
    QFETCH(QString, notes);
    QFETCH(bool, notesAddress);
    QFETCH(bool, mandatory);
    QFETCH(QUrl, download);
    QFETCH(QString, shownNotes);
    QFETCH(QString, answer);
    QFETCH(QList<QUrl>, opened);
    if (!notes.isNull())
        m_site->putNotes(QStringLiteral("1.2.0"), notes);

    Artifact artifact;
    artifact.version = QStringLiteral("1.2.0");
    artifact.url = download;
    artifact.mandatory = mandatory;
    artifact.releaseNotesUrl = notesAddress ? m_site->notesUrl(artifact.version) : QUrl();
    UpdateDialog dialog(artifact, Running, Product);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Update available"));
    QCOMPARE(labelTexts(&dialog), (QStringList{"A new version of Orvalen Vellumry is available.",
                                               "You have version 1.1.10. The latest version is 1.2.0."}));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("laterButton")) != nullptr, !mandatory);

    auto* view = dialog.findChild<NotesView*>();
    QCOMPARE(view != nullptr && view->isVisible(), notesAddress);
    if (view)
        QTRY_COMPARE(view->toPlainText(), shownNotes);
    else
        QCOMPARE(m_site->http()->requestCount(), 0);

    if (answer == QLatin1String("Escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else if (answer == QLatin1String("Return"))
        QTest::keyClick(&dialog, Qt::Key_Return);
    else
        QTest::mouseClick(dialog.findChild<QPushButton*>(answer), Qt::LeftButton);
    const bool accepted = answer == QLatin1String("Return") || answer == QLatin1String("downloadButton");
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_browser->openedUrls(), opened);
}

void TestUpdateDialogs::linksOpenOnlyWebAddresses()
{
    WhatsNewDialog dialog(
        QStringLiteral("See [the guide](https://example.test/guide) or [this file](file:///etc/hosts)."), Running,
        Running, Product, m_window.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* view = dialog.findChild<NotesView*>();
    clickText(view, QStringLiteral("this file"));
    clickText(view, QStringLiteral("the guide"));
    QCOMPARE(m_browser->openedUrls(), QList<QUrl>{QUrl(QStringLiteral("https://example.test/guide"))});

    openFeedbackPage({QStringLiteral("vellumry"), QUrl(QStringLiteral("https://feedback.example.test/board?old=1"))});
    QCOMPARE(m_browser->openedUrls().last(),
             QUrl(QStringLiteral("https://feedback.example.test/board/?tags=vellumry")));
}

void TestUpdateDialogs::interactiveCheck_data()
{
    QTest::addColumn<QString>("published");
    QTest::addColumn<bool>("hangs");
    QTest::addColumn<bool>("windowClosed");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("offered");

    const QString started = QStringLiteral("started: Checking for updates…");
    const QString finished = QStringLiteral("finished");
    QTest::newRow("newer release") << "1.2.0" << false << false << QStringList{started, finished} << true;
    QTest::newRow("up to date") << "1.1.10" << false << false
                                << QStringList{started, finished,
                                               "message: Orvalen Vellumry is up to date (version 1.1.10) (5000 ms)"}
                                << false;
    QTest::newRow("site hangs")
        << "1.2.0" << true << false
        << QStringList{started, finished,
                       "message: Update check failed: network error: no answer within 300 ms (5000 ms)"}
        << false;
    QTest::newRow("window closed meanwhile") << "1.2.0" << false << true << QStringList{started, finished} << false;
}

void TestUpdateDialogs::interactiveCheck()
{
    QFETCH(QString, published);
    QFETCH(bool, hangs);
    QFETCH(bool, windowClosed);
    QFETCH(QStringList, events);
    QFETCH(bool, offered);
    m_site->publish(published);
    if (hangs)
        m_site->hang(FakeUpdateSite::manifestPath());

    Events seen;
    runInteractiveUpdateCheck(config(), Product, m_window.get(), seen.callbacks());
    QCOMPARE(seen.list, QStringList{events.first()});
    if (windowClosed)
        m_window.reset();
    QTRY_COMPARE(seen.list, events);
    QTRY_VERIFY(flowsEnded());

    const QList<UpdateDialog*> dialogs = openDialogs<UpdateDialog>();
    QCOMPARE(dialogs.size(), offered ? 1 : 0);
    if (offered)
        QCOMPARE(dialogs.first()->parentWidget(), m_window.get());
}

void TestUpdateDialogs::whatsNewFromTheMenu_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("runningNotes");
    QTest::addColumn<QString>("published");
    QTest::addColumn<QString>("newerNotes");
    QTest::addColumn<bool>("hangs");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("downloadButton");

    const QStringList none;
    const QString noTitle;
    QTest::newRow("running version's notes")
        << "en" << QStringList{"# Fixes"} << "1.2.0" << "# Budgets" << false << "What's New in Orvalen Vellumry 1.1.10"
        << "Fixes" << QString();
    QTest::newRow("translated notes first")
        << "fr" << QStringList{"# Fixes", "# Corrections"} << QString() << QString() << false
        << "What's New in Orvalen Vellumry 1.1.10" << "Corrections" << QString();
    QTest::newRow("newer release's notes") << "en" << none << "1.2.0" << "# Budgets" << false
                                           << "What's New in Orvalen Vellumry 1.2.0" << "Budgets"
                                           << "Download 1.2.0";
    QTest::newRow("site hangs") << "en" << none << "1.2.0" << "# Budgets" << true << noTitle << QString()
                                << QString();
    QTest::newRow("up to date, no notes") << "en" << none << "1.1.10" << QString() << false << noTitle << QString()
                                          << QString();
}

void TestUpdateDialogs::whatsNewFromTheMenu()
{
    QFETCH(QString, language);
    QFETCH(QStringList, runningNotes);
    QFETCH(QString, published);
    QFETCH(QString, newerNotes);
    QFETCH(bool, hangs);
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QFETCH(QString, downloadButton);
    ReleaseNotesFetcher::setLanguage(language);
    if (runningNotes.size() > 0)
        m_site->putNotes(Running, runningNotes.at(0));
    if (runningNotes.size() > 1)
        m_site->putNotes(Running, runningNotes.at(1), language);
    if (!published.isEmpty())
        m_site->publish(published);
    if (!newerNotes.isNull())
        m_site->putNotes(published, newerNotes);
    if (hangs)
        m_site->hang(FakeUpdateSite::manifestPath());

    Events seen;
    showWhatsNew(config(), Product, m_window.get(), seen.callbacks());
    QStringList expected{QStringLiteral("started: Loading release notes…"), QStringLiteral("finished")};
    if (title.isEmpty())
        expected << QStringLiteral("message: No release notes available for Orvalen Vellumry 1.1.10 (5000 ms)");
    QTRY_COMPARE(seen.list, expected);
    QTRY_VERIFY(flowsEnded());

    const QList<WhatsNewDialog*> dialogs = openDialogs<WhatsNewDialog>();
    QCOMPARE(dialogs.size(), title.isEmpty() ? 0 : 1);
    if (dialogs.isEmpty())
        return;
    WhatsNewDialog* dialog = dialogs.first();
    QCOMPARE(dialog->windowTitle(), title);
    QCOMPARE(shownNotes(dialog), shown);
    QCOMPARE(labelTexts(dialog),
             (QStringList{QString(title).replace("What's New", "What's new"), "You are running version 1.1.10"}));
    auto* download = dialog->findChild<QPushButton*>(QStringLiteral("downloadButton"));
    QCOMPARE(download ? download->text() : QString(), downloadButton);
    for (const char* name : {"notesBrowser", "runningVersionLabel", "closeButton"})
        QVERIFY2(dialog->findChild<QWidget*>(name)->isVisible(), name);

    QPointer<WhatsNewDialog> guard(dialog);
    QTest::mouseClick(download ? download : dialog->findChild<QPushButton*>(QStringLiteral("closeButton")),
                      Qt::LeftButton);
    QTRY_VERIFY(!guard);
    const QList<QUrl> opened = download ? QList<QUrl>{FakeUpdateSite::downloadUrl(published)} : QList<QUrl>();
    QCOMPARE(m_browser->openedUrls(), opened);
}

void TestUpdateDialogs::whatsNewAfterUpgrade_data()
{
    QTest::addColumn<QString>("notes");
    QTest::newRow("notes published") << "# 1.1.10\n\nFaster register";
    QTest::newRow("notes missing") << QString();
}

void TestUpdateDialogs::whatsNewAfterUpgrade()
{
    QFETCH(QString, notes);
    if (!notes.isNull())
        m_site->putNotes(Running, notes);
    m_site->publish(QStringLiteral("1.2.0"));

    showWhatsNewAfterUpgrade(config(), Product, m_window.get());
    QTRY_VERIFY(flowsEnded());
    const QList<WhatsNewDialog*> dialogs = openDialogs<WhatsNewDialog>();
    QCOMPARE(dialogs.size(), notes.isNull() ? 0 : 1);
    // Missing notes are silent: no update check instead.
    QCOMPARE(m_site->requestedPaths(), QStringList{FakeUpdateSite::notesPath(Running)});
    if (dialogs.isEmpty())
        return;
    QCOMPARE(dialogs.first()->windowTitle(), QStringLiteral("What's New in Orvalen Vellumry 1.1.10"));
    QCOMPARE(shownNotes(dialogs.first()), QStringLiteral("1.1.10\nFaster register"));
    QVERIFY(!dialogs.first()->findChild<QPushButton*>(QStringLiteral("downloadButton")));
}

VELLUMRY_TEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
