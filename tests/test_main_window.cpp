// The main window: how it is built, its activation steps (once only), the
// dictionary page's controls as laid out, and the keyboard's way through them.

#include "colors.h"
#include "exceptions.h"
#include "flat_tab_bar.h"
#include "main_window_fixture.h"
#include "test_support.h"
#include "tgroupbox.h"
#include "ttabsheet.h"

#include <QMessageBox>
#include <QStyle>
#include <QTimer>

using namespace vcl;

class TestMainWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> f;

    // What the page must show after every look-up and selection.
    void verifyShowsSelectedEntry()
    {
        const int i = f->selected();
        QVERIFY(i >= 0);
        QCOMPARE(f->form->Label7->Caption(), f->selectedHeadword());
        QCOMPARE(f->form->kustuta->Text(), f->definition(i) + QStringLiteral("\r\n"));
    }

private slots:
    void init()
    {
        test_support::errorBoxes().clear();
        f = std::make_unique<MainWindowFixture>();
    }
    void cleanup() { f.reset(); }

    void builtButNotYetShown()
    {
        TFrm_Principal *form = f->form.get();
        QCOMPARE(QApplication::applicationName(), QStringLiteral("tavoreno"));
        QCOMPARE(form->metaObject()->className(), "TFrm_Principal");
        QCOMPARE(form->objectName(), QStringLiteral("Frm_Principal"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Vezazazaza Vidavod"));
        QCOMPARE(form->size(), QSize(722, 548));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(form->palette().color(QPalette::Window), clSilver);
        QCOMPARE(form->style()->name(), QStringLiteral("windows"));

        QCOMPARE(form->PageControl1->geometry(), QRect(-3, 88, 725, 460));
        QCOMPARE(form->PageControl1->font().family(), QStringLiteral("Arial"));
        QCOMPARE(form->PageControl1->font().pixelSize(), 12);
        QStringList captions, names;
        for (int i = 0; i < form->PageControl1->PageCount(); ++i) {
            captions << form->PageControl1->Pages(i)->Caption();
            names << form->PageControl1->Pages(i)->objectName();
        }
        QCOMPARE(captions, (QStringList{"Dicionário", "Resumo / Religiões", "Pesos e Medidas", "Apóstolos",
                                        "Calendário Judáico", "Sobre"}));
        QCOMPARE(names, (QStringList{"TabDicionario", "TabResumo", "TabPesos", "TabSheet1", "TabSheet3", "TabSheet2"}));
        QCOMPARE(form->PageControl1->ActivePage(), form->TabSheet3);

        QCOMPARE(form->Edit1->Text(), QString());
        QCOMPARE(form->ListBox1->ItemIndex(), -1);
        QCOMPARE(form->Label7->Caption(), QString());
        QCOMPARE(form->kustuta->Text(), QString());
        QCOMPARE(form->ListBox1->count(), form->ListBox2->count());
        QVERIFY(form->ListBox1->count() > 0);
        QVERIFY(form->ListBox2->isHidden());
    }

    void activationShowsTheFirstEntry()
    {
        QVERIFY(f->showAndActivate());
        TFrm_Principal *form = f->form.get();
        QCOMPARE(form->PageControl1->ActivePageIndex(), 0);
        QCOMPARE(form->PageControl1->TabRow()->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), form->Edit1);
        QCOMPARE(form->Edit1->Text(), QStringLiteral("aará"));
        QCOMPARE(form->Edit1->selectedText(), QStringLiteral("aará"));
        QCOMPARE(f->selected(), 0);
        QCOMPARE(f->selectedHeadword(), QStringLiteral("Aará"));
        verifyShowsSelectedEntry();
        QVERIFY(test_support::errorBoxes().texts.isEmpty());
    }

    void activationRunsOnlyOnce()
    {
        QVERIFY(f->showAndActivate());
        TFrm_Principal *form = f->form.get();
        MainWindowFixture::type(form->Edit1, QStringLiteral("abel"));
        form->PageControl1->SetActivePageIndex(1);

        // Another application's window comes to the front, then ours again.
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.hide();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));

        // An error box is opened and closed.
        QTimer::singleShot(0, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        });
        QMessageBox::critical(form, QStringLiteral("tavoreno"), QStringLiteral("x"));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));

        // Minimised and restored.
        form->showMinimized();
        form->showNormal();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));

        QCOMPARE(form->Edit1->Text(), QStringLiteral("abel"));
        QCOMPARE(form->PageControl1->ActivePageIndex(), 1);
        QCOMPARE(f->selectedHeadword(), QStringLiteral("Abel"));
    }

    void dictionaryPageControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("GroupBox1") << "GroupBox1" << "TabDicionario" << QRect(2, 9, 193, 359) << 12 << false << false;
        QTest::newRow("ListBox1") << "ListBox1" << "GroupBox1" << QRect(6, 11, 180, 343) << 15 << false << false;
        QTest::newRow("ListBox2") << "ListBox2" << "GroupBox1" << QRect(107, 10, 277, 165) << 12 << false << false;
        QTest::newRow("GroupBox2") << "GroupBox2" << "TabDicionario" << QRect(2, 377, 193, 47) << 12 << false << false;
        QTest::newRow("Edit1") << "Edit1" << "GroupBox2" << QRect(5, 17, 180, 24) << 16 << true << false;
        QTest::newRow("GroupBox3") << "GroupBox3" << "TabDicionario" << QRect(219, 9, 489, 360) << 12 << false << false;
        QTest::newRow("kustuta") << "kustuta" << "GroupBox3" << QRect(7, 44, 475, 309) << 15 << false << false;
        QTest::newRow("Label7 when empty")
            << "Label7" << "GroupBox3" << QRect(QPoint(9, 17), QSize(-1, -1)) << 17 << true << true;
    }
    void dictionaryPageControls()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        auto *w = f->form->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->parentWidget()->objectName(), parent);
        if (geometry.isValid())
            QCOMPARE(w->geometry(), geometry);
        else
            QCOMPARE(w->pos(), geometry.topLeft());
        QCOMPARE(w->font().family(), QStringLiteral("Arial"));
        QCOMPARE(w->font().pixelSize(), pixelSize);
        QCOMPARE(w->font().bold(), bold);
        QCOMPARE(w->font().italic(), italic);
    }

    void dictionaryPageLook()
    {
        TFrm_Principal *form = f->form.get();
        QCOMPARE(form->GroupBox2->title(), QStringLiteral("  Digite a palavra  "));
        QCOMPARE(form->GroupBox3->title(), QStringLiteral("  Significado  "));
        QCOMPARE(form->GroupBox1->title(), QString());
        QCOMPARE(form->GroupBox1->palette().color(QPalette::Window), clSilver);
        QCOMPARE(form->Edit1->palette().color(QPalette::Base), clWhite);
        QCOMPARE(form->Edit1->palette().color(QPalette::Text), clNavy);
        QVERIFY(!form->Edit1->hasFrame());
        QCOMPARE(form->kustuta->palette().color(QPalette::Base), clWhite);
        QCOMPARE(form->kustuta->palette().color(QPalette::Text), clNavy);
        QVERIFY(form->kustuta->isReadOnly());
        QCOMPARE(form->kustuta->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(form->Label7->palette().color(QPalette::WindowText), clRed);
        QCOMPARE(form->ListBox1->frameShape(), QFrame::NoFrame);
        QCOMPARE(form->ListBox1->ItemHeight(), 17);
        QCOMPARE(form->ListBox1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(form->Label7->size(), QSize(QFontMetrics(form->Label7->font()).horizontalAdvance(u' '),
                                             QFontMetrics(form->Label7->font()).height()));
    }

    void theHeadwordListShowsTwentyWholeRows()
    {
        QVERIFY(f->showAndActivate());
        TListBox *list = f->form->ListBox1;
        const int rows = list->viewport()->height() / list->visualItemRect(list->item(0)).height();
        QCOMPARE(rows, 20);
    }

    void tabMovesThroughTheListTheBoxAndThePane()
    {
        QVERIFY(f->showAndActivate());
        TFrm_Principal *form = f->form.get();
        form->ListBox1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form->ListBox1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Edit1);
        QTest::keyClick(form->Edit1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->kustuta);
        QTest::keyClick(form->kustuta, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), form->Edit1);
    }

    void pageSwitchingFromTheDictionaryPage()
    {
        QVERIFY(f->showAndActivate());
        TFrm_Principal *form = f->form.get();
        QTest::keyClick(form->Edit1, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->PageControl1->ActivePage(), form->TabSheet2);
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : form, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(form->PageControl1->ActivePage(), form->TabDicionario);
        // The page kept its entry and texts meanwhile.
        QCOMPARE(form->Edit1->Text(), QStringLiteral("aará"));
        verifyShowsSelectedEntry();
    }

    void aFocusErrorOnAHiddenPageIsRaised()
    {
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, f->form->Edit1->SetFocus());
    }
};

TAVORENO_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
