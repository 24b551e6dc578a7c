#include "SplitLinesWidget.h"

#include "TypedInputCheck.h"

#include "data/Category.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "state/AppState.h"
#include "widgets/SmartAmountField.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>


namespace {

enum Column { CategoryColumn = 0, AmountColumn = 1, MemoColumn = 2 };

} // namespace

SplitLinesWidget::SplitLinesWidget(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_amountCheck(new TypedInputCheck(this))
{
    m_categories.append({QString(), tr("(none)")});
    for (const Category& category : m_state->categoryRepository->listAll())
        m_categories.append({category.id, category.name});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("splitTable"));
    m_table->setHorizontalHeaderLabels({tr("Category"), tr("Amount"), tr("Memo")});
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(CategoryColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(AmountColumn, QHeaderView::Fixed);
    header->resizeSection(AmountColumn, 120);
    header->setSectionResizeMode(MemoColumn, QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setMinimumHeight(180);
    connect(m_table, &QTableWidget::itemChanged, this, &SplitLinesWidget::changed);
    layout->addWidget(m_table, 1);

    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(tr("+ Add Line"), this);
    add->setObjectName(QStringLiteral("addLineButton"));
    connect(add, &QPushButton::clicked, this, &SplitLinesWidget::addLine);
    auto* remove = new QPushButton(tr("- Remove"), this);
    remove->setObjectName(QStringLiteral("removeLineButton"));
    connect(remove, &QPushButton::clicked, this, &SplitLinesWidget::removeCurrentLine);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons);
}

QComboBox* SplitLinesWidget::categoryCombo(int row) const
{
    return qobject_cast<QComboBox*>(m_table->cellWidget(row, CategoryColumn));
}

SmartAmountField* SplitLinesWidget::amountField(int row) const
{
    return qobject_cast<SmartAmountField*>(m_table->cellWidget(row, AmountColumn));
}

void SplitLinesWidget::addLine()
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);

    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& [id, name] : std::as_const(m_categories))
        combo->addItem(name, id);
    QCompleter* completer = combo->completer();
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), combo, [combo](const QString& text) {
        const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            combo->setCurrentIndex(index);
    });
    combo->installEventFilter(this);
    m_table->setCellWidget(row, CategoryColumn, combo);

    auto* amount = new SmartAmountField;
    amount->keepToTypedLimit(SmartAmountField::Signs::NotNegative);
    amount->setCurrency(m_currency);
    connect(amount, &SmartAmountField::valueChanged, this, &SplitLinesWidget::changed);
    amount->installEventFilter(this);
    m_amountCheck->watch(amount);
    m_table->setCellWidget(row, AmountColumn, amount);

    m_table->setItem(row, MemoColumn, new QTableWidgetItem);
    emit changed();
}

void SplitLinesWidget::removeCurrentLine()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_table->removeRow(row);
    emit changed();
}

bool SplitLinesWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int row = 0; row < m_table->rowCount(); ++row) {
            for (const int column : {CategoryColumn, AmountColumn}) {
                if (m_table->cellWidget(row, column) == watched)
                    m_table->setCurrentCell(row, column);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SplitLinesWidget::setCurrency(Currency currency)
{
    m_currency = currency;
    for (int row = 0; row < m_table->rowCount(); ++row)
        amountField(row)->setCurrency(currency);
}

void SplitLinesWidget::setLines(const QList<SplitLine>& lines)
{
    m_table->setRowCount(0);
    if (lines.isEmpty()) {
        addLine();
        addLine();
    }
    for (const SplitLine& line : lines) {
        addLine();
        const int row = m_table->rowCount() - 1;
        QComboBox* combo = categoryCombo(row);
        // A category that is no longer live opens on "(none)".
        combo->setCurrentIndex(std::max(0, combo->findData(line.categoryId)));
        amountField(row)->setSizeOf(line.amount);
        m_table->item(row, MemoColumn)->setText(line.memo);
    }
    emit changed();
}

qint64 SplitLinesWidget::rowCents(int row) const
{
    return amountField(row)->minorUnits();
}

qint64 SplitLinesWidget::total() const
{
    qint64 sum = 0;
    for (int row = 0; row < m_table->rowCount(); ++row)
        sum += rowCents(row);
    return sum;
}

bool SplitLinesWidget::findNotUnderstood(QString* message)
{
    return m_amountCheck->findNotUnderstood(message);
}

QList<SplitLine> SplitLinesWidget::lines(int sign) const
{
    QList<SplitLine> result;
    const QDateTime now = Clock::nowUtc();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const qint64 cents = rowCents(row);
        if (cents == 0)
            continue;
        SplitLine line;
        line.id = newId();
        line.categoryId = categoryCombo(row)->currentData().toString();
        line.amount = sign < 0 ? -cents : cents;
        line.memo = m_table->item(row, MemoColumn)->text();
        line.createdAt = now;
        line.updatedAt = now;
        result.append(line);
    }
    return result;
}
