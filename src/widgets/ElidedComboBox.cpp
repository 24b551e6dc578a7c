#include "ElidedComboBox.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {

// The style draws the label one pixel in from each side of the edit field,
// after the icon and a gap of 4 pixels.
constexpr int kLabelInset = 1;
constexpr int kIconGap = 4;

} // namespace

ElidedComboBox::ElidedComboBox(QWidget* parent)
    : QComboBox(parent)
{
}

QStyleOptionComboBox ElidedComboBox::shownOption() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (currentIndex() < 0 && !placeholderText().isEmpty()) {
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        option.currentText = placeholderText();
    }
    if (isEditable())
        return option;
    int room = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width()
               - 2 * kLabelInset;
    if (!option.currentIcon.isNull())
        room -= option.iconSize.width() + kIconGap;
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, room);
    return option;
}

QString ElidedComboBox::shownText() const
{
    return shownOption().currentText;
}

// QComboBox's own painting, with the cut text in the label.
void ElidedComboBox::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    const QStyleOptionComboBox option = shownOption();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
