#include "platform/desktop.h"

#include "platform/drivepath.h"
#include "platform/failure.h"
#include "platform/form.h"
#include "platform/linelist.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

namespace plat {
namespace {

std::unique_ptr<Desktop> &desktopStorage()
{
    static std::unique_ptr<Desktop> instance;
    return instance;
}

struct ButtonInfo {
    unsigned flag;
    int result;
    const char *text;
};

constexpr ButtonInfo kButtons[] = {
    {mbYes, mrYes, "&Oui"},         {mbNo, mrNo, "&Non"},
    {mbOK, mrOk, "OK"},             {mbCancel, mrCancel, "Annuler"},
    {mbAbort, mrAbort, "&Abandonner"}, {mbRetry, mrRetry, "&Réessayer"},
    {mbIgnore, mrIgnore, "&Ignorer"}};

QString defaultCaption(MsgType type)
{
    switch (type) {
    case MsgType::Warning:
        return QStringLiteral("Avertissement");
    case MsgType::Error:
        return QStringLiteral("Erreur");
    case MsgType::Information:
        return QStringLiteral("Information");
    case MsgType::Confirmation:
        return QStringLiteral("Confirmation");
    case MsgType::Custom:
        break;
    }
    return QStringLiteral("Orsiva Tavilo");
}

// "Fiches|*.fic;*.txt|Tous|*.*" becomes "Fiches (*.fic *.txt);;Tous (*.*)".
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

// The next scripted answer, or the fallback when the script has run out.
template <typename T>
T takeFront(std::deque<T> &queue, T fallback)
{
    if (queue.empty())
        return fallback;
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

} // namespace

int firstButtonResult(unsigned buttons)
{
    for (const ButtonInfo &b : kButtons)
        if (buttons & b.flag)
            return b.result;
    return mrOk;
}

Desktop &desktop()
{
    auto &d = desktopStorage();
    if (!d)
        d = std::make_unique<QtDesktop>();
    return *d;
}

void setDesktop(std::unique_ptr<Desktop> replacement)
{
    desktopStorage() = std::move(replacement);
}

void Desktop::showMessage(const QString &text)
{
    messageBox(text, QStringLiteral("Orsiva Tavilo"), mbOK);
}

int Desktop::messageDlg(const QString &text, MsgType type, unsigned buttons, int defaultResult)
{
    const QPointer<Form> previous = m_active;
    const int r = doMessage(text, defaultCaption(type), type, buttons, defaultResult);
    returnTo(previous);
    return r;
}

int Desktop::messageBox(const QString &text, const QString &caption, unsigned buttons)
{
    const QPointer<Form> previous = m_active;
    const int r = doMessage(text, caption, MsgType::Custom, buttons, 0);
    returnTo(previous);
    return r;
}

void Desktop::showError(const QString &text)
{
    const QPointer<Form> previous = m_active;
    doMessage(text, QStringLiteral("Erreur"), MsgType::Error, mbOK, 0);
    returnTo(previous);
}

#define PLAT_DIALOG(call)                                                                          \
    const QPointer<Form> previous = m_active;                                                      \
    auto r = call;                                                                                 \
    returnTo(previous);                                                                            \
    return r;

std::optional<QString> Desktop::openFile(const FileRequest &request)
{
    PLAT_DIALOG(doFileDialog(QStringLiteral("open"), request))
}

std::optional<QString> Desktop::saveFile(const FileRequest &request)
{
    PLAT_DIALOG(doFileDialog(QStringLiteral("save"), request))
}

std::optional<QString> Desktop::savePicture(const FileRequest &request)
{
    PLAT_DIALOG(doFileDialog(QStringLiteral("picture"), request))
}

std::optional<QFont> Desktop::chooseFont(const QFont &initial)
{
    PLAT_DIALOG(doChooseFont(initial))
}

std::optional<QColor> Desktop::chooseColor(const QColor &initial)
{
    PLAT_DIALOG(doChooseColor(initial))
}

bool Desktop::choosePrinter(QPrinter &printer)
{
    PLAT_DIALOG(doChoosePrinter(printer))
}

int Desktop::showModal(Form *form)
{
    PLAT_DIALOG(doShowModal(form))
}

#undef PLAT_DIALOG

void Desktop::show(Form *form)
{
    doShow(form);
}

Form *Desktop::activeForm() const
{
    return m_active;
}

void Desktop::formActivated(Form *form)
{
    if (form == m_active)
        return;
    m_active = form;
    if (!form)
        return;
    // An activation that opens a box over its own window runs again when the
    // box closes, nested in the first. A window that does so without a
    // condition would recurse without end; the depth is bounded instead.
    constexpr int kMaxNestedActivations = 8;
    if (m_activationDepth >= kMaxNestedActivations)
        return;
    ++m_activationDepth;
    struct Leave {
        int &depth;
        ~Leave() { --depth; }
    } leave{m_activationDepth};
    form->activated();
}

void Desktop::forgetForm(Form *form)
{
    if (m_active == form)
        m_active = nullptr;
}

void Desktop::returnTo(Form *previous)
{
    m_active = nullptr;
    formActivated(previous);
}

// ---- Qt --------------------------------------------------------------------

int QtDesktop::doMessage(const QString &text, const QString &caption, MsgType type,
                         unsigned buttons, int defaultResult)
{
    QMessageBox box;
    box.setWindowTitle(caption);
    box.setText(text);
    switch (type) {
    case MsgType::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgType::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgType::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgType::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgType::Custom:
        break;
    }
    std::vector<std::pair<QAbstractButton *, int>> map;
    for (const ButtonInfo &b : kButtons) {
        if (!(buttons & b.flag))
            continue;
        const auto role = (b.result == mrCancel || b.result == mrNo) ? QMessageBox::RejectRole
                                                                     : QMessageBox::AcceptRole;
        map.emplace_back(box.addButton(QString::fromUtf8(b.text), role), b.result);
    }
    if (map.empty())
        map.emplace_back(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole), mrOk);
    QAbstractButton *preferred = map.front().first;
    for (const auto &[button, result] : map)
        if (result == defaultResult)
            preferred = button;
    box.setDefaultButton(static_cast<QPushButton *>(preferred));
    // Escape answers as cancelling does: Cancel, otherwise No. (Left to
    // itself the box gives Escape no meaning when it holds both.)
    for (const int wanted : {mrNo, mrCancel})
        for (const auto &[button, result] : map)
            if (result == wanted)
                box.setEscapeButton(button);
    box.exec();
    for (const auto &[button, result] : map)
        if (box.clickedButton() == button)
            return result;
    return (buttons & mbCancel) ? mrCancel : map.front().second;
}

std::optional<QString> QtDesktop::doFileDialog(const QString &kind, const FileRequest &request)
{
    QFileDialog dialog(nullptr, request.title);
    dialog.setNameFilter(qtFilter(request.filter));
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(hostPath(request.initialDir));
    if (!request.fileName.isEmpty())
        dialog.selectFile(QFileInfo(hostPath(request.fileName)).fileName());
    if (!request.defaultExt.isEmpty())
        dialog.setDefaultSuffix(request.defaultExt);
    if (kind == QLatin1String("open")) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QFont> QtDesktop::doChooseFont(const QFont &initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial);
    if (!ok)
        return std::nullopt;
    return f;
}

std::optional<QColor> QtDesktop::doChooseColor(const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

bool QtDesktop::doChoosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer);
    return dialog.exec() == QDialog::Accepted;
}

int QtDesktop::doShowModal(Form *form)
{
    // Without a window manager a window shown again keeps its old place in
    // the stacking order: raise it once the modal display has started.
    QTimer::singleShot(0, form, [form] {
        form->raise();
        form->activateWindow();
        desktop().formActivated(form);
    });
    form->setModal(true);
    const int r = form->exec();
    form->setModal(false);
    return r;
}

void QtDesktop::doShow(Form *form)
{
    form->show();
    form->raise();
    form->activateWindow();
    QTimer::singleShot(0, form, [form] {
        if (form->isVisible())
            desktop().formActivated(form);
    });
}

StartResult findProgram(const QString &program)
{
    const QString path = hostPath(program);
    if (!path.contains(QLatin1Char('/')))
        return StartResult::Started;
    const QFileInfo file(path);
    if (file.exists())
        return StartResult::Started;
    return file.absoluteDir().exists() ? StartResult::FileNotFound : StartResult::PathNotFound;
}

StartResult QtDesktop::startProgram(const QString &program, const QStringList &arguments)
{
    const StartResult found = findProgram(program);
    if (found != StartResult::Started)
        return found;
    return QProcess::startDetached(hostPath(program), arguments) ? StartResult::Started
                                                                 : StartResult::Failed;
}

bool QtDesktop::openUrl(const QString &url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

void QtDesktop::terminate()
{
    QCoreApplication::quit();
}

// ---- Scripted --------------------------------------------------------------

QStringList ScriptedDesktop::messages() const
{
    QStringList out;
    for (const Record &r : records)
        if (r.kind == QLatin1String("message"))
            out << r.text;
    return out;
}

int ScriptedDesktop::count(const QString &kind) const
{
    return int(std::count_if(records.begin(), records.end(),
                             [&](const Record &r) { return r.kind == kind; }));
}

int ScriptedDesktop::doMessage(const QString &text, const QString &caption, MsgType type,
                               unsigned buttons, int defaultResult)
{
    Q_UNUSED(type);
    records.push_back({QStringLiteral("message"), text, caption});
    return takeFront(messageAnswers, defaultResult ? defaultResult : firstButtonResult(buttons));
}

std::optional<QString> ScriptedDesktop::doFileDialog(const QString &kind, const FileRequest &request)
{
    records.push_back({kind, request.title, request.filter});
    fileRequests.push_back(request);
    return takeFront(fileAnswers, std::optional<QString>());
}

std::optional<QFont> ScriptedDesktop::doChooseFont(const QFont &)
{
    records.push_back({QStringLiteral("font"), {}, {}});
    return takeFront(fontAnswers, std::optional<QFont>());
}

std::optional<QColor> ScriptedDesktop::doChooseColor(const QColor &initial)
{
    records.push_back({QStringLiteral("colour"), {}, initial.name()});
    return takeFront(colourAnswers, std::optional<QColor>());
}

bool ScriptedDesktop::doChoosePrinter(QPrinter &)
{
    records.push_back({QStringLiteral("printer"), {}, {}});
    return takeFront(printerAnswers, false);
}

int ScriptedDesktop::doShowModal(Form *form)
{
    records.push_back({QStringLiteral("modal"), form->objectName(), {}});
    formActivated(form);
    auto action = takeFront(modalActions, std::function<int(Form *)>());
    return action ? action(form) : mrNone;
}

void ScriptedDesktop::doShow(Form *form)
{
    records.push_back({QStringLiteral("show"), form->objectName(), {}});
    form->show();
    formActivated(form);
}

StartResult ScriptedDesktop::startProgram(const QString &program, const QStringList &arguments)
{
    records.push_back({QStringLiteral("start"), program, arguments.join(QLatin1Char('\n'))});
    return takeFront(startAnswers, findProgram(program));
}

bool ScriptedDesktop::openUrl(const QString &url)
{
    records.push_back({QStringLiteral("url"), url, {}});
    return true;
}

void ScriptedDesktop::terminate()
{
    records.push_back({QStringLiteral("terminate"), {}, {}});
    terminated = true;
}

void printTextFile(const QString &path, const QFont &font, const QString &documentName,
                   QPrinter &printer)
{
    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(LineList::parse(readFileBytes(path)).join(u'\n'));
    printer.setDocName(documentName);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        throw Failure(QStringLiteral("L'impression a échoué."));
}

} // namespace plat
