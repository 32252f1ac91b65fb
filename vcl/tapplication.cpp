#include "tapplication.h"

#include "caret_blink.h"
#include "classic_look.h"
#include "exceptions.h"
#include "tform.h"

#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QMessageBox>

#include <new>

namespace vcl {
namespace {

TApplication *g_application = nullptr;

// The message and class name of an escaped error, for both error boxes.
struct ErrorDescription
{
    QString message;
    const char *className;
    bool silent;
};

ErrorDescription describe(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EAbort &e) {
        return {e.Message(), e.ClassName(), true};
    } catch (const Exception &e) {
        return {e.Message(), e.ClassName(), false};
    } catch (const std::bad_alloc &) {
        const EOutOfMemory e;
        return {e.Message(), e.ClassName(), false};
    } catch (const std::exception &e) {
        return {QString::fromUtf8(e.what()), "Exception", false};
    } catch (...) {
        return {QStringLiteral("Unknown error"), "Exception", false};
    }
}

} // namespace

TApplication *Application() { return g_application; }

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    g_application = this;
    applyClassicLook(*this);
    new CaretBlinkTimeout(this);
}

TApplication::~TApplication()
{
    if (g_application == this)
        g_application = nullptr;
}

QString TApplication::Title() const { return applicationName(); }

void TApplication::SetTitle(const QString &title)
{
    // Not the display name: Qt would append it to every window caption.
    setApplicationName(title);
}

int TApplication::Run()
{
    if (m_mainForm)
        m_mainForm->show();
    return exec();
}

void TApplication::SetIcon(const QByteArray &png)
{
    QPixmap icon;
    icon.loadFromData(png, "PNG");
    setWindowIcon(QIcon(icon));
}

void TApplication::HandleException(std::exception_ptr error)
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    const ErrorDescription d = describe(error);
    if (!d.silent)
        ShowException(d.message);
}

void TApplication::ShowException(const QString &message)
{
    showBox(Title(), errorBoxText(message), "ErrorBox");
}

void TApplication::ShowFatalError(std::exception_ptr error)
{
    const ErrorDescription d = describe(error);
    const QString module = QFileInfo(applicationFilePath()).fileName();
    showBox(QStringLiteral("Application Error"), fatalErrorText(d.className, module, d.message),
            "FatalErrorBox");
}

void TApplication::SetErrorBox(ErrorBox box) { m_errorBox = std::move(box); }

void TApplication::SetLastActiveForm(TForm *form) { m_lastActiveForm = form; }

void TApplication::showBox(const QString &caption, const QString &text, const char *objectName)
{
    if (m_errorBox) {
        m_errorBox(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.setObjectName(QString::fromLatin1(objectName));
    box.setTextFormat(Qt::PlainText);
    // While the box is open the program's windows take no input.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    // Handlers are run guarded where they are raised (RaiseEvent); this is
    // the last line for anything else that escapes the handling of an event.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(std::current_exception());
        return false;
    }
}

void RaiseEvent(const TNotifyEvent &handler, QObject *sender)
{
    if (handler)
        RunGuarded([&] { handler(sender); });
}

void RunGuarded(const std::function<void()> &work)
{
    try {
        work();
    } catch (...) {
        if (TApplication *app = Application())
            app->HandleException(std::current_exception());
        else
            throw;
    }
}

QString fatalErrorText(const char *className, const QString &module, const QString &message)
{
    const QString stop = (!message.isEmpty() && !message.endsWith(u'.')) ? QStringLiteral(".")
                                                                        : QString();
    // There is no code address to show on this platform: the box shows zero.
    return QStringLiteral("Exception %1 in module %2 at %3.\r\n%4%5\r\n")
        .arg(QString::fromLatin1(className), module, QStringLiteral("00000000"), message, stop);
}

} // namespace vcl
