#include "TestMain.h"

#include "widgets/VerticalScrollArea.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString kHint = QStringLiteral("A hint long enough to wrap over several lines of the page, as translated hints do "
                                     "in the narrow column of a settings page, with a few more words to be sure.");

// A settings-like page: margins of 24, wrapped hints and a button.
QWidget* makePage(int hints)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    for (int hint = 0; hint < hints; ++hint) {
        auto* label = new QLabel(kHint, page);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addWidget(new QPushButton(QStringLiteral("Export Backup"), page));
    layout->addStretch();
    return page;
}

struct Window
{
    explicit Window(QWidget* content, QSize size)
    {
        auto* layout = new QVBoxLayout(&widget);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(content);
        widget.resize(size);
        widget.show();
    }
    QWidget widget;
};

} // namespace

class TestVerticalScrollArea : public QObject
{
    Q_OBJECT

private slots:
    void aPageThatFitsLooksAsWithout();
    void aTallPageScrollsAndKeepsItsWidth();
};

// With room enough, the page shows as it would without the scroll area: no
// frame, no scroll bar, the page as wide as the window.
void TestVerticalScrollArea::aPageThatFitsLooksAsWithout()
{
    Window plain(makePage(2), {420, 500});
    Window scrolled(new VerticalScrollArea(makePage(2)), {420, 500});
    QVERIFY(QTest::qWaitForWindowExposed(&plain.widget));
    QVERIFY(QTest::qWaitForWindowExposed(&scrolled.widget));
    QCOMPARE(scrolled.widget.grab().toImage(), plain.widget.grab().toImage());
}

// Too short a window scrolls up and down: each hint keeps the height of its
// lines, and nothing but the right margin is out of sight across, also after a
// button's text grows.
void TestVerticalScrollArea::aTallPageScrollsAndKeepsItsWidth()
{
    QWidget* page = makePage(6);
    auto* area = new VerticalScrollArea(page);
    Window window(area, {80, 200});
    QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
    const auto seen = [&] {
        QCoreApplication::sendPostedEvents();
        QStringList cut;
        for (const QWidget* child : page->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(child);
            if (label && label->height() < label->heightForWidth(label->width()))
                cut.append(QStringLiteral("squeezed: ") + label->text().left(10));
            if (child->geometry().right() >= area->viewport()->width())
                cut.append(QStringLiteral("out of sight: ") + child->metaObject()->className());
        }
        return QVariantList({cut, area->verticalScrollBar()->isVisible(), area->horizontalScrollBar()->isVisible()});
    };
    QCOMPARE(seen(), QVariantList({QStringList(), true, false}));
    page->findChild<QPushButton*>()->setText(QStringLiteral("Export a Backup of Everything in the Ledger Now"));
    QTRY_COMPARE(seen(), QVariantList({QStringList(), true, false}));
}

VELLUMRY_TEST_MAIN(TestVerticalScrollArea)
#include "tst_verticalscrollarea.moc"
