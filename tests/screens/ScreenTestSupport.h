#pragma once

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/Category.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/Transaction.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <QTranslator>

#include <memory>

// What a person does to a named widget of a screen or form.
template <typename Widget = QWidget>
Widget* child(const QObject* parent, const char* name)
{
    auto* widget = parent->findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// One row per interface language, in the column "language".
inline void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "en", "es", "fr", "ja"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// A language's compiled catalogue, in use for as long as this lives.
class CatalogueInUse
{
public:
    explicit CatalogueInUse(const QString& language)
        : m_installed(m_translator.load(QStringLiteral(":/i18n/vellumry_%1.qm").arg(language))
                      && QCoreApplication::installTranslator(&m_translator))
    {
    }
    ~CatalogueInUse() { QCoreApplication::removeTranslator(&m_translator); }
    CatalogueInUse(const CatalogueInUse&) = delete;
    CatalogueInUse& operator=(const CatalogueInUse&) = delete;

    bool isInstalled() const { return m_installed; }

private:
    QTranslator m_translator;
    bool m_installed;
};

// How wide a text draws where every glyph is present: one this machine lacks
// (Japanese, without a CJK font) counts as a square of the line height, so
// that a translation checked here also fits where the glyphs are drawn.
inline int fullTextWidth(const QFontMetrics& metrics, const QString& text)
{
    int width = metrics.horizontalAdvance(text);
    for (const QChar c : text) {
        if (!metrics.inFont(c))
            width += metrics.height() - metrics.horizontalAdvance(c);
    }
    return width;
}

inline void retype(const QObject* parent, const char* name, const QString& text)
{
    auto* edit = child<QWidget>(parent, name);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline void clickOk(const QObject* dialog)
{
    QTest::mouseClick(child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// Right-clicks `pos` in the view's viewport, reads the menu (a disabled entry
// reads "text (off)") and picks `choice`, or closes it. Empty when no menu opened.
inline QStringList contextMenuAt(QAbstractItemView* view, const QPoint& pos, const QString& choice = QString())
{
    QWidget* viewport = view->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, {}, pos);
    QStringList texts;
    QTimer::singleShot(0, view, [&texts, choice] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                texts.append(action->isEnabled() ? action->text() : action->text() + QStringLiteral(" (off)"));
            if (action->text() == choice)
                menu->setActiveAction(action);
        }
        if (choice.isEmpty())
            menu->close();
        else
            QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
    QApplication::sendEvent(viewport, &event);
    QCoreApplication::processEvents(); // without a menu, the timer finds none
    return texts;
}

// A screen test's ledger: an AppState opened on a fresh file, "now" pinned, and
// shortcuts that store records through the repositories as the program would.
class ScreenLedger
{
    QTemporaryDir m_dir; // first in, last out: the ledger file outlives the state

public:
    static QDateTime now() { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc()); }

    ScreenLedger()
    {
        Clock::setFixedNow(now());
        m_ready = m_dir.isValid() && state->openLedger(m_dir.filePath(QStringLiteral("vellumry.db")));
    }
    ~ScreenLedger() { Clock::reset(); }

    bool isReady() const { return m_ready; }

    Account addAccount(const QString& name, Currency currency = Currency::USD,
                       AccountType type = AccountType::Checking)
    {
        Account account;
        account.id = newId();
        account.name = name;
        account.currency = currency;
        account.accountType = type;
        account.createdAt = now();
        account.updatedAt = now();
        if (!state->accountRepository->insert(account))
            qWarning("could not add account %s", qPrintable(name));
        return account;
    }

    enum Marks { Open, Cleared, Reconciled };

    Transaction addTransaction(const QString& accountId, const QString& payee, qint64 amount = -100,
                               const QDate& date = QDate(2024, 3, 1), Marks marks = Open)
    {
        Transaction t;
        t.id = newId();
        t.accountId = accountId;
        t.date = date;
        t.payee = payee;
        t.amount = amount;
        t.cleared = marks != Open;
        t.reconciled = marks == Reconciled;
        t.syncStatus = SyncStatus::Synced;
        t.createdAt = now().addDays(-10);
        t.updatedAt = t.createdAt;
        if (!state->transactionRepository->insert(t))
            qWarning("could not add transaction %s", qPrintable(payee));
        return t;
    }

    Category addCategory(const QString& id, const QString& name, const QString& parentId = QString(),
                         CategoryType type = CategoryType::Expense)
    {
        Category category;
        category.id = id;
        category.name = name;
        category.parentId = parentId;
        category.categoryType = type;
        category.createdAt = now().addDays(-10);
        category.updatedAt = category.createdAt;
        if (!state->categoryRepository->insert(category))
            qWarning("could not add category %s", qPrintable(name));
        return category;
    }

    std::unique_ptr<AppState> state = std::make_unique<AppState>();

private:
    bool m_ready = false;
};

// The rows of a table model, each row's display texts joined by "|", for
// comparing whole rows at once.
inline QStringList modelRows(const QAbstractItemModel* model)
{
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells.append(model->index(row, column).data().toString());
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}
