// The program's own start-up, ended at the first paint of the definition pane
// with entry 0 on show in the activated window.

#include "da.h"
#include "startup.h"
#include "startup_probe.h"
#include "tlistbox.h"
#include "tmemo.h"

int main(int, char *argv[])
{
    int noArguments = 1;
    vcl::TApplication application(noArguments, argv);
    StartupProbe probe(QStringLiteral("kustuta"), [] {
        return Frm_Principal && Frm_Principal->isActiveWindow() && Frm_Principal->ListBox1->ItemIndex() == 0
               && !Frm_Principal->kustuta->toPlainText().isEmpty();
    });
    return StartUp(application, Frm_Principal);
}
