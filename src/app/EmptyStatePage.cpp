#include "EmptyStatePage.h"

#include "widgets/Appearance.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Centred in a row of its own between two stretches.
void addCentred(QVBoxLayout* layout, QWidget* widget)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(widget);
    row->addStretch();
    layout->addLayout(row);
}

} // namespace

EmptyStatePage::EmptyStatePage(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(12);

    auto* icon = new QLabel(QString(QChar(0xE850)));
    icon->setAlignment(Qt::AlignCenter);
    QFont iconFont(QStringLiteral("Material Icons"));
    iconFont.setPixelSize(96);
    icon->setFont(iconFont);
    icon->setStyleSheet(QStringLiteral("color: %1;").arg(effectiveAccentColor().name()));
    layout->addWidget(icon);
    layout->addSpacing(8);

    auto* title = new QLabel(tr("Welcome to Orvalen Vellumry"));
    applyFontRole(title, 5);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* subtitle = new QLabel(tr("Create your first account to get started."));
    applyFontRole(subtitle, 3);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setStyleSheet(mutedTextStyleSheet());
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto* create = new QPushButton(tr("Create Account"));
    create->setObjectName(QStringLiteral("createAccountButton"));
    applyAccentButtonStyle(create);
    create->setMinimumSize(180, 40);
    create->setCursor(Qt::PointingHandCursor);
    connect(create, &QPushButton::clicked, this, &EmptyStatePage::createAccountRequested);
    addCentred(layout, create);
    layout->addSpacing(12);

    auto* hint = new QLabel(tr("You can also import transactions from a CSV file via File \u203A Import."));
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    hint->setMaximumWidth(480);
    hint->setStyleSheet(mutedTextStyleSheet());
    applyFontRole(hint, 2);
    addCentred(layout, hint);
}
