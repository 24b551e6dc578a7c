#include "ModalDialog.h"

#include "DialogSeams.h"

#include <QDialog>
#include <QString>

namespace {

DialogSeams::AnswerQueue<std::function<void(QDialog*)>> g_handlers;
QString g_lastTitle;

} // namespace

int ModalDialog::exec(QDialog* dialog)
{
    const std::optional<std::function<void(QDialog*)>> handler = g_handlers.take();
    if (!handler && DialogSeams::isUnattended())
        DialogSeams::refuseUnanswered("dialog", dialog->windowTitle());
    if (!handler)
        return dialog->exec();

    g_lastTitle = dialog->windowTitle();
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    (*handler)(dialog);
    const int result = dialog->result();
    dialog->hide();
    return result;
}

void ModalDialog::setNextHandler(std::function<void(QDialog*)> handler)
{
    g_handlers.push(std::move(handler));
}

void ModalDialog::clearNextHandler()
{
    g_handlers.clear();
}

QString ModalDialog::lastTitle()
{
    return g_lastTitle;
}
