#include "WriteFailureWatch.h"

#include "SqlValues.h"

#include <QSqlError>

namespace {

// The ledger has one connection, used from the GUI thread only.
WriteFailureWatch* g_innermost = nullptr;

} // namespace

WriteFailureWatch::WriteFailureWatch()
    : m_outer(g_innermost)
{
    g_innermost = this;
}

WriteFailureWatch::~WriteFailureWatch()
{
    g_innermost = m_outer;
}

void WriteFailureWatch::note(const QSqlError& error)
{
    // The first failure is the cause; a rollback that fails after it is its consequence.
    if (g_innermost && g_innermost->m_cause.isEmpty())
        g_innermost->m_cause = SqlValues::failureCause(error);
}
