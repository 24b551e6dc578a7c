#include "RegisterFilterDialog.h"

#include "CategoryItems.h"
#include "TypedInputCheck.h"

#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "state/AppState.h"
#include "widgets/DateField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

RegisterFilterDialog::RegisterFilterDialog(AppState* state, const RegisterFilter& filter, QWidget* parent)
    : QDialog(parent)
    , m_allRadio(new QRadioButton(tr("All"), this))
    , m_clearedRadio(new QRadioButton(tr("Cleared"), this))
    , m_unclearedRadio(new QRadioButton(tr("Uncleared"), this))
    , m_dateRangeCheck(new QCheckBox(tr("Limit to a date range"), this))
    , m_fromField(new DateField(this))
    , m_toField(new DateField(this))
    , m_categoryCombo(new QComboBox(this))
    , m_inputCheck(new TypedInputCheck(this))
    , m_problemLabel(inputProblemLabel(this))
{
    setWindowTitle(tr("Filters"));
    m_allRadio->setObjectName(QStringLiteral("allRadio"));
    m_clearedRadio->setObjectName(QStringLiteral("clearedRadio"));
    m_unclearedRadio->setObjectName(QStringLiteral("unclearedRadio"));
    m_dateRangeCheck->setObjectName(QStringLiteral("dateRangeCheck"));
    m_fromField->setObjectName(QStringLiteral("fromDateField"));
    m_toField->setObjectName(QStringLiteral("toDateField"));
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    auto* status = new QHBoxLayout;
    status->addWidget(m_allRadio);
    status->addWidget(m_clearedRadio);
    status->addWidget(m_unclearedRadio);
    status->addStretch();
    form->addRow(tr("Status:"), status);
    form->addRow(m_dateRangeCheck);
    auto* dates = new QHBoxLayout;
    dates->addWidget(m_fromField);
    dates->addWidget(new QLabel(tr("to"), this));
    dates->addWidget(m_toField);
    form->addRow(tr("Dates:"), dates);
    form->addRow(tr("Category:"), m_categoryCombo);

    m_fromField->setEnabled(false);
    m_toField->setEnabled(false);
    connect(m_dateRangeCheck, &QCheckBox::toggled, m_fromField, &QWidget::setEnabled);
    connect(m_dateRangeCheck, &QCheckBox::toggled, m_toField, &QWidget::setEnabled);
    m_inputCheck->watch(m_fromField);
    m_inputCheck->watch(m_toField);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Done"));
    QPushButton* clearAll = buttons->addButton(tr("Clear All"), QDialogButtonBox::ResetRole);
    clearAll->setObjectName(QStringLiteral("clearAllButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(clearAll, &QPushButton::clicked, this, [this] { setFilter(RegisterFilter()); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problemLabel);
    layout->addSpacing(12);
    layout->addWidget(buttons);

    m_categoryCombo->addItem(tr("All Categories"), QString());
    addCategoryItems(m_categoryCombo, state->categoryRepository->listAll());
    setFilter(filter);
}

void RegisterFilterDialog::setFilter(const RegisterFilter& filter)
{
    QRadioButton* status = m_allRadio;
    if (filter.cleared)
        status = *filter.cleared ? m_clearedRadio : m_unclearedRadio;
    status->setChecked(true);
    m_dateRangeCheck->setChecked(filter.dateFrom.isValid() || filter.dateTo.isValid());
    const QDate today = Clock::today();
    m_fromField->setDate(filter.dateFrom.isValid() ? filter.dateFrom : today.addMonths(-1));
    m_toField->setDate(filter.dateTo.isValid() ? filter.dateTo : today);
    const int category = filter.categoryId.isEmpty() ? 0 : m_categoryCombo->findData(filter.categoryId);
    m_categoryCombo->setCurrentIndex(std::max(category, 0));
}

void RegisterFilterDialog::accept()
{
    if (m_inputCheck->allRead(m_problemLabel))
        QDialog::accept();
}

RegisterFilter RegisterFilterDialog::filter() const
{
    RegisterFilter filter;
    if (m_clearedRadio->isChecked())
        filter.cleared = true;
    else if (m_unclearedRadio->isChecked())
        filter.cleared = false;
    if (m_dateRangeCheck->isChecked()) {
        filter.dateFrom = m_fromField->parsedDate();
        filter.dateTo = m_toField->parsedDate();
    }
    filter.categoryId = m_categoryCombo->currentData().toString();
    return filter;
}
