#include "ImportProgress.h"

#include "services/ImportService.h"

#include <QProgressDialog>

namespace {

constexpr int kMinimumDurationMs = 500;

} // namespace

ImportProgress::ImportProgress(ImportService* service, QWidget* parent)
    : m_dialog(std::make_unique<QProgressDialog>(tr("Importing..."), QString(), 0, 0, parent))
{
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(kMinimumDurationMs);
    m_dialog->setCancelButton(nullptr);
    QProgressDialog* dialog = m_dialog.get();
    QObject::connect(service, &ImportService::importStarted, dialog, [dialog](int total) {
        dialog->setMaximum(total);
        dialog->setValue(0);
    });
    QObject::connect(service, &ImportService::importProgress, dialog, [dialog](int current, int total) {
        dialog->setMaximum(total);
        dialog->setValue(current);
    });
}

ImportProgress::~ImportProgress() = default;
