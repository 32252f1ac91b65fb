// The list box: prefix selection and search by message, the selection event
// for the user's actions only, and the type-ahead with its 500 ms rule.

#include "exceptions.h"
#include "test_support.h"
#include "tlistbox.h"

#include <QSignalSpy>

using namespace vcl;

namespace {
const QStringList kItems = {
    "Aará", "Aarão", "Aarel", "Aba", "Abel", "Abel-Bete-Maaca", "Abida", "Abidã", "Ágabo", "Baal", "Zuzins",
};
}

class TestListBox : public QObject
{
    Q_OBJECT
    std::unique_ptr<TListBox> list;
    int clicks = 0;
    qint64 now = 0;

private slots:
    void init()
    {
        list = std::make_unique<TListBox>();
        list->Items()->Assign(kItems);
        list->resize(180, 120);
        list->SetItemHeight(17);
        list->SetTypeAheadClock([this] { return now; });
        list->OnClick = [this](QObject *) { ++clicks; };
        clicks = 0;
        now = 100'000;
        list->show();
        list->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(list.get()));
    }

    void selectStringStartsAfterTheStartIndex_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");
        QTest::newRow("a: entry 1 before entry 0") << "a" << 1;
        QTest::newRow("aar") << "aar" << 1;
        QTest::newRow("aará: only entry 0 fits") << "aará" << 0;
        QTest::newRow("capitals: AARÁ") << "AARÁ" << 0;
        QTest::newRow("abel") << "abel" << 4;
        QTest::newRow("abel-") << "abel-" << 5;
        QTest::newRow("abida") << "abida" << 6;
        QTest::newRow("abidã: accents count") << "abidã" << 7;
        QTest::newRow("á finds Ágabo") << "á" << 8;
        QTest::newRow("b") << "b" << 9;
        QTest::newRow("no match keeps the selection") << "k" << 3;
        QTest::newRow("empty text keeps the selection") << "" << 3;
        QTest::newRow("outside Windows-1252") << QStringLiteral("\U0001F600") << 3;
        QTest::newRow("dotted capital I is not I") << QStringLiteral("\u0130") << 3;
    }
    void selectStringStartsAfterTheStartIndex()
    {
        QFETCH(QString, text);
        QFETCH(int, selected);
        list->SetItemIndex(3);
        list->Perform(LB_SELECTSTRING, 0, text);
        QCOMPARE(list->ItemIndex(), selected);
        QCOMPARE(clicks, 0);
    }

    void selectStringWrapsToTheFirstEntries()
    {
        QCOMPARE(list->Perform(LB_SELECTSTRING, 9, QStringLiteral("a")), 0);
        QCOMPARE(list->ItemIndex(), 0);
        QCOMPARE(list->Perform(LB_SELECTSTRING, 0, QStringLiteral("aará")), 0);
    }

    void findStringFromMinusOneTriesEveryEntryFromTheFirst()
    {
        list->SetItemIndex(5);
        QCOMPARE(list->Perform(LB_FINDSTRING, -1, QStringLiteral("a")), 0);
        QCOMPARE(list->Perform(LB_FINDSTRING, -1, QStringLiteral("zz")), LB_ERR);
        QCOMPARE(list->ItemIndex(), 5);
    }

    void aHugeTextMatchesNothing()
    {
        list->SetItemIndex(2);
        QCOMPARE(list->Perform(LB_SELECTSTRING, 0, QString(1 << 20, u'a')), LB_ERR);
        QCOMPARE(list->ItemIndex(), 2);
    }

    void readingOutsideTheItemsRaisesTheListError_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("-1, no selection") << -1;
        QTest::newRow("past the end") << 11;
    }
    void readingOutsideTheItemsRaisesTheListError()
    {
        QFETCH(int, index);
        try {
            list->Items()->Strings(index);
            QFAIL("no error raised");
        } catch (const EListError &e) {
            QCOMPARE(e.Message(), QStringLiteral("List index out of bounds (%1)").arg(index));
        }
    }

    void navigationKeysRaiseOnClick_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("down") << int(Qt::Key_Down) << 3 << 4;
        QTest::newRow("up") << int(Qt::Key_Up) << 3 << 2;
        QTest::newRow("home") << int(Qt::Key_Home) << 3 << 0;
        QTest::newRow("end") << int(Qt::Key_End) << 3 << 10;
        QTest::newRow("page down: a page further") << int(Qt::Key_PageDown) << 0 << -1;
    }
    void navigationKeysRaiseOnClick()
    {
        QFETCH(int, key);
        QFETCH(int, from);
        QFETCH(int, to);
        list->SetItemIndex(from);
        QTest::keyClick(list.get(), Qt::Key(key));
        if (to < 0)
            QVERIFY(list->ItemIndex() > from + 2);
        else
            QCOMPARE(list->ItemIndex(), to);
        QCOMPARE(clicks, 1);
    }

    void aKeyThatMovesNothingRaisesNothing()
    {
        list->SetItemIndex(0);
        QTest::keyClick(list.get(), Qt::Key_Up);
        QCOMPARE(list->ItemIndex(), 0);
        QCOMPARE(clicks, 0);
    }

    void everyClickOnAnItemRaisesOnClick()
    {
        list->SetItemIndex(1);
        const QPoint third = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(list->ItemIndex(), 2);
        QCOMPARE(clicks, 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(list->ItemIndex(), 2);
        QCOMPARE(clicks, 2);
    }

    void ctrlClickDoesNotTakeTheSelectionAway()
    {
        list->SetItemIndex(2);
        const QPoint third = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, third);
        QCOMPARE(list->ItemIndex(), 2);
    }

    void typeAhead_data()
    {
        // Keys typed into the list, each after a pause in ms; the entry
        // selected and the OnClick count afterwards.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("pauses");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("expectedClicks");
        QTest::newRow("a selects entry 0") << "a" << QList<int>{0} << 0 << 1;
        QTest::newRow("a b quickly selects Aba") << "ab" << QList<int>{0, 100} << 3 << 2;
        QTest::newRow("a, pause, b selects Baal") << "ab" << QList<int>{0, 500} << 9 << 2;
        QTest::newRow("499 ms still adds up") << "ab" << QList<int>{0, 499} << 3 << 2;
        QTest::newRow("found again: raised again") << "aa" << QList<int>{0, 600} << 0 << 2;
        QTest::newRow("no match changes nothing") << "x" << QList<int>{0} << 5 << 0;
        QTest::newRow("á selects Ágabo") << "á" << QList<int>{0} << 8 << 1;
        QTest::newRow("capital A too") << "A" << QList<int>{0} << 0 << 1;
    }
    void typeAhead()
    {
        QFETCH(QString, keys);
        QFETCH(QList<int>, pauses);
        QFETCH(int, selected);
        QFETCH(int, expectedClicks);
        list->SetItemIndex(5);
        for (qsizetype i = 0; i < keys.size(); ++i) {
            now += pauses[i];
            test_support::typeText(list.get(), keys.mid(i, 1));
        }
        QCOMPARE(list->ItemIndex(), selected);
        QCOMPARE(clicks, expectedClicks);
    }

    void backspaceToAnEmptyTextSelectsEntryZero()
    {
        list->SetItemIndex(5);
        test_support::typeText(list.get(), QStringLiteral("ab"));
        QCOMPARE(list->ItemIndex(), 3);
        QTest::keyClick(list.get(), Qt::Key_Backspace);
        QCOMPARE(list->ItemIndex(), 0); // "a"
        QTest::keyClick(list.get(), Qt::Key_Backspace);
        QCOMPARE(list->ItemIndex(), 0); // "": entry 0, raised again
        QCOMPARE(clicks, 4);
        list->SetItemIndex(7);
        now += 1000;
        QTest::keyClick(list.get(), Qt::Key_Backspace); // after a pause: empty at once
        QCOMPARE(list->ItemIndex(), 0);
        QCOMPARE(clicks, 5);
    }

    void enterIsAddedToTheTextAndStillReachesTheList()
    {
        QSignalSpy activated(list.get(), &QListWidget::activated);
        test_support::typeText(list.get(), QStringLiteral("ab"));
        QTest::keyClick(list.get(), Qt::Key_Return);
        QCOMPARE(activated.count(), 1);
        test_support::typeText(list.get(), QStringLiteral("e")); // "ab\re" matches nothing
        QCOMPARE(list->ItemIndex(), 3);
        QCOMPARE(clicks, 2);
    }
};

TAVORENO_TEST_MAIN(TestListBox)
#include "test_listbox.moc"
