#include "TestMain.h"

#include "register/RegisterColumnHeader.h"

#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

class TestRegisterColumnHeader : public QObject
{
    Q_OBJECT

private slots:
    void measuresTitlesOnlyWhenTheyMayHaveChanged_data();
    void measuresTitlesOnlyWhenTheyMayHaveChanged();
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

VELLUMRY_TEST_MAIN(TestRegisterColumnHeader)
#include "tst_registercolumnheader.moc"
