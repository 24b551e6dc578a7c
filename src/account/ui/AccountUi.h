#pragma once

#include <QPointer>
#include <QString>

#include <utility>

class QFrame;
class QLabel;
class QWidget;

namespace OrvaAccount {

// Small pieces shared by the account screen and the share dialog.
namespace AccountUi {

// Text from the service (names, addresses, device names) is never read as
// markup: a display name of "<img src=...>" must show as typed.
QLabel* plainLabel(const QString& text, QWidget* parent = nullptr);
// For message boxes, which guess the format: text that would be taken for
// markup becomes escaped rich text, anything else stays as it is.
QString boxText(const QString& text);

constexpr int MediumWeight = 500;
constexpr int SemiBoldWeight = 600;

// Font size changed by `delta` points, never below 7; weight as QFont takes
// it (400 normal, MediumWeight, SemiBoldWeight), or unchanged when 0.
void adjustFont(QWidget* widget, int delta, int weight = 0);
// Window text in the application's placeholder colour, in every colour group.
void dim(QLabel* label);
QFrame* makeSeparator();

// A reply callback that does nothing once `receiver` is gone: replies may
// arrive after the window that asked was closed and deleted.
template<typename Receiver, typename Function>
auto guarded(Receiver* receiver, Function function)
{
    return [receiver = QPointer<Receiver>(receiver), function = std::move(function)](auto&&... args) {
        if (receiver)
            function(std::forward<decltype(args)>(args)...);
    };
}

} // namespace AccountUi

} // namespace OrvaAccount
