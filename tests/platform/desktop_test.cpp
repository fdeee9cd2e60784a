#include "platform/application.h"
#include "platform/drivepath.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/form.h"
#include "tests/support.h"

#include <QCoreApplication>
#include <QFile>
#include <QEvent>
#include <gtest/gtest.h>
#include <stdexcept>

using testing_support::Sandbox;

namespace {

class CountingForm : public plat::Form {
public:
    using plat::Form::Form;
    void activated() override { ++activations; }
    int activations = 0;
};

// Throws from its event handler, as a window's handler does when nothing in
// it guards a failure.
class ThrowingObject : public QObject {
public:
    enum Kind { PlatFailure, StdException };
    static QEvent::Type eventType()
    {
        static const auto type = QEvent::Type(QEvent::registerEventType());
        return type;
    }
    explicit ThrowingObject(Kind kind) : m_kind(kind) {}
    bool event(QEvent *e) override
    {
        if (e->type() != eventType())
            return QObject::event(e);
        ++handled;
        if (m_kind == PlatFailure)
            throw plat::Failure(QStringLiteral("'abc' n'est pas une valeur entière correcte"));
        throw std::runtime_error("panne");
    }
    int handled = 0;

private:
    Kind m_kind;
};

} // namespace

TEST(Desktop, ActivationRunsAgainOnReturnFromBoxesDialogsAndModals)
{
    Sandbox box;
    auto &d = box.desktop();
    CountingForm main(QStringLiteral("Form1"));
    CountingForm child(QStringLiteral("Form2"));

    d.show(&main);
    EXPECT_EQ(main.activations, 1);
    EXPECT_EQ(d.activeForm(), &main);

    d.showMessage(QStringLiteral("Bonjour"));
    EXPECT_EQ(main.activations, 2);

    d.messageAnswers.push_back(plat::mrNo);
    EXPECT_EQ(d.messageDlg(QStringLiteral("Sûr ?"), plat::MsgType::Confirmation,
                           plat::mbYes | plat::mbNo),
              plat::mrNo);
    EXPECT_EQ(main.activations, 3);

    EXPECT_FALSE(d.openFile({}).has_value());
    EXPECT_EQ(main.activations, 4);

    // A modal window: it is activated, and its opener again once it closes;
    // a box opened from inside the modal returns to the modal.
    int childActivationsInside = -1;
    d.modalActions.push_back([&](plat::Form *f) {
        EXPECT_EQ(f, &child);
        d.showMessage(QStringLiteral("Dans la fenêtre"));
        childActivationsInside = child.activations;
        return int(plat::mrOk);
    });
    EXPECT_EQ(d.showModal(&child), plat::mrOk);
    EXPECT_EQ(childActivationsInside, 2);
    EXPECT_EQ(main.activations, 5);
    EXPECT_EQ(d.activeForm(), &main);
    EXPECT_EQ(d.messages(), (QStringList{QStringLiteral("Bonjour"), QStringLiteral("Sûr ?"),
                                         QStringLiteral("Dans la fenêtre")}));
    EXPECT_EQ(d.count(QStringLiteral("modal")), 1);

    // The toolkit's own activations of shown windows do not add to the
    // scripted sequence.
    d.show(&child);
    EXPECT_EQ(child.activations, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(main.activations, 5);
    EXPECT_EQ(child.activations, 3);
}

TEST(Desktop, DestroyedWindowIsNeverActivatedAgain)
{
    Sandbox box;
    auto &d = box.desktop();
    auto *gone = new CountingForm(QStringLiteral("Form9"));
    d.show(gone);
    delete gone;
    EXPECT_EQ(d.activeForm(), nullptr);
    d.showMessage(QStringLiteral("après")); // must not touch the deleted window
    EXPECT_EQ(d.messages().size(), 1);
}

TEST(Desktop, ActivationThatReopensABoxEveryTimeStops)
{
    Sandbox box;
    auto &d = box.desktop();
    struct Nagging : plat::Form {
        using plat::Form::Form;
        void activated() override { plat::desktop().showMessage(QStringLiteral("encore")); }
    } nag(QStringLiteral("Form7"));
    d.show(&nag);
    EXPECT_GT(d.messages().size(), 1);
    EXPECT_LT(d.messages().size(), 20);
}

TEST(Desktop, ScriptRecordsProgramsAndAddresses)
{
    Sandbox box;
    auto &d = box.desktop();
    EXPECT_EQ(d.startProgram(QStringLiteral("C:\\windows\\brn\\Brenmar\\Brenmar.exe"),
                             {QStringLiteral("C:\\windows\\tl.aid"), QStringLiteral("a b")}),
              plat::StartResult::PathNotFound);
    EXPECT_TRUE(d.openUrl(QStringLiteral("http://exemple.fr")));
    ASSERT_EQ(d.records.size(), 2u);
    EXPECT_EQ(d.records[0].detail, QStringLiteral("C:\\windows\\tl.aid\na b"));
    EXPECT_EQ(d.records[1].kind, QStringLiteral("url"));
    EXPECT_EQ(plat::firstButtonResult(plat::mbYes | plat::mbNo | plat::mbCancel), plat::mrYes);
    EXPECT_EQ(plat::firstButtonResult(plat::mbOK | plat::mbCancel), plat::mrOk);
}

// The real start, on programs that are there, missing, in a missing folder,
// or there but not startable.
TEST(Desktop, StartingAProgramTellsAMissingFileFromAMissingFolderAndFromARefusal)
{
    Sandbox box;
    const QByteArray script = "#!/bin/sh\nexit 0\n";
    box.put(QStringLiteral("C:\\bin\\ok.sh"), script);
    QFile::setPermissions(plat::hostPath(QStringLiteral("C:\\bin\\ok.sh")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    box.put(QStringLiteral("C:\\bin\\plain.txt"), script);
    struct Case {
        const char *program;
        plat::StartResult expected;
    } cases[] = {
        {"C:\\BIN\\OK.SH", plat::StartResult::Started},
        {"C:\\bin\\absent.exe", plat::StartResult::FileNotFound},
        {"C:\\nulle\\part\\absent.exe", plat::StartResult::PathNotFound},
        {"C:\\bin\\plain.txt", plat::StartResult::Failed},
        {"C:\\bin", plat::StartResult::Failed},
    };
    plat::QtDesktop real;
    for (const Case &c : cases)
        EXPECT_EQ(real.startProgram(QString::fromLatin1(c.program), {}), c.expected) << c.program;
}

TEST(Application, FailureOutsideEveryGuardReachesTheErrorBoxAndTheProgramGoesOn)
{
    auto *app = dynamic_cast<plat::Application *>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    Sandbox box;

    ThrowingObject failing(ThrowingObject::PlatFailure);
    QEvent sent(ThrowingObject::eventType());
    QCoreApplication::sendEvent(&failing, &sent);
    QCoreApplication::postEvent(&failing, new QEvent(ThrowingObject::eventType()));
    QCoreApplication::processEvents();
    EXPECT_EQ(failing.handled, 2);

    ThrowingObject broken(ThrowingObject::StdException);
    QCoreApplication::sendEvent(&broken, &sent);

    plat::runGuarded([] { throw plat::Failure(QStringLiteral("gardé")); });
    plat::runGuarded([] { throw 42; });

    const QString text = QStringLiteral("'abc' n'est pas une valeur entière correcte");
    EXPECT_EQ(box.desktop().messages(),
              (QStringList{text, text, QStringLiteral("panne"), QStringLiteral("gardé"),
                           QStringLiteral("Erreur inattendue.")}));
    EXPECT_EQ(box.desktop().records.front().detail, QStringLiteral("Erreur"));
}
