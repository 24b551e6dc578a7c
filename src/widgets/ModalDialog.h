#pragma once

#include <QString>

#include <functional>

class QDialog;

// Runs our own modal dialogs (forms, the accent colour choice, editors). A test
// queues a handler for the next dialog instead: the dialog is shown without a
// nested event loop, the handler fills and clicks it as a person would, and
// the dialog's result afterwards (Rejected unless the handler accepted it) is
// what exec() returns.
class ModalDialog
{
public:
    static int exec(QDialog* dialog);

    // Test seam.
    static void setNextHandler(std::function<void(QDialog*)> handler);
    static void clearNextHandler();
    // The window title of the last dialog given to a handler.
    static QString lastTitle();
};
