#include "FileDialog.h"

#include "DialogSeams.h"

#include <QFileDialog>

namespace {

DialogSeams::AnswerQueue<QStringList> g_answers;
QString g_lastCaption;
QString g_lastDirectory;
QString g_lastFilter;

std::optional<QStringList> takeAnswer(const QString& caption, const QString& directory, const QString& filter)
{
    std::optional<QStringList> answer = g_answers.take();
    if (!answer && DialogSeams::isUnattended())
        DialogSeams::refuseUnanswered("file dialog", caption);
    if (answer) {
        g_lastCaption = caption;
        g_lastDirectory = directory;
        g_lastFilter = filter;
    }
    return answer;
}

} // namespace

QString FileDialog::openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter)
{
    if (const std::optional<QStringList> answer = takeAnswer(caption, directory, filter))
        return answer->value(0);
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QStringList FileDialog::openFileNames(QWidget* parent, const QString& caption, const QString& directory,
                                      const QString& filter)
{
    if (const std::optional<QStringList> answer = takeAnswer(caption, directory, filter))
        return *answer;
    return QFileDialog::getOpenFileNames(parent, caption, directory, filter);
}

QString FileDialog::saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter)
{
    if (const std::optional<QStringList> answer = takeAnswer(caption, directory, filter))
        return answer->value(0);
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}

void FileDialog::setNextFileNames(const QStringList& paths)
{
    g_answers.push(paths);
}

void FileDialog::setNextFileName(const QString& path)
{
    g_answers.push(path.isEmpty() ? QStringList() : QStringList{path});
}

void FileDialog::clearNextAnswer()
{
    g_answers.clear();
}

QString FileDialog::lastCaption()
{
    return g_lastCaption;
}

QString FileDialog::lastDirectory()
{
    return g_lastDirectory;
}

QString FileDialog::lastFilter()
{
    return g_lastFilter;
}
