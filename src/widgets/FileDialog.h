#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Thin wrappers around the file dialogs: the real Qt dialog, or the answer a
// test queued. An empty result means the user cancelled.
class FileDialog
{
public:
    static QString openFileName(QWidget* parent, const QString& caption, const QString& directory = QString(),
                                const QString& filter = QString());
    static QStringList openFileNames(QWidget* parent, const QString& caption, const QString& directory = QString(),
                                     const QString& filter = QString());
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& directory = QString(),
                                const QString& filter = QString());

    // Test seam: the next file dialog returns these paths (empty: cancelled).
    static void setNextFileNames(const QStringList& paths);
    static void setNextFileName(const QString& path);
    static void clearNextAnswer();
    // What the last dialog answered through the seam asked.
    static QString lastCaption();
    static QString lastDirectory();
    static QString lastFilter();
};
