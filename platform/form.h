#pragma once
#include <QColor>
#include <QDialog>

#include <functional>

namespace plat {

// Delphi-style modal results, returned by Desktop::showModal and message boxes.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                   mrYes = 6, mrNo = 7 };

// Base of the program's windows. Every window is a top-level dialog so that it
// can be shown modally or not. activated() runs each time the window becomes
// the program's active window: when shown, and again when a modal window or a
// message box opened over it closes (the desktop interface sees to both).
class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(const QString &name, QWidget *parent = nullptr);

    virtual void activated() {}
    // Ends a modal display with a result, or hides a window shown non-modally.
    void closeWith(int result);
    // Paints the window's background and, when a valid colour is given, its
    // plain texts.
    void setColours(const QColor &window, const QColor &text = QColor());
    // A big activity window: its caption, a close box, white texts on black,
    // the given size until it is shown maximised over the screen.
    void makeMaximisedWindow(const QString &caption, int width, int height);
    // What Escape does in this window: the same as its cancel or quit button.
    // A window without one ignores Escape.
    void setEscapeAction(std::function<void()> action) { m_escape = std::move(action); }
    // Runs the Escape action; false when the window has none.
    bool escape();

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    std::function<void()> m_escape;
};

// Places a window so that the whole of it, title bar included once the
// window manager has framed it, stands at the centre of its screen's free
// area. Called from a showEvent, before the window is mapped.
void centreOnScreen(QWidget *window);

} // namespace plat
