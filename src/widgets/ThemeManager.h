#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QString>

#include <optional>

class PortalColorScheme;
class PreferencesRepository;

// Decides the whole application's look: a light or dark palette (or the one the
// system uses, followed as it changes), the accent colour and the font scale.
// Choices are stored as preferences at once.
class ThemeManager : public QObject
{
    Q_OBJECT

public:
    enum Theme { System = 0, Light = 1, Dark = 2 };
    Q_ENUM(Theme)

    explicit ThemeManager(PreferencesRepository* preferences, QObject* parent = nullptr);

    Theme theme() const { return m_theme; }

    // Applies the stored look at start-up: the font scale, the accent colour,
    // the theme and the first day of the week. The application font as it is
    // now becomes the base of every scaled font.
    void applyStoredPreferences();

    void setTheme(Theme theme);
    void setThemeByName(const QString& name);
    void setAccentColor(const QColor& color);
    void setFontScale(int percent);

    static QPalette darkPalette();
    static QPalette lightPalette();

public slots:
    // The system switched between light and dark: followed only while the
    // theme is System.
    void onColorSchemeChanged();

signals:
    void themeChanged(ThemeManager::Theme theme);
    void fontScaleChanged(int percent);
    void accentChanged(QColor color);

private:
    bool systemIsDark() const;
    void applyPalette(bool dark);

    PreferencesRepository* m_preferences;
    Theme m_theme = System;
    // Whether the palette last applied was the dark one; none yet at first.
    std::optional<bool> m_appliedDark;
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // This Qt has no colour-scheme API: the desktop portal tells the system's
    // choice where one runs and has one; otherwise the platform palette as it
    // was before we replaced it does.
    PortalColorScheme* m_portal = nullptr;
    bool m_platformIsDark;
#endif
};

QString themeName(ThemeManager::Theme theme);
