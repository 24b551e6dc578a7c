#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// The main window's landing page when there is no account to show: first run,
// or a returning user whose session has ended.
class WelcomeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomeScreen(AppState* state, QWidget* parent = nullptr);

    void setReturningUser(bool returning);

signals:
    void createAccountRequested();
    void signInRequested();

private:
    QWidget* buildHowItWorksCard(bool light);

    QLabel* m_titleLabel = nullptr;
    QLabel* m_taglineLabel = nullptr;
    QLabel* m_sessionEndedLabel = nullptr;
    QWidget* m_howItWorksCard = nullptr;
    QPushButton* m_primaryButton = nullptr;
    QPushButton* m_signInButton = nullptr;
};
