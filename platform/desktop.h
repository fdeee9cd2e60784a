#pragma once
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace plat {

class Form;

// Kinds and buttons of a message box, as the program asks for them.
enum class MsgType { Warning, Error, Information, Confirmation, Custom };
enum MsgButtons : unsigned { mbOK = 1, mbCancel = 2, mbYes = 4, mbNo = 8, mbAbort = 16,
                             mbRetry = 32, mbIgnore = 64 };

// What starting a program gave, in the terms the program's callers tell
// apart: the program file missing from an existing folder, its folder
// missing, or any other refusal.
enum class StartResult { Started, FileNotFound, PathNotFound, Failed };

// Whether the program a path names can be started at all: FileNotFound or
// PathNotFound when it is not there, Started when it is. A bare name (no
// folder) is looked up by the system when started and always passes.
StartResult findProgram(const QString &program);

struct FileRequest {
    QString title;
    QString filter;     // "Fiches (*.fic)|*.fic|Tous (*.*)|*.*", as the windows write it
    QString initialDir; // Windows or host path; empty for the current folder
    QString fileName;   // proposed name
    QString defaultExt; // added when the chosen name has none, without the dot
};

// Everything that opens something on the user's desktop: message boxes, the
// common dialogs, modal display of the program's windows, starting programs
// and web addresses. Windows call it, never Qt's dialogs directly, so tests
// answer every question from a script and never block.
class Desktop {
public:
    virtual ~Desktop() = default;

    void showMessage(const QString &text);
    // defaultResult names the button Enter presses; 0 for the first one.
    int messageDlg(const QString &text, MsgType type, unsigned buttons, int defaultResult = 0);
    // A box with a caption; buttons as messageDlg.
    int messageBox(const QString &text, const QString &caption, unsigned buttons);
    // The default error box for a failure that escaped every guard.
    void showError(const QString &text);

    std::optional<QString> openFile(const FileRequest &request);
    std::optional<QString> saveFile(const FileRequest &request);
    std::optional<QString> savePicture(const FileRequest &request);
    std::optional<QFont> chooseFont(const QFont &initial);
    std::optional<QColor> chooseColor(const QColor &initial);
    // Lets the user pick a printer; false when cancelled.
    bool choosePrinter(QPrinter &printer);

    int showModal(Form *form);
    void show(Form *form);
    // Starts a program (a Windows or host path) without a shell, not waiting.
    virtual StartResult startProgram(const QString &program, const QStringList &arguments) = 0;
    virtual bool openUrl(const QString &url) = 0;
    // Ends the application's message loop.
    virtual void terminate() = 0;

    // Called when a form becomes the active window; runs its activation once
    // per change of the active form.
    void formActivated(Form *form);
    Form *activeForm() const;
    void forgetForm(Form *form);
    // Whether the toolkit's own window activations count. The scripted
    // desktop decides every activation itself, so that a test sees the same
    // sequence whatever the platform plugin does with shown windows.
    virtual bool followsWindowActivation() const { return true; }

protected:
    virtual int doMessage(const QString &text, const QString &caption, MsgType type,
                          unsigned buttons, int defaultResult) = 0;
    virtual std::optional<QString> doFileDialog(const QString &kind, const FileRequest &request) = 0;
    virtual std::optional<QFont> doChooseFont(const QFont &initial) = 0;
    virtual std::optional<QColor> doChooseColor(const QColor &initial) = 0;
    virtual bool doChoosePrinter(QPrinter &printer) = 0;
    virtual int doShowModal(Form *form) = 0;
    virtual void doShow(Form *form) = 0;

private:
    void returnTo(Form *previous);
    // Guarded pointers: a window destroyed while active (tests drop the whole
    // window set) must not be activated again on the next return.
    QPointer<Form> m_active;
    int m_activationDepth = 0;
};

Desktop &desktop();
// Installs a desktop; nullptr installs the Qt one.
void setDesktop(std::unique_ptr<Desktop> replacement);

// The Qt implementation.
class QtDesktop : public Desktop {
public:
    StartResult startProgram(const QString &program, const QStringList &arguments) override;
    bool openUrl(const QString &url) override;
    void terminate() override;

protected:
    int doMessage(const QString &text, const QString &caption, MsgType type,
                  unsigned buttons, int defaultResult) override;
    std::optional<QString> doFileDialog(const QString &kind, const FileRequest &request) override;
    std::optional<QFont> doChooseFont(const QFont &initial) override;
    std::optional<QColor> doChooseColor(const QColor &initial) override;
    bool doChoosePrinter(QPrinter &printer) override;
    int doShowModal(Form *form) override;
    void doShow(Form *form) override;
};

// Answers from queues and records everything asked, for tests. An empty queue
// gives the first button of a box, a cancelled dialog and a modal display that
// returns mrNone at once.
class ScriptedDesktop : public Desktop {
public:
    struct Record {
        QString kind; // "message", "open", "save", "picture", "font", "colour",
                      // "printer", "modal", "show", "start", "url", "terminate"
        QString text; // message text, dialog title, form name, program or address
        QString detail; // caption, filter, arguments joined by '\n', or the colour offered
    };

    std::deque<int> messageAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QColor>> colourAnswers;
    std::deque<bool> printerAnswers;
    // Results of program starts; an empty queue answers as findProgram does,
    // without starting anything.
    std::deque<StartResult> startAnswers;
    // Runs while the form is "shown modally"; its result is the modal result.
    std::deque<std::function<int(Form *)>> modalActions;
    std::vector<Record> records;
    std::vector<FileRequest> fileRequests; // of every file dialog, in order

    QStringList messages() const; // texts of the message boxes, in order
    int count(const QString &kind) const;
    bool terminated = false;

    StartResult startProgram(const QString &program, const QStringList &arguments) override;
    bool openUrl(const QString &url) override;
    void terminate() override;
    bool followsWindowActivation() const override { return false; }

protected:
    int doMessage(const QString &text, const QString &caption, MsgType type,
                  unsigned buttons, int defaultResult) override;
    std::optional<QString> doFileDialog(const QString &kind, const FileRequest &request) override;
    std::optional<QFont> doChooseFont(const QFont &initial) override;
    std::optional<QColor> doChooseColor(const QColor &initial) override;
    bool doChoosePrinter(QPrinter &printer) override;
    int doShowModal(Form *form) override;
    void doShow(Form *form) override;
};

// Prints the lines of a text file (a Windows or host path) in a font on a
// printer already chosen. Throws plat::Failure when the file cannot be read
// or the printer fails.
void printTextFile(const QString &path, const QFont &font, const QString &documentName,
                   QPrinter &printer);

// The result a message box gives for the first of its buttons.
int firstButtonResult(unsigned buttons);

} // namespace plat
