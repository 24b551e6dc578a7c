#pragma once

#include "update/Config.h"

#include <QString>

#include <functional>

class QWidget;

namespace OrvaUpdate {

// How a flow reports progress to its caller (the main window's status bar).
// Any of them may be empty.
struct CheckCallbacks
{
    // Once, when the flow begins: a busy text.
    std::function<void(const QString& text)> started;
    // Once, when the flow has its result, whatever it is.
    std::function<void()> finished;
    // After finished, a text to show for a while.
    std::function<void(const QString& text, int timeoutMs)> message;
};

// The menu's update check: offers every newer release in an update dialog,
// otherwise says it is up to date or why the check failed.
void runInteractiveUpdateCheck(const Config& config, const QString& productName, QWidget* parent,
                               const CheckCallbacks& callbacks);

// Start-up after a version change: the running version's notes, when they
// exist; nothing at all otherwise.
void showWhatsNewAfterUpgrade(const Config& config, const QString& productName, QWidget* parent);

// The menu's What's New: the running version's notes, or else those of a
// newer release with its download, or else a message that there are none.
void showWhatsNew(const Config& config, const QString& productName, QWidget* parent,
                  const CheckCallbacks& callbacks);

} // namespace OrvaUpdate
