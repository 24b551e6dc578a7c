#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPushButton;
class QWidget;

// Process-wide look of the program: the base font and its scale, the accent
// colour, the font roles and the theme-dependent colours. The theme manager sets
// these values; every screen reads them.

// The application's own font as it was at start-up: the base of every derived font.
QFont& appDefaultFont();
// The accent colour, "#00897B" until the stored choice is applied.
QColor& appAccentColor();
// The week's first day for date pickers; the locale's until a stored choice applies.
Qt::DayOfWeek& localeFirstDayOfWeek();

// Font scale in percent, 100 at start and 70..160 once set.
int currentFontScale();
void setCurrentFontScale(int percent); // clamps to 70..160

QFont scaledAppFont();
// Roles: 0 body, 1 body medium, 2 small, 3 emphasis, 4 heading, 5 title, 6 display, 7 monospace.
QFont fontForRole(int role);
QFont monospaceFont();
QString accentButtonStyleSheet();
// The grey-green of captions, hints and secondary lines, and a style sheet that
// sets it (extra rules appended).
QColor mutedTextColor();
QString mutedTextStyleSheet(const QString& extra = QString());

// A palette counts as dark when the lightness of its Window colour is below 128.
bool isDarkPalette();
QColor negativeAmountColor();
QColor positiveAmountColor();
QColor effectiveAccentColor();

// How far apart two colours read, as WCAG measures it: the ratio of their
// relative luminances (each plus 0.05), from 1 (alike) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// Tag a widget with its font role (and weight) so that a later font-scale change
// re-fonts it; tag a button so that a later accent change restyles it.
void applyFontRole(QWidget* widget, int role);
void applyFontRoleWithWeight(QWidget* widget, int role, int weight);
void applyAccentButtonStyle(QPushButton* button);
