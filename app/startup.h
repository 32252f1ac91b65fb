#pragma once

#include "pictures.h"
#include "tapplication.h"

// The start-up steps of the program: set the title and the icon, build the main window
// (an error while building it shows the fatal box and ends with exit code 1),
// then show it and run the message loop until it is closed (exit code 0).
template <class MainForm> int StartUp(vcl::TApplication &application, MainForm *&mainForm)
{
    application.Initialize();
    application.SetTitle(QStringLiteral("tavoreno"));
    application.SetIcon(content::programIcon());
    try {
        application.CreateForm(mainForm);
    } catch (...) {
        application.ShowFatalError(std::current_exception());
        return 1;
    }
    const int exitCode = application.Run();
    delete mainForm;
    mainForm = nullptr;
    return exitCode;
}
