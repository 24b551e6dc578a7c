#pragma once

#include <QCompleter>

class QAbstractItemModel;

// The completer of the register's payee and category editors: contains-matching,
// case-insensitive, in a popup. Tab or Shift+Tab with the list open takes the
// highlighted entry (announced through activated(), so the payee autofill runs)
// and moves on: to the memo line inside the two-line payee editor, else to the
// next or previous cell of the register.
class TabCompleter : public QCompleter
{
    Q_OBJECT

public:
    explicit TabCompleter(const QStringList& entries, QObject* parent = nullptr);
    explicit TabCompleter(QAbstractItemModel* model, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUp();
    void takeCompletion(const QString& text);
};
