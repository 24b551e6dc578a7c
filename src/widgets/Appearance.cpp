#include "Appearance.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace {

int g_fontScale = 100;

// The scaled base size: the default font's point size (10 when it has none, as a
// pixel-sized font does) times the scale, never below 1.
int scaledSize()
{
    int base = appDefaultFont().pointSize();
    if (base < 1)
        base = 10;
    return std::max(1, base * g_fontScale / 100);
}

double relativeLuminance(const QColor& color)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QFont withPointSize(QFont font, int size)
{
    font.setPointSize(size);
    return font;
}

// The style sheet makes its min-width the button's minimum width, narrower than
// most texts, and a crowded row squeezed a button down to it with its text cut
// at both ends. The size hint already holds the sheet's minimum, its padding and
// the whole text in the present font, so the minimum the sheet sets at every
// polish is taken off again and the layout keeps the button at its hint.
class AccentButtonWidth : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Polish && event->type() != QEvent::StyleChange)
            return false;
        // The button polishes itself in its own handler, which runs after this filter.
        watched->event(event);
        static_cast<QWidget*>(watched)->setMinimumWidth(0);
        return true;
    }
};

} // namespace

QFont& appDefaultFont()
{
    static QFont font;
    return font;
}

QColor& appAccentColor()
{
    static QColor color(QStringLiteral("#00897B"));
    return color;
}

Qt::DayOfWeek& localeFirstDayOfWeek()
{
    static Qt::DayOfWeek day = QLocale().firstDayOfWeek();
    return day;
}

int currentFontScale()
{
    return g_fontScale;
}

void setCurrentFontScale(int percent)
{
    g_fontScale = std::clamp(percent, 70, 160);
}

QFont scaledAppFont()
{
    return withPointSize(appDefaultFont(), scaledSize());
}

QFont monospaceFont()
{
    // Every amount a register paints asks for it, so it is made once and
    // changes only its size. Held by a pointer never freed, it outlives the
    // application's fonts.
    const int size = scaledSize();
    static QFont* const font = [size] {
        auto* made = new QFont(QStringLiteral("monospace"), size);
        made->setStyleHint(QFont::Monospace, QFont::PreferDefault);
        return made;
    }();
    if (font->pointSize() != size)
        font->setPointSize(size);
    return *font;
}

QFont fontForRole(int role)
{
    struct RoleFont
    {
        int sizeOffset;
        int minimumSize;
        int weight; // 0 keeps the application font's weight
    };
    // Roles 1 to 6; 0 and unknown roles are the scaled application font, 7 monospace.
    static constexpr RoleFont kRoles[] = {
        {0, 1, QFont::Medium}, {-2, 7, 0}, {1, 1, QFont::Medium},
        {4, 1, QFont::DemiBold}, {8, 1, QFont::DemiBold}, {14, 1, QFont::Bold},
    };
    if (role == 7)
        return monospaceFont();
    if (role < 1 || role > 6)
        return scaledAppFont();

    const RoleFont& spec = kRoles[role - 1];
    QFont font = withPointSize(appDefaultFont(), std::max(scaledSize() + spec.sizeOffset, spec.minimumSize));
    if (spec.weight != 0)
        font.setWeight(static_cast<QFont::Weight>(spec.weight));
    return font;
}

QColor mutedTextColor()
{
    return QColor(0x6E, 0x8A, 0x7E);
}

QString mutedTextStyleSheet(const QString& extra)
{
    return QStringLiteral("color: %1;").arg(mutedTextColor().name().toUpper()) + extra;
}

QString accentButtonStyleSheet()
{
    const QColor accent = appAccentColor();
    const int brightness = 299 * accent.red() + 587 * accent.green() + 114 * accent.blue();
    const QString text = brightness < 151000 ? QStringLiteral("#FFFFFF") : QStringLiteral("#12211B");
    return QStringLiteral("QPushButton {  background-color: %1;  color: %4;  border: none;  border-radius: 4px;  "
                          "padding: 6px 16px;  font-weight: 600;  min-width: 80px;}QPushButton:hover {  "
                          "background-color: %2;}QPushButton:pressed {  background-color: %3;}")
        .arg(accent.name(), accent.darker(115).name(), accent.darker(140).name(), text);
}

bool isDarkPalette()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

// Asked for by every amount a register paints: not parsed from a name each time.
QColor negativeAmountColor()
{
    return isDarkPalette() ? QColor(0xFF, 0x8A, 0x80) : QColor(0xC6, 0x28, 0x28);
}

QColor positiveAmountColor()
{
    return isDarkPalette() ? QColor(0x66, 0xBB, 0x6A) : QColor(0x2E, 0x7D, 0x32);
}

QColor effectiveAccentColor()
{
    return isDarkPalette() ? appAccentColor().lighter(135) : appAccentColor();
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

void applyFontRole(QWidget* widget, int role)
{
    if (!widget)
        return;
    widget->setProperty("orvaFontRole", role);
    widget->setFont(fontForRole(role));
}

void applyFontRoleWithWeight(QWidget* widget, int role, int weight)
{
    if (!widget)
        return;
    widget->setProperty("orvaFontRole", role);
    widget->setProperty("orvaFontWeight", weight);
    QFont font = fontForRole(role);
    font.setWeight(static_cast<QFont::Weight>(weight));
    widget->setFont(font);
}

void applyAccentButtonStyle(QPushButton* button)
{
    if (!button)
        return;
    // The sheet's font weight fixes the font the button is polished with, and
    // the application's font no longer reaches it: with a role, a new font
    // scale sizes it as it sizes the widgets around it.
    if (!button->property("orvaFontRole").isValid())
        applyFontRoleWithWeight(button, 0, QFont::DemiBold);
    if (!button->property("orvaAccentButton").toBool())
        button->installEventFilter(new AccentButtonWidth(button));
    button->setProperty("orvaAccentButton", true);
    button->setStyleSheet(accentButtonStyleSheet());
}
