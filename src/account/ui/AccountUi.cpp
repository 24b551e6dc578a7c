#include "AccountUi.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QTextDocument>

namespace OrvaAccount::AccountUi {

namespace {
constexpr int SmallestPointSize = 7;
}

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QString boxText(const QString& text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

void adjustFont(QWidget* widget, int delta, int weight)
{
    QFont font = widget->font();
    if (delta != 0)
        font.setPointSize(qMax(font.pointSize() + delta, delta < 0 ? SmallestPointSize : 1));
    if (weight != 0)
        font.setWeight(QFont::Weight(weight));
    widget->setFont(font);
}

void dim(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::PlaceholderText));
    label->setPalette(palette);
}

QFrame* makeSeparator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace OrvaAccount::AccountUi
