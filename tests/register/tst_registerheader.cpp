#include "RegisterLedger.h"
#include "TestMain.h"

#include "data/PreferencesRepository.h"
#include "register/RegisterFilterControl.h"
#include "register/RegisterHeaderBar.h"
#include "widgets/Appearance.h"
#include "widgets/ThemeManager.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>

class TestRegisterHeader : public QObject
{
    Q_OBJECT

private slots:
    void accountLines_data();
    void accountLines();
    void filterButton_data();
    void filterButton();
    void filterIsKeptPerAccount_data();
    void filterIsKeptPerAccount();
    void buttonsFollowTheFontScale_data();
    void buttonsFollowTheFontScale();
};

void TestRegisterHeader::accountLines_data()
{
    QTest::addColumn<QString>("institution");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QStringList>("shown"); // title, subtitle, whether the subtitle shows

    QTest::newRow("institution and digits") << "First Bank" << "1234" << QStringList{"Checking", "First Bank  ·  *1234", "1"};
    QTest::newRow("institution alone") << "First Bank" << "" << QStringList{"Checking", "First Bank", "1"};
    QTest::newRow("digits alone show no line") << "" << "1234" << QStringList{"Checking", "", "0"};
}

void TestRegisterHeader::accountLines()
{
    QFETCH(QString, institution);
    QFETCH(QString, digits);
    QFETCH(QStringList, shown);

    RegisterHeaderBar header;
    header.show();
    Account account;
    account.name = QStringLiteral("Checking");
    account.institution = institution;
    account.accountNumberLast4 = digits;
    header.showAccount(account);
    auto* subtitle = child<QLabel>(&header, "subtitleLabel");
    QCOMPARE(QStringList({child<QLabel>(&header, "titleLabel")->text(), subtitle->text(),
                          QString::number(subtitle->isVisible())}),
             shown);
}

void TestRegisterHeader::filterButton_data()
{
    QTest::addColumn<int>("active");
    QTest::addColumn<QStringList>("button"); // text, bold, tool tip

    QTest::newRow("none") << 0 << QStringList{"Fi&lter", "0", "Filter which transactions are listed"};
    QTest::newRow("one") << 1
                         << QStringList{"Fi&lter (1)", "1", "Filters are applied. Click to change or clear them."};
    QTest::newRow("two") << 2
                         << QStringList{"Fi&lter (2)", "1", "Filters are applied. Click to change or clear them."};
}

void TestRegisterHeader::filterButton()
{
    QFETCH(int, active);
    QFETCH(QStringList, button);

    RegisterHeaderBar header;
    QSignalSpy clicks(&header, &RegisterHeaderBar::filterClicked);
    header.setFilterCount(3);
    header.setFilterCount(active);
    auto* filter = child<QPushButton>(&header, "filterButton");
    QTest::mouseClick(filter, Qt::LeftButton);
    QCOMPARE(QStringList({filter->text(), QString::number(filter->font().bold()), filter->toolTip()}), button);
    QCOMPARE(clicks.count(), 1);
}

void TestRegisterHeader::filterIsKeptPerAccount_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("radio"); // what the dialog is answered with; empty: Cancel
    // edit's result, dialog shown, the current filter, the stored filters of checking and savings
    QTest::addColumn<QStringList>("after");

    const QString uncleared = QStringLiteral(R"({"cleared":false})");
    QTest::newRow("cleared only is stored")
        << "checking" << "clearedRadio" << QStringList{"1", "1", R"({"cleared":true})", R"({"cleared":true})", "-"};
    QTest::newRow("no criterion removes the key")
        << "checking" << "allRadio" << QStringList{"1", "1", "{}", "-", "-"};
    QTest::newRow("cancel keeps the filter") << "checking" << "" << QStringList{"0", "1", uncleared, uncleared, "-"};
    QTest::newRow("each account its own")
        << "savings" << "clearedRadio" << QStringList{"1", "1", R"({"cleared":true})", uncleared, R"({"cleared":true})"};
    QTest::newRow("no account opens nothing") << "" << "clearedRadio" << QStringList{"0", "0", "{}", uncleared, "-"};
}

void TestRegisterHeader::filterIsKeptPerAccount()
{
    QFETCH(QString, account);
    QFETCH(QString, radio);
    QFETCH(QStringList, after);

    RegisterLedger ledger;
    QVERIFY(ledger.ready);
    PreferencesRepository* preferences = ledger.state.preferencesRepository;
    preferences->set(registerFilterKey(QStringLiteral("checking")), QStringLiteral(R"({"cleared":false})"));
    RegisterFilterControl control(&ledger.state);
    control.load(account);

    bool shown = false;
    ModalDialog::setNextHandler([&](QDialog* dialog) {
        shown = true;
        if (radio.isEmpty()) {
            dialog->reject();
            return;
        }
        QTest::mouseClick(dialog->findChild<QRadioButton*>(radio), Qt::LeftButton);
        clickOk(dialog);
    });
    QWidget parent;
    const bool accepted = control.edit(&parent);
    ModalDialog::clearNextHandler();
    const auto storedOf = [&](const char* id) {
        return preferences->get(registerFilterKey(QString::fromLatin1(id))).value_or(QStringLiteral("-"));
    };
    QCOMPARE(QStringList({QString::number(accepted), QString::number(shown), control.current().toJson(),
                          storedOf("checking"), storedOf("savings")}),
             after);
}

void TestRegisterHeader::buttonsFollowTheFontScale_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("small") << 85;
    QTest::newRow("large") << 115;
}

// The accent button takes the scaled font, as the widgets around it do, at
// every font scale; its weight stays its own.
void TestRegisterHeader::buttonsFollowTheFontScale()
{
    QFETCH(int, percent);
    RegisterLedger ledger;
    QVERIFY(ledger.ready);
    const QFont platformFont = QApplication::font();
    QFont base = platformFont;
    base.setPointSize(9);
    appDefaultFont() = base;
    ThemeManager theme(ledger.state.preferencesRepository);
    theme.setFontScale(100);
    const auto restore = qScopeGuard([&] {
        setCurrentFontScale(100);
        QApplication::setFont(platformFont);
    });
    RegisterHeaderBar header;
    header.show();
    QVERIFY(QTest::qWaitForWindowExposed(&header));
    theme.setFontScale(percent);
    const QFont font = child<QPushButton>(&header, "newTransactionButton")->font();
    QCOMPARE(QList<int>({font.pointSize(), font.weight()}), QList<int>({scaledAppFont().pointSize(), QFont::DemiBold}));
}

VELLUMRY_TEST_MAIN(TestRegisterHeader)
#include "tst_registerheader.moc"
