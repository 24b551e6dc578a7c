#pragma once

#include <QCoreApplication>

#include <memory>

class ImportService;
class QProgressDialog;
class QWidget;

// The window-modal "Importing..." dialog of one import: it follows the
// service's progress signals while it lives and goes with it. An import
// cannot be cancelled, so it has no cancel button.
class ImportProgress
{
    Q_DECLARE_TR_FUNCTIONS(ImportProgress)

public:
    ImportProgress(ImportService* service, QWidget* parent);
    ~ImportProgress();

    ImportProgress(const ImportProgress&) = delete;
    ImportProgress& operator=(const ImportProgress&) = delete;

private:
    // Also the context of the connections: they end with it.
    std::unique_ptr<QProgressDialog> m_dialog;
};
