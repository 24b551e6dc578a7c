#include "TestMain.h"

#include "widgets/Appearance.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fontRolesFollowTheScale();
    void pixelSizedDefaultCountsAsTenPoints();
    void scaleIsClamped();
    void accentButtonTextColour();
    void coloursFollowThePalette();
    void contrastAsWcagMeasuresIt_data();
    void contrastAsWcagMeasuresIt();
    void taggingWidgets();
    void accentButtonsShowTheirWholeText_data();
    void accentButtonsShowTheirWholeText();

private:
    QPalette m_palette;
};

void TestAppearance::init()
{
    m_palette = QApplication::palette();
    QFont base = QApplication::font();
    base.setPointSize(9);
    appDefaultFont() = base;
    setCurrentFontScale(100);
    appAccentColor() = QColor(QStringLiteral("#00897B"));
}

void TestAppearance::cleanup()
{
    QApplication::setPalette(m_palette);
    setCurrentFontScale(100);
}

void TestAppearance::fontRolesFollowTheScale()
{
    QCOMPARE(fontForRole(0).pointSize(), 9);
    QCOMPARE(fontForRole(1).pointSize(), 9);
    QCOMPARE(fontForRole(1).weight(), QFont::Medium);
    QCOMPARE(fontForRole(2).pointSize(), 7);
    QCOMPARE(fontForRole(3).pointSize(), 10);
    QCOMPARE(fontForRole(3).weight(), QFont::Medium);
    QCOMPARE(fontForRole(4).pointSize(), 13);
    QCOMPARE(fontForRole(4).weight(), QFont::DemiBold);
    QCOMPARE(fontForRole(5).pointSize(), 17);
    QCOMPARE(fontForRole(6).pointSize(), 23);
    QCOMPARE(fontForRole(6).weight(), QFont::Bold);
    QCOMPARE(fontForRole(7).pointSize(), 9);
    QCOMPARE(fontForRole(7).styleHint(), QFont::Monospace);
    QCOMPARE(fontForRole(7).family(), monospaceFont().family());
    QCOMPARE(fontForRole(42).pointSize(), 9);
    QCOMPARE(scaledAppFont().pointSize(), 9);

    setCurrentFontScale(70);
    QCOMPARE(scaledAppFont().pointSize(), 6);
    QCOMPARE(fontForRole(2).pointSize(), 7);
    QCOMPARE(fontForRole(6).pointSize(), 20);
    QCOMPARE(monospaceFont().pointSize(), 6);
}

void TestAppearance::pixelSizedDefaultCountsAsTenPoints()
{
    QFont pixels = QApplication::font();
    pixels.setPixelSize(13);
    appDefaultFont() = pixels;
    QCOMPARE(scaledAppFont().pointSize(), 10);
    setCurrentFontScale(150);
    QCOMPARE(scaledAppFont().pointSize(), 15);
}

void TestAppearance::scaleIsClamped()
{
    setCurrentFontScale(200);
    QCOMPARE(currentFontScale(), 160);
    setCurrentFontScale(50);
    QCOMPARE(currentFontScale(), 70);
    setCurrentFontScale(115);
    QCOMPARE(currentFontScale(), 115);
}

void TestAppearance::accentButtonTextColour()
{
    QString sheet = accentButtonStyleSheet();
    QVERIFY(sheet.startsWith(QLatin1String("QPushButton {  background-color: #00897b;  color: #FFFFFF;")));
    QVERIFY(sheet.contains(QStringLiteral("QPushButton:hover {  background-color: %1;}")
                               .arg(QColor(QStringLiteral("#00897B")).darker(115).name())));
    QVERIFY(sheet.contains(QStringLiteral("QPushButton:pressed {  background-color: %1;}")
                               .arg(QColor(QStringLiteral("#00897B")).darker(140).name())));

    appAccentColor() = QColor(255, 235, 59);
    sheet = accentButtonStyleSheet();
    QVERIFY(sheet.contains(QLatin1String("color: #12211B;")));
}

void TestAppearance::coloursFollowThePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    QApplication::setPalette(palette);
    QVERIFY(!isDarkPalette());
    QCOMPARE(negativeAmountColor(), QColor(QStringLiteral("#C62828")));
    QCOMPARE(positiveAmountColor(), QColor(QStringLiteral("#2E7D32")));
    QCOMPARE(effectiveAccentColor(), QColor(QStringLiteral("#00897B")));

    palette.setColor(QPalette::Window, QColor(QStringLiteral("#0F1E19")));
    QApplication::setPalette(palette);
    QVERIFY(isDarkPalette());
    QCOMPARE(negativeAmountColor(), QColor(QStringLiteral("#FF8A80")));
    QCOMPARE(positiveAmountColor(), QColor(QStringLiteral("#66BB6A")));
    QCOMPARE(effectiveAccentColor(), QColor(QStringLiteral("#00897B")).lighter(135));
}

void TestAppearance::contrastAsWcagMeasuresIt_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << "#000000" << "#FFFFFF" << 21.0;
    QTest::newRow("either way round") << "#FFFFFF" << "#000000" << 21.0;
    QTest::newRow("alike") << "#00897B" << "#00897B" << 1.0;
    QTest::newRow("grey just short of text") << "#777777" << "#FFFFFF" << 4.48;
    QTest::newRow("pure blue on the dark window") << "#0000FF" << "#0F1E19" << 2.0;
    QTest::newRow("pure red on white") << "#FF0000" << "#FFFFFF" << 4.0;
}

void TestAppearance::contrastAsWcagMeasuresIt()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, ratio);
    QCOMPARE(qRound(contrastRatio(QColor(first), QColor(second)) * 100) / 100.0, ratio);
}

void TestAppearance::taggingWidgets()
{
    QLabel label;
    applyFontRole(&label, 4);
    QCOMPARE(label.property("orvaFontRole").toInt(), 4);
    QCOMPARE(label.font().pointSize(), 13);

    QLabel heavy;
    applyFontRoleWithWeight(&heavy, 2, QFont::Bold);
    QCOMPARE(heavy.property("orvaFontWeight").toInt(), int(QFont::Bold));
    QCOMPARE(heavy.font().weight(), QFont::Bold);
    QCOMPARE(heavy.font().pointSize(), 7);

    QPushButton button;
    applyAccentButtonStyle(&button);
    QVERIFY(button.property("orvaAccentButton").toBool());
    QCOMPARE(button.styleSheet(), accentButtonStyleSheet());

    // Null widgets are ignored.
    applyFontRole(nullptr, 1);
    applyAccentButtonStyle(nullptr);
}

void TestAppearance::accentButtonsShowTheirWholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("scale");
    QTest::newRow("fr small") << "&Nouvelle opération" << 85;
    QTest::newRow("fr") << "&Nouvelle opération" << 100;
    QTest::newRow("fr extra large") << "&Nouvelle opération" << 150;
    QTest::newRow("es") << "&Nueva transacción" << 100;
    QTest::newRow("es large") << "&Nueva transacción" << 130;
    QTest::newRow("short text") << "OK" << 100;
}

// A row too narrow for all it holds squeezes what can give, never an accent
// button's text: its label keeps the text's width, or the sheet's 80 pixels
// when the text is shorter, also after the sheet is set again for a new accent.
void TestAppearance::accentButtonsShowTheirWholeText()
{
    QFETCH(QString, text);
    QFETCH(int, scale);
    setCurrentFontScale(scale);
    QWidget window;
    auto* row = new QHBoxLayout(&window);
    row->addWidget(new QLineEdit(&window));
    auto* button = new QPushButton(text, &window);
    applyAccentButtonStyle(button);
    row->addWidget(button);
    window.resize(40, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const auto labelRoom = [button] {
        QCoreApplication::sendPostedEvents();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    };
    const int needed = qMax(button->fontMetrics().size(Qt::TextShowMnemonic, text).width(), 80);
    const int squeezed = labelRoom();
    appAccentColor() = QColor(QStringLiteral("#8E24AA"));
    button->setStyleSheet(accentButtonStyleSheet());
    QCOMPARE(QList<int>({squeezed, labelRoom()}), QList<int>({needed, needed}));
}

VELLUMRY_TEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
