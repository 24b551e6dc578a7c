#pragma once

#include "RegisterCellImages.h"
#include "RegisterCellText.h"
#include "RegisterLookup.h"

#include <QStyledItemDelegate>

#include <optional>

class AppState;
class QLineEdit;
class RegisterModel;

// Edits the register in place, cell by cell: creates each cell's editor, moves
// text between the editors and the model's entry buffer, draws the two-line
// rows (payee over memo), and fills a new row from the payee's last
// transaction when a known payee is chosen or entered.
class RegisterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit RegisterDelegate(AppState* state, QObject* parent = nullptr);

    QString accountId() const { return m_accountId; }
    void setAccountId(const QString& accountId) { m_accountId = accountId; }
    bool isTwoLine() const { return m_twoLine; }
    void setTwoLine(bool twoLine) { m_twoLine = twoLine; }
    // The bytes of cell images kept for repainting unchanged cells.
    qsizetype keptCellBytes() const { return m_cellImages.keptBytes(); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

signals:
    // The date cell was left with text that reads as no date; it keeps the date it had.
    void dateNotUnderstood(const QString& text) const;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget* createPayeeMemoEditor(QWidget* parent, const QModelIndex& index) const;
    QLineEdit* createPayeeEdit(QWidget* parent, const QModelIndex& index, QLineEdit* memoEdit) const;
    QWidget* createCategoryCombo(QWidget* parent) const;
    // Fills the entry row's amount, category and memo from the payee's newest
    // transaction in the account; what it filled in, if anything.
    std::optional<PayeeAutofill> autofillFromPayee(RegisterModel* model, const QString& payee) const;
    void autofillOnCommit(RegisterModel* model, const QModelIndex& index, const QString& payee) const;
    void paintTwoLine(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // What a cell drawn as `item` (from the view's `option`) depends on, when
    // the painter is its table's own repaint and its image can be kept.
    static std::optional<RegisterCellImages::Look> cellLook(const QPainter* painter, const QStyleOptionViewItem& option,
                                                            const QStyleOptionViewItem& item, const QRect& textRect,
                                                            const RegisterCellText::Line* line,
                                                            const QColor& textColor);

    // `palette` with its text brush already set to the cell's foreground, as
    // initStyleOption would set it, so that setting it again changes nothing.
    void primeTextBrush(QPalette* palette, const QModelIndex& index) const;

    RegisterLookup m_lookup;
    mutable RegisterCellText m_cellText;
    // Palettes whose text brush is a foreground the model gives, by the
    // view's palette and that colour.
    mutable QHash<std::pair<qint64, QRgb>, QPalette> m_textPalettes;
    mutable RegisterCellImages m_cellImages;
    QString m_accountId;
    bool m_twoLine = false;
};
