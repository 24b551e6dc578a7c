#pragma once

#include "RegisterRow.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QUuid>

#include <optional>
#include <vector>

// The figures of a register's header, over all its rows whatever a filter
// shows: a reconciled row counts as cleared.
struct RegisterFigures
{
    MoneySum cleared;
    MoneySum uncleared;
    MoneySum total;
};

// The rows of a register, held compactly: a big account's register is tens of
// thousands of rows, kept for as long as it is shown. Each text is stored once
// for all the rows that share it (the account, payees, categories, memos) and an
// id in the usual UUID form takes 16 bytes; RegisterRow is the readable form of
// one row, made when asked for.
//
// Every row keeps its place in the order the list was given (order()); for a
// register read by registerRows that is the ledger's order, the order of its
// running balances, and the ledger operations below keep it so.
class RegisterRows
{
public:
    RegisterRows() = default;
    explicit RegisterRows(const QList<RegisterRow>& rows);

    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    void reserve(qsizetype count)
    {
        m_entries.reserve(count);
        m_places.reserve(count);
    }
    RegisterRow at(qsizetype i) const;
    RegisterRow first() const { return at(0); }
    QList<RegisterRow> toList() const;

    // Reads the rows one by one, each made whole when reached.
    class const_iterator
    {
    public:
        const_iterator(const RegisterRows* rows, qsizetype i)
            : m_rows(rows)
            , m_i(i)
        {
        }
        RegisterRow operator*() const { return m_rows->at(m_i); }
        const_iterator& operator++()
        {
            ++m_i;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return m_i != other.m_i; }

    private:
        const RegisterRows* m_rows;
        qsizetype m_i;
    };
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, size()); }
    // After the rows given so far.
    void append(const RegisterRow& row);

    // The fields of row i, without making a whole RegisterRow.
    QString id(qsizetype i) const;
    bool hasId(qsizetype i) const;
    // The row of that id; -1 when there is none or the id is empty.
    qsizetype indexOf(const QString& id) const;
    QDate date(qsizetype i) const { return m_entries.at(i).date; }
    qint64 amount(qsizetype i) const { return m_entries.at(i).amount; }
    MoneySum runningBalance(qsizetype i) const { return m_places.at(i).balance(); }
    bool cleared(qsizetype i) const { return m_entries.at(i).flags & Cleared; }
    bool reconciled(qsizetype i) const { return m_entries.at(i).flags & Reconciled; }
    bool isSplit(qsizetype i) const { return m_entries.at(i).flags & Split; }
    const QString& accountId(qsizetype i) const { return m_texts.at(m_entries.at(i).accountId); }
    const QString& payee(qsizetype i) const { return m_texts.at(m_entries.at(i).payee); }
    const QString& memo(qsizetype i) const { return m_texts.at(m_entries.at(i).memo); }
    const QString& categoryId(qsizetype i) const { return m_texts.at(m_entries.at(i).categoryId); }
    const QString& checkNumber(qsizetype i) const { return m_texts.at(m_entries.at(i).checkNumber); }
    const QString& categoryText(qsizetype i) const { return m_texts.at(m_entries.at(i).categoryText); }
    RegisterFigures figures() const;

    // The texts, one per distinct text; these name them in rows, so that work
    // per text (a collation key) is done once for every row that shares it.
    enum class Text { Payee, Memo, CheckNumber, CategoryText };
    quint32 textIndex(qsizetype i, Text which) const;
    static const QString& textOf(const RegisterRow& row, Text which);
    const QString& text(quint32 index) const { return m_texts.at(index); }
    qsizetype textCount() const { return m_texts.size(); }

    // Where a row was given: rows that sort alike keep this order.
    quint32 order(qsizetype i) const { return m_places.at(i).order; }
    // The rows in the order of the given indices, each index once.
    void reorder(const std::vector<int>& indices);
    template <typename Predicate>
    void removeIf(Predicate keepOut)
    {
        QList<Entry> kept;
        QList<Place> keptPlaces;
        kept.reserve(m_entries.size());
        keptPlaces.reserve(m_places.size());
        for (qsizetype i = 0; i < m_entries.size(); ++i) {
            if (!keepOut(at(i))) {
                kept.append(m_entries.at(i));
                keptPlaces.append(m_places.at(i));
            }
        }
        m_placesHaveGap = m_placesHaveGap || kept.size() < m_entries.size();
        m_entries = std::move(kept);
        m_places = std::move(keptPlaces);
        recount();
        notePlaceRun();
    }

    // The ledger operations, for a register read whole in the ledger's order
    // (rows of one date by creation time, then as SQLite stored them). The
    // opening line of a starting balance follows the earliest date, so while
    // there is one, nothing changes in place.
    bool hasOpeningLine() const;
    // The place in the ledger `fresh` takes when it replaces row `replacing`
    // (-1: a row just inserted). None when only SQLite knows it: the opening line
    // is there, or the row moves among rows of its new date created in the same
    // second (their rowids decide), or a creation time has an unusual form.
    std::optional<quint32> ledgerPlace(const RegisterRow& fresh, qsizetype replacing) const;
    // Takes row i out; the running balances after it lose its amount.
    void removeFromLedger(qsizetype i);
    // Puts `fresh` at the ledger place `place` (from ledgerPlace) and at index
    // `at` of this list. Its running balance is the one before it plus its
    // amount; the rows after it gain its amount.
    void insertIntoLedger(qsizetype at, const RegisterRow& fresh, quint32 place);
    // Row i becomes `fresh`, in the same place in the ledger and in this list;
    // the running balances from it on move by the change of its amount.
    void replaceInLedger(qsizetype i, const RegisterRow& fresh);
    // The rows after ledger place `order`, whose running balances a ledger
    // operation there moved: the first and last of them in this list, and
    // (up to `most` + 1 of) those whose balance lies within `distance` of zero,
    // which the move may have taken across it. A negative distance names none.
    struct RowsAfter
    {
        qsizetype first = -1;
        qsizetype last = -1;
        QList<qsizetype> nearZero;
    };
    RowsAfter rowsAfter(quint32 order, qint64 distance, qsizetype most) const;

    // Texts read as UTF-8 while a big read fills the list: each distinct text is
    // converted once, and one string serves every row that holds it.
    class Filler
    {
    public:
        explicit Filler(RegisterRows& rows);
        // RegisterRow's fields, the texts as read.
        struct Utf8Row
        {
            QByteArrayView id, accountId, payee, memo, categoryId, checkNumber, categoryText;
            QDate date;
            qint64 amount = 0;
            MoneySum runningBalance;
            qint64 createdOrder = -1;
            bool cleared = false, reconciled = false, isSplit = false;
        };
        void append(const Utf8Row& row);

    private:
        quint32 intern(QByteArrayView utf8);

        RegisterRows& m_rows;
        QHash<QByteArray, quint32> m_known;
    };

    // The created_at text as a RegisterRow's createdOrder.
    static qint64 createdOrderOf(QByteArrayView utf8);

private:
    enum Flag : quint8 { Cleared = 1, Reconciled = 2, Split = 4 };
    struct Entry
    {
        QUuid uuid; // the id, when it is a UUID in its usual lower-case text form
        QDate date;
        qint64 amount = 0;
        qint64 createdOrder = -1;
        quint32 idText = 0; // the id as text otherwise; 0 for no id
        quint32 accountId = 0;
        quint32 payee = 0;
        quint32 memo = 0;
        quint32 categoryId = 0;
        quint32 checkNumber = 0;
        quint32 categoryText = 0;
        quint8 flags = 0;
    };
    // A row's place in the ledger and its running balance, kept apart from the
    // rest: a write walks these for every row of the register, and in a list
    // of their own they are a fifth of the memory to go through. The balance is
    // a MoneySum's two words, its high word in what was padding: that word
    // moves by at most one a row, so 32 bits of it outlast any register.
    struct Place
    {
        quint32 order = 0;
        qint32 balanceHigh = 0;
        quint64 balanceLow = 0;

        Place() = default;
        Place(quint32 placeOrder, const MoneySum& balance)
            : order(placeOrder)
            , balanceHigh(qint32(balance.high()))
            , balanceLow(balance.low())
        {
        }
        MoneySum balance() const { return MoneySum::fromWords(balanceHigh, balanceLow); }
        void add(const MoneySum& change)
        {
            const bool carried = qAddOverflow(balanceLow, change.low(), &balanceLow);
            balanceHigh += qint32(change.high()) + int(carried);
        }
    };

    // A row of either kind, each text turned into its index by `textIndex`.
    template <typename Row, typename TextIndex>
    static Entry entryOf(const Row& row, TextIndex textIndex);
    quint32 addText(const QString& text);
    void appendEntry(const Entry& entry, const MoneySum& runningBalance);
    // The running balances of the rows placed after `order` in the ledger.
    void shiftBalancesAfter(quint32 order, const MoneySum& change);
    // How the places run down the list: rising or falling as a register sorted
    // by date either way shows them, or neither. A list of one row or none
    // rises.
    enum class PlaceRun : quint8 { Rising, Falling, Mixed };
    void notePlaceRun();
    // Whether the places still run as noted with place i where it is.
    bool keepsPlaceRun(qsizetype i) const;
    // The rows placed at `order` or later in the ledger as indices [first,
    // last) of this list, when the places rise or fall: they are then one run
    // at an end of the list, found by halving.
    struct Run
    {
        qsizetype first = 0;
        qsizetype last = 0;
    };
    std::optional<Run> runFrom(qint64 order) const;
    static quint8 flagsOf(bool cleared, bool reconciled, bool isSplit);
    static bool hasNoId(const Entry& entry) { return entry.idText == 0 && entry.uuid.isNull(); }
    // The figures and the counts of rows without an id or of an unusual
    // creation time, with a row counted in (+1) or out (-1), or all anew.
    void count(const Entry& entry, int sign);
    void recount();
    // The row last in the ledger, when it is shown first or last; else -1.
    qsizetype lastInLedgerAtAnEnd() const;

    QList<Entry> m_entries;
    QList<Place> m_places; // row for row with m_entries
    // Noted whenever the list is given or put in another order, and kept
    // through the ledger operations: a write then touches only the rows after
    // it instead of walking the whole register.
    PlaceRun m_placeRun = PlaceRun::Rising;
    bool m_placesHaveGap = false; // a row was taken out since the list was given
    // Rows without an id (the opening line): kept so, since the ledger
    // operations ask before each change and a scan of a big register is not free.
    qsizetype m_withoutId = 0;
    // The figures' sums, kept as rows come and go: a write would otherwise
    // add up the whole register to show them.
    MoneySum m_total;
    MoneySum m_cleared;
    // Rows whose creation time has an unusual form: only SQLite knows their
    // place among the rows of their date.
    qsizetype m_unordered = 0;
    // Index 0 is the empty text.
    QStringList m_texts{QString()};
};
