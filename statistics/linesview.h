#pragma once
#include "statistics/userfiletext.h"

#include <QListView>

namespace statistics {

// A read-only text shown line by line, with both scroll bars. Unlike a text
// editor it lays nothing out ahead: a user file of a million lines shows at
// once, and only the lines on screen are drawn. Selected lines copy with
// Ctrl+C.
class LinesView : public QListView {
    Q_OBJECT
public:
    explicit LinesView(QWidget *parent = nullptr);

    void setText(const UserFileText &text);
    const UserFileText &text() const;
    // The lines joined by line ends, as a text editor would give them.
    QString toPlainText() const;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void measure();

    class Model;
    Model *m_model;
};

} // namespace statistics
