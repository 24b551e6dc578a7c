#include "TestMain.h"

#include "data/Money.h"
#include "widgets/AmountInput.h"
#include "widgets/Appearance.h"
#include "widgets/ElidedLabel.h"
#include "widgets/SmartAmountField.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>

Q_DECLARE_METATYPE(Currency)

// The field sits beside a second line edit, so Tab leaves it.
class TestAmountField : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(m_window.get());
        layout->addWidget(m_field = new SmartAmountField);
        layout->addWidget(new QLineEdit);
        m_field->setRange(-1000000, 1000000);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_field->setFocus();
    }
    void cleanup() { setAmountAutoDecimal(false); }
    void currencyKeepsTheValue();
    void typing_data();
    void typing();
    void committedCellText();
    void typedLimit_data();
    void typedLimit();
    void amountsSetInMinorUnits_data();
    void amountsSetInMinorUnits();
    void elidedLabelSqueezes();
    void elidedLabelAtItsSizeHintShowsItAll_data();
    void elidedLabelAtItsSizeHintShowsItAll();

private:
    std::unique_ptr<QWidget> m_window;
    SmartAmountField* m_field = nullptr;
};

void TestAmountField::currencyKeepsTheValue()
{
    m_field->setValue(12.34);
    m_field->setCurrency(Currency::JPY);
    QCOMPARE(m_field->text(), QStringLiteral("\u00A5 12"));
    m_field->setCurrency(Currency::USD);
    QCOMPARE(m_field->text(), QStringLiteral("$ 12.00"));
}

void TestAmountField::typing_data()
{
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("keys"); // typed into the emptied field; "^" is the Home key
    QTest::addColumn<QString>("typed"); // the text before leaving, then its cursor
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("shownAfter"); // after Tab
    QTest::addColumn<double>("value");

    const Currency usd = Currency::USD;
    QTest::newRow("auto: digits are cents") << true << usd << "en_US" << "1234" << "$ 1234" << 6 << "$ 12.34" << 12.34;
    QTest::newRow("auto: one digit") << true << usd << "en_US" << "5" << "$ 5" << 3 << "$ 0.05" << 0.05;
    QTest::newRow("auto: yen") << true << Currency::JPY << "en_US" << "1234" << "\u00A5 1234" << 6 << "\u00A5 1234"
                               << 1234.0;
    QTest::newRow("auto: separators insert nothing") << true << usd << "en_US" << "12.3,4" << "$ 1234" << 6
                                                     << "$ 12.34" << 12.34;
    QTest::newRow("auto: minus after the symbol") << true << usd << "en_US" << "-1250" << "$ -1250" << 7
                                                  << "$ -12.50" << -12.5;
    QTest::newRow("point jumps after the point") << false << usd << "en_US" << "12.50^." << "$ 12.50" << 5
                                                 << "$ 12.50" << 12.5;
    QTest::newRow("comma jumps too") << false << usd << "en_US" << "12.50^," << "$ 12.50" << 5 << "$ 12.50"
                                     << 12.5;
    QTest::newRow("German comma jumps") << false << usd << "de_DE" << "12,50^," << "$ 12,50" << 5 << "$ 12,50"
                                        << 12.5;
    QTest::newRow("German, point as comma") << false << usd << "de_DE" << "12,50^." << "$ 12,50" << 5
                                            << "$ 12,50" << 12.5;
    QTest::newRow("no point yet: typed") << false << usd << "en_US" << "12.5" << "$ 12.5" << 6 << "$ 12.50" << 12.5;
    // A group mark between groups of three counts; anywhere else the text is
    // no amount and never becomes the value, which stays the last one typed.
    QTest::newRow("grouped") << false << usd << "en_US" << "1,234.5" << "$ 1,234.5" << 9 << "$ 1234.50" << 1234.5;
    QTest::newRow("misplaced comma") << false << usd << "en_US" << "12,34" << "$ 12,34" << 7 << "$ 12.00" << 12.0;
    QTest::newRow("yen: misplaced comma") << false << Currency::JPY << "en_US" << "1,50" << "\u00A5 1,50" << 6
                                          << "\u00A5 1" << 1.0;
    QTest::newRow("German: misplaced point") << false << usd << "de_DE" << "12.34" << "$ 12.34" << 7 << "$ 12,00"
                                             << 12.0;
}

void TestAmountField::typing()
{
    QFETCH(bool, autoDecimal);
    QFETCH(Currency, currency);
    QFETCH(QString, locale);
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(int, cursor);
    QFETCH(QString, shownAfter);
    QFETCH(double, value);

    setAmountAutoDecimal(autoDecimal);
    m_field->setLocale(QLocale(locale));
    m_field->setCurrency(currency);
    QTest::keyClick(m_field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_field, Qt::Key_Backspace);
    const QStringList parts = keys.split(QLatin1Char('^'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            QTest::keyClick(m_field, Qt::Key_Home);
        QTest::keyClicks(m_field, parts.at(i));
    }
    QCOMPARE(m_field->text(), typed);
    QCOMPARE(m_field->findChild<QLineEdit*>()->cursorPosition(), cursor);
    QTest::keyClick(m_field, Qt::Key_Tab);
    QCOMPARE(m_field->text(), shownAfter);
    QCOMPARE(m_field->value(), value);
}

// The register's amount cells commit typed text through the same rule.
void TestAmountField::committedCellText()
{
    QCOMPARE(committedAmountText(QStringLiteral("1234"), Currency::USD), QStringLiteral("1234"));
    setAmountAutoDecimal(true);
    QCOMPARE(committedAmountText(QStringLiteral("\u20AC1,234.5"), Currency::EUR), QStringLiteral("123.45"));
    QCOMPARE(committedAmountText(QStringLiteral("1234"), Currency::JPY), QStringLiteral("1,234"));
    QCOMPARE(committedAmountText(QStringLiteral("  "), Currency::USD), QStringLiteral("  "));
    // The sign as the register reads it, after the symbol too; text that is no amount stays for the commit to refuse.
    QCOMPARE(committedAmountText(QStringLiteral("$-1250"), Currency::USD), QStringLiteral("-12.50"));
    QCOMPARE(committedAmountText(QStringLiteral("12,34"), Currency::USD), QStringLiteral("12,34"));
}

void TestAmountField::typedLimit_data()
{
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("keys");  // typed into the emptied field
    QTest::addColumn<QString>("shown"); // after Tab

    const Currency usd = Currency::USD;
    const Currency yen = Currency::JPY;
    QTest::newRow("largest") << false << usd << "99999999.99" << "$ 99999999.99";
    QTest::newRow("largest owed") << false << usd << "-99999999.99" << "$ -99999999.99";
    QTest::newRow("a digit too many") << false << usd << "100000000" << "$ 10000000.00";
    QTest::newRow("yen largest") << false << yen << "99999999" << "\u00A5 99999999";
    QTest::newRow("yen: a digit too many") << false << yen << "100000000" << "\u00A5 10000000";
    QTest::newRow("auto: largest") << true << usd << "9999999999" << "$ 99999999.99";
    QTest::newRow("auto: a digit too many") << true << usd << "10000000000" << "$ 10000000.00";
    QTest::newRow("auto: owed past the largest") << true << usd << "-10000000000" << "$ -10000000.00";
    QTest::newRow("auto: yen largest") << true << yen << "99999999" << "\u00A5 99999999";
    QTest::newRow("auto: yen, a digit too many") << true << yen << "100000000" << "\u00A5 10000000";
}

// The forms' fields keep to the limit of every typed amount, in the field's currency.
void TestAmountField::typedLimit()
{
    QFETCH(bool, autoDecimal);
    QFETCH(Currency, currency);
    QFETCH(QString, keys);
    setAmountAutoDecimal(autoDecimal);
    m_field->keepToTypedLimit(SmartAmountField::Signs::Either);
    m_field->setCurrency(currency);
    QTest::keyClick(m_field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_field, Qt::Key_Backspace);
    QTest::keyClicks(m_field, keys);
    QTest::keyClick(m_field, Qt::Key_Tab);
    QTEST(m_field->text(), "shown");
    // Switched to yen and back, the largest amount stays within the yen's limit.
    m_field->setCurrency(Currency::USD);
    m_field->setValue(99999999.99);
    m_field->setCurrency(Currency::JPY);
    QCOMPARE(m_field->text(), QStringLiteral("\u00A5 99999999"));
}

void TestAmountField::amountsSetInMinorUnits_data()
{
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<bool>("storedLimit"); // the ledger's limit, else the typed one
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("set");
    QTest::addColumn<QString>("keys"); // typed over the whole text, then Tab; "<Down>" steps; "=n" sets n
    QTest::addColumn<Currency>("then"); // the currency chosen last
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint64>("units");

    const Currency usd = Currency::USD;
    const Currency yen = Currency::JPY;
    const qint64 large = Q_INT64_C(15000000000);
    const qint64 below2to53 = Q_INT64_C(9007199254740991);
    const auto row = [](const char* name, bool autoDecimal, bool storedLimit, Currency currency, qint64 set,
                        const QString& keys, Currency then, const QString& shown, qint64 units) {
        QTest::newRow(name) << autoDecimal << storedLimit << currency << set << keys << then << shown << units;
    };
    // A stored amount past the typed limit shows whole and reads back unit for unit.
    row("past the limit", false, false, usd, large, {}, usd, "$ 150000000.00", large);
    row("yen past the limit", false, false, yen, 120000000, {}, yen, "\u00A5 120000000", 120000000);
    row("auto-decimal", true, false, usd, large, {}, usd, "$ 150000000.00", large);
    row("a double's last cents", false, false, usd, below2to53, {}, usd, "$ 90071992547409.91", below2to53);
    row("owed", false, false, usd, -large, {}, usd, "$ -150000000.00", -large);
    row("to euros", false, false, usd, large, {}, Currency::EUR, "\u20AC 150000000.00", large);
    row("to yen, rounded once", false, false, usd, Q_INT64_C(15000000050), {}, yen, "\u00A5 150000001",
        150000001);
    row("to yen, rounded down", false, false, usd, Q_INT64_C(15000000049), {}, yen, "\u00A5 150000000",
        150000000);
    // Two cents the spin box holds as one double.
    row("set again, a cent apart", false, false, usd, below2to53, "=9007199254740990", usd, "$ 90071992547409.90",
        Q_INT64_C(9007199254740990));
    // What the person types keeps to the limit.
    row("typed over", false, false, usd, large, "12.34", usd, "$ 12.34", 1234);
    row("typed past the limit", false, false, usd, large, "120000000", usd, "$ 12000000.00", 1200000000);
    row("typed back", false, false, usd, large, "150000000", usd, "$ 150000000.00", large);
    row("stepped away", false, false, usd, large, "<Down>", usd, "$ 99999999.99", 9999999999);
    row("typed, then to yen", false, false, usd, large, "99999999.99", yen, "\u00A5 99999999", 99999999);
    // A statement balance takes what the ledger holds, typed exactly.
    row("stored limit", false, true, usd, 0, "90071992547409.91", usd, "$ 90071992547409.91", below2to53);
    row("stored limit, largest", false, true, usd, 0, "90071992547409.92", usd, "$ 90071992547409.92",
        kLargestStoredAmount);
    row("stored limit, past it", false, true, usd, 0, "90071992547409.93", usd, "$ 90071992547409.90",
        Q_INT64_C(9007199254740990));
    row("stored limit, auto", true, true, usd, 0, "9007199254740991", usd, "$ 90071992547409.91", below2to53);
}

// An amount set in minor units, as a form shows a stored one, and what typing does to it.
void TestAmountField::amountsSetInMinorUnits()
{
    QFETCH(bool, autoDecimal);
    QFETCH(bool, storedLimit);
    QFETCH(Currency, currency);
    QFETCH(qint64, set);
    QFETCH(QString, keys);
    QFETCH(Currency, then);
    setAmountAutoDecimal(autoDecimal);
    if (storedLimit)
        m_field->keepToStoredLimit(SmartAmountField::Signs::Either);
    else
        m_field->keepToTypedLimit(SmartAmountField::Signs::Either);
    m_field->setCurrency(currency);
    m_field->setMinorUnits(set);
    if (keys.startsWith(u'=')) {
        m_field->setMinorUnits(keys.mid(1).toLongLong());
    } else if (keys == u"<Down>") {
        QTest::keyClick(m_field, Qt::Key_Down);
    } else if (!keys.isEmpty()) {
        QTest::keyClick(m_field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(m_field, keys);
        QTest::keyClick(m_field, Qt::Key_Tab);
    }
    if (then != currency)
        m_field->setCurrency(then);
    QTEST(m_field->text(), "shown");
    QTEST(m_field->minorUnits(), "units");
}

void TestAmountField::elidedLabelSqueezes()
{
    const QString name = QStringLiteral("Everyday Checking at the Credit Union");
    auto* label = new ElidedLabel;
    label->setFullText(name);
    m_window->layout()->addWidget(label);
    m_window->resize(m_field->width() + 120, m_window->height());
    QTRY_VERIFY(label->width() < label->sizeHint().width());
    QVERIFY2(label->shownText().endsWith(QChar(0x2026)), qPrintable(label->shownText()));
    QVERIFY(name.startsWith(label->shownText().chopped(1)) && label->shownText().size() > 1);
    QCOMPARE(label->text(), name);
    // A layout may squeeze it to nothing, never to less than one line's height.
    QCOMPARE(label->minimumSizeHint(), QSize(0, label->fontMetrics().height()));
    m_window->resize(2000, m_window->height());
    QTRY_COMPARE(label->shownText(), name);
}

void TestAmountField::elidedLabelAtItsSizeHintShowsItAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("role");
    QTest::newRow("title") << "Main Checking" << 5;
    QTest::newRow("long title") << "Cuenta corriente principal" << 5;
    QTest::newRow("account name") << "Visa Rewards" << 1;
    QTest::newRow("small") << "Épargne mensuelle" << 2;
}

// Given the width it asks for, the label shows its whole text, however the
// text's advance falls between two pixels.
void TestAmountField::elidedLabelAtItsSizeHintShowsItAll()
{
    QFETCH(QString, text);
    QFETCH(int, role);
    ElidedLabel label;
    applyFontRole(&label, role);
    label.setFullText(text);
    label.resize(label.sizeHint());
    QCOMPARE(label.shownText(), text);
}

VELLUMRY_TEST_MAIN(TestAmountField)
#include "tst_amountfield.moc"
