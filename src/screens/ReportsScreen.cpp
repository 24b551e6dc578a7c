#include "ReportsScreen.h"

#include "ReportPeriods.h"
#include "ReportTableModel.h"
#include "ReportTables.h"

#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "services/ReportService.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"
#include "widgets/LedgerWatch.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

enum Tab {
    CategorySpendingTab,
    PayeeSummaryTab,
    TaxReportTab,
    IncomeVsExpensesTab,
    CashFlowTab,
    YearOverYearTab,
    AccountSummaryTab,
    TransactionsTab,
};

const char* const kExportFileNames[] = {
    "category_spending.csv", "payee_summary.csv",  "tax_report.csv",      "income_vs_expenses.csv",
    "cash_flow.csv",         "year_over_year.csv", "account_summary.csv", "transactions.csv",
};

QString shortDate(QDate date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString rangeText(QDate from, QDate to)
{
    return QStringLiteral("%1 – %2").arg(shortDate(from), shortDate(to));
}

} // namespace

ReportsScreen::ReportsScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    auto* title = new QLabel(tr("Reports"), this);
    applyFontRole(title, 5);
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addLayout(buildFilterBar());

    m_mixedCurrencyNotice = new QLabel(this);
    m_mixedCurrencyNotice->setObjectName(QStringLiteral("mixedCurrencyNotice"));
    m_mixedCurrencyNotice->setWordWrap(true);
    m_mixedCurrencyNotice->hide();
    layout->addWidget(m_mixedCurrencyNotice);
    layout->addSpacing(8);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("reportTabs"));
    layout->addWidget(m_tabs, 1);
    m_tabs->addTab(newReportTable("categoryTable", {tr("Category"), tr("Total")}, {1}), tr("Category Spending"));
    m_tabs->addTab(newReportTable("payeeTable", {tr("Payee"), tr("Total"), tr("Count")}, {1, 2}),
                   tr("Payee Summary"));
    m_tabs->addTab(newReportTable("taxTable", {tr("Category"), tr("Tax Code"), tr("Total")}, {2}), tr("Tax Report"));
    m_tabs->addTab(newReportTable("incomeExpenseTable", {tr("Month"), tr("Income"), tr("Expenses"), tr("Net")},
                                  {1, 2, 3}),
                   tr("Income vs Expenses"));
    m_tabs->addTab(newReportTable("cashFlowTable", {tr("Month"), tr("Inflows"), tr("Outflows"), tr("Net")},
                                  {1, 2, 3}),
                   tr("Cash Flow"));
    m_tabs->addTab(buildComparisonTab(newReportTable(
                       "yoyTable", {tr("Category"), tr("Period 1"), tr("Period 2"), tr("Difference")}, {1, 2, 3})),
                   tr("Year-over-Year"));
    m_tabs->addTab(newReportTable("accountSummaryTable",
                                  {tr("Account"), tr("Type"), tr("Cleared"), tr("Uncleared"), tr("Total")},
                                  {2, 3, 4}),
                   tr("Account Summary"));
    m_tabs->addTab(newReportTable("transactionsTable",
                                  {tr("Date"), tr("Account"), tr("Payee"), tr("Category"), tr("Memo"), tr("Amount")},
                                  {5}),
                   tr("Transactions"));

    connect(m_tabs, &QTabWidget::currentChanged, this, &ReportsScreen::onFilterChanged);

    new LedgerWatch(
        m_state, LedgerPart::Accounts | LedgerPart::Categories | LedgerPart::Transactions,
        [this] {
            // A hidden window catches up in refresh() when it is shown again.
            if (isVisible())
                refresh();
        },
        this);

    applyPreset(0);
    m_updating = false;
}

QLayout* ReportsScreen::buildFilterBar()
{
    auto* bar = new QHBoxLayout;
    bar->setSpacing(8);
    bar->addWidget(new QLabel(tr("Account:"), this));
    m_accountCombo = new QComboBox(this);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_accountCombo->setMinimumWidth(140);
    bar->addWidget(m_accountCombo);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(tr("Period:"), this));
    m_periodCombo = new QComboBox(this);
    m_periodCombo->setObjectName(QStringLiteral("periodCombo"));
    m_periodCombo->setMinimumWidth(130);
    for (const ReportPeriod& preset : reportPeriodPresets(Clock::today()))
        m_periodCombo->addItem(preset.name);
    bar->addWidget(m_periodCombo);
    m_rangeLabel = new QLabel(this);
    m_rangeLabel->setObjectName(QStringLiteral("rangeLabel"));
    m_rangeLabel->setStyleSheet(mutedTextStyleSheet());
    bar->addWidget(m_rangeLabel);
    m_fromEdit = addDateEdit("fromEdit");
    m_toEdit = addDateEdit("toEdit");
    m_fromEdit->hide();
    m_toEdit->hide();
    bar->addWidget(m_fromEdit);
    bar->addWidget(m_toEdit);
    bar->addStretch();
    auto* exportButton = new QPushButton(tr("Export CSV"), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    bar->addWidget(exportButton);

    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_periodCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    connect(exportButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);
    return bar;
}

QWidget* ReportsScreen::buildComparisonTab(QTableView* table)
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(new QLabel(tr("Compare:"), page));
    m_yoyModeCombo = new QComboBox(page);
    m_yoyModeCombo->setObjectName(QStringLiteral("yoyModeCombo"));
    m_yoyModeCombo->addItems({tr("This Year vs Last Year"), tr("Last Year vs Year Before"),
                              tr("This Quarter vs Last Quarter"), tr("Custom")});
    row->addWidget(m_yoyModeCombo);
    row->addSpacing(12);
    m_yoyPeriodsLabel = new QLabel(page);
    m_yoyPeriodsLabel->setObjectName(QStringLiteral("yoyPeriodsLabel"));
    m_yoyPeriodsLabel->setStyleSheet(mutedTextStyleSheet());
    row->addWidget(m_yoyPeriodsLabel);

    m_yoyCustomRange = new QWidget(page);
    m_yoyCustomRange->setObjectName(QStringLiteral("yoyCustomRange"));
    auto* range = new QHBoxLayout(m_yoyCustomRange);
    range->setContentsMargins(0, 0, 0, 0);
    m_p1FromEdit = addDateEdit("p1FromEdit");
    m_p1ToEdit = addDateEdit("p1ToEdit");
    m_p2FromEdit = addDateEdit("p2FromEdit");
    m_p2ToEdit = addDateEdit("p2ToEdit");
    range->addWidget(new QLabel(tr("P1:"), m_yoyCustomRange));
    range->addWidget(m_p1FromEdit);
    range->addWidget(new QLabel(QStringLiteral("–"), m_yoyCustomRange));
    range->addWidget(m_p1ToEdit);
    range->addSpacing(12);
    range->addWidget(new QLabel(tr("P2:"), m_yoyCustomRange));
    range->addWidget(m_p2FromEdit);
    range->addWidget(new QLabel(QStringLiteral("–"), m_yoyCustomRange));
    range->addWidget(m_p2ToEdit);
    m_yoyCustomRange->hide();
    row->addWidget(m_yoyCustomRange);
    row->addStretch();

    layout->addLayout(row);
    layout->addWidget(table, 1);
    applyComparisonMode(0);
    connect(m_yoyModeCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onComparisonModeChanged);
    return page;
}

QTableView* ReportsScreen::newReportTable(const char* name, const QStringList& headers,
                                          const QList<int>& rightAligned)
{
    auto* model = new ReportTableModel(headers, rightAligned, this);
    m_models.append(model);
    auto* table = new QTableView(this);
    table->setObjectName(QLatin1String(name));
    table->setModel(model);
    table->setAlternatingRowColors(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setShowGrid(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(36);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QDateEdit* ReportsScreen::addDateEdit(const char* name)
{
    auto* edit = new QDateEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setLocale(QLocale());
    edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setFirstDayOfWeek(localeFirstDayOfWeek());
    connect(edit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    return edit;
}

void ReportsScreen::refresh()
{
    m_updating = true;
    refillAccounts();
    m_updating = false;
    runReport();
}

void ReportsScreen::onDatePresetChanged(int index)
{
    applyPreset(index);
    if (!m_updating)
        runReport();
}

void ReportsScreen::onFilterChanged()
{
    if (!m_updating)
        runReport();
}

void ReportsScreen::onComparisonModeChanged(int index)
{
    applyComparisonMode(index);
    if (!m_updating)
        runReport();
}

void ReportsScreen::applyPreset(int index)
{
    const QList<ReportPeriod> presets = reportPeriodPresets(Clock::today());
    if (index < 0 || index >= presets.size())
        return;
    const ReportPeriod& preset = presets.at(index);
    // Custom starts from the dates the previous preset left in the edits.
    m_fromEdit->setVisible(preset.isCustom());
    m_toEdit->setVisible(preset.isCustom());
    m_rangeLabel->setVisible(!preset.isCustom());
    if (preset.isCustom())
        return;
    {
        const QScopedValueRollback<bool> updating(m_updating, true);
        m_fromEdit->setDate(preset.from);
        m_toEdit->setDate(preset.to);
    }
    m_rangeLabel->setText(rangeText(preset.from, preset.to));
}

void ReportsScreen::applyComparisonMode(int index)
{
    const auto mode = static_cast<ComparisonMode>(index);
    m_yoyCustomRange->setVisible(mode == ComparisonMode::Custom);
    m_yoyPeriodsLabel->setVisible(mode != ComparisonMode::Custom);
    const std::optional<ComparisonPeriods> periods = comparisonPeriods(mode, Clock::today());
    if (!periods)
        return;
    const QScopedValueRollback<bool> updating(m_updating, true);
    m_p1FromEdit->setDate(periods->period1From);
    m_p1ToEdit->setDate(periods->period1To);
    m_p2FromEdit->setDate(periods->period2From);
    m_p2ToEdit->setDate(periods->period2To);
    m_yoyPeriodsLabel->setText(tr("P1: %1 – %2    P2: %3 – %4")
                                   .arg(shortDate(periods->period1From), shortDate(periods->period1To),
                                        shortDate(periods->period2From), shortDate(periods->period2To)));
}

void ReportsScreen::refillAccounts()
{
    m_accountCombo->clear();
    m_accountCombo->addItem(tr("All Accounts"), QString());
    for (const Account& account : m_state->accountRepository->listActive())
        m_accountCombo->addItem(account.name, account.id);
}

void ReportsScreen::runReport()
{
    const ReportService* reports = m_state->reportService;
    const QString accountId = m_accountCombo->currentData().toString();
    const QDate from = m_fromEdit->date();
    const QDate to = m_toEdit->date();
    const ReportCurrency run = reports->runCurrency(accountId);
    // The tax report covers every account whichever one is chosen, so its sums
    // are judged over all of them.
    const ReportCurrency tax = reports->taxReportCurrency();

    if (!run.uniform) {
        m_mixedCurrencyNotice->setText(
            tr("These accounts are held in different currencies, so combined figures would not add up. Choose a "
               "single account to see the category, payee, tax, income and cash-flow reports."));
    } else if (!tax.uniform) {
        m_mixedCurrencyNotice->setText(tr("The tax report covers every account, and they are held in different "
                                          "currencies, so its totals would not add up."));
    }
    m_mixedCurrencyNotice->setVisible(!run.uniform || !tax.uniform);

    if (run.uniform) {
        showCategorySpending(m_models[CategorySpendingTab], reports->categorySpending(from, to, accountId),
                             run.currency);
        showPayeeSummary(m_models[PayeeSummaryTab], reports->payeeSummary(from, to, accountId), run.currency);
    } else {
        m_models[CategorySpendingTab]->clear();
        m_models[PayeeSummaryTab]->clear();
    }
    if (tax.uniform)
        showTaxReport(m_models[TaxReportTab], reports->taxReport(from, to), tax.currency);
    else
        m_models[TaxReportTab]->clear();
    if (run.uniform) {
        showMonthlyTotals(m_models[IncomeVsExpensesTab], reports->incomeVsExpenses(from, to, accountId),
                          run.currency, tr("Total"));
        showMonthlyTotals(m_models[CashFlowTab], reports->cashFlow(from, to, accountId), run.currency, tr("Total"));
        showYearOverYear(m_models[YearOverYearTab],
                         reports->yearOverYear(m_p1FromEdit->date(), m_p1ToEdit->date(), m_p2FromEdit->date(),
                                               m_p2ToEdit->date(), accountId),
                         run.currency);
    } else {
        for (const Tab tab : {IncomeVsExpensesTab, CashFlowTab, YearOverYearTab})
            m_models[tab]->clear();
    }
    showAccountSummary(m_models[AccountSummaryTab], reports->accountSummary());
    showTransactionListing(m_models[TransactionsTab], reports->transactionListing(from, to, accountId, QString()));
}

void ReportsScreen::exportCurrentTab()
{
    const int tab = m_tabs->currentIndex();
    const ReportTableModel* model = m_models.value(tab);
    if (!model || model->rowCount() == 0)
        return;
    const QString path = FileDialog::saveFileName(this, tr("Export CSV"), QLatin1String(kExportFileNames[tab]),
                                                  tr("CSV Files (*.csv)"));
    if (path.isEmpty())
        return;
    QList<QStringList> rows;
    rows.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells.append(model->cellText(row, column));
        rows.append(cells);
    }
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)
        && file.write(ReportService::toCsv(model->headers(), rows).toUtf8()) >= 0 && file.flush();
    // Saying nothing would leave the user believing the report was saved.
    if (!written) {
        MessageBox::warning(this, tr("Export CSV"),
                            tr("The report could not be written to %1: %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}
