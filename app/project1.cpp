// tavoreno: a Portuguese Bible dictionary in one window.

#include "da.h"
#include "startup.h"

int main(int, char *argv[])
{
    // The program takes no arguments: Qt is shown none of them.
    int noArguments = 1;
    vcl::TApplication application(noArguments, argv);
    return StartUp(application, Frm_Principal);
}
