#include "NotesView.h"

#include "ExternalLinks.h"

namespace OrvaUpdate {

NotesView::NotesView(QWidget* parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("notesBrowser"));
    // QTextBrowser would hand any scheme to the desktop; we decide ourselves.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [](const QUrl& link) { openWebUrl(link); });
}

} // namespace OrvaUpdate
