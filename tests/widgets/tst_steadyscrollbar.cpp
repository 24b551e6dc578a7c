#include "TestMain.h"

#include "widgets/SteadyScrollBar.h"

#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include <memory>
#include <optional>

namespace {

// minimum, maximum, page step, value
using Setting = QList<int>;

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// A vertical bar 400 pixels long, as beside a register whose rows are 36 pixels
// high in a viewport of 760: 50,000 rows scroll over 1,799,240 pixels.
class TestSteadyScrollBar : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(60, 420);
        m_bar = new SteadyScrollBar(Qt::Vertical, m_window.get());
        m_bar->setGeometry(10, 10, 16, 400);
        m_bar->installEventFilter(&m_counter);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void repaintsWhenItsPictureChanges_data()
    {
        QTest::addColumn<Setting>("before");
        QTest::addColumn<Setting>("after");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("repaints");
        const int big = 1799240;
        const Setting end{0, big, 760, big};
        const Setting top{0, big, 760, 0};
        QTest::newRow("a row more at the end, followed") << end << Setting{0, big + 36, 760, big + 36} << true << false;
        // In between, the value is no longer the maximum: that picture is shown.
        QTest::newRow("the same, not held") << end << Setting{0, big + 36, 760, big + 36} << false << true;
        QTest::newRow("a row less at the end, followed") << end << Setting{0, big - 36, 760, big - 36} << true << false;
        QTest::newRow("a row more, the view at the top") << top << Setting{0, big + 36, 760, 0} << false << false;
        QTest::newRow("a row less, the view at the top") << top << Setting{0, big - 36, 760, 0} << false << false;
        QTest::newRow("the same range set again") << Setting{0, big, 760, 500} << Setting{0, big, 760, 500} << false
                                                  << false;
        QTest::newRow("the rows outgrow the view") << Setting{0, 0, 760, 0} << Setting{0, 32, 760, 32} << true << true;
        QTest::newRow("twenty rows more of twenty") << Setting{0, 20, 760, 20} << Setting{0, 740, 760, 740} << true
                                                    << true;
        QTest::newRow("scrolled halfway") << top << Setting{0, big, 760, big / 2} << false << true;
        QTest::newRow("a row up from the end") << end << Setting{0, big, 760, big - 36} << true << true;
        QTest::newRow("emptied") << top << Setting{0, 0, 760, 0} << true << true;
        QTest::newRow("the page halved") << Setting{0, 2000, 760, 0} << Setting{0, 2000, 380, 0} << false << true;
    }

    void repaintsWhenItsPictureChanges()
    {
        QFETCH(Setting, before);
        QFETCH(Setting, after);
        QFETCH(bool, held);
        QFETCH(bool, repaints);
        apply(before, false);
        m_counter.paints = 0;
        apply(after, held);
        QCOMPARE(m_counter.paints > 0, repaints);
        // Repainted or not, the window shows what the bar would paint now.
        const QRect place = m_bar->geometry();
        const QImage shown = m_window->screen()
                                 ->grabWindow(m_window->winId(), place.x(), place.y(), place.width(), place.height())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, m_bar->grab().toImage().convertToFormat(QImage::Format_RGB32));
        // And that is what a plain QScrollBar shows.
        QScrollBar plain(Qt::Vertical);
        plain.resize(m_bar->size());
        plain.setRange(after.at(0), after.at(1));
        plain.setPageStep(after.at(2));
        plain.setValue(after.at(3));
        QCOMPARE(shown, plain.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

private:
    // Sets the bar as a view does, its range first, in one go when held; then
    // lets every paint it asked for happen.
    void apply(const Setting& setting, bool held)
    {
        {
            std::optional<SteadyScrollBar::Hold> hold;
            if (held)
                hold.emplace(m_bar);
            m_bar->setRange(setting.at(0), setting.at(1));
            m_bar->setPageStep(setting.at(2));
            m_bar->setValue(setting.at(3));
        }
        QCoreApplication::sendPostedEvents();
    }

    std::unique_ptr<QWidget> m_window;
    SteadyScrollBar* m_bar = nullptr;
    PaintCounter m_counter;
};

VELLUMRY_TEST_MAIN(TestSteadyScrollBar)
#include "tst_steadyscrollbar.moc"
