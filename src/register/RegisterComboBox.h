#pragma once

#include <QComboBox>

// The register's category editor: a plain editable combo, a class of its own
// so that the register's editors can be told apart.
class RegisterComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;
};
