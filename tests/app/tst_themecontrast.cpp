#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "app/Application.h"
#include "data/PreferencesRepository.h"
#include "screens/SettingsScreen.h"
#include "widgets/Appearance.h"
#include "widgets/ThemeManager.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStyleOption>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

enum class Shown { CheckBox, RadioButton, LinkLabel, LinkInField, SideListIcon };

const QString kLink = QStringLiteral("<a href=\"https://www.orvalenworks.com/vellumry\">orvalenworks.com</a>");

double strongestAgainst(const QImage& image, const QRect& area, QRgb background)
{
    double strongest = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, contrastRatio(QColor(image.pixel(x, y)), QColor(background)));
    }
    return strongest;
}

// How well an indicator's edge stands out: its outermost pixel half-way along
// each side, where Fusion draws its outline, and of those four the weakest.
double weakestEdge(const QImage& image, const QRect& indicator, QRgb background)
{
    const QPoint centre = indicator.center();
    const QPoint edges[] = {QPoint(indicator.left(), centre.y()), QPoint(indicator.right(), centre.y()),
                            QPoint(centre.x(), indicator.top()), QPoint(centre.x(), indicator.bottom())};
    double weakest = 21.0;
    for (const QPoint& edge : edges)
        weakest = std::min(weakest, contrastRatio(QColor(image.pixel(edge)), QColor(background)));
    return weakest;
}

QRect indicatorRect(const QAbstractButton* button, QStyle::SubElement element, const QWidget* window)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect rect = button->style()->subElementRect(element, &option, button);
    return rect.translated(button->mapTo(window, QPoint()));
}

} // namespace

Q_DECLARE_METATYPE(Shown)

// What the eye finds first on a screen, in either theme: the edge of an empty
// check box or radio button (3:1 against what surrounds it), a link (4.5:1, as
// text) and the icon of the chosen preference page (3:1 on its row).
class TestThemeContrast : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void seenAgainstTheBackground_data();
    void seenAgainstTheBackground();

private:
    std::unique_ptr<ScreenLedger> m;
};

void TestThemeContrast::initTestCase()
{
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m->state->themeManager = new ThemeManager(m->state->preferencesRepository, m->state.get());
}

void TestThemeContrast::seenAgainstTheBackground_data()
{
    QTest::addColumn<ThemeManager::Theme>("theme");
    QTest::addColumn<QString>("accent");
    QTest::addColumn<Shown>("shown");
    QTest::addColumn<double>("needed");
    const QString teal = QStringLiteral("#00897B");
    for (const auto theme : {ThemeManager::Dark, ThemeManager::Light}) {
        const QByteArray name = themeName(theme).toLatin1();
        QTest::newRow((name + " check box").constData()) << theme << teal << Shown::CheckBox << 3.0;
        QTest::newRow((name + " radio button").constData()) << theme << teal << Shown::RadioButton << 3.0;
        QTest::newRow((name + " link").constData()) << theme << teal << Shown::LinkLabel << 4.5;
        QTest::newRow((name + " link in a field").constData()) << theme << teal << Shown::LinkInField << 4.5;
        QTest::newRow((name + " chosen page's icon").constData()) << theme << teal << Shown::SideListIcon << 3.0;
    }
    // Links take the dark theme's accent: every accent offered must read.
    for (const char* accent : {"#1E88E5", "#3949AB", "#8E24AA", "#D81B60", "#2E7D32", "#F9A825", "#546E7A"}) {
        QTest::newRow((QByteArray("dark link, accent ") + accent).constData())
            << ThemeManager::Dark << QString::fromLatin1(accent) << Shown::LinkLabel << 4.5;
        QTest::newRow((QByteArray("dark link in a field, accent ") + accent).constData())
            << ThemeManager::Dark << QString::fromLatin1(accent) << Shown::LinkInField << 4.5;
    }
}

void TestThemeContrast::seenAgainstTheBackground()
{
    QFETCH(ThemeManager::Theme, theme);
    QFETCH(QString, accent);
    QFETCH(Shown, shown);
    QFETCH(double, needed);
    m->state->themeManager->setAccentColor(QColor(accent));
    m->state->themeManager->setTheme(theme);

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(12, 12, 12, 12);
    QWidget* widget = nullptr;
    switch (shown) {
    case Shown::CheckBox: widget = new QCheckBox(QStringLiteral("Cleared only")); break;
    case Shown::RadioButton: widget = new QRadioButton(QStringLiteral("QIF")); break;
    case Shown::LinkLabel: widget = new QLabel(kLink); break;
    case Shown::LinkInField: widget = new QTextBrowser; break;
    case Shown::SideListIcon: widget = new SettingsScreen(m->state.get()); break;
    }
    layout->addWidget(widget);
    if (auto* field = qobject_cast<QTextBrowser*>(widget))
        field->setHtml(kLink);
    window.resize(shown == Shown::SideListIcon ? QSize(500, 550) : QSize(240, 120));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();

    QRect area;
    QPoint backgroundAt(2, 2);
    switch (shown) {
    case Shown::CheckBox:
    case Shown::RadioButton:
        area = indicatorRect(qobject_cast<QAbstractButton*>(widget),
                             shown == Shown::CheckBox ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator,
                             &window);
        break;
    case Shown::LinkLabel: area = QRect(widget->mapTo(&window, QPoint()), widget->size()); break;
    case Shown::LinkInField: {
        QWidget* viewport = qobject_cast<QTextBrowser*>(widget)->viewport();
        area = QRect(viewport->mapTo(&window, QPoint()), viewport->size());
        backgroundAt = area.bottomRight() - QPoint(2, 2);
        break;
    }
    case Shown::SideListIcon: {
        auto* list = child<QListWidget>(widget, "categoryList");
        QCOMPARE(list->currentRow(), 0);
        // The icon sits in the item's padding, left of its text.
        const QPoint viewport = list->viewport()->mapTo(&window, QPoint());
        const QRect item = list->visualItemRect(list->currentItem()).translated(viewport);
        area = QRect(item.left() + 8, item.top(), list->iconSize().width() + 8, item.height());
        backgroundAt = QPoint(item.left() + 3, item.center().y());
        break;
    }
    }
    const QRgb background = image.pixel(backgroundAt);
    const bool indicator = shown == Shown::CheckBox || shown == Shown::RadioButton;
    const double seen = indicator ? weakestEdge(image, area, background) : strongestAgainst(image, area, background);
    QVERIFY2(seen >= needed, qPrintable(QStringLiteral("%1:1 on %2, needed %3:1")
                                            .arg(seen, 0, 'f', 2)
                                            .arg(QColor(background).name())
                                            .arg(needed)));
}

VELLUMRY_TEST_MAIN_WITH(Application, TestThemeContrast)
#include "tst_themecontrast.moc"
