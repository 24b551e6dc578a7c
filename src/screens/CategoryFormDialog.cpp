#include "CategoryFormDialog.h"

#include "data/Clock.h"
#include "data/Identifiers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CategoryFormDialog::CategoryFormDialog(const QString& parentId, const QString& parentName, QWidget* parent)
    : QDialog(parent)
    , m_parentId(parentId)
{
    setWindowTitle(parentId.isEmpty() ? tr("New Category") : tr("New Subcategory"));
    buildForm(parentName);
}

CategoryFormDialog::CategoryFormDialog(const Category& category, const QString& parentName, QWidget* parent)
    : QDialog(parent)
    , m_category(category)
    , m_parentId(category.parentId)
    , m_editing(true)
{
    setWindowTitle(tr("Edit Category"));
    buildForm(parentName);
    fillForm();
}

void CategoryFormDialog::buildForm(const QString& parentName)
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    if (!parentName.isEmpty()) {
        auto* parentLabel = new QLabel(parentName, this);
        parentLabel->setObjectName(QStringLiteral("parentLabel"));
        parentLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(tr("&Parent:"), parentLabel);
    }

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setPlaceholderText(tr("Category name"));
    form->addRow(tr("&Name:"), m_nameEdit);

    m_typeCombo = new QComboBox(this);
    m_typeCombo->setObjectName(QStringLiteral("typeCombo"));
    m_typeCombo->addItem(tr("Expense"), categoryTypeToString(CategoryType::Expense));
    m_typeCombo->addItem(tr("Income"), categoryTypeToString(CategoryType::Income));
    // Transfer categories are made by the program, not here; an edit must not
    // quietly turn one into an expense, so only such a category offers its type.
    if (m_editing && m_category.categoryType == CategoryType::Transfer)
        m_typeCombo->addItem(tr("Transfer"), categoryTypeToString(CategoryType::Transfer));
    form->addRow(tr("&Type:"), m_typeCombo);

    m_taxRelevantCheck = new QCheckBox(tr("Tax-relevant"), this);
    m_taxRelevantCheck->setObjectName(QStringLiteral("taxRelevantCheckBox"));
    m_taxRelevantCheck->setToolTip(tr("Mark this category for inclusion in tax-time reports."));
    form->addRow(QString(), m_taxRelevantCheck);

    m_taxCodeEdit = new QLineEdit(this);
    m_taxCodeEdit->setObjectName(QStringLiteral("taxCodeEdit"));
    m_taxCodeEdit->setPlaceholderText(tr("e.g. charitable_contributions, mortgage_interest"));
    m_taxCodeLabel = new QLabel(tr("Tax &Code:"), this);
    m_taxCodeLabel->setBuddy(m_taxCodeEdit);
    form->addRow(m_taxCodeLabel, m_taxCodeEdit);

    connect(m_taxRelevantCheck, &QCheckBox::toggled, this, &CategoryFormDialog::applyTaxRelevance);
    applyTaxRelevance(m_taxRelevantCheck->isChecked());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    setMinimumWidth(420);
    m_nameEdit->setFocus();
}

void CategoryFormDialog::fillForm()
{
    m_nameEdit->setText(m_category.name);
    const int typeIndex = m_typeCombo->findData(categoryTypeToString(m_category.categoryType));
    m_typeCombo->setCurrentIndex(typeIndex >= 0 ? typeIndex : 0);
    m_taxRelevantCheck->setChecked(m_category.isTaxRelevant);
    m_taxCodeEdit->setText(m_category.taxCategory);
    setTaxCodeEnabled(m_category.isTaxRelevant);
}

void CategoryFormDialog::setTaxCodeEnabled(bool enabled)
{
    m_taxCodeLabel->setEnabled(enabled);
    m_taxCodeEdit->setEnabled(enabled);
}

void CategoryFormDialog::applyTaxRelevance(bool relevant)
{
    setTaxCodeEnabled(relevant);
    if (!relevant)
        m_taxCodeEdit->clear();
}

Category CategoryFormDialog::category() const
{
    Category result = m_category;
    const QDateTime now = Clock::nowUtc();
    if (!m_editing) {
        result.id = newId();
        result.createdAt = now;
    }
    result.name = m_nameEdit->text().trimmed();
    result.categoryType = categoryTypeFromString(m_typeCombo->currentData().toString());
    result.parentId = m_parentId;
    result.isTaxRelevant = m_taxRelevantCheck->isChecked();
    result.taxCategory = result.isTaxRelevant ? m_taxCodeEdit->text().trimmed() : QString();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}
