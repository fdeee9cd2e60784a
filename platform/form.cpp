#include "platform/form.h"

#include "platform/desktop.h"

#include <QEvent>
#include <QKeyEvent>

namespace plat {

Form::Form(const QString &name, QWidget *parent) : QDialog(parent)
{
    setObjectName(name);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void Form::closeWith(int result)
{
    if (isModal() && isVisible())
        done(result);
    else
        hide();
    setResult(result);
}

bool Form::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && desktop().followsWindowActivation())
        desktop().formActivated(this);
    return QDialog::event(e);
}

void Form::keyPressEvent(QKeyEvent *e)
{
    // A window closes by its own buttons, not by Escape.
    // Enter belongs to the focused control (the editor adds a pair on it), so
    // QDialog's habit of pressing a default button is left out too.
    switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        e->ignore();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

} // namespace plat
