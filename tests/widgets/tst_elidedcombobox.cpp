#include "TestMain.h"

#include "widgets/ElidedComboBox.h"

#include <QImage>
#include <QPixmap>
#include <QStyleOptionComboBox>

namespace {

QIcon squareIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkCyan);
    return QIcon(pixmap);
}

enum class Placeholder { None, Shown, Unused };

// A combo box showing `text` as its choice, or as its placeholder with no
// choice; an unused placeholder stands beside a choice.
void fill(QComboBox* combo, const QString& text, bool icon, Placeholder placeholder = Placeholder::None)
{
    if (placeholder == Placeholder::Shown) {
        combo->setPlaceholderText(text);
        return;
    }
    if (placeholder == Placeholder::Unused)
        combo->setPlaceholderText(QStringLiteral("Choose"));
    if (icon)
        combo->addItem(squareIcon(), text);
    else
        combo->addItem(text);
    combo->setCurrentIndex(0);
}

// A combo box as a person sees it: its pixels.
QImage pixelsOf(QComboBox* combo, int width)
{
    combo->resize(width, combo->sizeHint().height());
    combo->show();
    return combo->grab().toImage();
}

// The room the style draws the label in: the edit field less a pixel at each
// side, and less the icon and the gap after it.
int labelRoom(const QComboBox& combo)
{
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    int room = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width()
               - 2;
    if (!combo.itemIcon(0).isNull())
        room -= combo.iconSize().width() + 4;
    return room;
}

} // namespace

Q_DECLARE_METATYPE(Placeholder)

class TestElidedComboBox : public QObject
{
    Q_OBJECT

private slots:
    void choiceIsCutWithAnEllipsis_data();
    void choiceIsCutWithAnEllipsis();
    void cutAfterTheLastLetterThatFits_data();
    void cutAfterTheLastLetterThatFits();
};

void TestElidedComboBox::choiceIsCutWithAnEllipsis_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<Placeholder>("placeholder");
    QTest::addColumn<bool>("cut");
    using P = Placeholder;
    QTest::newRow("fits") << "All" << 200 << false << P::None << false;
    QTest::newRow("long choice in a wide box") << "All Categories" << 300 << false << P::None << false;
    QTest::newRow("too long") << "All Categories" << 90 << false << P::None << true;
    QTest::newRow("far too long") << "Toutes les catégories" << 60 << false << P::None << true;
    QTest::newRow("with an icon") << "All Categories" << 110 << true << P::None << true;
    QTest::newRow("placeholder") << "Choose a category" << 90 << false << P::Shown << true;
    QTest::newRow("choice beside a placeholder") << "All Categories" << 90 << false << P::Unused << true;
}

// A choice wider than the box shows as its start and "…", drawn as the style
// draws a combo box showing that text; the list keeps the whole text.
void TestElidedComboBox::choiceIsCutWithAnEllipsis()
{
    QFETCH(QString, choice);
    QFETCH(int, width);
    QFETCH(bool, icon);
    QFETCH(Placeholder, placeholder);
    QFETCH(bool, cut);
    ElidedComboBox combo;
    fill(&combo, choice, icon, placeholder);
    const QImage shown = pixelsOf(&combo, width);
    const QString text = combo.shownText();

    QComboBox plain;
    fill(&plain, text, icon, placeholder);
    QComboBox whole;
    fill(&whole, choice, icon, placeholder);
    QCOMPARE(QVariantList({text.endsWith(QChar(0x2026)), choice.startsWith(text.chopped(cut ? 1 : 0))}),
             QVariantList({cut, true}));
    QCOMPARE(shown, pixelsOf(&plain, width));
    QCOMPARE(shown == pixelsOf(&whole, width), !cut);
}

void TestElidedComboBox::cutAfterTheLastLetterThatFits_data()
{
    QTest::addColumn<bool>("icon");
    QTest::newRow("text") << false;
    QTest::newRow("icon and text") << true;
}

// At every width the choice is cut as the font cuts a text for the room the
// style draws the label in.
void TestElidedComboBox::cutAfterTheLastLetterThatFits()
{
    QFETCH(bool, icon);
    const QString choice = QStringLiteral("Toutes les catégories");
    ElidedComboBox combo;
    fill(&combo, choice, icon);
    combo.show();
    QStringList wrong;
    for (int width = 50; width <= 260; ++width) {
        combo.resize(width, combo.sizeHint().height());
        const int room = labelRoom(combo);
        const QString expected = combo.fontMetrics().elidedText(choice, Qt::ElideRight, room);
        if (combo.shownText() != expected)
            wrong.append(QStringLiteral("%1: \"%2\" for \"%3\"").arg(width).arg(combo.shownText(), expected));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

VELLUMRY_TEST_MAIN(TestElidedComboBox)
#include "tst_elidedcombobox.moc"
