#include "InputRefusal.h"
#include "RegisterLedger.h"
#include "TestMain.h"

#include "data/SplitLineRepository.h"
#include "register/SplitEditorDialog.h"
#include "register/SplitLinesWidget.h"
#include "register/TransactionActions.h"
#include "register/TransactionDetailsDialog.h"
#include "register/TransactionFormDialog.h"
#include "widgets/DateField.h"
#include "widgets/SmartAmountField.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextDocument>

namespace {

SplitLine splitLine(const QString& categoryId, qint64 amount, const QString& memo = QString())
{
    SplitLine line;
    line.id = newId();
    line.categoryId = categoryId;
    line.amount = amount;
    line.memo = memo;
    line.createdAt = line.updatedAt = RegisterLedger::now();
    return line;
}

QWidget* cell(QWidget* editor, int row, int column)
{
    return child<QTableWidget>(editor, "splitTable")->cellWidget(row, column);
}

// Selects the field's text and replaces it: "<paste>" pastes the rest, "<clear>" deletes it.
void enterAmount(SmartAmountField* field, const QString& entry)
{
    field->setFocus();
    field->selectAll();
    if (entry == u"<clear>") {
        QTest::keyClick(field, Qt::Key_Delete);
    } else if (entry.startsWith(u"<paste>")) {
        QGuiApplication::clipboard()->setText(entry.mid(7));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(field, entry);
    }
}

QStringList labelTexts(const QDialog& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    return texts;
}

} // namespace

class TestTransactionDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void splitEditorRemaining_data();
    void splitEditorRemaining();
    void splitEditorOpensStoredLines();
    void formTypes_data();
    void formTypes();
    void formSplitAndEdit();
    void detailsView();
    void detailsToggleAndDelete();
    void detailsShowTheWholeMemo_data();
    void detailsShowTheWholeMemo();
    void amountNotUnderstood_data();
    void amountNotUnderstood();
    void amountFilledAfterARefusal();
    void typedDateAndAmount_data();
    void typedDateAndAmount();

private:
    std::unique_ptr<RegisterLedger> m_ledger;
};

void TestTransactionDialogs::init()
{
    m_ledger = std::make_unique<RegisterLedger>();
    QVERIFY(m_ledger->ready);
}

void TestTransactionDialogs::cleanup()
{
    m_ledger.reset();
}

void TestTransactionDialogs::splitEditorRemaining_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<QList<qint64>>("lines");

    QTest::newRow("two blank lines") << qint64(-10000) << QStringList() << "Remaining: $100.00|" << QList<qint64>();
    QTest::newRow("payment split exactly")
        << qint64(-10000) << QStringList{"60", "40"} << "Remaining: $0.00|color: green;" << QList<qint64>{-6000, -4000};
    QTest::newRow("deposit, one cent over") << qint64(10000) << QStringList{"60", "40.01"}
                                            << "Remaining: -$0.01|color: #cc0000;" << QList<qint64>{6000, 4001};
    QTest::newRow("a zero line is dropped")
        << qint64(-10000) << QStringList{"100", "0"} << "Remaining: $0.00|color: green;" << QList<qint64>{-10000};
}

void TestTransactionDialogs::splitEditorRemaining()
{
    QFETCH(qint64, amount);
    QFETCH(QStringList, typed);
    QFETCH(QString, remaining);
    QFETCH(QList<qint64>, lines);

    SplitEditorDialog editor(&m_ledger->state, amount, Currency::USD, {});
    QCOMPARE(child<QTableWidget>(&editor, "splitTable")->rowCount(), 2);
    for (int row = 0; row < typed.size(); ++row) {
        auto* category = qobject_cast<QComboBox*>(cell(&editor, row, 0));
        category->setCurrentIndex(category->findText(QStringLiteral("Food")));
        typeOver(qobject_cast<SmartAmountField*>(cell(&editor, row, 1)), typed.at(row));
    }
    auto* label = child<QLabel>(&editor, "remainingLabel");
    QCOMPARE(label->text() + QLatin1Char('|') + label->styleSheet(), remaining);
    QList<qint64> amounts;
    for (const SplitLine& line : editor.lines())
        amounts.append(line.categoryId == QStringLiteral("food") ? line.amount : 0);
    QCOMPARE(amounts, lines);
}

void TestTransactionDialogs::splitEditorOpensStoredLines()
{
    QVERIFY(m_ledger->addCategory(QStringLiteral("gone"), QStringLiteral("Gone"), true));
    SplitEditorDialog editor(&m_ledger->state, -3000, Currency::USD,
                             {splitLine(QStringLiteral("food"), -2000, QStringLiteral("lunch")),
                              splitLine(QStringLiteral("gone"), -1000)});
    QCOMPARE(qobject_cast<QComboBox*>(cell(&editor, 0, 0))->currentText(), QStringLiteral("Food"));
    QCOMPARE(child<QTableWidget>(&editor, "splitTable")->item(0, 2)->text(), QStringLiteral("lunch"));
    // A category that is no longer live opens on "(none)".
    QCOMPARE(qobject_cast<QComboBox*>(cell(&editor, 1, 0))->currentText(), QStringLiteral("(none)"));

    // "- Remove" takes the line being edited, and nothing when none is.
    QSignalSpy changed(editor.findChild<SplitLinesWidget*>(), &SplitLinesWidget::changed);
    auto* remove = child<QPushButton>(&editor, "removeLineButton");
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(changed.count(), 0);
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    cell(&editor, 1, 1)->setFocus();
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(child<QLabel>(&editor, "remainingLabel")->text(), QStringLiteral("Remaining: $10.00"));

    SplitEditorDialog yen(&m_ledger->state, -1234, Currency::JPY, {splitLine(QStringLiteral("food"), -1234)});
    QCOMPARE(qobject_cast<SmartAmountField*>(cell(&yen, 0, 1))->decimals(), 0);
    QCOMPARE(child<QLabel>(&yen, "remainingLabel")->text(), QStringLiteral("Remaining: \u00a50"));
}

void TestTransactionDialogs::formTypes_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected"); // type texts, payee, amount

    QTest::newRow("card charge") << "card" << "outflowRadio" << "Charge Payment Transfer|Corner Shop|-1234";
    QTest::newRow("card payment") << "card" << "inflowRadio" << "Charge Payment Transfer|Corner Shop|1234";
    QTest::newRow("checking deposit") << "checking" << "inflowRadio" << "Payment Deposit Transfer|Corner Shop|1234";
    QTest::newRow("new transfer") << "checking" << "transferRadio"
                                  << "Payment Deposit Transfer|[Transfer] Savings|-1234";
}

void TestTransactionDialogs::formTypes()
{
    QFETCH(QString, accountId);
    QFETCH(QString, button);
    QFETCH(QString, expected);

    TransactionFormDialog form(&m_ledger->state, accountId);
    form.show();
    QStringList types;
    for (const char* name : {"outflowRadio", "inflowRadio", "transferRadio"})
        types.append(child<QRadioButton>(&form, name)->text());
    typeOver(child<QLineEdit>(&form, "payeeEdit"), QStringLiteral(" Corner Shop "));
    QTest::mouseClick(child<QRadioButton>(&form, button.toLatin1().constData()), Qt::LeftButton);
    typeOver(child<SmartAmountField>(&form, "amountField"), QStringLiteral("12.34"));
    const Transaction result = form.transaction();
    QCOMPARE(QStringLiteral("%1|%2|%3").arg(types.join(QLatin1Char(' ')), result.payee).arg(result.amount), expected);
    // New: today, a fresh id, no links yet (the actions make them); the next form starts on this date.
    QCOMPARE(describe(result), describe([&] {
                 Transaction t = RegisterLedger::row(accountId, result.payee, result.amount);
                 t.id = result.id;
                 t.date = QDate(2024, 3, 5);
                 return t;
             }()));
    QCOMPARE(TransactionFormDialog::lastEnteredDate(), QDate(2024, 3, 5));

    TransactionFormDialog euro(&m_ledger->state, QStringLiteral("euro"));
    QVERIFY(!child<QRadioButton>(&euro, "transferRadio")->isEnabled());
}

void TestTransactionDialogs::formSplitAndEdit()
{
    TransactionFormDialog form(&m_ledger->state, QStringLiteral("checking"));
    form.show();
    auto* amount = child<SmartAmountField>(&form, "amountField");
    auto* category = child<QComboBox>(&form, "categoryCombo");
    typeOver(amount, QStringLiteral("20"));
    category->setCurrentIndex(category->findText(QStringLiteral("Food")));
    QTest::mouseClick(child<QPushButton>(&form, "splitButton"), Qt::LeftButton);
    QVERIFY(!amount->isEnabled());
    QCOMPARE(form.splitLines().size(), 1);
    QCOMPARE(form.splitLines().constFirst().categoryId + QString::number(form.splitLines().constFirst().amount),
             QStringLiteral("food-2000"));
    QCOMPARE(form.transaction().categoryId, QString());
    QTest::mouseClick(child<QPushButton>(&form, "singleCategoryButton"), Qt::LeftButton);
    QVERIFY(amount->isEnabled());
    QCOMPARE(form.transaction().categoryId, QStringLiteral("food"));

    // An unchanged edit is still a new version; a deleted category is shown and kept.
    QVERIFY(m_ledger->addCategory(QStringLiteral("old"), QStringLiteral("Old Food"), true));
    Transaction stored = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Opening Balance"), -900);
    stored.categoryId = QStringLiteral("old");
    stored.syncStatus = SyncStatus::Synced;
    QVERIFY(!m_ledger->add(stored).id.isEmpty());
    Clock::setFixedNow(RegisterLedger::now().addSecs(30));
    TransactionFormDialog edit(&m_ledger->state, stored);
    edit.show();
    QVERIFY(child<QLabel>(&edit, "openingBalanceNote")->isVisible());
    QCOMPARE(child<QComboBox>(&edit, "categoryCombo")->currentText(), QStringLiteral("Old Food (deleted)"));
    Transaction expected = stored;
    expected.version = 2;
    expected.syncStatus = SyncStatus::Pending;
    expected.updatedAt = RegisterLedger::now().addSecs(30);
    QCOMPARE(describe(edit.transaction()), describe(expected));
}

void TestTransactionDialogs::detailsView()
{
    RegisterLedger& ledger = *m_ledger;
    QVERIFY(ledger.addCategory(QStringLiteral("old"), QStringLiteral("Old Hobby"), true));
    Transaction split = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Market"), -3000);
    split.isSplit = true;
    QVERIFY(ledger.writer().insert(split, {splitLine(QStringLiteral("food"), -2000, QStringLiteral("lunch")),
                                           splitLine(QStringLiteral("old"), -1000)}));
    split.createdAt = QDateTime();

    TransactionDetailsDialog dialog(&ledger.state, split);
    auto* amount = child<QLabel>(&dialog, "amountLabel");
    QCOMPARE(amount->text() + QLatin1Char('|') + amount->styleSheet(),
             QStringLiteral("- $30.00|color: #c62828; font-weight: 600;"));
    const QStringList texts = labelTexts(dialog);
    for (const char* expected : {"\u2014Split\u2014", "Food", "$20.00", "lunch", "Old Hobby", "$10.00", "Total",
                                 "Entered: \u2014"})
        QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
    QCOMPARE(child<QLabel>(&dialog, "splitTotalLabel")->text(), QStringLiteral("$30.00"));

    const Transaction deposit = ledger.add(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Pay"), 1234));
    TransactionDetailsDialog green(&ledger.state, deposit);
    QCOMPARE(child<QLabel>(&green, "amountLabel")->styleSheet(), QStringLiteral("color: #2e7d32; font-weight: 600;"));
}

void TestTransactionDialogs::detailsShowTheWholeMemo_data()
{
    QTest::addColumn<QString>("memo");
    QTest::newRow("two words") << "Monatliche Sparrate";
    QTest::newRow("one long word") << "Versicherungsbeitragsrückerstattung";
    QTest::newRow("several lines")
        << "Épargne mensuelle pour les vacances d'été, versée chaque mois sur le compte d'épargne commun de la famille "
           "jusqu'au départ, avec le reste des primes de fin d'année et des remboursements";
}

// The memo wraps within the dialog's width and is given the height of every
// line it wraps to, as the label lays its text out.
void TestTransactionDialogs::detailsShowTheWholeMemo()
{
    QFETCH(QString, memo);
    Transaction transaction = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Savings"), -5000);
    transaction.memo = memo;
    TransactionDetailsDialog dialog(&m_ledger->state, m_ledger->add(transaction));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* label = child<QLabel>(&dialog, "memoLabel");
    QTextDocument shown;
    shown.setDefaultFont(label->font());
    shown.setDocumentMargin(0);
    shown.setPlainText(label->text());
    const auto laidOut = [&] {
        shown.setTextWidth(label->contentsRect().width());
        return QList<int>({qCeil(shown.idealWidth()) <= label->contentsRect().width(),
                           qCeil(shown.size().height()) <= label->contentsRect().height(),
                           label->geometry().right() < dialog.width()});
    };
    QTRY_COMPARE(laidOut(), QList<int>({true, true, true}));
    QCOMPARE(label->text(), memo);
}

void TestTransactionDialogs::detailsToggleAndDelete()
{
    RegisterLedger& ledger = *m_ledger;
    Transaction reconciled = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Rent"), -90000);
    reconciled.cleared = reconciled.reconciled = true;
    TransactionDetailsDialog locked(&ledger.state, reconciled);
    QCOMPARE(child<QLabel>(&locked, "statusLabel")->text(), QStringLiteral("Reconciled"));
    QVERIFY(!child<QPushButton>(&locked, "toggleClearedButton"));

    const Transaction leg = ledger.addTransfer(QStringLiteral("checking"), QStringLiteral("savings"), -5000);
    QVERIFY(ledger.writer().update([&] {
        Transaction cleared = leg;
        cleared.cleared = true;
        return cleared;
    }(), {}));
    TransactionDetailsDialog dialog(&ledger.state, ledger.load(leg.id));
    dialog.show();
    QVERIFY(labelTexts(dialog).contains(QStringLiteral("Savings")));
    auto* toggle = child<QPushButton>(&dialog, "toggleClearedButton");
    QCOMPARE(toggle->text(), QStringLiteral("Mark Uncleared"));
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(child<QLabel>(&dialog, "statusLabel")->text() + QLatin1Char('|') + toggle->text(),
             QStringLiteral("Uncleared|Mark Cleared"));
    QCOMPARE(ledger.load(leg.id).version, 2);

    // Both legs go, through the transaction actions.
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>(&dialog, "deleteButton"), Qt::LeftButton);
    QVERIFY(dialog.deleted());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(ledger.load(leg.id).deletedAt);
    QVERIFY(ledger.load(leg.transferLinkId).deletedAt);
}

void TestTransactionDialogs::amountNotUnderstood_data()
{
    QTest::addColumn<bool>("split");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("leave");   // how the field is left: "<Tab>", "<Enter>", or OK is clicked at once
    QTest::addColumn<QString>("message"); // empty when the dialog closes at once
    QTest::addColumn<qint64>("amount");   // the result, after 12.50 is typed where refused

    for (const bool split : {false, true}) {
        const char* dialog = split ? "split editor: " : "form: ";
        QTest::addRow("%spasted exponent", dialog)
            << split << "<paste>1e3" << "" << "Amount not understood: 1e3" << qint64(-1250);
        // The spin box itself would put 20.00 back as it is left.
        QTest::addRow("%sminus alone, Tab", dialog) << split << "-5" << "<Tab>" << "Amount not understood: -"
                                                    << qint64(-1250);
        QTest::addRow("%spoint alone, Enter", dialog) << split << "." << "<Enter>" << "Amount not understood: ."
                                                      << qint64(-1250);
        QTest::addRow("%semptied means 0", dialog) << split << "<clear>" << "<Tab>" << QString() << qint64(0);
    }
}

void TestTransactionDialogs::amountNotUnderstood()
{
    QFETCH(bool, split);
    QFETCH(QString, entry);
    QFETCH(QString, leave);
    QFETCH(QString, message);
    QFETCH(qint64, amount);

    std::unique_ptr<QDialog> dialog;
    SmartAmountField* field = nullptr;
    if (split) {
        dialog = std::make_unique<SplitEditorDialog>(&m_ledger->state, -2000, Currency::USD, QList<SplitLine>());
        field = qobject_cast<SmartAmountField*>(cell(dialog.get(), 0, 1));
    } else {
        dialog = std::make_unique<TransactionFormDialog>(&m_ledger->state, QStringLiteral("checking"));
        field = child<SmartAmountField>(dialog.get(), "amountField");
    }
    const auto result = [&] {
        if (auto* editor = qobject_cast<SplitEditorDialog*>(dialog.get())) {
            qint64 sum = 0;
            for (const SplitLine& line : editor->lines())
                sum += line.amount;
            return sum;
        }
        return qobject_cast<TransactionFormDialog*>(dialog.get())->transaction().amount;
    };
    const auto close = [&](const QString& how) {
        if (how == u"<Enter>") {
            QTest::keyClick(field, Qt::Key_Return);
            return;
        }
        if (how == u"<Tab>")
            QTest::keyClick(field, Qt::Key_Tab);
        clickOk(dialog.get());
    };
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto* label = child<QLabel>(dialog.get(), "inputProblemLabel");
    QVERIFY(!label->isVisible());
    enterAmount(field, QStringLiteral("20"));
    enterAmount(field, entry);
    close(leave);

    if (message.isEmpty()) {
        QCOMPARE(QVariantList({dialog->result(), label->isVisible(), result()}),
                 QVariantList({int(QDialog::Accepted), false, amount}));
        return;
    }
    // It stays open on what was typed, with the field holding it again.
    QCOMPARE(QVariantList({dialog->result(), dialog->isVisible(), label->text(), label->styleSheet(), field->text(),
                           field->hasFocus()}),
             QVariantList({int(QDialog::Rejected), true, message, "color: #c62828;",
                           "$ " + message.section(QLatin1String(": "), 1), true}));
    QTest::keyClicks(field, QStringLiteral("12.50"));
    close(QString());
    QCOMPARE(QVariantList({dialog->result(), label->isVisible(), result()}),
             QVariantList({int(QDialog::Accepted), false, amount}));
}

void TestTransactionDialogs::amountFilledAfterARefusal()
{
    // A payee picked from the list fills the amount field over what was not understood.
    m_ledger->add(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Cafe"), -450));
    TransactionFormDialog form(&m_ledger->state, QStringLiteral("checking"));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* field = child<SmartAmountField>(&form, "amountField");
    enterAmount(field, QStringLiteral("-"));
    QTest::keyClick(field, Qt::Key_Tab);
    auto* payee = child<QLineEdit>(&form, "payeeEdit");
    payee->setFocus();
    QTest::keyClicks(payee, QStringLiteral("caf"));
    QAbstractItemView* popup = payee->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    clickOk(&form);
    QCOMPARE(QVariantList({form.result(), form.transaction().amount}), QVariantList({int(QDialog::Accepted), -450}));
}

void TestTransactionDialogs::typedDateAndAmount_data()
{
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<QString>("account"); // "checking" (USD) or "yen" (JPY)
    QTest::addColumn<QString>("date");    // typed over the date field
    QTest::addColumn<QString>("amount");  // typed over the amount field; "<paste>" pastes it
    // What OK shows: the message, and the refused text, back in its field and
    // selected; empty when OK saves at once.
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("mended"); // typed over the refused text before OK again
    QTest::addColumn<QString>("stored"); // the row written: date and amount

    const auto row = [](const char* name, bool autoDecimal, const char* account, const char* date, const char* amount,
                        const char* refusal, const char* mended, const char* stored) {
        QTest::newRow(name) << autoDecimal << QString::fromLatin1(account) << QString::fromLatin1(date)
                            << QString::fromLatin1(amount) << QString::fromLatin1(refusal)
                            << QString::fromLatin1(mended) << QString::fromLatin1(stored);
    };
    row("grouped", false, "checking", "3/6/2024", "1,234.56", "", "", "2024-03-06 -123456");
    row("misplaced comma", false, "checking", "3/6/2024", "12,34", "Amount not understood: 12,34", "12.34",
        "2024-03-06 -1234");
    row("auto: grouped", true, "checking", "3/6/2024", "<paste>1,234", "", "", "2024-03-06 -1234");
    row("auto: misplaced comma", true, "checking", "3/6/2024", "<paste>12,34", "Amount not understood: 12,34",
        "1234", "2024-03-06 -1234");
    row("yen grouped", false, "yen", "3/6/2024", "1,500", "", "", "2024-03-06 -1500");
    row("yen: misplaced comma", false, "yen", "3/6/2024", "1,50", "Amount not understood: 1,50", "150",
        "2024-03-06 -150");
    row("no such day", false, "checking", "2/30/2024", "5", "Date not understood: 2/30/2024", "2/29/2024",
        "2024-02-29 -500");
    row("all zeros", false, "checking", "0/0/0", "5", "Date not understood: 0/0/0", "3/7/2024", "2024-03-07 -500");
    row("no such month, five-digit year", false, "yen", "13/45/99999", "5", "Date not understood: 13/45/99999",
        "12/31/2024", "2024-12-31 -5");
}

void TestTransactionDialogs::typedDateAndAmount()
{
    QFETCH(bool, autoDecimal);
    QFETCH(QString, account);
    QFETCH(QString, date);
    QFETCH(QString, amount);
    QFETCH(QString, refusal);
    QFETCH(QString, mended);
    QVERIFY(m_ledger->addAccount(QStringLiteral("yen"), QStringLiteral("Yen"), Currency::JPY));
    setAmountAutoDecimal(autoDecimal);
    const auto manual = qScopeGuard([] { setAmountAutoDecimal(false); });

    QString shown;
    ModalDialog::setNextHandler([&](QDialog* form) {
        QVERIFY(QTest::qWaitForWindowActive(form));
        typeOver(child<QLineEdit>(form, "payeeEdit"), QStringLiteral("Shop"));
        typeOver(child<DateField>(form, "dateField"), date);
        enterAmount(child<SmartAmountField>(form, "amountField"), amount);
        clickOk(form);
        if (form->result() == QDialog::Accepted)
            return;
        shown = refusalShown(form);
        typeOverRefused(form, mended);
        clickOk(form);
    });
    QVERIFY(TransactionActions::newTransaction(&m_ledger->state, account, nullptr, nullptr));
    QCOMPARE(shown, expectedRefusal(refusal));
    QStringList rows;
    for (const Transaction& t : m_ledger->rows(account))
        rows.append(QStringLiteral("%1 %2").arg(t.date.toString(Qt::ISODate)).arg(t.amount));
    QTEST(rows.join(QLatin1Char(';')), "stored");
}

VELLUMRY_TEST_MAIN(TestTransactionDialogs)
#include "tst_transactiondialogs.moc"
