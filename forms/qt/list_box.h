#pragma once

#include <QListWidget>

namespace forms::qt {

// A single-selection list. While nothing is selected, the first arrow key selects the entry
// under the cursor instead of moving past it. Once an entry is chosen one stays chosen: no
// click, Ctrl+click or Ctrl+Space of the user's goes back to nothing selected.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent);

    int selectedRow() const;
    // Programs may still clear the choice.
    void clearChoice();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void keepChoice(const QItemSelection& deselected);
    bool clearing_ = false;
};

}  // namespace forms::qt
