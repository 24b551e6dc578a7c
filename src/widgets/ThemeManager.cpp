#include "ThemeManager.h"

#include "data/PreferencesRepository.h"
#include "widgets/Appearance.h"
#include "widgets/PortalColorScheme.h"

#include <QApplication>
#include <QStyleHints>
#include <QWidget>

namespace {

struct RoleColors
{
    QPalette::ColorRole role;
    const char* dark;
    const char* light;
};

const RoleColors kColors[] = {
    {QPalette::Window, "#0F1E19", "#FAFBFA"},
    {QPalette::WindowText, "#D8E8DF", "#1B2D26"},
    {QPalette::Base, "#152420", "#FFFFFF"},
    {QPalette::AlternateBase, "#1A2E28", "#F2F7F4"},
    {QPalette::Text, "#D8E8DF", "#1B2D26"},
    {QPalette::Button, "#1E3530", "#E0EBE5"},
    {QPalette::ButtonText, "#D8E8DF", "#1B2D26"},
    {QPalette::HighlightedText, "#0F1E19", "#FFFFFF"},
    {QPalette::ToolTipBase, "#1E3530", "#FFFFFF"},
    {QPalette::ToolTipText, "#D8E8DF", "#1B2D26"},
    {QPalette::PlaceholderText, "#8FAF9F", "#6E8A7E"},
    {QPalette::Mid, "#2A4038", "#D8E0DB"},
    {QPalette::Light, "#2A4038", "#FFFFFF"},
    {QPalette::Dark, "#0A1510", "#9BB0A3"},
};

const QPalette::ColorRole kDisabledRoles[] = {QPalette::WindowText, QPalette::Text, QPalette::ButtonText};

// The style's links are pure blue, about 2:1 on the dark window. They take the
// dark theme's accent instead, lightened until they read as text (4.5:1) on
// both the window and the fields: some accents (indigo, purple) are too dark
// even as the selection colour.
QColor darkLinkColor(const QPalette& palette)
{
    constexpr double kReadable = 4.5;
    QColor link = palette.color(QPalette::Highlight);
    for (int step = 0; step < 32; ++step) {
        if (contrastRatio(link, palette.color(QPalette::Window)) >= kReadable
            && contrastRatio(link, palette.color(QPalette::Base)) >= kReadable)
            break;
        link = link.lighter(110);
    }
    return link;
}

QPalette buildPalette(bool dark)
{
    QPalette palette;
    for (const RoleColors& c : kColors)
        palette.setColor(QPalette::All, c.role, QColor(QLatin1String(dark ? c.dark : c.light)));
    palette.setColor(QPalette::All, QPalette::Highlight,
                     dark ? appAccentColor().lighter(135) : appAccentColor());
    const QColor disabled(dark ? QStringLiteral("#3A5A4A") : QStringLiteral("#A0B5A8"));
    for (QPalette::ColorRole role : kDisabledRoles)
        palette.setColor(QPalette::Disabled, role, disabled);
    if (dark) {
        const QColor link = darkLinkColor(palette);
        palette.setColor(QPalette::All, QPalette::Link, link);
        palette.setColor(QPalette::All, QPalette::LinkVisited, link);
    }
    return palette;
}

} // namespace

QString themeName(ThemeManager::Theme theme)
{
    switch (theme) {
    case ThemeManager::Light: return QStringLiteral("light");
    case ThemeManager::Dark: return QStringLiteral("dark");
    case ThemeManager::System: break;
    }
    return QStringLiteral("system");
}

ThemeManager::ThemeManager(PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
            &ThemeManager::onColorSchemeChanged);
#else
    m_platformIsDark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    m_portal = PortalColorScheme::onSessionBus(this);
    if (m_portal)
        connect(m_portal, &PortalColorScheme::schemeChanged, this, &ThemeManager::onColorSchemeChanged);
#endif
}

bool ThemeManager::systemIsDark() const
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
#else
    switch (m_portal ? m_portal->scheme() : PortalColorScheme::Scheme::NoPreference) {
    case PortalColorScheme::Scheme::Dark: return true;
    case PortalColorScheme::Scheme::Light: return false;
    case PortalColorScheme::Scheme::NoPreference: break;
    }
    return m_platformIsDark;
#endif
}

void ThemeManager::applyStoredPreferences()
{
    appDefaultFont() = QApplication::font();

    bool ok = false;
    int scale = m_preferences->getString(QStringLiteral("fontScale"), QStringLiteral("100")).toInt(&ok, 10);
    if (!ok)
        scale = 100;
    setCurrentFontScale(scale);

    const QColor accent(m_preferences->getString(QStringLiteral("accentColor"), QStringLiteral("#00897B")));
    if (accent.isValid())
        appAccentColor() = accent;

    setThemeByName(m_preferences->getString(QStringLiteral("theme"), QStringLiteral("system")));

    if (const std::optional<QString> weekStart = m_preferences->get(QStringLiteral("weekStartDay"))) {
        const int day = weekStart->toInt(&ok, 10);
        if (ok && day >= Qt::Monday && day <= Qt::Sunday)
            localeFirstDayOfWeek() = static_cast<Qt::DayOfWeek>(day);
    }
}

QPalette ThemeManager::darkPalette()
{
    return buildPalette(true);
}

QPalette ThemeManager::lightPalette()
{
    return buildPalette(false);
}

void ThemeManager::applyPalette(bool dark)
{
    m_appliedDark = dark;
    QApplication::setPalette(buildPalette(dark));
    QApplication::setFont(scaledAppFont());
}

void ThemeManager::setTheme(Theme theme)
{
    m_theme = theme;
    applyPalette(theme == Dark || (theme == System && systemIsDark()));
    m_preferences->set(QStringLiteral("theme"), themeName(theme));
    emit themeChanged(theme);
}

void ThemeManager::onColorSchemeChanged()
{
    if (m_theme != System)
        return;
    // The desktop's first answer mostly agrees with the guess the start made:
    // then the whole window is not restyled for nothing.
    if (m_appliedDark == systemIsDark())
        return;
    setTheme(System);
}

void ThemeManager::setThemeByName(const QString& name)
{
    if (name == QLatin1String("light"))
        setTheme(Light);
    else if (name == QLatin1String("dark"))
        setTheme(Dark);
    else
        setTheme(System);
}

void ThemeManager::setAccentColor(const QColor& color)
{
    if (!color.isValid())
        return;
    appAccentColor() = color;
    m_preferences->set(QStringLiteral("accentColor"), color.name());
    setTheme(m_theme);

    const QString styleSheet = accentButtonStyleSheet();
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        if (widget->property("orvaAccentButton").toBool())
            widget->setStyleSheet(styleSheet);
    }
    emit accentChanged(color);
}

void ThemeManager::setFontScale(int percent)
{
    setCurrentFontScale(percent);
    const int clamped = currentFontScale();
    m_preferences->set(QStringLiteral("fontScale"), QString::number(clamped));
    setTheme(m_theme);

    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        const QVariant role = widget->property("orvaFontRole");
        if (!role.isValid())
            continue;
        QFont font = fontForRole(role.toInt());
        const QVariant italic = widget->property("orvaFontItalic");
        if (italic.isValid() && italic.toBool())
            font.setStyle(QFont::StyleItalic);
        const QVariant weight = widget->property("orvaFontWeight");
        if (weight.isValid())
            font.setWeight(static_cast<QFont::Weight>(weight.toInt()));
        widget->setFont(font);
    }
    emit fontScaleChanged(clamped);
}
