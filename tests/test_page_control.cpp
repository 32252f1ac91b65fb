// The page control: switching pages by tab click and Ctrl+Tab, wrapping, and
// where the focus goes.

#include "flat_tab_bar.h"
#include "tedit.h"
#include "test_support.h"
#include "tmemo.h"
#include "tpagecontrol.h"
#include "ttabsheet.h"

using namespace vcl;

class TestPageControl : public QObject
{
    Q_OBJECT
    std::unique_ptr<QWidget> window;
    TPageControl *pages = nullptr;
    QList<QWidget *> firsts; // each page's first control

private slots:
    void init()
    {
        window = std::make_unique<QWidget>();
        window->resize(400, 300);
        pages = new TPageControl(window.get());
        pages->setGeometry(0, 0, 400, 300);
        firsts.clear();
        for (int i = 0; i < 4; ++i) {
            auto *page = new TTabSheet(pages, QStringLiteral("Page%1").arg(i), QStringLiteral("Página %1").arg(i));
            auto *hidden = new TEdit(page);
            hidden->hide();
            auto *first = i % 2 ? static_cast<QWidget *>(new TMemo(page)) : new TEdit(page);
            first->setObjectName(QStringLiteral("First%1").arg(i));
            new TEdit(page);
            firsts << first;
        }
        pages->SetActivePageIndex(0);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        firsts[0]->setFocus();
    }

    void ctrlTabWrapsAroundFromWhereverTheFocusIs_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("back");
        QTest::addColumn<int>("to");
        QTest::newRow("next") << 1 << false << 2;
        QTest::newRow("last to first") << 3 << false << 0;
        QTest::newRow("previous") << 2 << true << 1;
        QTest::newRow("first to last") << 0 << true << 3;
    }
    void ctrlTabWrapsAroundFromWhereverTheFocusIs()
    {
        QFETCH(int, from);
        QFETCH(bool, back);
        QFETCH(int, to);
        pages->SetActivePageIndex(from);
        firsts[from]->setFocus();
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        QCOMPARE(pages->ActivePageIndex(), to);
        QCOMPARE(QApplication::focusWidget(), firsts[to]);
        QVERIFY(!pages->Pages(from)->isVisible());
    }

    void clickingATabShowsItsPageAndMovesTheFocus()
    {
        FlatTabBar *tabs = pages->TabRow();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        QCOMPARE(pages->ActivePageIndex(), 2);
        QVERIFY(pages->Pages(2)->isVisible());
        QCOMPARE(QApplication::focusWidget(), firsts[2]);
    }

    void theTabRowKeepsTheFocusWhenItHasIt()
    {
        pages->TabRow()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(pages->TabRow(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->ActivePageIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), pages->TabRow());
    }

    void theProgramMayChooseAnyPageOrNone()
    {
        pages->SetActivePageIndex(3);
        QCOMPARE(pages->ActivePage(), pages->Pages(3));
        QCOMPARE(pages->TabRow()->currentIndex(), 3);
        pages->SetActivePageIndex(6);
        QCOMPARE(pages->ActivePage(), nullptr);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!pages->Pages(i)->isVisible());
    }
};

TAVORENO_TEST_MAIN(TestPageControl)
#include "test_page_control.moc"
