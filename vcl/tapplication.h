#pragma once

#include "events.h"

#include <QApplication>
#include <QPointer>

#include <exception>
#include <functional>

namespace vcl {

class TForm;

// The application object: title, main form, message loop and error report.
// There is one per process; Application() returns it.
class TApplication : public QApplication
{
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);
    ~TApplication() override;

    // Nothing to initialise: kept so start-up reads as the program's steps.
    void Initialize() {}

    QString Title() const;
    // The title is the application name: the task bar entry and window class
    // show it, and it is the caption of every error box.
    void SetTitle(const QString &title);

    // Builds a form; the first one built becomes the main form. An error while
    // building clears the reference and propagates.
    template <class Form> void CreateForm(Form *&reference)
    {
        reference = nullptr;
        try {
            reference = new Form();
        } catch (...) {
            reference = nullptr;
            throw;
        }
        if (!m_mainForm)
            m_mainForm = reference;
    }

    // The program icon (PNG bytes): the task bar entry and every window of the
    // program show it.
    void SetIcon(const QByteArray &png);

    // Shows the main form and runs the message loop until it ends; returns the
    // exit code.
    int Run();

    // The report of an error that escaped an event handler: a capture is
    // cancelled, EAbort is silent, anything else is shown in the error box.
    void HandleException(std::exception_ptr error);
    void ShowException(const QString &message);
    // The fatal "Application Error" box for an error that escaped start-up.
    void ShowFatalError(std::exception_ptr error);

    // The box an error is shown in. Tests replace it to record the report.
    using ErrorBox = std::function<void(const QString &caption, const QString &text)>;
    void SetErrorBox(ErrorBox box);

    // The form that last held the focus, which decides when a form's
    // activation event runs (TForm).
    QWidget *LastActiveForm() const { return m_lastActiveForm; }
    void SetLastActiveForm(TForm *form);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void showBox(const QString &caption, const QString &text, const char *objectName);

    QPointer<QWidget> m_mainForm;
    QPointer<QWidget> m_lastActiveForm;
    ErrorBox m_errorBox;
};

TApplication *Application();

// The text of the fatal error box shown when the main window can't be built.
QString fatalErrorText(const char *className, const QString &module, const QString &message);

} // namespace vcl
