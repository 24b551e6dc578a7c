#include "RegisterDelegate.h"

#include "CategoryItems.h"
#include "RegisterComboBox.h"
#include "RegisterLineEdit.h"
#include "RegisterModel.h"
#include "RegisterTableStyle.h"
#include "TabCompleter.h"

#include "widgets/AmountInput.h"
#include "widgets/Appearance.h"
#include "widgets/DateField.h"
#include "widgets/DateInput.h"
#include "widgets/LedgerWatch.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Two-line rows are 52 pixels high; the first line, and every editor but the
// payee one, keep the single-line height.
constexpr int kFirstLineHeight = 36;
constexpr int kTwoLineRowHeight = 52;
constexpr int kTextInset = 4;
// A handful of colours over the palettes a register is shown with.
constexpr qsizetype kMaxTextPalettes = 64;

const QString kPayeeMemoEditor = QStringLiteral("PayeeMemoEditor");
const QString kPayeeEdit = QStringLiteral("payeeEdit");
const QString kMemoEdit = QStringLiteral("memoEdit");

RegisterModel* registerModelOf(const QAbstractItemModel* model)
{
    return qobject_cast<RegisterModel*>(const_cast<QAbstractItemModel*>(model));
}

bool onEntryRow(const RegisterModel* model, int row)
{
    return model && model->entryRow() >= 0 && row == model->entryRow();
}

// A balance text reads negative as "-1.00" or "(1.00)".
bool balanceTextIsNegative(QString text)
{
    const bool parenthesised = text.contains(QLatin1Char('('));
    for (const QChar c : {u'$', u',', u'(', u')'})
        text.remove(c);
    bool number = false;
    const double value = text.toDouble(&number);
    return number && (value < 0 || parenthesised);
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState* state, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_lookup(state)
{
    if (!state)
        return;
    // Any payee written, by the register or elsewhere, or an account renamed
    // (its transfer entry), and the next payee editor reads them again.
    auto* watch = new LedgerWatch(state, LedgerPart::Transactions | LedgerPart::Accounts, [] {}, this);
    connect(watch, &LedgerWatch::changed, this, [this] { m_lookup.forgetPayeeCompletions(); });
}

QWidget* RegisterDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                        const QModelIndex& index) const
{
    QWidget* editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn:
        editor = new DateField(parent);
        break;
    case RegisterModel::PayeeColumn:
        if (m_twoLine)
            return createPayeeMemoEditor(parent, index);
        editor = createPayeeEdit(parent, index, nullptr);
        break;
    case RegisterModel::CategoryColumn:
        editor = createCategoryCombo(parent);
        break;
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn: {
        auto* amount = new RegisterLineEdit(parent);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        editor = amount;
        break;
    }
    default:
        editor = new RegisterLineEdit(parent);
        break;
    }
    editor->setFocusPolicy(Qt::ClickFocus);
    return editor;
}

bool RegisterDelegate::eventFilter(QObject* object, QEvent* event)
{
    // Enter goes on to the register, which at once saves the row or walks to
    // the next field, closing the editor either way. Qt's own answer, a commit
    // and close queued for later, would come after the editor had gone, or
    // close one the register keeps open (behind a row's details).
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

QWidget* RegisterDelegate::createPayeeMemoEditor(QWidget* parent, const QModelIndex& index) const
{
    auto* editor = new QWidget(parent);
    editor->setObjectName(kPayeeMemoEditor);
    auto* layout = new QVBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* memo = new RegisterLineEdit(editor);
    memo->setObjectName(kMemoEdit);
    QFont memoFont = fontForRole(2);
    memoFont.setItalic(true);
    memo->setFont(memoFont);
    memo->setProperty("orvaFontRole", 2);
    memo->setProperty("orvaFontItalic", true);
    memo->setPlaceholderText(tr("Memo"));

    QLineEdit* payee = createPayeeEdit(editor, index, memo);
    layout->addWidget(payee);
    layout->addWidget(memo);
    editor->setFocusProxy(payee);
    return editor;
}

QLineEdit* RegisterDelegate::createPayeeEdit(QWidget* parent, const QModelIndex& index, QLineEdit* memoEdit) const
{
    auto* payee = new RegisterLineEdit(parent);
    payee->setObjectName(kPayeeEdit);
    auto* completer = new TabCompleter(m_lookup.payeeCompletions(m_accountId), payee);
    payee->setCompleter(completer);

    RegisterModel* model = registerModelOf(index.model());
    const QPersistentModelIndex cell(index);
    const QPointer<QLineEdit> memo(memoEdit);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), payee,
            [this, model, cell, memo](const QString& chosen) {
                // Only a new row is filled in; an edited row keeps its own values.
                if (!cell.isValid() || !onEntryRow(model, cell.row()))
                    return;
                const std::optional<PayeeAutofill> fill = autofillFromPayee(model, chosen);
                if (!fill)
                    return;
                model->notifyRowChanged(cell.row());
                if (memo && !fill->memo.isEmpty())
                    memo->setText(fill->memo);
            });
    return payee;
}

QWidget* RegisterDelegate::createCategoryCombo(QWidget* parent) const
{
    auto* combo = new RegisterComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItem(QString(), QString());
    addCategoryItems(combo, m_lookup.categories());

    auto* completer = new TabCompleter(combo->model(), combo);
    combo->setCompleter(completer);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), combo, [combo](const QString& chosen) {
        const int item = combo->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0)
            combo->setCurrentIndex(item);
    });
    return combo;
}

std::optional<PayeeAutofill> RegisterDelegate::autofillFromPayee(RegisterModel* model, const QString& payee) const
{
    if (!model)
        return std::nullopt;
    const std::optional<PayeeAutofill> fill = m_lookup.payeeAutofill(payee, m_accountId);
    if (!fill)
        return std::nullopt;
    model->fillEntryAmount(fill->amount);
    if (!fill->categoryId.isEmpty()) {
        model->setEntryText(RegisterModel::CategorySlot, fill->categoryName);
        model->setEntryText(RegisterModel::CategoryIdSlot, fill->categoryId);
    }
    if (!fill->memo.isEmpty())
        model->setEntryText(RegisterModel::MemoSlot, fill->memo);
    return fill;
}

void RegisterDelegate::autofillOnCommit(RegisterModel* model, const QModelIndex& index, const QString& payee) const
{
    if (onEntryRow(model, index.row()) && autofillFromPayee(model, payee.trimmed()))
        model->notifyRowChanged(index.row());
}

void RegisterDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString value = index.data(Qt::EditRole).toString();
    if (auto* dateEdit = qobject_cast<DateField*>(editor)) {
        const QDate date = QDate::fromString(value, RegisterModel::kDateFormat);
        if (date.isValid())
            dateEdit->setDate(date);
        // Shown afresh, all selected, so that typing replaces it.
        dateEdit->setText(dateDisplayText(dateEdit->date()));
        dateEdit->selectAll();
    } else if (editor->objectName() == kPayeeMemoEditor) {
        if (auto* payee = editor->findChild<QLineEdit*>(kPayeeEdit))
            payee->setText(value);
        auto* memo = editor->findChild<QLineEdit*>(kMemoEdit);
        if (memo && registerModelOf(index.model()))
            memo->setText(index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::EditRole).toString());
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int item = combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0)
            combo->setCurrentIndex(item);
        else
            combo->setEditText(value);
    } else if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
        lineEdit->setText(value);
    }
}

void RegisterDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    RegisterModel* registerModel = registerModelOf(model);
    // An editor left open over a row the buffer no longer belongs to writes nothing.
    if (registerModel && !registerModel->showsBuffer(index.row()))
        return;
    if (auto* dateEdit = qobject_cast<DateField*>(editor)) {
        const QString typed = dateEdit->text().trimmed();
        if (!typed.isEmpty() && !parseTypedDate(typed).isValid())
            emit dateNotUnderstood(typed);
        model->setData(index, dateEdit->parsedDate().toString(RegisterModel::kDateFormat), Qt::EditRole);
    } else if (editor->objectName() == kPayeeMemoEditor) {
        if (!registerModel)
            return;
        auto* memo = editor->findChild<QLineEdit*>(kMemoEdit);
        auto* payee = editor->findChild<QLineEdit*>(kPayeeEdit);
        const bool newRow = onEntryRow(registerModel, index.row());
        if (payee) {
            registerModel->setEntryText(RegisterModel::PayeeSlot, payee->text());
            if (newRow)
                autofillFromPayee(registerModel, payee->text().trimmed());
        }
        // The memo line is committed with the payee, so what was typed there
        // must win over the payee's last memo; an empty line on a new row
        // leaves the autofilled one.
        if (memo && (!newRow || !memo->text().isEmpty()))
            registerModel->setEntryText(RegisterModel::MemoSlot, memo->text());
        // Both lines changed behind setData's back; the row paints them.
        registerModel->notifyRowChanged(index.row());
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QString text = combo->currentText();
        model->setData(index, text, Qt::EditRole);
        if (registerModel) {
            // The id must name the text shown: typing over a selected item
            // leaves that item current while the text no longer matches it.
            int item = combo->currentIndex();
            if (combo->itemText(item) != text)
                item = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
            registerModel->setEntryText(RegisterModel::CategoryIdSlot,
                                        item >= 0 ? combo->itemData(item).toString() : QString());
        }
    } else if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
        QString text = lineEdit->text();
        const int column = index.column();
        if (column == RegisterModel::PaymentColumn || column == RegisterModel::DepositColumn) {
            // Text that is no amount stays as typed, for the commit to refuse
            // rather than to save as 0.00.
            const Currency currency = registerModel ? registerModel->currency() : Currency::USD;
            if (readTypedAmount(text, currency))
                text = committedAmountText(text, currency);
        }
        model->setData(index, text, Qt::EditRole);
        if (column == RegisterModel::PayeeColumn)
            autofillOnCommit(registerModel, index, text);
    }
}

void RegisterDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    if (!m_twoLine) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    if (editor->objectName() == kPayeeMemoEditor)
        editor->setGeometry(option.rect);
    else
        editor->setGeometry(QRect(option.rect.left(), option.rect.top(), option.rect.width(), kFirstLineHeight));
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_twoLine)
        size.setHeight(kTwoLineRowHeight);
    return size;
}

void RegisterDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The row panel under the cell, as the table draws it before the cell
    // unless its style leaves it here: then only a cell drawn anew needs it,
    // as a kept image holds it already.
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const auto* tableStyle = qobject_cast<const RegisterTableStyle*>(style);
    const bool panelLeft = tableStyle && tableStyle->leavesRowPanel(painter, option.widget);
    const auto drawPanel = [&](QPainter* on) {
        if (tableStyle)
            tableStyle->drawRowPanel(&option, on, option.widget);
        else
            style->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, on, option.widget);
    };
    if (m_twoLine) {
        if (panelLeft)
            drawPanel(painter);
        paintTwoLine(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    primeTextBrush(&item.palette, index);
    initStyleOption(&item, index);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    const QRect textRect = item.rect.adjusted(margin, 0, -margin, 0);
    const RegisterCellText::Line* line = nullptr;
    if (!item.text.isEmpty()) {
        line = m_cellText.line(textRect, item.text, item.font, item.displayAlignment, item.textElideMode,
                               item.direction, item.features.testFlag(QStyleOptionViewItem::WrapText));
        // Text on several lines is rare enough to leave to the style whole.
        if (!line) {
            if (panelLeft)
                drawPanel(painter);
            style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
            return;
        }
    }
    // The style draws the cell's background and selection, the text comes laid
    // out from the cache (shaping every visible cell again was most of a
    // repaint's time), then the focus frame goes over both, as the style would.
    const bool focused = item.state.testFlag(QStyle::State_HasFocus);
    const QPalette::ColorGroup group =
        item.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    const bool selected = item.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup textGroup =
        group == QPalette::Normal && !item.state.testFlag(QStyle::State_Active) ? QPalette::Inactive : group;
    const QColor textColor = item.palette.color(textGroup, selected ? QPalette::HighlightedText : QPalette::Text);
    const bool decorated =
        item.features & (QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration);
    const std::optional<RegisterCellImages::Look> look =
        decorated ? std::nullopt : cellLook(painter, option, item, textRect, line, textColor);
    // From here on the item is the cell's background: the text comes from the
    // cache, the focus frame after. It is not copied, as most cells paint from
    // an image and need neither.
    QStyleOptionViewItem& background = item;
    background.text.clear();
    background.features &= ~QStyleOptionViewItem::HasDisplay;
    background.state &= ~QStyle::State_HasFocus;
    const auto drawCell = [&](QPainter* on) {
        // Drawn on the view, not on an image made over the panel.
        if (panelLeft && on == painter)
            drawPanel(on);
        // Without a text, a check box or an icon, the item the style would draw
        // is its panel alone; asked for that, it lays out none of the three first.
        if (decorated)
            style->drawControl(QStyle::CE_ItemViewItem, &background, on, background.widget);
        else
            style->drawPrimitive(QStyle::PE_PanelItemViewItem, &background, on, background.widget);
        if (line) {
            on->save();
            on->setClipRect(background.rect);
            on->setPen(textColor);
            RegisterCellText::draw(on, textRect, *line);
            on->restore();
        }
    };
    if (look) {
        m_cellImages.paint(painter, background.rect, *look, drawPanel, drawCell);
    } else {
        drawCell(painter);
    }
    if (focused) {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(background);
        frame.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &background, background.widget);
        frame.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item | QStyle::State_HasFocus;
        frame.backgroundColor = background.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
        // With a clip rectangle of its own, Qt's raster engine strokes the
        // frame straight into the pixels. Without one, it hands the stroke's
        // spans in parts to its thread pool and waits for them, which took
        // longer than the drawing. The pixels are the same either way.
        painter->save();
        painter->setClipRect(background.rect, Qt::IntersectClip);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, background.widget);
        painter->restore();
    }
}

void RegisterDelegate::primeTextBrush(QPalette* palette, const QModelIndex& index) const
{
    // Setting a brush on a shared palette copies all of its brushes, for every
    // coloured cell of every repaint; a palette kept with the brush set shares them.
    const QVariant foreground = index.data(Qt::ForegroundRole);
    const int type = foreground.typeId();
    if (type != QMetaType::QColor && type != QMetaType::QBrush)
        return;
    const QBrush brush = qvariant_cast<QBrush>(foreground);
    if (brush.style() != Qt::SolidPattern)
        return;
    const std::pair key(palette->cacheKey(), brush.color().rgba());
    auto kept = m_textPalettes.constFind(key);
    if (kept == m_textPalettes.cend()) {
        if (m_textPalettes.size() >= kMaxTextPalettes)
            m_textPalettes.clear();
        QPalette primed = *palette;
        primed.setBrush(QPalette::Text, brush);
        kept = m_textPalettes.insert(key, primed);
    }
    *palette = *kept;
}

std::optional<RegisterCellImages::Look> RegisterDelegate::cellLook(const QPainter* painter,
                                                                   const QStyleOptionViewItem& option,
                                                                   const QStyleOptionViewItem& item,
                                                                   const QRect& textRect,
                                                                   const RegisterCellText::Line* line,
                                                                   const QColor& textColor)
{
    // Only in a table's own repaint is known what lies under a cell: the
    // viewport's background with the row panel the table draws over it.
    const auto* table = qobject_cast<const QTableView*>(option.widget);
    if (!table || painter->device() != table->viewport() || !table->viewport()->autoFillBackground())
        return std::nullopt;
    const QBrush& base = table->viewport()->palette().brush(table->viewport()->backgroundRole());
    const Qt::BrushStyle panel = item.backgroundBrush.style();
    if (base.style() != Qt::SolidPattern || (panel != Qt::NoBrush && panel != Qt::SolidPattern))
        return std::nullopt;
    RegisterCellImages::Look look;
    if (line) {
        look.text = line->serial;
        look.textOrigin = textRect.topLeft() + QPoint(0, line->top) - item.rect.topLeft();
        look.textColor = textColor.rgba();
    }
    look.base = base.color().rgba();
    look.panel = panel == Qt::SolidPattern ? item.backgroundBrush.color().rgba() : 0;
    look.palette = option.palette.cacheKey();
    look.state = int(item.state);
    look.features = int(item.features);
    return look;
}

void RegisterDelegate::paintTwoLine(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const int column = index.column();
    const QVariant backgroundData = index.data(Qt::BackgroundRole);
    const QColor background =
        backgroundData.isValid()
            ? backgroundData.value<QColor>()
            : item.palette.color(index.row() % 2 == 0 ? QPalette::Base : QPalette::AlternateBase);
    item.backgroundBrush = background;

    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    const QRect cell = option.rect;
    const QRect textRect = cell.adjusted(kTextInset, 0, -kTextInset, 0);
    Qt::Alignment alignment = Qt::AlignLeft;
    if (column == RegisterModel::PayeeColumn) {
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
    } else {
        QStyleOptionViewItem firstLine = item;
        firstLine.rect.setHeight(kFirstLineHeight);
        style->drawControl(QStyle::CE_ItemViewItem, &firstLine, painter, item.widget);
        painter->fillRect(QRect(cell.left(), cell.top() + kFirstLineHeight, cell.width(),
                                cell.height() - kFirstLineHeight),
                          background);
        if (column == RegisterModel::PaymentColumn || column == RegisterModel::DepositColumn
            || column == RegisterModel::BalanceColumn)
            alignment = Qt::AlignRight;
        else if (column == RegisterModel::ClearedColumn)
            alignment = Qt::AlignHCenter;
    }

    const bool selected = item.state.testFlag(QStyle::State_Selected);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    QColor pen = item.palette.color(QPalette::Text);
    if (selected)
        pen = item.palette.color(QPalette::HighlightedText);
    else if (foreground.isValid())
        pen = foreground.value<QColor>();

    const QString text = index.data(Qt::DisplayRole).toString();
    if (column == RegisterModel::BalanceColumn && balanceTextIsNegative(text))
        pen = negativeAmountColor();
    painter->save();
    painter->setFont(item.font);
    painter->setPen(pen);
    painter->drawText(QRect(textRect.left(), textRect.top(), textRect.width(), kFirstLineHeight),
                      int(alignment | Qt::AlignVCenter), text);

    const QString memo = index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::DisplayRole).toString();
    if ((column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn)
        && registerModelOf(index.model()) && !memo.isEmpty()) {
        QFont memoFont = item.font;
        memoFont.setItalic(true);
        if (memoFont.pointSize() > 0)
            memoFont.setPointSize(std::max(7, memoFont.pointSize() - 1));
        painter->setFont(memoFont);
        painter->setPen(selected ? item.palette.color(QPalette::HighlightedText) : mutedTextColor());
        // A long memo runs on under the Category column: one line from the
        // payee's text to the category's, of which each cell draws its own
        // part. Drawn whole by both, it was drawn twice under the payee, and
        // darker there than after a repaint of the payee cell alone.
        QRect secondLine(textRect.left(), cell.top() + kFirstLineHeight, textRect.width(),
                         cell.height() - kFirstLineHeight);
        if (const auto* table = qobject_cast<const QTableView*>(item.widget)) {
            const QHeaderView* header = table->horizontalHeader();
            const int payeeLeft = header->sectionViewportPosition(RegisterModel::PayeeColumn);
            const int offset = header->sectionViewportPosition(column) - payeeLeft;
            secondLine.setLeft(cell.left() - offset + kTextInset);
            if (!header->isSectionHidden(RegisterModel::CategoryColumn)) {
                const int categoryEnd = header->sectionViewportPosition(RegisterModel::CategoryColumn)
                                        + header->sectionSize(RegisterModel::CategoryColumn);
                secondLine.setRight(cell.left() - offset + (categoryEnd - payeeLeft) - kTextInset - 1);
            }
        }
        painter->setClipRect(cell, Qt::IntersectClip);
        painter->drawText(secondLine, int(Qt::AlignLeft | Qt::AlignVCenter), memo);
    }
    painter->restore();
}
