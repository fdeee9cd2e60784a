#pragma once
#include <QListView>

// One of the editor's term columns: a view of one column of the rows model.
// userClick() is the list's "click": it fires when the user picks a row with
// the mouse or moves the selection with the keyboard, never when the program
// selects a row. entered() fires when the list receives the focus.
class TermListView : public QListView {
    Q_OBJECT
public:
    explicit TermListView(QWidget *parent = nullptr);

    // The selected row, -1 when none.
    int itemIndex() const;
    // Selects a row, or removes the selection for -1 or a row out of range.
    void setItemIndex(int row);

signals:
    void userClick();
    void entered();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
};
