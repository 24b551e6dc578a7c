#pragma once

#include <QPointer>
#include <QTableView>

class RegisterScreen;

// The register's table. The keyboard walks it as a check register is filled
// in: Tab and Shift+Tab go from field to field of the row and open each cell at
// once, the Balance column is never reached, and Space or C on the Clr column
// flips the cleared mark. The moves themselves are the screen's; without a
// screen the view behaves as a plain table wherever it would need one.
class RegisterTableView : public QTableView
{
    Q_OBJECT

public:
    explicit RegisterTableView(RegisterScreen* screen, QWidget* parent = nullptr);

    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The two-line payee editor holding the keyboard focus, or null.
    QWidget* focusedPayeeMemoEditor() const;
    // Lays the rows out now when a change of rows left that for later, so that
    // scrolling reaches them; true if it did, the whole viewport being repainted
    // then.
    bool layOutPendingRows();
    void doItemsLayout() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    QPointer<RegisterScreen> m_screen;
    bool m_laidOut = false;
};
