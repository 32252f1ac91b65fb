// Look-up benchmark: the time of one Edit1Change (the prefix search, and the
// pane and label rewritten) over typing every headword letter by letter and
// over texts that match nothing (a full scan); the nested look-up of
// ListBox1Click; ComboChange at each of the 20 positions; and the memory the
// dictionary's content takes.

#include "bench_stats.h"
#include "da.h"
#include "dictionary.h"
#include "proc_status.h"
#include "tapplication.h"
#include "tcombobox.h"
#include "tedit.h"
#include "tlistbox.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

namespace {

template <class F> double microseconds(F &&work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vcl::TApplication app(argc, argv);
    app.SetTitle(QStringLiteral("tavoreno"));

    const long beforeContent = procStatusKib("VmRSS");
    long contentKib = 0;
    {
        const content::Dictionary d = content::loadDictionary();
        vcl::TListBox heads, definitions;
        heads.Items()->Assign(d.headwords);
        definitions.Items()->Assign(d.definitions);
        contentKib = procStatusKib("VmRSS") - beforeContent;
    }

    TFrm_Principal form;
    form.show();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "the window did not activate\n");
        return 1;
    }
    const QStringList heads = content::loadDictionary().headwords;

    Timings typing, noMatch, click, combo;
    for (const QString &h : heads) {
        for (qsizetype k = 1; k <= h.size(); ++k)
            typing.values << microseconds([&] { form.Edit1->SetText(h.left(k)); });
    }
    for (const QString &h : heads)
        noMatch.values << microseconds([&] { form.Edit1->SetText(h + QStringLiteral("#")); });
    QRandomGenerator random(7);
    for (int i = 0; i < 3000; ++i) {
        const int index = random.bounded(int(heads.size()));
        form.ListBox1->SetItemIndex(index);
        click.values << microseconds([&] { form.ListBox1Click(form.ListBox1); });
    }
    for (int round = 0; round < 50; ++round) {
        for (int p = 0; p < 20; ++p) {
            form.Combo->SetItemIndex(p);
            combo.values << microseconds([&] { form.ComboChange(form.Combo); });
        }
    }

    // A pasted megabyte: the search box takes it whole and looks it up.
    Timings paste;
    for (int round = 0; round < 5; ++round) {
        const QString megabyte = QString(1 << 20, QChar(u'a' + round));
        form.Edit1->SetText(QStringLiteral("abel"));
        paste.values << microseconds([&] {
            form.Edit1->selectAll();
            form.Edit1->insert(megabyte);
            QCoreApplication::processEvents();
        });
    }

    std::printf("Look-up (one handler run, pane and label included), microseconds\n");
    typing.print("Edit1Change, every headword letter by letter", "us");
    noMatch.print("Edit1Change, text that matches nothing", "us");
    click.print("ListBox1Click with its nested look-up", "us");
    combo.print("ComboChange, the 20 positions", "us");
    paste.print("pasting 1 MiB into the search box, with its paint", "us");
    std::printf("  targets: Edit1Change median under 100 us, p99 under 1000 us\n");
    std::printf("Memory: the dictionary's content in its two lists takes %ld KiB\n", contentKib);
    return 0;
}
