#include "RegisterColumnLayout.h"

#include "RegisterDelegate.h"
#include "RegisterModel.h"
#include "RegisterTableView.h"

#include "data/Account.h"
#include "data/PreferencesRepository.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"

#include <QHeaderView>
#include <QMenu>
#include <QSettings>

#include <array>

namespace {

const QString kSettingsGroup = QStringLiteral("register");
const QString kSortColumnKey = QStringLiteral("register/sortColumn");
const QString kSortOrderKey = QStringLiteral("register/sortOrder");
const QString kShowBalance = QStringLiteral("registerShowBalance");
const QString kNewestFirst = QStringLiteral("registerNewestFirst");
const QString kTwoLine = QStringLiteral("registerTwoLine");
const QString kHighlightOverdrawn = QStringLiteral("registerHighlightOverdrawn");

constexpr std::array<int, RegisterModel::ColumnCount> kDefaultWidths = {130, 60, 250, 180, 180, 100, 100, 35, 110};
constexpr int kRowHeight = 36;
constexpr int kTwoLineExtraHeight = 16;

QString widthKey(int column)
{
    return QStringLiteral("register/colWidth/%1").arg(column);
}

QString hiddenKey(int column)
{
    return QStringLiteral("register/colHidden/%1").arg(column);
}

} // namespace

RegisterColumnLayout::RegisterColumnLayout(AppState* state, RegisterTableView* table, RegisterModel* model,
                                           RegisterDelegate* delegate, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_table(table)
    , m_model(model)
    , m_delegate(delegate)
{
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(24);
    m_table->setSortingEnabled(true);
    header->setSortIndicatorShown(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);

    // Connected only now: turning sorting on sorts once, which is no choice of the user's.
    connect(header, &QHeaderView::customContextMenuRequested, this, &RegisterColumnLayout::showHeaderMenu);
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int newSize) { saveColumnWidth(column, newSize); });
    connect(m_model, &RegisterModel::sortChanged, this, [this](int column, Qt::SortOrder order) {
        saveSortOrder(column, order);
        // The current cell went with its transaction, wherever the new order put it.
        m_table->scrollTo(m_table->currentIndex());
    });
    connect(m_state->preferencesRepository, &PreferencesRepository::changed, this, [this](const QString& key) {
        if (key != kNewestFirst)
            return;
        const bool newestFirst = m_state->preferencesRepository->getBool(kNewestFirst, false);
        m_table->sortByColumn(RegisterModel::DateColumn, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
}

void RegisterColumnLayout::restore()
{
    const QSettings settings;
    m_restoring = true;
    const int scale = currentFontScale();
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        int width = kDefaultWidths.at(column);
        if (scale > 100)
            width = scale * width / 100;
        bool stored = false;
        const int storedWidth = settings.value(widthKey(column)).toInt(&stored);
        m_table->horizontalHeader()->resizeSection(column, stored && storedWidth > 0 ? storedWidth : width);
    }
    const bool showBalance = m_state->preferencesRepository->getBool(kShowBalance, true);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        bool hidden = column != RegisterModel::DateColumn && settings.value(hiddenKey(column), false).toBool();
        if (column == RegisterModel::BalanceColumn)
            hidden = !showBalance;
        m_table->setColumnHidden(column, hidden);
    }
    m_restoring = false;

    int column = RegisterModel::DateColumn;
    Qt::SortOrder order = Qt::AscendingOrder;
    if (!settings.contains(kSortColumnKey)) {
        if (m_state->preferencesRepository->getBool(kNewestFirst, false))
            order = Qt::DescendingOrder;
    } else {
        column = settings.value(kSortColumnKey, 0).toInt();
        if (column < 0 || column >= RegisterModel::ColumnCount)
            column = RegisterModel::DateColumn;
        if (settings.value(kSortOrderKey, 0).toInt() == Qt::DescendingOrder)
            order = Qt::DescendingOrder;
    }
    m_table->sortByColumn(column, order);
}

void RegisterColumnLayout::reset()
{
    QSettings().remove(kSettingsGroup);
    restore();
}

void RegisterColumnLayout::saveColumnWidth(int column, int newSize)
{
    // Hiding a column first shrinks it to nothing, which is no width the user chose.
    if (m_restoring || newSize == 0)
        return;
    QSettings().setValue(widthKey(column), newSize);
}

void RegisterColumnLayout::saveSortOrder(int column, Qt::SortOrder order)
{
    QSettings settings;
    // Every start sorts as stored; writing the same back would cost a write of the settings file.
    if (settings.contains(kSortColumnKey) && settings.value(kSortColumnKey).toInt() == column
        && settings.value(kSortOrderKey).toInt() == static_cast<int>(order))
        return;
    settings.setValue(kSortColumnKey, column);
    settings.setValue(kSortOrderKey, static_cast<int>(order));
}

void RegisterColumnLayout::showHeaderMenu(const QPoint& pos)
{
    QMenu menu(m_table);
    menu.addSection(tr("Show columns"));
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        QAction* action = menu.addAction(m_model->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!m_table->isColumnHidden(column));
        action->setEnabled(column != RegisterModel::DateColumn
                           && !(column == RegisterModel::MemoColumn && m_model->isTwoLine()));
        connect(action, &QAction::toggled, this, [this, column](bool checked) { setColumnShown(column, checked); });
    }
    menu.addSeparator();
    menu.addAction(tr("Reset register layout"), this, &RegisterColumnLayout::reset);
    menu.exec(m_table->horizontalHeader()->viewport()->mapToGlobal(pos));
}

void RegisterColumnLayout::setColumnShown(int column, bool shown)
{
    // The balance column is a preference, which the main window brings back here.
    if (column == RegisterModel::BalanceColumn) {
        m_state->preferencesRepository->setBool(kShowBalance, shown);
        return;
    }
    m_table->setColumnHidden(column, !shown);
    QSettings().setValue(hiddenKey(column), !shown);
}

void RegisterColumnLayout::setTwoLineMode(bool on)
{
    m_delegate->setTwoLine(on);
    m_table->setColumnHidden(RegisterModel::MemoColumn,
                             on || QSettings().value(hiddenKey(RegisterModel::MemoColumn), false).toBool());
    m_model->setTwoLine(on);
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight + (on ? kTwoLineExtraHeight : 0));
    m_table->viewport()->update();
}

void RegisterColumnLayout::applyDisplayPreferences(const Account& account)
{
    const PreferencesRepository* preferences = m_state->preferencesRepository;
    setTwoLineMode(preferences->getBool(kTwoLine, false));
    const bool showBalance = preferences->getBool(kShowBalance, true);
    m_table->setColumnHidden(RegisterModel::BalanceColumn, !showBalance);
    const bool liability = isLiabilityAccount(account.accountType);
    m_model->setEmphasizeNegativeBalance(showBalance && !liability);
    m_model->setHighlightOverdrawn(preferences->getBool(kHighlightOverdrawn, true));
    m_model->setLiabilityAccount(liability);
    m_model->setCurrency(account.currency);
}
