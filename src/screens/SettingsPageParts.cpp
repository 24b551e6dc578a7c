#include "SettingsPageParts.h"

#include "widgets/Appearance.h"

#include <QFont>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

QVBoxLayout* makePageFrame(QWidget* page, const QString& title)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);
    auto* label = new QLabel(title, page);
    applyFontRole(label, 4);
    layout->addWidget(label);
    return layout;
}

QWidget* makeSectionHeader(const QString& title, const QString& subtitle, QWidget* parent)
{
    auto* header = new QWidget(parent);
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 8);
    auto* titleLabel = new QLabel(title, header);
    applyFontRole(titleLabel, 3);
    layout->addWidget(titleLabel);
    if (!subtitle.isEmpty()) {
        QLabel* subtitleLabel = makeGreyLabel(subtitle, header);
        subtitleLabel->setWordWrap(true);
        applyFontRole(subtitleLabel, 2);
        layout->addWidget(subtitleLabel);
    }
    return header;
}

QFrame* makeSeparator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: %1;").arg(isDarkPalette() ? QStringLiteral("#2A4038")
                                                                         : QStringLiteral("#D8E0DB")));
    return line;
}

void addSectionBreak(QVBoxLayout* layout, QWidget* page)
{
    layout->addSpacing(16);
    layout->addWidget(makeSeparator(page));
    layout->addSpacing(12);
}

QLabel* makeGreyLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(mutedTextStyleSheet());
    return label;
}

QLabel* makeHintLabel(const QString& text, QWidget* parent)
{
    QLabel* label = makeGreyLabel(text, parent);
    label->setWordWrap(true);
    label->setContentsMargins(24, 0, 0, 0);
    applyFontRole(label, 2);
    return label;
}

QFormLayout* makeFormBlock()
{
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(12);
    form->setContentsMargins(12, 0, 0, 0);
    return form;
}

namespace {

QPixmap glyphPixmap(char16_t codePoint, const QColor& color, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(size);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(codePoint)));
    painter.end();
    return pixmap;
}

} // namespace

QIcon glyphIcon(char16_t codePoint, const QColor& color, const QColor& selectedColor, int size)
{
    QIcon icon(glyphPixmap(codePoint, color, size));
    // Without a pixmap of its own, a selected icon is the normal one tinted
    // with the selection colour: dark grey on the accent.
    icon.addPixmap(glyphPixmap(codePoint, selectedColor, size), QIcon::Selected);
    return icon;
}

void styleSwatch(QPushButton* button, const QColor& color, bool selected)
{
    const QString border = selected ? QStringLiteral("border: 2px solid %1;")
                                          .arg(isDarkPalette() ? QStringLiteral("#FFFFFF") : QStringLiteral("#12211B"))
                                    : QStringLiteral("border: 1px solid rgba(0, 0, 0, 0.25);");
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border-radius: %2px; %3 }")
                              .arg(color.name())
                              .arg(button->width() / 2)
                              .arg(border));
}
