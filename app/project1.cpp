// tavoreno: a Portuguese Bible dictionary in one window.

#include "da.h"
#include "tapplication.h"

using namespace vcl;

int main(int argc, char *argv[])
{
    // The program takes no arguments: Qt is shown none of them.
    (void)argc;
    int noArguments = 1;
    TApplication application(noArguments, argv);

    Application()->Initialize();
    Application()->SetTitle(QStringLiteral("tavoreno"));
    try {
        Application()->CreateForm(Frm_Principal);
    } catch (...) {
        Application()->ShowFatalError(std::current_exception());
        return 1;
    }
    const int exitCode = Application()->Run();
    delete Frm_Principal;
    Frm_Principal = nullptr;
    return exitCode;
}
