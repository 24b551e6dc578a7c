#pragma once

#include <QString>

class QSqlError;

// Keeps what SQLite said about the first ledger write that failed while the
// watch lives ("database or disk is full", "attempt to write a readonly
// database"), for the message of a save that failed to give its cause. The
// places that log a failed write (SqlValues::logFailure, SqlTransaction,
// SqlSavepoint) report to the innermost watch; with none alive nothing is
// kept, so a cause never outlives the action it belongs to.
class WriteFailureWatch
{
public:
    WriteFailureWatch();
    ~WriteFailureWatch();

    WriteFailureWatch(const WriteFailureWatch&) = delete;
    WriteFailureWatch& operator=(const WriteFailureWatch&) = delete;

    // Empty while no write failed, or one failed without a word from SQLite.
    QString cause() const { return m_cause; }

    static void note(const QSqlError& error);

private:
    WriteFailureWatch* m_outer;
    QString m_cause;
};
