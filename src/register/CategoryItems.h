#pragma once

#include "data/Category.h"

#include <QList>

class QComboBox;

// Adds the categories to a picker in the given order, each with its id as item
// data, a child shown as "Parent > Child" when its parent is among them.
void addCategoryItems(QComboBox* combo, const QList<Category>& categories);
