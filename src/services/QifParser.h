#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <functional>
#include <optional>

// The account type a "!Type:" header names; unknown words count as Bank.
enum class QifAccountKind { Bank = 0, CCard = 1, Invst = 2, Cash = 3, OthA = 4, OthL = 5 };

// How the lines after a header are read. Unknown is the state before the first
// header and after an unrecognised one; it reads records like Transactions.
enum class QifSection { Transactions = 0, Skipped = 1, AccountList = 2, CategoryList = 3, Unknown = 4 };

enum class QifDateOrder { Detect = 0, MonthFirst = 1, DayFirst = 2 };

struct QifSplit
{
    QString category;
    QString transferAccount;
    QString memo;
    qint64 amount = 0; // hundredths of the file's unit
};
// A parse returns millions of records; moving them in memory needs no constructor.
Q_DECLARE_TYPEINFO(QifSplit, Q_RELOCATABLE_TYPE);

struct QifRecord
{
    QDate date;
    QString payee;
    qint64 amount = 0; // hundredths of the file's unit
    QString memo;
    QString category;
    QString transferAccount;
    QString checkNumber;
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    QString sourceAccount; // empty while the file has named no account
};
Q_DECLARE_TYPEINFO(QifRecord, Q_RELOCATABLE_TYPE);

struct QifCategory
{
    QString name;
    QString description;
    bool isIncome = false;
};
Q_DECLARE_TYPEINFO(QifCategory, Q_RELOCATABLE_TYPE);

struct QifAccount
{
    QString name;
    QifAccountKind kind = QifAccountKind::Bank;
};
Q_DECLARE_TYPEINFO(QifAccount, Q_RELOCATABLE_TYPE);

struct QifParseResult
{
    QList<QifRecord> records;
    QList<QifCategory> categories;
    int skippedInvalid = 0;  // transaction records without a valid date or amount
    int skippedMetadata = 0; // records of sections that hold no transactions
    QList<QifAccount> accounts;
    QifDateOrder dateOrder = QifDateOrder::MonthFirst;
};

// An 'L' or 'S' value: a category, or an account named in brackets.
struct QifCategoryField
{
    QString category;
    QString transferAccount;
};

// Reads one QIF file's text. With QifDateOrder::Detect the order of day and month
// is decided once for the whole text; malformed input only lowers what is returned.
QifParseResult parseQif(const QString& text, QifDateOrder order);
// The same, handing each record to takeRecord as it is closed instead of
// listing it in the result: a caller that keeps records in a form of its own,
// or only counts them, never holds them twice.
using QifRecordSink = std::function<void(QifRecord&&)>;
QifParseResult parseQif(const QString& text, QifDateOrder order, const QifRecordSink& takeRecord);

// The steps of parseQif, each usable on its own.
// Lines as views into text: LF, CR LF and a lone CR all end a line.
QList<QStringView> splitQifLines(QStringView text);
// DayFirst as soon as one date line reads only day first (its first number
// exceeds 12 and, read day first, it is a valid date), else MonthFirst.
QifDateOrder detectQifDateOrder(const QList<QStringView>& lines);
std::optional<QDate> parseQifDate(QStringView value, QifDateOrder order);
// Hundredths; nothing when the text is no amount or more than 2^53 hundredths.
std::optional<qint64> parseQifAmount(QStringView value);
// The class after '/' is dropped.
QifCategoryField splitQifCategory(QStringView value);
QifSection qifSectionForHeader(QStringView line);
QifAccountKind qifAccountKindForHeader(QStringView line);
