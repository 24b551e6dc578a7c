#include "WindowTexts.h"

#include "widgets/ElidedComboBox.h"
#include "widgets/ElidedLabel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
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

// The part of a widget its window shows, in the widget's coordinates: each
// parent cuts it off at its edges; inside a scroll area's viewport only at the
// sides, as what lies above or below is scrolled to.
QRect shownPart(const QWidget* widget)
{
    QRect shown = widget->rect();
    QPoint offset;
    bool scrolled = false;
    for (const QWidget* child = widget; !child->isWindow(); child = child->parentWidget()) {
        offset += child->pos();
        const QWidget* parent = child->parentWidget();
        const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
        scrolled = scrolled || (area && area->viewport() == parent);
        QRect clip = parent->rect().translated(-offset);
        if (scrolled) {
            clip.setTop(shown.top());
            clip.setBottom(shown.bottom());
        }
        shown &= clip;
    }
    return shown;
}

QString tooLarge(const QWidget* widget, const QString& text, const QSize& needed, QRect room)
{
    room &= shownPart(widget);
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return QString();
    return QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6")
        .arg(QString::fromLatin1(widget->metaObject()->className()), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// As QLabel lays its text out: through a text document when the text is rich
// or selectable, otherwise by the font's metrics, in its contents less its margin.
QString labelCut(const QLabel* label)
{
    if (qobject_cast<const ElidedLabel*>(label) || label->text().isEmpty())
        return QString();
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    QSize needed;
    if (isRichText(label) || (label->textInteractionFlags() & Qt::TextSelectableByMouse)) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        if (isRichText(label))
            document.setHtml(label->text());
        else
            document.setPlainText(label->text());
        if (label->wordWrap())
            document.setTextWidth(room.width());
        needed = QSize(qCeil(label->wordWrap() ? document.idealWidth() : document.size().width()),
                       qCeil(document.size().height()));
    } else {
        int flags = label->buddy() ? Qt::TextShowMnemonic : 0;
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        needed = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), 1 << 20), flags, label->text()).size();
    }
    return tooLarge(label, plainText(label), needed, room);
}

// The room the style gives a button's label, its style sheet's padding included.
QString buttonCut(const QAbstractButton* button)
{
    if (button->text().isEmpty())
        return QString();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<const QPushButton*>(button))
        return QString();
    if (const auto* push = qobject_cast<const QPushButton*>(button); push && push->isFlat())
        option.features |= QStyleOptionButton::Flat;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (!button->icon().isNull())
        needed.rwidth() += button->iconSize().width() + 4;
    return tooLarge(button, button->text(), needed, room);
}

// The shown choice of a combo box, in its edit field as the style draws it.
QString comboCut(const QComboBox* combo)
{
    if (qobject_cast<const ElidedComboBox*>(combo) || combo->isEditable() || combo->currentText().isEmpty())
        return QString();
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.currentText = combo->currentText();
    option.currentIcon = combo->itemIcon(combo->currentIndex());
    option.iconSize = combo->iconSize();
    option.frame = combo->hasFrame();
    QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    room.adjust(1, 0, -1, 0);
    if (!option.currentIcon.isNull())
        room.setWidth(room.width() - option.iconSize.width() - 4);
    const QSize needed(combo->fontMetrics().horizontalAdvance(option.currentText), combo->fontMetrics().height());
    return tooLarge(combo, option.currentText, needed, room);
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

QStringList cutTexts(QWidget* window)
{
    QStringList cut;
    for (QWidget* widget : shownWidgets(window)) {
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            cut.append(labelCut(label));
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            cut.append(buttonCut(button));
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            cut.append(comboCut(combo));
    }
    cut.removeAll(QString());
    return cut;
}
