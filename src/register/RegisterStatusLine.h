#pragma once

#include <QWidget>

class QLabel;

// The register's bottom line: a status text that shows for a while, and the
// hint of the keys that save, delete and memorize a row.
class RegisterStatusLine : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterStatusLine(QWidget* parent = nullptr);

    // Each call clears the text when its own time is up.
    void flash(const QString& text, int milliseconds);

private:
    QLabel* m_statusLabel = nullptr;
};
