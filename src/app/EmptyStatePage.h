#pragma once

#include <QWidget>

// The main window's page for a signed-in user with no account to show.
class EmptyStatePage : public QWidget
{
    Q_OBJECT

public:
    explicit EmptyStatePage(QWidget* parent = nullptr);

signals:
    void createAccountRequested();
};
