#include "RegisterRowHeader.h"

RegisterRowHeader::RegisterRowHeader(QWidget* parent)
    : QHeaderView(Qt::Vertical, parent)
{
    connect(this, &QHeaderView::sectionResized, this, [this](int, int, int height) {
        // Hiding a row makes it 0 high; hidden rows are counted apart.
        if (height != 0 && height != defaultSectionSize())
            m_hadOwnHeight = true;
    });
}

void RegisterRowHeader::setModel(QAbstractItemModel* model)
{
    if (model == this->model())
        return;
    disconnect(m_removals);
    QHeaderView::setModel(model);
    // QHeaderView's own handler of removed rows is a private slot: it is
    // reached by name, and taken over only where this Qt has it.
    if (!model || QHeaderView::staticMetaObject.indexOfSlot("_q_sectionsRemoved(QModelIndex,int,int)") < 0)
        return;
    if (disconnect(model, SIGNAL(rowsRemoved(QModelIndex,int,int)), this,
                   SLOT(_q_sectionsRemoved(QModelIndex,int,int))))
        m_removals = connect(model, &QAbstractItemModel::rowsRemoved, this, &RegisterRowHeader::removeSections);
}

bool RegisterRowHeader::rowsAreAlike() const
{
    return !m_hadOwnHeight && hiddenSectionCount() == 0 && !sectionsMoved();
}

void RegisterRowHeader::removeSections(const QModelIndex& parent, int first, int last)
{
    const int remaining = count() - (last - first + 1);
    if (parent == rootIndex() && first >= 0 && first <= last && last < count() && remaining > 0 && rowsAreAlike()) {
        initializeSections(remaining - 1, remaining - 1);
        return;
    }
    QMetaObject::invokeMethod(this, "_q_sectionsRemoved", Qt::DirectConnection, Q_ARG(QModelIndex, parent),
                              Q_ARG(int, first), Q_ARG(int, last));
}
