#pragma once

#include <QLineEdit>

// The register's cell editor for text. Return inside an open completion list
// takes the highlighted completion and stops there: it must neither reach the
// view, which would commit the row, nor run the completion's autofill twice.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RegisterLineEdit(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};
