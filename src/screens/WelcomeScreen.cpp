#include "WelcomeScreen.h"

#include "widgets/Appearance.h"
#include "widgets/BundledImage.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

bool hasLightBackground()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() >= 128;
}

QString colorStyle(const QString& color)
{
    return QStringLiteral("color: %1;").arg(color);
}

QString accentTextStyle()
{
    return colorStyle(effectiveAccentColor().name());
}

QLabel* centredLabel(const QString& text, int fontRole)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    applyFontRole(label, fontRole);
    return label;
}

// One button is the filled accent action, the other a link below it.
void styleAsPrimary(QPushButton* button)
{
    button->setFlat(false);
    button->setStyleSheet(accentButtonStyleSheet());
    button->setMinimumHeight(40);
}

void styleAsLink(QPushButton* button)
{
    button->setFlat(true);
    button->setStyleSheet(accentTextStyle());
    button->setMinimumHeight(0);
}

} // namespace

WelcomeScreen::WelcomeScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
{
    // The page shows no ledger data; the state is taken like every screen's.
    Q_UNUSED(state)
    const bool light = hasLightBackground();

    auto* pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    pageLayout->addWidget(scroll);

    auto* inner = new QWidget(scroll);
    auto* innerLayout = new QVBoxLayout(inner);
    innerLayout->setContentsMargins(40, 40, 40, 40);
    innerLayout->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll->setWidget(inner);

    auto* column = new QWidget(inner);
    column->setObjectName(QStringLiteral("welcomeColumn"));
    column->setMaximumWidth(560);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetMinAndMaxSize);
    innerLayout->addWidget(column, 0, Qt::AlignHCenter);

    auto* icon = new QLabel(column);
    icon->setObjectName(QStringLiteral("iconLabel"));
    icon->setPixmap(appIconImage().scaled(80, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addSpacing(20);

    m_titleLabel = centredLabel(tr("Welcome to\nOrvalen Vellumry"), 5);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    layout->addWidget(m_titleLabel);
    layout->addSpacing(8);

    m_taglineLabel = centredLabel(tr("A digital vellumry register."), 3);
    m_taglineLabel->setObjectName(QStringLiteral("taglineLabel"));
    m_taglineLabel->setStyleSheet(colorStyle(light ? QStringLiteral("#4A6358") : QStringLiteral("#8FAF9F")));
    layout->addWidget(m_taglineLabel);
    layout->addSpacing(16);

    m_sessionEndedLabel = centredLabel(tr("Your session has ended. Sign back in to keep syncing."), 1);
    m_sessionEndedLabel->setObjectName(QStringLiteral("sessionEndedLabel"));
    m_sessionEndedLabel->setStyleSheet(accentTextStyle());
    layout->addWidget(m_sessionEndedLabel);
    layout->addSpacing(8);

    m_howItWorksCard = buildHowItWorksCard(light);
    layout->addWidget(m_howItWorksCard);
    layout->addSpacing(16);

    QLabel* offline = centredLabel(tr("Works fully offline. Your data stays on this device."), 2);
    offline->setStyleSheet(mutedTextStyleSheet());
    layout->addWidget(offline);
    layout->addSpacing(24);

    m_primaryButton = new QPushButton(tr("Create Your First Account"), column);
    m_primaryButton->setObjectName(QStringLiteral("primaryButton"));
    m_primaryButton->setCursor(Qt::PointingHandCursor);
    styleAsPrimary(m_primaryButton);
    layout->addWidget(m_primaryButton);
    layout->addSpacing(24);

    m_signInButton = new QPushButton(tr("Already have an account? Sign In"), column);
    m_signInButton->setObjectName(QStringLiteral("signInButton"));
    m_signInButton->setCursor(Qt::PointingHandCursor);
    styleAsLink(m_signInButton);
    layout->addWidget(m_signInButton, 0, Qt::AlignHCenter);

    connect(m_primaryButton, &QPushButton::clicked, this, &WelcomeScreen::createAccountRequested);
    connect(m_signInButton, &QPushButton::clicked, this, &WelcomeScreen::signInRequested);
}

QWidget* WelcomeScreen::buildHowItWorksCard(bool light)
{
    auto* card = new QWidget;
    card->setObjectName(QStringLiteral("HowItWorksCard"));
    card->setStyleSheet(QStringLiteral("#HowItWorksCard { border: 1px solid %1; border-radius: 10px; }")
                            .arg(light ? QStringLiteral("#D8E0DB") : QStringLiteral("#2A4038")));
    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(8);

    auto* title = new QLabel(tr("How it works"), card);
    applyFontRole(title, 3);
    layout->addWidget(title);
    layout->addSpacing(4);

    const QString steps[] = {
        tr("Add an account (checking, savings, credit card, or any account you'd like to track)."),
        tr("Record transactions as you spend."),
        tr("Reconcile when your statement arrives."),
    };
    int number = 0;
    for (const QString& step : steps) {
        auto* row = new QWidget(card);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 4, 0, 4);
        auto* numberLabel = new QLabel(QStringLiteral("%1.").arg(++number), row);
        applyFontRole(numberLabel, 1);
        numberLabel->setStyleSheet(accentTextStyle());
        numberLabel->setFixedWidth(20);
        numberLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        rowLayout->addWidget(numberLabel, 0, Qt::AlignTop);
        auto* text = new QLabel(step, row);
        text->setWordWrap(true);
        rowLayout->addWidget(text, 1);
        layout->addWidget(row);
    }
    return card;
}

void WelcomeScreen::setReturningUser(bool returning)
{
    m_titleLabel->setText(returning ? tr("Welcome back") : tr("Welcome to\nOrvalen Vellumry"));
    m_taglineLabel->setText(returning ? tr("Sign in to keep your data synced across devices.")
                                      : tr("A digital vellumry register."));
    m_sessionEndedLabel->setVisible(returning);
    m_howItWorksCard->setVisible(!returning);
    if (returning) {
        m_signInButton->setText(tr("Sign In"));
        styleAsPrimary(m_signInButton);
        m_primaryButton->setText(tr("Create a different account"));
        styleAsLink(m_primaryButton);
    } else {
        m_signInButton->setText(tr("Already have an account? Sign In"));
        styleAsLink(m_signInButton);
        m_primaryButton->setText(tr("Create Your First Account"));
        styleAsPrimary(m_primaryButton);
    }
}
