#include "TestMain.h"

#include "register/RegisterCellImages.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPicture>

class TestRegisterCellImages : public QObject
{
    Q_OBJECT

private slots:
    void keptCellCopiesWhatWasDrawn_data();
    void keptCellCopiesWhatWasDrawn();
    void paintersACopyCannotMatch_data();
    void paintersACopyCannotMatch();
    void cellsKeptApart();
    void cellsOfEverySizeAndSurfaceKeptApart();
    void keptImagesStayBounded();
    void cellsDrawnOnceForgetInHalves_data();
    void cellsDrawnOnceForgetInHalves();
};

namespace {

constexpr QRgb kBase = 0xfff2f7f4;

// A cell as the delegate draws one: its ground (a row panel), a panel of its
// own and an antialiased text whose pixels depend on what lies under them.
struct Cell
{
    QRect rect{13, 29, 90, 24};
    RegisterCellImages::Look look;
    QString text = QStringLiteral("-1,234.56");
    int grounds = 0;
    int draws = 0;

    Cell()
    {
        look.text = 1;
        look.textColor = qRgb(0xc6, 0x28, 0x28);
        look.base = kBase;
        look.panel = qRgba(0xff, 0xe0, 0xe0, 0x80);
    }
    void ground(QPainter* painter) const
    {
        painter->fillRect(rect.adjusted(0, 0, 0, -rect.height() / 2), QColor(0x1a, 0x2e, 0x28, 0x40));
    }
    void draw(QPainter* painter)
    {
        ++draws;
        painter->fillRect(rect, QColor::fromRgba(look.panel));
        painter->setPen(QColor::fromRgba(look.textColor));
        painter->drawEllipse(rect.adjusted(2, 2, -60, -2)); // its edge as the painter's hints have it
        painter->drawText(rect.adjusted(3, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, text);
    }
    void paint(RegisterCellImages& images, QPainter* painter)
    {
        images.paint(painter, rect, look, [this](QPainter* on) {
            ++grounds;
            ground(on);
        }, [this](QPainter* on) { draw(on); });
    }
};

// The surface as the view leaves it before the cell paints: its background
// with the row panel over it.
QImage surface(const Cell& cell, QImage::Format format, int ratio)
{
    QImage image(QSize(160, 80) * ratio, format);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor::fromRgba(kBase));
    QPainter painter(&image);
    cell.ground(&painter);
    return image;
}

QPainter* begun(QPainter& painter, QImage& image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    return &painter;
}

} // namespace

void TestRegisterCellImages::keptCellCopiesWhatWasDrawn_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<int>("ratio");
    QTest::newRow("rgb32") << QImage::Format_RGB32 << 1;
    QTest::newRow("argb32 premultiplied") << QImage::Format_ARGB32_Premultiplied << 1;
    QTest::newRow("twice the pixels") << QImage::Format_ARGB32_Premultiplied << 2;
}

// Drawn once, kept the second time, copied after: every paint leaves the
// surface as drawing the cell there does, and a changed look draws again.
void TestRegisterCellImages::keptCellCopiesWhatWasDrawn()
{
    QFETCH(QImage::Format, format);
    QFETCH(int, ratio);
    RegisterCellImages images;
    Cell cell;
    // The cell drawn straight onto the surface, uncounted.
    const auto drawnDirectly = [&] {
        QImage drawn = surface(cell, format, ratio);
        QPainter painter;
        cell.draw(begun(painter, drawn));
        painter.end();
        cell.grounds = cell.draws = 0;
        return drawn;
    };
    const QImage drawn = drawnDirectly();
    const auto paintOnce = [&] {
        QImage painted = surface(cell, format, ratio);
        QPainter painter;
        cell.paint(images, begun(painter, painted));
        painter.end();
        return painted;
    };
    QList<QList<int>> counts; // grounds and draws after each paint
    for (int paint = 0; paint < 4; ++paint) {
        QCOMPARE(paintOnce(), drawn);
        counts.append({cell.grounds, cell.draws});
    }
    QCOMPARE(counts, (QList<QList<int>>{{0, 1}, {1, 2}, {1, 2}, {1, 2}}));
    QVERIFY(images.keptBytes() >= cell.rect.width() * cell.rect.height() * 4 * ratio * ratio);

    // Any other look is another cell.
    cell.look.textColor = qRgb(0, 0x80, 0);
    const QImage recoloured = drawnDirectly();
    QCOMPARE(paintOnce(), recoloured);
    QCOMPARE(paintOnce(), recoloured);
    QCOMPARE(paintOnce(), recoloured);
    QCOMPARE(cell.draws, 2);
}

void TestRegisterCellImages::paintersACopyCannotMatch_data()
{
    QTest::addColumn<QString>("painter");
    QTest::newRow("scaled") << "scaled";
    QTest::newRow("stretched") << "stretched";
    QTest::newRow("mirrored") << "mirrored";
    QTest::newRow("half a pixel over") << "half pixel";
    QTest::newRow("turned") << "turned";
    QTest::newRow("translucent") << "translucent";
    QTest::newRow("another way of compositing") << "composition";
    QTest::newRow("a surface of another format") << "rgb888";
    QTest::newRow("a picture, not an image") << "picture";
    QTest::newRow("a translucent view background") << "translucent base";
}

// Where a copy would not land on whole pixels, or would not mix as drawing
// does, every paint draws.
void TestRegisterCellImages::paintersACopyCannotMatch()
{
    QFETCH(QString, painter);
    RegisterCellImages images;
    Cell cell;
    if (painter == QLatin1String("translucent base"))
        cell.look.base = qRgba(0xf2, 0xf7, 0xf4, 0x80);
    QImage image(160, 80, painter == QLatin1String("rgb888") ? QImage::Format_RGB888 : QImage::Format_RGB32);
    QPicture picture;
    for (int paint = 0; paint < 3; ++paint) {
        image.fill(Qt::white);
        QPainter on;
        if (painter == QLatin1String("picture"))
            on.begin(&picture);
        else
            on.begin(&image);
        if (painter == QLatin1String("scaled"))
            on.scale(1.5, 1.5);
        else if (painter == QLatin1String("stretched"))
            on.scale(1, 2);
        else if (painter == QLatin1String("mirrored"))
            on.setTransform(QTransform(-1, 0, 0, -1, 160, 80));
        else if (painter == QLatin1String("half pixel"))
            on.translate(0.5, 0);
        else if (painter == QLatin1String("turned"))
            on.rotate(90);
        else if (painter == QLatin1String("translucent"))
            on.setOpacity(0.5);
        else if (painter == QLatin1String("composition"))
            on.setCompositionMode(QPainter::CompositionMode_Multiply);
        cell.paint(images, &on);
    }
    QCOMPARE(cell.draws, 3);
    QCOMPARE(cell.grounds, 0);
    QCOMPARE(images.keptBytes(), 0);
}

// Cells met in turn are each remembered and kept.
void TestRegisterCellImages::cellsKeptApart()
{
    RegisterCellImages images;
    QList<Cell> cells(3);
    for (int n = 0; n < cells.size(); ++n)
        cells[n].look.text = quint64(n + 1);
    QImage image(160, 80, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int round = 0; round < 3; ++round) {
        for (Cell& cell : cells)
            cell.paint(images, &painter);
    }
    for (const Cell& cell : cells)
        QCOMPARE(cell.draws, 2);
}

// One cache serves cells of every size (each wide enough for what the test
// cell draws inside it), on surfaces of either format and pixel ratio met in
// any order: each cell kept copies exactly what drawing it does.
void TestRegisterCellImages::cellsOfEverySizeAndSurfaceKeptApart()
{
    struct Case
    {
        QRect rect;
        QImage::Format format;
        int ratio;
    };
    // Smaller, then wider alone, then taller alone, then on the other format.
    const QList<Case> cases{{QRect(13, 29, 140, 40), QImage::Format_RGB32, 1},
                            {QRect(5, 3, 70, 20), QImage::Format_RGB32, 1},
                            {QRect(0, 4, 155, 30), QImage::Format_RGB32, 1},
                            {QRect(6, 2, 90, 70), QImage::Format_RGB32, 1},
                            {QRect(13, 29, 90, 24), QImage::Format_ARGB32_Premultiplied, 2},
                            {QRect(0, 0, 150, 30), QImage::Format_ARGB32_Premultiplied, 1},
                            {QRect(20, 10, 80, 60), QImage::Format_RGB32, 2}};
    RegisterCellImages images;
    QStringList differing;
    for (int round = 0; round < 2; ++round) {
        for (int n = 0; n < cases.size(); ++n) {
            Cell cell;
            cell.rect = cases.at(n).rect;
            cell.look.text = quint64(n + 1);
            QImage drawn = surface(cell, cases.at(n).format, cases.at(n).ratio);
            QPainter painter;
            cell.draw(begun(painter, drawn));
            painter.end();
            for (int paint = 0; paint < 3; ++paint) {
                QImage painted = surface(cell, cases.at(n).format, cases.at(n).ratio);
                cell.paint(images, begun(painter, painted));
                painter.end();
                if (painted != drawn)
                    differing.append(QStringLiteral("case %1, round %2, paint %3").arg(n).arg(round).arg(paint));
            }
        }
    }
    QCOMPARE(differing, QStringList());
}

void TestRegisterCellImages::keptImagesStayBounded()
{
    RegisterCellImages images;
    Cell cell;
    cell.rect = QRect(0, 0, 400, 200);
    QImage image(cell.rect.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    const qsizetype cellBytes = image.sizeInBytes();
    const qsizetype looks = 2 * RegisterCellImages::kMaxBytes / cellBytes;
    qsizetype most = 0;
    bool startedAfresh = false;
    for (qsizetype text = 1; text <= looks; ++text) {
        const qsizetype before = images.keptBytes();
        cell.look.text = quint64(text);
        cell.paint(images, &painter);
        cell.paint(images, &painter);
        QVERIFY(images.keptBytes() <= RegisterCellImages::kMaxBytes);
        startedAfresh = startedAfresh || images.keptBytes() < before;
        most = std::max(most, images.keptBytes());
    }
    // Full, it started afresh rather than refusing to keep more.
    QVERIFY(most > RegisterCellImages::kMaxBytes - cellBytes);
    QVERIFY(startedAfresh);
    // What was dropped draws again; the newest is still kept.
    const int draws = cell.draws;
    cell.look.text = 1;
    cell.paint(images, &painter);
    QCOMPARE(cell.draws, draws + 1);
    cell.look.text = quint64(looks);
    cell.paint(images, &painter);
    QCOMPARE(cell.draws, draws + 1);
}

void TestRegisterCellImages::cellsDrawnOnceForgetInHalves_data()
{
    QTest::addColumn<qsizetype>("before");  // other cells drawn once before the cell's first paint
    QTest::addColumn<qsizetype>("between"); // and between its first and second
    QTest::addColumn<bool>("kept");         // whether the second paint keeps it
    constexpr qsizetype bound = RegisterCellImages::kMaxDrawnOnce;
    QTest::newRow("painted twice in a row") << qsizetype(0) << qsizetype(0) << true;
    QTest::newRow("half the bound between") << qsizetype(0) << bound / 2 << true;
    QTest::newRow("met just before the bound") << bound - 1 << qsizetype(1) << true;
    QTest::newRow("the whole bound between") << qsizetype(0) << bound << false;
}

// The second paint of a cell keeps it if its first was among the cells drawn
// once lately; with more than the bound between, it is drawn as a first time.
void TestRegisterCellImages::cellsDrawnOnceForgetInHalves()
{
    QFETCH(qsizetype, before);
    QFETCH(qsizetype, between);
    QFETCH(bool, kept);
    RegisterCellImages images;
    QImage image(160, 80, QImage::Format_RGB32);
    QPainter painter(&image);
    Cell other;
    quint64 lastText = 1;
    const auto drawOthers = [&](qsizetype count) {
        for (qsizetype n = 0; n < count; ++n) {
            other.look.text = ++lastText;
            other.paint(images, &painter);
        }
    };
    Cell cell;
    drawOthers(before);
    cell.paint(images, &painter);
    drawOthers(between);
    cell.paint(images, &painter);
    QCOMPARE(other.draws, int(before + between));
    QCOMPARE(cell.grounds, kept ? 1 : 0);
    QCOMPARE(images.keptBytes() > 0, kept);
}

VELLUMRY_TEST_MAIN(TestRegisterCellImages)
#include "tst_registercellimages.moc"
