#include "HeaderSectionLog.h"
#include "TestMain.h"
#include "WindowPixels.h"

#include "register/RegisterColumnHeader.h"

#include <QPoint>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

class TestRegisterColumnHeader : public QObject
{
    Q_OBJECT

private slots:
    void measuresTitlesOnlyWhenTheyMayHaveChanged_data();
    void measuresTitlesOnlyWhenTheyMayHaveChanged();
    void repaintsTheSectionsASelectionChanges_data();
    void repaintsTheSectionsASelectionChanges();
};

namespace {

// Counts how often the header measures a title.
class MeasuredHeader : public RegisterColumnHeader
{
public:
    using RegisterColumnHeader::RegisterColumnHeader;
    mutable int measured = 0;

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        ++measured;
        return RegisterColumnHeader::sectionSizeFromContents(logicalIndex);
    }
};

enum class Change { CellText, CellColour, Title, CellOfAFittedSection };

} // namespace

Q_DECLARE_METATYPE(Change)

void TestRegisterColumnHeader::measuresTitlesOnlyWhenTheyMayHaveChanged_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("measuredAgain");
    QTest::addColumn<bool>("taller");
    QTest::addColumn<bool>("fittedWider");
    QTest::newRow("a cell's text") << Change::CellText << false << false << false;
    QTest::newRow("a cell's colour") << Change::CellColour << false << false << false;
    QTest::newRow("a title of two lines") << Change::Title << true << true << false;
    QTest::newRow("a cell under a section sized to its cells")
        << Change::CellOfAFittedSection << true << false << true;
}

void TestRegisterColumnHeader::measuresTitlesOnlyWhenTheyMayHaveChanged()
{
    QFETCH(Change, change);
    QFETCH(bool, measuredAgain);
    QFETCH(bool, taller);
    QFETCH(bool, fittedWider);

    QStandardItemModel model(3, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Payee"), QStringLiteral("Amount")});
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            model.setItem(row, column, new QStandardItem(QStringLiteral("x")));
    }
    QTableView table;
    auto* header = new MeasuredHeader(&table);
    table.setHorizontalHeader(header);
    table.setModel(&model);
    if (change == Change::CellOfAFittedSection)
        header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    table.resize(400, 200);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QCoreApplication::processEvents();
    const QSize hint = header->sizeHint();
    const int fitted = header->sectionSize(2);
    header->measured = 0;

    switch (change) {
    case Change::CellText:
        model.item(1, 1)->setText(QStringLiteral("A much longer payee\nover two lines"));
        break;
    case Change::CellColour:
        model.item(1, 1)->setForeground(Qt::red);
        break;
    case Change::Title:
        model.setHeaderData(1, Qt::Horizontal, QStringLiteral("Payee\nMemo"));
        break;
    case Change::CellOfAFittedSection:
        model.item(1, 2)->setText(QStringLiteral("-1,234,567,890.12"));
        break;
    }
    // As a register's write lays the rows out again.
    table.doItemsLayout();
    QCoreApplication::processEvents();

    QCOMPARE(header->measured > 0, measuredAgain);
    QCOMPARE(header->sizeHint().height() > hint.height(), taller);
    QCOMPARE(header->height(), header->sizeHint().height());
    QTRY_COMPARE(header->sectionSize(2) > fitted, fittedWider);
}

void TestRegisterColumnHeader::repaintsTheSectionsASelectionChanges_data()
{
    // The current cell moves to each of `steps` in turn, with nothing painted
    // between them (x: column, y: row; none: the selection cleared).
    const QPoint none(-1, -1);
    QTest::addColumn<int>("rows");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QList<QPoint>>("steps");
    QTest::addColumn<QStringList>("drawn");
    QTest::newRow("down its column") << 5 << QPoint(1, 1) << QList<QPoint>{{1, 3}} << QStringList();
    QTest::newRow("down the first column") << 5 << QPoint(0, 1) << QList<QPoint>{{0, 4}} << QStringList();
    QTest::newRow("to another column") << 5 << QPoint(1, 1) << QList<QPoint>{{2, 1}} << QStringList{"1", "2 on"};
    // In the column of the current cell the view starts with.
    QTest::newRow("a first selection") << 5 << none << QList<QPoint>{{0, 2}} << QStringList{"0 on"};
    QTest::newRow("the selection cleared") << 5 << QPoint(3, 2) << QList<QPoint>{none} << QStringList{"3"};
    QTest::newRow("there and back before a paint")
        << 5 << QPoint(1, 1) << QList<QPoint>{{2, 1}, {1, 2}} << QStringList{"1 on", "2"};
    QTest::newRow("a whole column, the only row")
        << 1 << QPoint(1, 0) << QList<QPoint>{{2, 0}} << QStringList{"1", "2 on sunken"};
    // A column between them is drawn as next to a whole column selected: the
    // second column for its left neighbour, the third for its right one.
    QTest::newRow("a whole column, past two others")
        << 1 << QPoint(0, 0) << QList<QPoint>{{3, 0}} << QStringList{"0", "1", "2", "3 on sunken"};
}

void TestRegisterColumnHeader::repaintsTheSectionsASelectionChanges()
{
    QFETCH(int, rows);
    QFETCH(QPoint, from);
    QFETCH(QList<QPoint>, steps);
    QFETCH(QStringList, drawn);

    QStandardItemModel model(rows, 4);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 4; ++column)
            model.setItem(row, column, new QStandardItem(QStringLiteral("%1.%2").arg(row).arg(column)));
    }
    QTableView table;
    auto* header = new RegisterColumnHeader(&table);
    table.setHorizontalHeader(header);
    table.setModel(&model);
    table.setSelectionBehavior(QAbstractItemView::SelectItems);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    HeaderSectionLog log;
    header->setStyle(&log);
    const auto moveTo = [&](const QPoint& cell) {
        if (cell.x() < 0)
            table.selectionModel()->clearSelection();
        else
            table.selectionModel()->setCurrentIndex(model.index(cell.y(), cell.x()), QItemSelectionModel::ClearAndSelect);
    };
    moveTo(from);
    table.resize(400, 200);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QCoreApplication::processEvents();
    log.drawn.clear();

    for (const QPoint& step : steps)
        moveTo(step);
    QCoreApplication::processEvents();

    log.drawn.sort();
    QCOMPARE(log.drawn, drawn);
    QCOMPARE(windowPixels(&table), table.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
    header->setStyle(nullptr);
}

VELLUMRY_TEST_MAIN(TestRegisterColumnHeader)
#include "tst_registercolumnheader.moc"
