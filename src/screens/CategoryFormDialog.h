#pragma once

#include "data/Category.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The form for a new top-level category, a new subcategory under a fixed parent,
// or an edit of one category. It validates and writes nothing: the caller reads
// category() after the dialog was accepted and stores it.
class CategoryFormDialog : public QDialog
{
    Q_OBJECT

public:
    // A new category under `parentId` (empty for top level), shown with `parentName`.
    CategoryFormDialog(const QString& parentId, const QString& parentName, QWidget* parent = nullptr);
    // An edit of `category`, whose parent (if any) is shown as `parentName`.
    CategoryFormDialog(const Category& category, const QString& parentName, QWidget* parent = nullptr);

    // The record built from the form; a new category gets a fresh id on every call.
    Category category() const;

private:
    void buildForm(const QString& parentName);
    void fillForm();
    void setTaxCodeEnabled(bool enabled);
    void applyTaxRelevance(bool relevant);

    Category m_category;
    QString m_parentId;
    bool m_editing = false;

    QLineEdit* m_nameEdit = nullptr;
    QComboBox* m_typeCombo = nullptr;
    QCheckBox* m_taxRelevantCheck = nullptr;
    QLabel* m_taxCodeLabel = nullptr;
    QLineEdit* m_taxCodeEdit = nullptr;
};
