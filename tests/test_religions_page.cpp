// The religions page driven as a user drives it: choosing a religion from the
// selector's list, with the arrow keys or by typing, shows its summary from
// the first line; nothing else changes the pane.

#include "main_window_fixture.h"
#include "religion_ranges.h"
#include "tcombobox.h"
#include "test_support.h"
#include "ttabsheet.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>

using namespace vcl;
using test_support::errorBoxes;

class TestReligionsPage : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> f;

    TComboBox *combo() const { return f->form->Combo; }
    TMemo *pane() const { return f->form->M2; }

    QString summaryText(int position) const
    {
        QString text;
        for (int i = kReligionRanges[position].first; i <= kReligionRanges[position].last; ++i)
            text += f->form->M1->Items()->Strings(i) + QStringLiteral("\r\n");
        return text;
    }

    void verifyShowsFromTheTop(int position)
    {
        QCOMPARE(pane()->Text(), summaryText(position));
        QCOMPARE(pane()->textCursor().position(), 0);
        QVERIFY(!pane()->textCursor().hasSelection());
        QCOMPARE(pane()->verticalScrollBar()->value(), 0);
    }

    void chooseByClicking(int position)
    {
        combo()->showPopup();
        QTRY_VERIFY(combo()->view()->isVisible());
        QAbstractItemView *list = combo()->view();
        const QModelIndex item = list->model()->index(position, 0);
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    }

private slots:
    void init()
    {
        errorBoxes().clear();
        f = std::make_unique<MainWindowFixture>();
        QVERIFY(f->showAndActivate());
        f->form->PageControl1->SetActivePage(f->form->TabResumo);
    }
    void cleanup()
    {
        QVERIFY(errorBoxes().texts.isEmpty());
        f.reset();
    }

    void atStartNothingIsChosen()
    {
        QCOMPARE(combo()->Text(), QStringLiteral("ESCOLHA A RELIGIÃO"));
        QCOMPARE(combo()->ItemIndex(), -1);
        QCOMPARE(pane()->Text(), QString());
        QCOMPARE(combo()->count(), 20);
        QCOMPARE(f->form->M1->count(), 673);
    }

    void theControlsAsLaidOut()
    {
        QCOMPARE(combo()->geometry(), QRect(8, 8, 248, 26));
        QCOMPARE(combo()->font().pixelSize(), 15);
        QVERIFY(combo()->font().bold());
        QCOMPARE(combo()->maxVisibleItems(), 8);
        QCOMPARE(pane()->geometry(), QRect(10, 53, 698, 373));
        QCOMPARE(pane()->font().pixelSize(), 12);
        QVERIFY(pane()->isReadOnly());
        QCOMPARE(pane()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(pane()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(pane()->frameShape(), QFrame::NoFrame);
        QVERIFY(f->form->M1->isHidden());
        QCOMPARE(f->form->M1->geometry(), QRect(8, 42, 561, 97));
    }

    void theFocusGoesFromThePaneToTheSelector()
    {
        f->form->PageControl1->SetActivePage(f->form->TabDicionario);
        QTest::keyClick(f->form->Edit1, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), pane());
        QTest::keyClick(pane(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), combo());
    }

    void choosingFromTheListShowsTheSummaryFromItsTop_data()
    {
        QTest::addColumn<int>("position");
        for (int p = 0; p < 20; ++p)
            QTest::newRow(kReligionRanges[p].caption) << p;
    }
    void choosingFromTheListShowsTheSummaryFromItsTop()
    {
        QFETCH(int, position);
        chooseByClicking(position);
        QCOMPARE(combo()->Text(), QString::fromUtf8(kReligionRanges[position].caption));
        QCOMPARE(pane()->Lines()->Count(), kReligionRanges[position].last - kReligionRanges[position].first + 1);
        QVERIFY(!pane()->Text().contains(QString::fromUtf8(kReligionRanges[position].heading) + QStringLiteral("\r\n")));
        verifyShowsFromTheTop(position);
    }

    void cristianismoBeginsWithItsFounder()
    {
        chooseByClicking(0);
        QCOMPARE(pane()->Lines()->Strings(0), QStringLiteral("FUNDADOR:"));
        QVERIFY(pane()->Text().endsWith(QStringLiteral("\r\n")));
    }

    void anotherChoiceReplacesTheWholeTextAndScrollsToTheTop()
    {
        chooseByClicking(0);
        pane()->verticalScrollBar()->setValue(pane()->verticalScrollBar()->maximum());
        QVERIFY(pane()->verticalScrollBar()->value() > 0);
        chooseByClicking(19);
        verifyShowsFromTheTop(19);
        pane()->verticalScrollBar()->setValue(pane()->verticalScrollBar()->maximum());
        chooseByClicking(19); // the same again: rebuilt, from the top
        verifyShowsFromTheTop(19);
    }

    void arrowKeysShowEachSummaryInTurn()
    {
        combo()->setFocus(Qt::TabFocusReason);
        for (int p = 0; p < 3; ++p) {
            QTest::keyClick(combo(), Qt::Key_Down);
            verifyShowsFromTheTop(p);
        }
        QTest::keyClick(combo(), Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(combo()->view()->isVisible());
        QTest::keyClick(combo()->view(), Qt::Key_Down);
        verifyShowsFromTheTop(3);
    }

    void typingChoosesByCompletion()
    {
        combo()->setFocus(Qt::TabFocusReason);
        combo()->lineEdit()->selectAll();
        MainWindowFixture::type(combo(), QStringLiteral("i"));
        verifyShowsFromTheTop(1);
        MainWindowFixture::type(combo(), QStringLiteral("g"));
        verifyShowsFromTheTop(15);
        QTest::keyClick(combo(), Qt::Key_Backspace);
        QCOMPARE(combo()->ItemIndex(), -1);
        verifyShowsFromTheTop(15); // the pane keeps what it shows
    }

    void aLetterNoCaptionBeginsLeavesThePaneEmpty()
    {
        combo()->setFocus(Qt::TabFocusReason);
        combo()->lineEdit()->selectAll();
        MainWindowFixture::type(combo(), QStringLiteral("x"));
        QCOMPARE(combo()->Text(), QStringLiteral("x"));
        QCOMPARE(pane()->Text(), QString());
    }

    void switchingPagesKeepsTheChoiceAndTheText()
    {
        chooseByClicking(5);
        f->form->PageControl1->SetActivePage(f->form->TabDicionario);
        f->form->PageControl1->SetActivePage(f->form->TabResumo);
        QCOMPARE(combo()->ItemIndex(), 5);
        QCOMPARE(pane()->Text(), summaryText(5));
    }
};

TAVORENO_TEST_MAIN(TestReligionsPage)
#include "test_religions_page.moc"
