#include "StatusBar.h"

#include "widgets/Appearance.h"

#include <QLabel>
#include <QProgressBar>

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_syncLabel(new QLabel(tr("Offline"), this))
    , m_accountCountLabel(new QLabel(this))
    , m_recurringDueLabel(new QLabel(this))
    , m_progressLabel(new QLabel(this))
    , m_progressBar(new QProgressBar(this))
{
    setStyleSheet(QStringLiteral("QStatusBar {  padding: 2px 4px;}QStatusBar::item { border: none; }"));
    m_syncLabel->setObjectName(QStringLiteral("syncLabel"));
    m_accountCountLabel->setObjectName(QStringLiteral("accountCountLabel"));
    m_recurringDueLabel->setObjectName(QStringLiteral("recurringDueLabel"));
    m_progressLabel->setObjectName(QStringLiteral("progressLabel"));
    m_progressBar->setObjectName(QStringLiteral("progressBar"));

    for (QLabel* label : {m_syncLabel, m_accountCountLabel, m_recurringDueLabel, m_progressLabel})
        applyFontRole(label, 0);

    m_progressBar->setRange(0, 0);
    m_progressBar->setMaximumWidth(100);
    m_progressBar->setMaximumHeight(14);
    m_progressBar->setTextVisible(false);
    m_progressLabel->hide();
    m_progressBar->hide();

    addWidget(m_accountCountLabel);
    addWidget(m_recurringDueLabel);
    addPermanentWidget(m_progressLabel);
    addPermanentWidget(m_progressBar);
    addPermanentWidget(m_syncLabel);
    connect(this, &QStatusBar::messageChanged, this, &StatusBar::showRecurringDueUnlessCovered);
}

void StatusBar::setSyncText(const QString& text)
{
    m_syncLabel->setText(text);
}

void StatusBar::setAccountCount(int count)
{
    m_accountCountLabel->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDueCount(int count)
{
    m_recurringDue = count > 0;
    if (m_recurringDue) {
        m_recurringDueLabel->setText(tr("  \u2022  %n recurring due", nullptr, count));
        const QColor color(isDarkPalette() ? QStringLiteral("#FFA726") : QStringLiteral("#E65100"));
        m_recurringDueLabel->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(color.name()));
    }
    showRecurringDueUnlessCovered();
}

// A message takes the place of the normal widgets: Qt hides them for it and
// shows them again after, but a label shown in between would be drawn over the
// message. The bar announces every change of message after its own hiding and
// showing, so this has the last word.
void StatusBar::showRecurringDueUnlessCovered()
{
    m_recurringDueLabel->setVisible(m_recurringDue && currentMessage().isEmpty());
}

void StatusBar::showTimedMessage(const QString& text, int timeoutMs)
{
    hideProgress();
    showMessage(text, timeoutMs);
}

void StatusBar::showProgress(const QString& text)
{
    m_progressLabel->setText(text);
    m_progressLabel->show();
    m_progressBar->show();
}

void StatusBar::hideProgress()
{
    m_progressLabel->hide();
    m_progressBar->hide();
}

void StatusBar::refreshColors()
{
    const QString muted = isDarkPalette() ? QStringLiteral("#8FAF9F") : QStringLiteral("#2A3D33");
    const QString styleSheet = QStringLiteral("color: %1;").arg(muted);
    m_syncLabel->setStyleSheet(styleSheet);
    m_accountCountLabel->setStyleSheet(styleSheet);
}
