#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

class QFormLayout;
class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The pieces every preference page is built from, so that the pages look alike.

// Lays out `page` as a page: a vertical box that starts with the page's title.
QVBoxLayout* makePageFrame(QWidget* page, const QString& title);
// A section's title, and its subtitle in small grey text when there is one.
QWidget* makeSectionHeader(const QString& title, const QString& subtitle, QWidget* parent);
QFrame* makeSeparator(QWidget* parent);
// The space and line between two sections of a page.
void addSectionBreak(QVBoxLayout* layout, QWidget* page);
QLabel* makeGreyLabel(const QString& text, QWidget* parent);
// The small grey explanation under a control, indented to its text.
QLabel* makeHintLabel(const QString& text, QWidget* parent);
QFormLayout* makeFormBlock();
// One glyph of the "Material Icons" font, centred in a square icon, in
// `selectedColor` where a list shows it selected.
QIcon glyphIcon(char16_t codePoint, const QColor& color, const QColor& selectedColor, int size);
// A round colour button; a selected one gets a border that stands out on the palette.
void styleSwatch(QPushButton* button, const QColor& color, bool selected);
