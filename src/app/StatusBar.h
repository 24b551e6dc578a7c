#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status bar: sync state, account count, due recurring
// entries, a busy indicator and timed messages.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    void setSyncText(const QString& text);
    void setAccountCount(int count);
    void setRecurringDueCount(int count);
    void showTimedMessage(const QString& text, int timeoutMs);
    void showProgress(const QString& text);
    void hideProgress();
    void refreshColors();

private:
    void showRecurringDueUnlessCovered();

    QLabel* m_syncLabel;
    QLabel* m_accountCountLabel;
    QLabel* m_recurringDueLabel;
    QLabel* m_progressLabel;
    QProgressBar* m_progressBar;
    // Whether the due label has something to show; it starts shown, and empty.
    bool m_recurringDue = true;
};
