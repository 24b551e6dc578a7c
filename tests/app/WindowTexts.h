#pragma once

#include <QStringList>

#include <functional>

class QWidget;

// What a person reads in a window, gathered from the widgets as they are shown.

// Calls `look` on the window as it is, then once for every other page of each
// stack or tab widget shown in it, and puts each stack back on its page.
void forEachPage(QWidget* window, const std::function<void()>& look);

// Every text the window shows: its title, labels, buttons and check boxes,
// combo items, placeholders, group titles, tab texts, and the headers and
// cells of its lists and tables.
QStringList shownTexts(QWidget* window);

// The labels, buttons and combo boxes whose text needs more room than the
// widget draws it in, each as "<class> "<text>" needs WxH in WxH". Widgets
// that elide by design (ElidedLabel, ElidedComboBox, cells) are not asked.
QStringList cutTexts(QWidget* window);
