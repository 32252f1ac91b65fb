// The dictionary page driven as a user drives it: typing into the search box,
// clicking headwords, typing into the list; after each step the label and the
// pane show the selected entry.

#include "main_window_fixture.h"
#include "test_support.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

using namespace vcl;
using test_support::errorBoxes;

class TestDictionaryPage : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> f;
    qint64 now = 0;

    TEdit *edit() const { return f->form->Edit1; }
    TListBox *list() const { return f->form->ListBox1; }

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
        errorBoxes().clear();
        f = std::make_unique<MainWindowFixture>();
        f->form->ListBox1->SetTypeAheadClock([this] { return now; });
        now = 1'000'000;
        QVERIFY(f->showAndActivate());
    }
    void cleanup()
    {
        QVERIFY2(errorBoxes().texts.isEmpty(), qPrintable(errorBoxes().texts.join(u'\n')));
        f.reset();
    }

    void typingSelectsTheFirstHeadwordThatBeginsWithIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");
        QTest::newRow("a replaces aará: entry 1") << "a" << "Aarão";
        QTest::newRow("aa") << "aa" << "Aarão";
        QTest::newRow("aar") << "aar" << "Aarão";
        QTest::newRow("aará: entry 0") << "aará" << "Aará";
        QTest::newRow("ab") << "ab" << "Aba";
        QTest::newRow("abx keeps Aba") << "abx" << "Aba";
        QTest::newRow("abel") << "abel" << "Abel";
        QTest::newRow("abel-") << "abel-" << "Abel-Bete-Maaca";
        QTest::newRow("abida") << "abida" << "Abida";
        QTest::newRow("abidã") << "abidã" << "Abidã";
        QTest::newRow("á selects Ágabo") << "á" << "Ágabo";
        QTest::newRow("capitals") << "ABEL" << "Abel";
        QTest::newRow("b") << "b" << "Baal";
        QTest::newRow("k selects nothing new") << "k" << "Aará";
        QTest::newRow("w selects nothing new") << "w" << "Aará";
    }
    void typingSelectsTheFirstHeadwordThatBeginsWithIt()
    {
        QFETCH(QString, typed);
        QFETCH(QString, selected);
        QCOMPARE(edit()->selectedText(), QStringLiteral("aará"));
        MainWindowFixture::type(edit(), typed);
        QCOMPARE(edit()->Text(), typed);
        QCOMPARE(f->selectedHeadword(), selected);
        verifyShowsSelectedEntry();
    }

    void eachKeystrokeLooksUpAgain()
    {
        const QStringList expected = {"Aarão", "Aba", "Aba"};
        for (int i = 0; i < 3; ++i) {
            MainWindowFixture::type(edit(), QStringLiteral("abx").mid(i, 1));
            QCOMPARE(f->selectedHeadword(), expected[i]);
            verifyShowsSelectedEntry();
        }
        QCOMPARE(edit()->Text(), QStringLiteral("abx"));
    }

    void typingANeverSelectsAnAccentedCapital()
    {
        MainWindowFixture::type(edit(), QStringLiteral("a"));
        QVERIFY(!f->selectedHeadword().startsWith(u'Á'));
        QVERIFY(!f->selectedHeadword().startsWith(u'Â'));
    }

    void anEmptySearchBoxKeepsTheEntry()
    {
        MainWindowFixture::type(edit(), QStringLiteral("abel"));
        edit()->selectAll();
        QTest::keyClick(edit(), Qt::Key_Delete);
        QCOMPARE(edit()->Text(), QString());
        QCOMPARE(f->selectedHeadword(), QStringLiteral("Abel"));
        verifyShowsSelectedEntry();
    }

    void textThatMatchesNoHeadwordKeepsTheEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("emoji") << QStringLiteral("ab\U0001F600");
        QTest::newRow("right-to-left mark") << QStringLiteral("ab\u200F");
        QTest::newRow("Greek") << QStringLiteral("abα");
        QTest::newRow("control character") << QStringLiteral("ab\u0001");
    }
    void textThatMatchesNoHeadwordKeepsTheEntry()
    {
        QFETCH(QString, typed);
        MainWindowFixture::type(edit(), typed);
        QCOMPARE(f->selectedHeadword(), QStringLiteral("Aba"));
        verifyShowsSelectedEntry();
    }

    void pastingAMegabyteKeepsTheEntry()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("abel") + QString(1 << 20, u'z'));
        QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit()->Text().size(), (1 << 20) + 4);
        QCOMPARE(f->selectedHeadword(), QStringLiteral("Aará"));
        verifyShowsSelectedEntry();
    }

    void clickingAHeadwordShowsItAndCopiesIt()
    {
        const int abida = f->indexOf(QStringLiteral("Abidã"));
        f->clickHeadword(abida);
        QCOMPARE(f->selected(), abida);
        QCOMPARE(edit()->Text(), QStringLiteral("Abidã"));
        QCOMPARE(QApplication::focusWidget(), list());
        verifyShowsSelectedEntry();
    }

    void clickingTheHeadwordTheBoxHoldsRunsNoLookUp()
    {
        const int abel = f->indexOf(QStringLiteral("Abel"));
        f->clickHeadword(abel);
        QSignalSpy changes(edit(), &QLineEdit::textChanged);
        f->clickHeadword(abel);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(f->selected(), abel);
        verifyShowsSelectedEntry();
    }

    void clickingAHeadwordThatDiffersOnlyInCaseLooksUpAgain()
    {
        MainWindowFixture::type(edit(), QStringLiteral("abel"));
        const int abel = f->selected();
        QSignalSpy changes(edit(), &QLineEdit::textChanged);
        f->clickHeadword(abel);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(edit()->Text(), QStringLiteral("Abel"));
        QCOMPARE(f->selected(), abel);
        QCOMPARE(QApplication::focusWidget(), list());
        verifyShowsSelectedEntry();
    }

    void arrowKeysInTheListShowEachEntry()
    {
        f->clickHeadword(3);
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(f->selected(), 4);
        QCOMPARE(edit()->Text(), f->selectedHeadword());
        verifyShowsSelectedEntry();
        QTest::keyClick(list(), Qt::Key_End);
        QCOMPARE(f->selected(), list()->count() - 1);
        verifyShowsSelectedEntry();
    }

    void typeAheadInTheList()
    {
        f->clickHeadword(5);
        now += 1000;
        test_support::typeText(list(), QStringLiteral("a"));
        QCOMPARE(f->selected(), 0);
        QCOMPARE(edit()->Text(), QStringLiteral("Aará"));
        verifyShowsSelectedEntry();
        now += 100;
        test_support::typeText(list(), QStringLiteral("b"));
        QCOMPARE(f->selectedHeadword(), QStringLiteral("Aba"));
        now += 600;
        test_support::typeText(list(), QStringLiteral("b"));
        QCOMPARE(f->selectedHeadword(), QStringLiteral("Baal"));
        verifyShowsSelectedEntry();
        now += 100;
        QTest::keyClick(list(), Qt::Key_Backspace);
        QCOMPARE(f->selected(), 0);
        verifyShowsSelectedEntry();
        QCOMPARE(QApplication::focusWidget(), list());
    }

    void aRefreshWithNoEntrySelectedReportsTheListError()
    {
        MainWindowFixture fresh; // built, never activated: nothing selected
        fresh.form->Label7->SetCaption(QStringLiteral("antes"));
        fresh.form->kustuta->Lines()->Add(QStringLiteral("antes"));
        fresh.form->Edit1->SetText(QStringLiteral("zzz"));
        QCOMPARE(errorBoxes().texts, QStringList{"List index out of bounds (-1)"});
        QCOMPARE(errorBoxes().captions, QStringList{"tavoreno"});
        QCOMPARE(fresh.form->kustuta->Text(), QString());
        QCOMPARE(fresh.form->Label7->Caption(), QStringLiteral("antes"));
        errorBoxes().clear();
    }
};

TAVORENO_TEST_MAIN(TestDictionaryPage)
#include "test_dictionary_page.moc"
