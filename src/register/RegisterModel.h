#pragma once

#include "data/Money.h"
#include "data/RegisterRow.h"
#include "data/RegisterRows.h"
#include "data/Transaction.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

// The rows of one account's register (or of the search results) in nine
// columns, sorted stably by any of them, plus the entry row where a new
// transaction is typed. The text of the row being typed or edited in place
// lives in the entry buffer; the screen turns it into a transaction.
//
// Cell texts are formatted when the view asks for them: a register holds tens
// of thousands of rows, and only the visible few are ever drawn.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DateColumn = 0,
        CheckNumberColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClearedColumn,
        BalanceColumn,
        ColumnCount
    };

    // The entry buffer's slots. The first eight serve the columns (see
    // slotForColumn); the category id sits beside the category text, and the
    // next-entry date is what the entry row starts on after a reset.
    enum EntrySlot {
        DateSlot = 0,
        CheckNumberSlot,
        PayeeSlot,
        MemoSlot,
        CategorySlot,
        PaymentSlot,
        DepositSlot,
        ClearedSlot,
        CategoryIdSlot,
        NextEntryDateSlot,
        SlotCount
    };

    // How the register writes and reads dates ("3/7/2025").
    static constexpr QStringView kDateFormat = u"M/d/yyyy";

    explicit RegisterModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // Final, both: a view paints through multiData, and a subclass answering
    // data() its own way would be drawn otherwise than it reads. A subclass
    // changes what the cells say through currencyAt.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const final;
    // A painted cell asks for all its roles at once: the row is looked up once.
    void multiData(const QModelIndex& index, QModelRoleDataSpan roleDataSpan) const final;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // What new rows do to what is being typed.
    enum class Typing {
        // A fresh entry row; no row is edited.
        Drop,
        // What the entry row holds stays. The row being edited is found again
        // by its transaction, each field not typed into showing what the new
        // rows hold; when its transaction is no longer among them the edit ends.
        Keep,
    };
    // Replaces the rows, sorted by the current sort.
    void setTransactions(RegisterRows rows, Typing typing = Typing::Drop);
    void setTransactions(const QList<RegisterRow>& rows) { setTransactions(RegisterRows(rows)); }
    // Shows one stored row as it now stands, as a reload of the whole register
    // (given in the ledger's order) would: `fresh` replaces the row of `id`, or
    // comes in as a row just inserted, or, when empty, the row leaves. The
    // running balances after it follow; the rest of the rows stay where they
    // are. False, with nothing changed, when only a reload can place the row.
    // `near`: the model row where the row of `id` was last seen, if known.
    bool applyRow(const QString& id, const std::optional<RegisterRow>& fresh, int near = -1);
    // As applyRow, for a row just written for the first time: not among the
    // rows shown, so not looked for.
    bool applyNewRow(const RegisterRow& fresh);
    const RegisterRows& rows() const { return m_rows; }

    bool isEntryRowVisible() const { return m_entryRowVisible; }
    void setEntryRowVisible(bool visible);
    // The entry row's model row: 0 when sorted newest first, else after the
    // last transaction; -1 while the entry row is hidden.
    int entryRow() const;
    // The number of transaction rows, the entry row not counted.
    int transactionCount() const { return static_cast<int>(m_rows.size()); }
    // The transaction shown in a model row other than the entry row.
    RegisterRow transactionAt(int row) const;
    // A model row that shows a stored transaction (not the entry row, nor past the end).
    bool isTransactionRow(int row) const;
    // The id of the transaction a model row shows; empty for any other row.
    QString transactionIdAt(int row) const;
    // The model row that shows the transaction of that id; -1 for none.
    int rowOf(const QString& id) const;
    // As rowOf, looking first at `near` and the rows beside it, where a row
    // seen before a change of one row still is: a big register is long to search.
    int rowOf(const QString& id, int near) const;

    // The row being edited is known by its transaction: whatever moves the
    // rows (a sort, a row written, taken out or put in) finds it again, and
    // the edit ends, its buffer dropped, once its transaction is gone. The
    // row: -1 while none is edited.
    int editRow() const { return m_editRow; }
    // The id of the transaction being edited; empty too for the opening line
    // of a starting balance, which has none.
    const QString& editId() const { return m_editId; }
    // A row that shows no transaction ends the edit.
    void setEditRow(int row);
    // The buffer filled from a row's transaction, and that row the one edited.
    void loadEditRow(int row);
    // Whether a row shows the buffer: the row edited, or the entry row while
    // none is. Only there does typing go into the buffer.
    bool showsBuffer(int row) const;
    // Announces that every cell of a row changed, after its buffer was filled in.
    void notifyRowChanged(int row);

    QString entryText(EntrySlot slot) const { return m_entryBuffer[slot]; }
    void setEntryText(EntrySlot slot, const QString& text) { m_entryBuffer[slot] = text; }
    // Writes a stored amount into the payment or deposit text, as a payee's
    // last transaction fills in the entry row.
    void fillEntryAmount(qint64 amount);
    // Writes the slot a column serves; the balance column has none.
    void setEntryField(int column, const QString& text);
    void resetEntryBuffer();
    // Types the row above's text of the same column into `current`, as the
    // apostrophe key does; the text typed, or nothing for a cell that takes none.
    std::optional<QString> copyFromRowAbove(const QModelIndex& current);
    void loadEntryBuffer(const Transaction& transaction, const QString& categoryText);
    void loadEntryBuffer(const RegisterRow& row);
    // The fields of the edited row whose text differs from what was loaded:
    // those a save writes over the stored row. On the entry row, all of them.
    enum class Field {
        Date = 0x01,
        CheckNumber = 0x02,
        Payee = 0x04,
        Memo = 0x08,
        Category = 0x10,
        Amount = 0x20,
        Cleared = 0x40,
    };
    Q_DECLARE_FLAGS(Fields, Field)
    Fields typedFields() const;
    // What the buffer's texts say as a new transaction of `accountId`: the texts
    // trimmed, a date that reads as none today, an amount that reads as none 0,
    // the mark "C" cleared and "R" reconciled too (in either case). The commit
    // and the form's seed both start from it.
    Transaction entryTransaction(const QString& accountId) const;

    // What the buffer's payment and deposit texts say, in the model's currency.
    // Typed text keeps to the typed limit; the text of a stored amount (the
    // row's own, or one a payee filled in) reads whatever its size.
    struct EntryAmount
    {
        bool empty = true;           // both texts are empty
        std::optional<qint64> cents; // a filled payment wins over a filled deposit
        QString notUnderstood;       // the first non-empty text that is no amount
        bool tooLarge = false;       // that text reads as an amount, past the typed limit
    };
    EntryAmount entryAmount() const;
    static int slotForColumn(int column);

    Currency currency() const { return m_currency; }
    void setCurrency(Currency currency);
    bool isTwoLine() const { return m_twoLine; }
    void setTwoLine(bool twoLine);
    void setEmphasizeNegativeBalance(bool emphasize);
    void setHighlightOverdrawn(bool highlight);
    bool isLiabilityAccount() const { return m_liabilityAccount; }
    void setLiabilityAccount(bool liability);

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

signals:
    void sortChanged(int column, Qt::SortOrder order);

protected:
    // The currency the amounts of element `element` of rows() are written in:
    // the model's own, for a register of one account.
    virtual Currency currencyAt(qsizetype element) const;

private:
    bool entryRowOnTop() const;
    // The element of m_rows a model row shows; -1 for the entry row or none.
    qsizetype elementAt(int row) const;
    int modelRowOf(qsizetype element) const;
    QVariant bufferData(int row, int column, int role) const;
    QVariant rowData(qsizetype element, int modelRow, int column, int role) const;
    QString displayText(qsizetype element, int column) const;
    // The order it put the rows in: the row given at each place.
    std::vector<int> sortRows();
    void notifyAllRows(const QList<int>& roles);
    // The balance cells of the rows placed after `place` in the ledger, and the
    // whole rows among them whose balance, moved by at most `largestShift`,
    // may have crossed zero.
    void notifyBalancesAfter(quint32 place, qint64 largestShift);
    // The entry buffer emptied, without telling the views (before a reset ends).
    void clearEntryBuffer();
    // applyRow once the row is known: `old` the element that showed it, or -1.
    bool applyRowAt(qsizetype old, const std::optional<RegisterRow>& fresh);
    // Sorts the rows by a column; the rows the views hold on to (the current
    // cell, an open editor) and the edit row go with their transactions.
    void resortKeepingPersistentIndexes(int column, Qt::SortOrder order);
    using Buffer = std::array<QString, SlotCount>;
    Buffer bufferOf(const QDate& date, const QString& checkNumber, const QString& payee, const QString& memo,
                    const QString& categoryText, const QString& categoryId, qint64 amount, bool cleared,
                    bool reconciled) const;
    Buffer bufferOf(const RegisterRow& row) const;
    // The buffer becomes what a row holds, as loaded.
    void loadBuffer(const Buffer& loaded);
    // The element of the edited transaction among new rows; -1 when it is not there.
    qsizetype elementOfEdit() const;
    // No row edited, the buffer emptied (without telling the views).
    void endEdit();
    // Whether the buffer's text of a field differs from what was loaded.
    bool isTyped(Field field) const;
    // The edited row as now stored: the fields not typed into take its texts.
    void rebaseEdit(const RegisterRow& fresh);

    Currency m_currency = Currency::USD;
    RegisterRows m_rows;
    int m_sortColumn = DateColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_twoLine = false;
    bool m_entryRowVisible = true;
    bool m_emphasizeNegativeBalance = true;
    bool m_highlightOverdrawn = true;
    bool m_liabilityAccount = false;
    int m_editRow = -1;
    QString m_editId;
    Buffer m_entryBuffer;
    // What the buffer held when the edited row was loaded.
    Buffer m_loadedBuffer;
    // The payment and deposit texts a stored amount was last filled in as.
    std::array<QString, 2> m_filledAmountTexts;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(RegisterModel::Fields)
