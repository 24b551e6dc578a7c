#pragma once

#include <QTextBrowser>

namespace OrvaUpdate {

// Release notes rendered from Markdown. The notes come from the web, so a link
// in them opens only as an http or https address in the system browser.
class NotesView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit NotesView(QWidget* parent = nullptr);
};

} // namespace OrvaUpdate
