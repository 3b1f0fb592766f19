#include "forms/qt/list_box.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace forms::qt {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Entries are as wide as the list was drawn for; a style whose scroll bar is wider must not
    // take a row away for a horizontal one.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection&, const QItemSelection& deselected) {
                keepChoice(deselected);
            });
}

int ListBox::selectedRow() const {
    const auto rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListBox::clearChoice() {
    clearing_ = true;
    clearSelection();
    clearing_ = false;
}

void ListBox::keepChoice(const QItemSelection& deselected) {
    if (clearing_ || deselected.isEmpty() || selectionModel()->hasSelection()) {
        return;
    }
    // Whatever took the choice away (Ctrl+click, Ctrl+Space, a click below the entries), the
    // entry that was chosen stays chosen.
    selectionModel()->select(deselected.indexes().first(),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void ListBox::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    // Qt marks the first entry as current on focus; drawn highlighted, it would look chosen
    // while nothing is selected and Generate would then produce nothing.
    if (!hadCurrent && selectedRow() < 0) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    if (count() > 0 && !currentIndex().isValid()) {
        // Without a current entry Qt would answer every movement key with the first entry;
        // start from it so that End, Page Down and typed letters move as they should.
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    }
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && event->modifiers() == Qt::NoModifier && selectedRow() < 0 && count() > 0) {
        setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace forms::qt
