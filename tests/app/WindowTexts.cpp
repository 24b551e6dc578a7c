#include "WindowTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocumentFragment>

namespace {

constexpr int kMostRowsRead = 1000;

void settle()
{
    for (int round = 0; round < 4; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The widget and those in it a person can see now; child windows are windows
// of their own.
QWidgetList shownWidgets(QWidget* root)
{
    QWidgetList widgets{root};
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->window() == root->window() && widget->isVisibleTo(root))
            widgets.append(widget);
    }
    return widgets;
}

bool isRichText(const QLabel* label)
{
    return label->textFormat() == Qt::RichText
           || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

QString plainText(const QLabel* label)
{
    return isRichText(label) ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text();
}

void addCells(const QAbstractItemModel* model, const QModelIndex& parent, QStringList& texts)
{
    const int rows = qMin(model->rowCount(parent), kMostRowsRead);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < model->columnCount(parent); ++column) {
            const QModelIndex index = model->index(row, column, parent);
            texts.append(index.data().toString());
            if (column == 0 && model->hasChildren(index))
                addCells(model, index, texts);
        }
    }
}

void addMenu(const QList<QAction*>& actions, QStringList& texts)
{
    for (const QAction* action : actions) {
        texts.append(action->text());
        if (action->menu())
            addMenu(action->menu()->actions(), texts);
    }
}

void addTexts(QWidget* widget, QStringList& texts)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        texts.append(plainText(label));
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        texts.append(button->text());
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        for (int item = 0; item < combo->count(); ++item)
            texts.append(combo->itemText(item));
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        texts.append(edit->placeholderText());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        texts.append(group->title());
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            texts.append(tabs->tabText(tab));
    } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
        for (int section = 0; header->model() && section < header->count(); ++section) {
            if (!header->isSectionHidden(section))
                texts.append(header->model()->headerData(section, header->orientation()).toString());
        }
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
        if (view->model())
            addCells(view->model(), view->rootIndex(), texts);
    } else if (const auto* menus = qobject_cast<const QMenuBar*>(widget)) {
        addMenu(menus->actions(), texts);
    }
}

} // namespace

void forEachPage(QWidget* window, const std::function<void()>& look)
{
    settle();
    look();
    for (QStackedWidget* stack : window->findChildren<QStackedWidget*>()) {
        if (stack->window() != window->window() || !stack->isVisibleTo(window))
            continue;
        // A tab widget's pages are turned through its tabs, so that the bar follows.
        auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
        const auto turnTo = [stack, tabs](int page) {
            if (tabs)
                tabs->setCurrentIndex(page);
            else
                stack->setCurrentIndex(page);
        };
        const int shownPage = stack->currentIndex();
        for (int page = 0; page < stack->count(); ++page) {
            if (page == shownPage)
                continue;
            turnTo(page);
            settle();
            look();
        }
        turnTo(shownPage);
        settle();
    }
}

QStringList shownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget* widget : shownWidgets(window))
        addTexts(widget, texts);
    texts.removeAll(QString());
    return texts;
}
