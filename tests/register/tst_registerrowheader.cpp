#include "TestMain.h"

#include "register/RegisterRowHeader.h"

#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

class TestRegisterRowHeader : public QObject
{
    Q_OBJECT

private slots:
    void placesRowsAsQtDoes_data();
    void placesRowsAsQtDoes();
};

namespace {

enum class Act { Remove, Insert, Hide, Show, Resize, Move, DefaultHeight };

struct Step
{
    Act act;
    int row;
    int value = 1; // rows to insert or remove, a height, or where a row moves to
};

using Steps = QList<Step>;

void apply(const Step& step, QStandardItemModel* model, const QList<QHeaderView*>& headers)
{
    switch (step.act) {
    case Act::Remove:
        model->removeRows(step.row, step.value);
        return;
    case Act::Insert:
        model->insertRows(step.row, step.value);
        return;
    default:
        break;
    }
    for (QHeaderView* header : headers) {
        switch (step.act) {
        case Act::Hide:
            header->hideSection(step.row);
            break;
        case Act::Show:
            header->showSection(step.row);
            break;
        case Act::Resize:
            header->resizeSection(step.row, step.value);
            break;
        case Act::Move:
            header->moveSection(step.row, step.value);
            break;
        case Act::DefaultHeight:
            header->setDefaultSectionSize(step.value);
            break;
        default:
            break;
        }
    }
}

// Whether every row is shown, unmoved, at the default height, row by row.
bool rowsAreAlike(const QHeaderView* header)
{
    for (int row = 0; row < header->count(); ++row) {
        if (header->isSectionHidden(row) || header->visualIndex(row) != row
            || header->sectionSize(row) != header->defaultSectionSize())
            return false;
    }
    return true;
}

// Every row as the header places it: height, position, hidden, and where it shows.
QList<QList<int>> placesOf(const QHeaderView* header)
{
    QList<QList<int>> places{{header->count(), header->length()}};
    for (int row = 0; row < header->count(); ++row)
        places.append({header->sectionSize(row), header->sectionPosition(row), int(header->isSectionHidden(row)),
                       header->visualIndex(row)});
    return places;
}

} // namespace

Q_DECLARE_METATYPE(Steps)

void TestRegisterRowHeader::placesRowsAsQtDoes_data()
{
    QTest::addColumn<Steps>("steps");
    // Whether the header takes its own way with rows removed at the end.
    QTest::addColumn<bool>("alike");
    QTest::newRow("a row in the middle") << Steps{{Act::Remove, 5}} << true;
    QTest::newRow("the first and the last row") << Steps{{Act::Remove, 0}, {Act::Remove, 10}} << true;
    QTest::newRow("three rows at once") << Steps{{Act::Remove, 4, 3}} << true;
    QTest::newRow("every row") << Steps{{Act::Remove, 0, 12}, {Act::Insert, 0, 2}, {Act::Remove, 1}} << true;
    QTest::newRow("rows inserted, then others removed")
        << Steps{{Act::Insert, 3, 2}, {Act::Remove, 0}, {Act::Remove, 11, 2}} << true;
    QTest::newRow("rows of a new default height") << Steps{{Act::DefaultHeight, 31}, {Act::Remove, 6}} << true;
    QTest::newRow("a hidden row below") << Steps{{Act::Hide, 8}, {Act::Remove, 2}} << false;
    QTest::newRow("the hidden row itself") << Steps{{Act::Hide, 4}, {Act::Remove, 4}, {Act::Remove, 1}} << true;
    QTest::newRow("a row shown again") << Steps{{Act::Hide, 3}, {Act::Remove, 7}, {Act::Show, 3}, {Act::Remove, 0}} << true;
    QTest::newRow("a taller row below") << Steps{{Act::Resize, 9, 44}, {Act::Remove, 1}} << false;
    QTest::newRow("taller and shorter rows making up for each other")
        << Steps{{Act::Resize, 2, 40}, {Act::Resize, 9, 2 * 30 - 40}, {Act::Remove, 5}} << false;
    QTest::newRow("a taller row made of the default height again")
        << Steps{{Act::Resize, 2, 40}, {Act::Resize, 2, 30}, {Act::Remove, 0}} << false;
    QTest::newRow("a moved row") << Steps{{Act::Move, 0, 6}, {Act::Remove, 3}, {Act::Remove, 0}} << false;
}

void TestRegisterRowHeader::placesRowsAsQtDoes()
{
    QFETCH(Steps, steps);
    QFETCH(bool, alike);
    QStandardItemModel model(12, 2);
    QTableView plain;
    QTableView withOwn;
    withOwn.setVerticalHeader(new RegisterRowHeader(&withOwn));
    plain.setModel(&model);
    withOwn.setModel(&model);
    const QList<QHeaderView*> headers{plain.verticalHeader(), withOwn.verticalHeader()};
    for (QHeaderView* header : headers)
        header->setDefaultSectionSize(30);

    auto* own = static_cast<RegisterRowHeader*>(withOwn.verticalHeader());
    for (const Step& step : steps) {
        apply(step, &model, headers);
        QCOMPARE(placesOf(own), placesOf(plain.verticalHeader()));
        // Never alike where they are not: the rows would then be dropped wrongly.
        QVERIFY(!own->rowsAreAlike() || rowsAreAlike(own));
    }
    QCOMPARE(own->count(), model.rowCount());
    QCOMPARE(own->rowsAreAlike(), alike);

    // A new model of another size, and the header follows it as well.
    QStandardItemModel other(5, 1);
    plain.setModel(&other);
    withOwn.setModel(&other);
    other.removeRows(1, 2);
    QCOMPARE(placesOf(own), placesOf(plain.verticalHeader()));
    model.removeRows(0, model.rowCount() / 2);
    QCOMPARE(own->count(), 3);
}

VELLUMRY_TEST_MAIN(TestRegisterRowHeader)
#include "tst_registerrowheader.moc"
