#include "TestMain.h"

#include "widgets/ElidedComboBox.h"

#include <QImage>
#include <QStyleOptionComboBox>

namespace {

// A combo box as a person sees it: its pixels.
QImage pixelsOf(QComboBox* combo, int width)
{
    combo->resize(width, combo->sizeHint().height());
    combo->show();
    return combo->grab().toImage();
}

} // namespace

class TestElidedComboBox : public QObject
{
    Q_OBJECT

private slots:
    void choiceIsCutWithAnEllipsis_data();
    void choiceIsCutWithAnEllipsis();
};

void TestElidedComboBox::choiceIsCutWithAnEllipsis_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("cut");
    QTest::newRow("fits") << "All" << 200 << false;
    QTest::newRow("long choice in a wide box") << "All Categories" << 300 << false;
    QTest::newRow("too long") << "All Categories" << 90 << true;
    QTest::newRow("far too long") << "Toutes les catégories" << 60 << true;
}

// A choice wider than the box shows as its start and "…", drawn as the style
// draws a combo box showing that text; the list keeps the whole text.
void TestElidedComboBox::choiceIsCutWithAnEllipsis()
{
    QFETCH(QString, choice);
    QFETCH(int, width);
    QFETCH(bool, cut);
    ElidedComboBox combo;
    combo.addItem(choice);
    const QImage shown = pixelsOf(&combo, width);
    const QString text = combo.shownText();

    QStyleOptionComboBox option;
    option.initFrom(&combo);
    const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
    QComboBox plain;
    plain.addItem(text);
    QComboBox whole;
    whole.addItem(choice);
    QCOMPARE(QVariantList({text.endsWith(QChar(0x2026)), choice.startsWith(text.chopped(cut ? 1 : 0)),
                           combo.fontMetrics().horizontalAdvance(text) <= field.width() - 2, combo.itemText(0)}),
             QVariantList({cut, true, true, choice}));
    QCOMPARE(shown, pixelsOf(&plain, width));
    QCOMPARE(shown == pixelsOf(&whole, width), !cut);
}

VELLUMRY_TEST_MAIN(TestElidedComboBox)
#include "tst_elidedcombobox.moc"
