#pragma once

#include <QLoggingCategory>

namespace OrvaUpdate {

// Every log line of the update library and its dialogs.
Q_DECLARE_LOGGING_CATEGORY(lcUpdate)

} // namespace OrvaUpdate
