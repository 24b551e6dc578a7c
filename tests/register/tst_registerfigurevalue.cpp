#include "TestMain.h"

#include "register/RegisterFigureValue.h"
#include "widgets/Appearance.h"

#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

class TestRegisterFigureValue : public QObject
{
    Q_OBJECT

private slots:
    void looksAsALabelDoes_data();
    void looksAsALabelDoes();
    void asksForALayoutOnlyWhenItsSizeChanges_data();
    void asksForALayoutOnlyWhenItsSizeChanges();
};

namespace {

// A figure's block as the register's header lays it out: a caption over the
// value, both centred, the value given `text` after `before`.
struct Block
{
    QWidget box;
    QWidget* value = nullptr;

    template <typename Value>
    Value* make(int fontRole, bool bold)
    {
        auto* layout = new QVBoxLayout(&box);
        layout->setSpacing(4);
        auto* caption = new QLabel(QStringLiteral("Balance"), &box);
        caption->setAlignment(Qt::AlignCenter);
        layout->addWidget(caption);
        auto* shown = new Value(&box);
        if (bold)
            applyFontRoleWithWeight(shown, fontRole, QFont::Bold);
        else
            applyFontRole(shown, fontRole);
        layout->addWidget(shown);
        value = shown;
        return shown;
    }
};

// Counts the layout requests a widget receives.
class LayoutRequests : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void TestRegisterFigureValue::looksAsALabelDoes_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fontRole");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("cleared");  // afterwards
    QTest::addColumn<int>("laterRole"); // a font given after the text, 0 for none
    QTest::addColumn<int>("margin");

    const QColor none;
    QTest::newRow("never given a text") << QString() << QString() << 3 << false << none << false << 0 << 0;
    QTest::newRow("an empty text") << QStringLiteral("$1.00") << QString() << 3 << false << none << false << 0 << 0;
    QTest::newRow("cleared") << QString() << QStringLiteral("$1.00") << 3 << true << none << true << 0 << 0;
    QTest::newRow("cleared, then empty") << QStringLiteral("$1.00") << QString() << 5 << false << none << true << 0
                                         << 0;
    QTest::newRow("zero") << QString() << QStringLiteral("$0.00") << 3 << false << none << false << 0 << 0;
    QTest::newRow("negative, bold, red") << QStringLiteral("$5.00") << QStringLiteral("-$1,234.56") << 3 << true
                                          << negativeAmountColor() << false << 0 << 0;
    QTest::newRow("positive, bold, green") << QString() << QStringLiteral("$98,765,432.10") << 3 << true
                                            << positiveAmountColor() << false << 0 << 0;
    QTest::newRow("euro") << QStringLiteral("0,00 €") << QStringLiteral("1.234,56 €") << 3 << false << none << false
                          << 0 << 0;
    QTest::newRow("yen, larger type") << QString() << QStringLiteral("¥1,234,567") << 5 << false << none << false << 0
                                      << 0;
    QTest::newRow("right to left") << QString() << QStringLiteral("‏-١٢٣٫٤٥ ر.س") << 3 << false << none << false << 0
                                   << 0;
    QTest::newRow("two lines") << QString() << QStringLiteral("$1.00\n$2.00") << 3 << false << none << false << 0
                               << 0;
    QTest::newRow("a larger font later") << QString() << QStringLiteral("$12.00") << 3 << false << none << false << 6
                                         << 0;
    QTest::newRow("a smaller font later") << QStringLiteral("$12.00") << QStringLiteral("$7.00") << 5 << true << none
                                          << false << 2 << 0;
    QTest::newRow("margins") << QString() << QStringLiteral("$3.50") << 3 << false << none << false << 0 << 7;
}

void TestRegisterFigureValue::looksAsALabelDoes()
{
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(int, fontRole);
    QFETCH(bool, bold);
    QFETCH(QColor, color);
    QFETCH(bool, cleared);
    QFETCH(int, laterRole);
    QFETCH(int, margin);

    Block labelled;
    auto* label = labelled.make<QLabel>(fontRole, bold);
    label->setAlignment(Qt::AlignCenter);
    label->setText(before);
    label->setText(text);
    if (color.isValid())
        label->setStyleSheet(QStringLiteral("color: %1;").arg(color.name()));
    if (cleared) {
        label->clear();
        label->setText(text);
    }
    label->setContentsMargins(margin, margin / 2, margin + 1, margin);

    Block figured;
    auto* figure = figured.make<RegisterFigureValue>(fontRole, bold);
    figure->setText(before);
    figure->setText(text);
    if (color.isValid())
        figure->setColor(color);
    if (cleared) {
        figure->clear();
        figure->setText(text);
    }
    figure->setContentsMargins(margin, margin / 2, margin + 1, margin);

    const auto shown = [](Block& block) {
        block.box.adjustSize();
        const QWidget* value = block.value;
        return QVariantList({value->property("text"), value->sizeHint(), value->minimumSizeHint(),
                             value->geometry(), block.box.size()});
    };
    QCOMPARE(shown(figured), shown(labelled));
    QCOMPARE(figured.box.grab().toImage(), labelled.box.grab().toImage());
    if (laterRole > 0) {
        applyFontRole(label, laterRole);
        applyFontRole(figure, laterRole);
        QCOMPARE(shown(figured), shown(labelled));
        QCOMPARE(figured.box.grab().toImage(), labelled.box.grab().toImage());
    }
    // Wider than the text needs, as beside a longer figure: centred alike.
    labelled.box.resize(labelled.box.width() + 37, labelled.box.height() + 9);
    figured.box.resize(labelled.box.size());
    QCOMPARE(figured.box.grab().toImage(), labelled.box.grab().toImage());
}

void TestRegisterFigureValue::asksForALayoutOnlyWhenItsSizeChanges_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");

    QTest::newRow("the same text") << QStringLiteral("$1,000.00") << QStringLiteral("$1,000.00");
    QTest::newRow("other digits") << QStringLiteral("$1,000.00") << QStringLiteral("$2,468.13");
    QTest::newRow("a digit more") << QStringLiteral("$1,000.00") << QStringLiteral("$10,000.00");
    QTest::newRow("a sign less") << QStringLiteral("-$1.00") << QStringLiteral("$1.00");
    QTest::newRow("to nothing") << QStringLiteral("$1.00") << QString();
    QTest::newRow("from nothing") << QString() << QStringLiteral("$1.00");
}

void TestRegisterFigureValue::asksForALayoutOnlyWhenItsSizeChanges()
{
    QFETCH(QString, before);
    QFETCH(QString, text);

    Block figured;
    auto* figure = figured.make<RegisterFigureValue>(3, true);
    figure->setText(before);
    figured.box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&figured.box));
    LayoutRequests requests;
    figured.box.installEventFilter(&requests);

    figure->setText(text);
    QCoreApplication::sendPostedEvents();

    // A label of the same font says whether the size changed.
    QLabel oracle;
    oracle.setFont(figure->font());
    oracle.setText(before);
    const QSize sizeBefore = oracle.sizeHint();
    oracle.setText(text);
    const bool resized = oracle.sizeHint() != sizeBefore;
    QCOMPARE(QVariantList({requests.count, figure->sizeHint()}), QVariantList({resized ? 1 : 0, oracle.sizeHint()}));
    // The text shows in full, laid out anew where it needed that.
    QVERIFY(figure->width() >= oracle.sizeHint().width());
    QCOMPARE(figure->height(), figured.box.layout()->itemAt(1)->geometry().height());
}

VELLUMRY_TEST_MAIN(TestRegisterFigureValue)
#include "tst_registerfigurevalue.moc"
