#pragma once
#include <QListWidget>

namespace plat {

// The selected row of a single-selection list, -1 when nothing is selected
// (a current row without selection does not count).
int selectedRow(const QListWidget *list);
// Selects a row, or removes the selection for -1 or a row out of range.
void selectRow(QListWidget *list, int row);

// The list box every window chooses from. It stays a QListWidget; on top:
// - userClick() is the list's "click": it fires when the user changes the
//   selection with the mouse or the keyboard (or clicks an entry again),
//   never when the program sets the selection;
// - with nothing selected, the first Down, Up or Home selects the first
//   entry and End the last, as a list box does: Qt would first move a caret
//   the user cannot see, so that a single entry could not be chosen from the
//   keyboard and Down would choose the second entry;
// - when asked, Enter on an entry is a click too (a list whose click shows
//   something, where the keyboard user expects Enter to show it).
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    int itemIndex() const { return selectedRow(this); }
    void setItemIndex(int row) { selectRow(this, row); }

    // Enter selects the entry the caret is on, if need be, and clicks it.
    void setEnterClicks(bool clicks) { m_enterClicks = clicks; }

signals:
    void userClick();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    bool m_enterClicks = false;
};

} // namespace plat
