#include "RegisterStatusLine.h"

#include "widgets/Appearance.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QTimer>

RegisterStatusLine::RegisterStatusLine(QWidget* parent)
    : QWidget(parent)
{
    auto* bottom = new QHBoxLayout(this);
    bottom->setContentsMargins(0, 0, 0, 0);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    applyFontRole(m_statusLabel, 0);
    const QString padding = QStringLiteral(" padding: 2px 4px;");
    m_statusLabel->setStyleSheet(mutedTextStyleSheet(padding));
    bottom->addWidget(m_statusLabel);
    bottom->addStretch();

    const auto keys = [](const char* sequence) {
        return QKeySequence(QString::fromLatin1(sequence)).toString(QKeySequence::NativeText);
    };
    auto* hint = new QLabel(tr("%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above")
                                .arg(keys("Ctrl+Return"), keys("Ctrl+D"), keys("Ctrl+M")),
                            this);
    applyFontRole(hint, 0);
    hint->setStyleSheet(isDarkPalette() ? QStringLiteral("color: #5A7A6E;") + padding : mutedTextStyleSheet(padding));
    bottom->addWidget(hint);
}

void RegisterStatusLine::flash(const QString& text, int milliseconds)
{
    m_statusLabel->setText(text);
    QTimer::singleShot(milliseconds, m_statusLabel, &QLabel::clear);
}
