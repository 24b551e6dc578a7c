#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "data/Database.h"
#include "screens/ImportScreen.h"
#include "services/ImportLimits.h"
#include "services/ImportService.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableWidget>

class TestImportScreen : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScreenLedger> m;
    std::unique_ptr<ImportScreen> m_screen;

    QString writeFile(const QString& name, const QString& text) const
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 ? file.fileName() : QString();
    }
    // Real-world exports, read in place from the shared/corpus folder beside the checkout.
    static QString corpusFile(const QString& relative)
    {
        QDir dir(QStringLiteral(QT_TESTCASE_SOURCEDIR));
        while (!dir.exists(QStringLiteral("shared/corpus")) && dir.cdUp()) {}
        return dir.filePath(QStringLiteral("shared/corpus/") + relative);
    }
    void click(const char* name) const { QTest::mouseClick(child(m_screen.get(), name), Qt::LeftButton); }
    QString text(const char* name) const { return child<QLabel>(m_screen.get(), name)->text(); }
    void browse(const QStringList& paths) const { FileDialog::setNextFileNames(paths), click("browseButton"); }
    QString import() const { return click("importButton"), m_screen->findChild<QPlainTextEdit*>()->toPlainText(); }
    void down(const char* name, int n) const { while (n--) QTest::keyClick(child(m_screen.get(), name), Qt::Key_Down); }
    QStringList combos(const char* name) const
    {
        QStringList texts;
        for (const QComboBox* combo : m_screen->findChildren<QComboBox*>(QLatin1String(name)))
            texts.append(combo->currentText());
        return texts;
    }
    QStringList ledger() const
    {
        QStringList lines;
        for (const Account& a : m->state->accountRepository->listActive()) {
            lines.append(a.name + QLatin1Char('\t') + accountTypeToString(a.accountType));
            for (const Transaction& t : m->state->transactionRepository->listByAccount(a.id))
                lines.append(QStringList({a.name, t.date.toString(Qt::ISODate), t.payee, QString::number(t.amount),
                                          t.memo}).join(QLatin1Char('|')));
        }
        lines.sort(Qt::CaseInsensitive);
        return lines;
    }

private slots:
    void init()
    {
        m = std::make_unique<ScreenLedger>();
        QVERIFY(m->isReady());
        m_screen = std::make_unique<ImportScreen>(m->state.get());
        m_screen->show();
    }
    void cleanup()
    {
        m_screen.reset();
        m.reset();
    }

    void csvFormAndImports();
    void qifImportsAsMapped();
    void summarySaysWhatStoppedTheImport();
};

void TestImportScreen::csvFormAndImports()
{
    const QComboBox* formats = child<QComboBox>(m_screen.get(), "dateFormatCombo");
    QCOMPARE(QVariantList({child<QRadioButton>(m_screen.get(), "csvRadio")->isChecked(), text("fileLabel"),
                           child(m_screen.get(), "qifArea")->isVisible(), formats->count(), formats->itemData(0),
                           formats->itemData(8)}),
             QVariantList({true, "No file selected", false, 9, QString(), "MMMM d, yyyy"}));
    // Without a buddy the label would show its "&" instead of a mnemonic.
    for (const QLabel* label : m_screen->findChildren<QLabel*>())
        if (label->text().contains(QLatin1Char('&')))
            QVERIFY2(label->buddy(), qPrintable(label->text()));
    click("qifRadio");
    QVERIFY(!child(m_screen.get(), "csvMappingWidget")->isVisible()
            && !child(m_screen.get(), "accountCombo")->isVisible());
    click("csvRadio");

    QString rows = QStringLiteral("Date,Payee,Amount,A memo longer than twenty\n");
    for (int row = 1; row < 150; ++row)
        rows += QStringLiteral("2024-01-%1,Shop,-%1.00,m\n").arg(row % 28 + 1, 2, 10, QLatin1Char('0'));
    browse({writeFile(QStringLiteral("big.csv"), rows)});
    const auto shown = [&, table = child<QTableWidget>(m_screen.get(), "previewTable")] {
        return QVariantList({combos("dateColumnCombo") + combos("payeeColumnCombo") + combos("amountColumnCombo")
                                 + combos("memoColumnCombo"),
                             table->rowCount(), table->horizontalHeaderItem(3)->text(), text("previewNoteLabel")});
    };
    QCOMPARE(shown(), QVariantList({QStringList({"Col 0: Date", "Col 1: Payee", "Col 2: Amount", "(none)"}), 100,
                                    "Col 3", "The first 100 rows of the file are shown; it holds more."}));
    // The same file again keeps what the user chose; first-row cells are cut to 20 characters.
    down("payeeColumnCombo", 2);
    browse({m_dir.filePath(QStringLiteral("big.csv"))});
    QCOMPARE(combos("payeeColumnCombo"), QStringList{"Col 3: A memo longer than t"});
    // Another file proposes its first three columns again, whatever the user chose.
    browse({writeFile(QStringLiteral("small.csv"), QStringLiteral("d,p,a,m\n"))});
    QCOMPARE(shown(), QVariantList({QStringList({"Col 0: d", "Col 1: p", "Col 2: a", "(none)"}), 1, "Col 3",
                                    "The file holds 1 row(s)."}));
    // A file that shows nothing is refused: the preview stays that of the file to import.
    MessageBox::setNextAnswer(QMessageBox::Ok);
    browse({writeFile(QStringLiteral("empty.csv"), QString())});
    QCOMPARE(text("fileLabel"), QStringLiteral("small.csv"));
    // Two columns: each combo lists them, and no column is forced on the date, payee and amount.
    down("dateColumnCombo", 1);
    browse({writeFile(QStringLiteral("two.csv"), QStringLiteral("a,b\n"))});
    QCOMPARE(QVariantList({combos("dateColumnCombo") + combos("payeeColumnCombo") + combos("amountColumnCombo"),
                           child<QComboBox>(m_screen.get(), "amountColumnCombo")->count(),
                           child<QComboBox>(m_screen.get(), "memoColumnCombo")->count()}),
             QVariantList({QStringList({"Col 1: b", "Col 1: b", "Col 0: a"}), 2, 3}));

    QSignalSpy completed(m_screen.get(), &ImportScreen::importCompleted);
    const auto importFile = [&](const QString& csv) {
        m_screen->show(); // as the main window opens it again
        browse({writeFile(QStringLiteral("rows.csv"), csv)});
        return import();
    };
    MessageBox::setNextAnswer(QMessageBox::Yes);
    ModalDialog::setNextHandler([](QDialog* form) {
        QTest::keyClicks(child(form, "nameEdit"), QStringLiteral("Wallet"));
        retype(form, "startingBalanceField", QStringLiteral("12.50"));
        clickOk(form);
    });
    QCOMPARE(importFile("D,P,A\n2024-01-02,Rent,-5\n2024-01-03,Gas,-6\n2024-01-04,Pay,7\n2024-01-04,Pay,7\n"),
             QStringLiteral("Import complete!\n\n3 transaction(s) imported\n1 duplicate(s) skipped"));
    QCOMPARE(combos("accountCombo") + ledger() << MessageBox::lastTitle(),
             QStringList({"Wallet", "Wallet\tchecking", "Wallet|2024-01-02|Rent|-500|", "Wallet|2024-01-03|Gas|-600|",
                          "Wallet|2024-01-04|Pay|700|", "Wallet|2024-03-05|Opening Balance|1250|",
                          "No target account"}));
    click("doneButton");
    QCOMPARE(QVariantList({completed.count(), m_screen->isVisible(), text("fileLabel")}),
             QVariantList({1, false, "No file selected"}));
    // Nothing new: the count of imported rows is still said.
    QCOMPARE(importFile("D,P,A\n2024-01-02,Rent,-5\n2024-01-03,Gas,-6\n"),
             QStringLiteral("Import complete!\n\n0 transaction(s) imported\n2 duplicate(s) skipped"));
    click("doneButton");
    QCOMPARE(importFile("D,P,A\n2024-01-05,Rent,abc\n2024-01-06,Gas,-6\n2024-01-07,\"Pay,7\n"),
             QStringLiteral("Import complete!\n\n1 transaction(s) imported\n2 record(s) skipped (unparseable)\nA quote "
                            "opened on line 4 is never closed: the rows after it could not be read."));
    click("doneButton");

    const QString file = corpusFile(QStringLiteral("csv/csv2ofx/default.csv"));
    if (!QFileInfo::exists(file))
        QSKIP("no shared/corpus beside the checkout");
    m_screen->show();
    browse({file});
    for (const auto& [combo, steps] : {std::pair{"dateColumnCombo", 2}, {"payeeColumnCombo", 3},
                                       {"amountColumnCombo", 3}, {"memoColumnCombo", 2}})
        down(combo, steps);
    QStringList progress; // value/maximum of the progress bar as the import moves it
    connect(m->state->importService, &ImportService::importStarted, this, [&] {
        auto* bar = m_screen->findChild<QProgressDialog*>()->findChild<QProgressBar*>();
        connect(bar, &QProgressBar::valueChanged, this,
                [&progress, bar](int value) { progress << QStringLiteral("%1/%2").arg(value).arg(bar->maximum()); });
    });
    QCOMPARE(import(), QStringLiteral("Import complete!\n\n8 transaction(s) imported"));
    QCOMPARE(progress, QStringList({"0/8", "8/8"}));
    QCOMPARE(ledger().filter(QStringLiteral("Chairman")),
             QStringList({"Wallet|2015-03-25|Ƣunȡuƙi Chairman|5000000|INV-8"}));
}

void TestImportScreen::qifImportsAsMapped()
{
    m->addTransaction(m->addAccount(QStringLiteral("checking")).id, QStringLiteral("Move"), -10000);
    QSqlQuery sql(m->state->database->database());
    QVERIFY(sql.exec(QStringLiteral("UPDATE transactions SET memo = '[→ Joint Savings]'")));
    QVERIFY(sql.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON transactions "
                                    "BEGIN SELECT RAISE(ABORT, 'no'); END")));
    const QStringList files({writeFile(QStringLiteral("both.qif"),
                                       QStringLiteral("!Account\nNChecking\nTBank\n^\n!Type:Bank\nD03/02/2024\nT-5\n"
                                                      "PCoffee\n^\n!Account\nNJoint Savings\nTBank\n^\n!Type:Bank\n"
                                                      "D03/01/2024\nT100\nPMove\nL[Checking]\n^")),
                             writeFile(QStringLiteral("bank.export.qif"),
                                       QStringLiteral("!Type:Bank\nD03/01/2024\nT-9\nPKiosk\n^"))});
    click("qifRadio");
    browse(files);
    QCOMPARE(combos("qifTargetCombo") << text("fileLabel"),
             QStringList({"checking", "— Create new account \"Joint Savings\" —",
                          "— Create new account \"bank.export.qif\" —", "2 file(s) selected"}));
    // CSV again drops the rows; QIF again shows nothing until files are analysed.
    click("csvRadio");
    QCOMPARE(QVariantList({child(m_screen.get(), "qifArea")->isVisible(), combos("qifTargetCombo")}),
             QVariantList({false, QStringList()}));
    click("qifRadio");
    QCOMPARE(child(m_screen.get(), "qifArea")->isVisible(), false);
    browse(files);
    // A row of an earlier import waits for its other leg: when linking it fails, the new accounts go too.
    QCOMPARE(import(), QStringLiteral("Import failed.\n\nA database error stopped the import and all changes were "
                                      "rolled back. No transactions were added."));
    QCOMPARE(ledger().filter(QStringLiteral("\t")), QStringList({"checking\tchecking"}));

    QVERIFY(sql.exec(QStringLiteral("DROP TRIGGER refuse")));
    click("doneButton");
    click("qifRadio");
    browse(files);
    QCOMPARE(import(), QStringLiteral("Import complete!\n\n3 transaction(s) imported\n1 transfer(s) linked across "
                                      "accounts\n  (including 1 linked to previously imported row(s))"));
    // New accounts get their opening-balance rows the day before their first row.
    QCOMPARE(ledger().filter(QStringLiteral("bank")),
             QStringList({"bank\tchecking", "bank|2024-02-29|Opening Balance|0|", "bank|2024-03-01|Kiosk|-900|"}));

    const QString file = corpusFile(QStringLiteral("qif/qifparse/file.qif"));
    if (!QFileInfo::exists(file))
        QSKIP("no shared/corpus beside the checkout");
    click("doneButton");
    click("qifRadio");
    browse({file});
    QCOMPARE(combos("qifTargetCombo"),
             QStringList({"— Create new account \"My Cash\" —", "— Create new account \"My Cc\" —"}));
    QCOMPARE(import(), QStringLiteral("Import complete!\n\n5 transaction(s) imported\n3 metadata record(s) skipped"));
}

void TestImportScreen::summarySaysWhatStoppedTheImport()
{
    ImportLimits limits;
    limits.csvRowFields = 5;
    limits.csvRowChars = 40;
    limits.qifFileBytes = 200;
    m->state->importService->setLimits(limits);
    m->addAccount(QStringLiteral("Checking"));
    m_screen->refresh();

    // A row longer than a row may be is left out, and the summary says by which limit.
    browse({writeFile(QStringLiteral("wide.csv"),
                      QStringLiteral("D,P,A\n2024-01-02,Rent,-5,a,b,c\n2024-01-03,Gas,-6\n"))});
    QCOMPARE(import(), QStringLiteral("Import complete!\n\n1 transaction(s) imported\n1 row(s) skipped (more than 5 "
                                      "fields or 40 characters in one row)"));
    click("doneButton");

    // The file went away after it was shown: nothing is imported, and the summary says why.
    m_screen->show();
    const QString gone = writeFile(QStringLiteral("gone.csv"), QStringLiteral("D,P,A\n2024-01-04,Cafe,-7\n"));
    browse({gone});
    QVERIFY(QFile::remove(gone));
    QCOMPARE(import(), QStringLiteral("Import failed.\n\nCould not open %1: No such file or directory\nNo "
                                      "transactions were added.")
                           .arg(gone));
    click("doneButton");

    // QIF files too large are refused before they are read; one that cannot be read is named.
    m_screen->show();
    click("qifRadio");
    const QString record = QStringLiteral("!Type:Bank\nD01/05/2024\nT-8\nPKiosk\n^\n");
    const QString small = writeFile(QStringLiteral("small.qif"), record);
    const QString large = writeFile(QStringLiteral("large.qif"), record + QString(200 - record.size() + 1, u'\n'));
    const QString missing = m_dir.filePath(QStringLiteral("missing.qif"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    browse({small, large});
    QCOMPARE(QVariantList({MessageBox::lastText(), child(m_screen.get(), "qifArea")->isVisible()}),
             QVariantList({"This file is too large to import. QIF files of up to 0.0002 MB can be imported.", false}));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    browse({small, missing});
    QCOMPARE(QVariantList({MessageBox::lastText(), combos("qifTargetCombo"), text("fileLabel")}),
             QVariantList({QStringLiteral("Could not open %1: No such file or directory").arg(missing),
                           QStringList({"— Create new account \"small.qif\" —"}), "2 file(s) selected"}));
    QCOMPARE(import(), QStringLiteral("Import failed.\n\nCould not open %1: No such file or directory\nNo "
                                      "transactions were added.")
                           .arg(missing));
    QCOMPARE(ledger(), QStringList({"Checking\tchecking", "Checking|2024-01-03|Gas|-600|"}));
}

VELLUMRY_TEST_MAIN(TestImportScreen)
#include "tst_importscreen.moc"
