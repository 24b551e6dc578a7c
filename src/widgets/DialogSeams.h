#pragma once

#include <QList>
#include <QString>

#include <optional>

// Shared by the dialog seams (MessageBox, FileDialog, InputDialog,
// ModalDialog). Each seam shows the real Qt dialog; a test queues the answers of
// the next dialogs instead and reads back what they asked.
namespace DialogSeams {

// True when the process runs unattended (VELLUMRY_UNATTENDED is set, as every
// test run sets it): a dialog with no queued answer then ends the process with
// a message naming it, so a forgotten answer fails the test at once instead of
// leaving a modal dialog waiting for nobody.
bool isUnattended();

[[noreturn]] void refuseUnanswered(const char* kind, const QString& title);

// First in, first out: each dialog takes the oldest queued answer of its seam.
template<typename Answer>
class AnswerQueue
{
public:
    void push(const Answer& answer) { m_answers.append(answer); }
    void clear() { m_answers.clear(); }
    std::optional<Answer> take()
    {
        if (m_answers.isEmpty())
            return std::nullopt;
        return m_answers.takeFirst();
    }

private:
    QList<Answer> m_answers;
};

} // namespace DialogSeams
