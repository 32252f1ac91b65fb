// The combo box: choosing from its list, its auto-completion of typed
// characters, Backspace, and the change event each of them raises.

#include "tcombobox.h"
#include "test_support.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace vcl;

namespace {
const QStringList kCaptions = {
    "Cristianismo", "Islamismo", "Fé Mundia Bahaí", "Budismo", "Hinduísmo", "Judaísmo", "Cientologia",
    "Ordem Rosa Cruz", "Mormonismo", "Testemunhas de Jeová", "Adventista do 7º dia", "Espiritismo",
    "Legião da Boa Vontade", "Hare-Krishna", "Meditação Transcedental", "Igreja da Unificação",
    "Pentecostais Unicistas", "Igreja Voz da Verdade", "Igreja Local de Vandrel Qel", "Movimento Nova Era",
};
} // namespace

class TestComboBox : public QObject
{
    Q_OBJECT
    std::unique_ptr<QWidget> window;
    TComboBox *combo = nullptr;
    QWidget *before = nullptr;
    QList<int> changes; // the position seen by each OnChange

    QLineEdit *field() const { return combo->lineEdit(); }
    QString highlighted() const { return field()->selectedText(); }

private slots:
    void init()
    {
        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        before = new QLineEdit(window.get());
        combo = new TComboBox(window.get());
        layout->addWidget(before);
        layout->addWidget(combo);
        combo->AddItems(kCaptions);
        combo->SetText(QStringLiteral("ESCOLHA A RELIGIÃO"));
        changes.clear();
        combo->OnChange = [this](QObject *) { changes << combo->ItemIndex(); };
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // Tabbing into the field highlights all of it.
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(highlighted(), QStringLiteral("ESCOLHA A RELIGIÃO"));
        QCOMPARE(QApplication::focusWidget(), combo);
    }

    void atStartNoItemIsChosen()
    {
        QCOMPARE(combo->ItemIndex(), -1);
        QCOMPARE(combo->Text(), QStringLiteral("ESCOLHA A RELIGIÃO"));
        QCOMPARE(combo->count(), 20);
        QCOMPARE(combo->completer(), nullptr);
        QCOMPARE(combo->maxVisibleItems(), 8);
        QVERIFY(changes.isEmpty());
    }

    void typingCompletesTheFirstCaptionItBegins()
    {
        test_support::typeText(combo, QStringLiteral("i"));
        QCOMPARE(combo->ItemIndex(), 1);
        QCOMPARE(combo->Text(), QStringLiteral("islamismo"));
        QCOMPARE(highlighted(), QStringLiteral("slamismo"));
        QCOMPARE(changes, QList<int>{1});

        test_support::typeText(combo, QStringLiteral("g"));
        QCOMPARE(combo->ItemIndex(), 15);
        QCOMPARE(combo->Text(), QStringLiteral("igreja da Unificação"));
        QCOMPARE(highlighted(), QStringLiteral("reja da Unificação"));
        QCOMPARE(changes, (QList<int>{1, 15}));

        test_support::typeText(combo, QStringLiteral("reja "));
        QCOMPARE(combo->ItemIndex(), 15);
        QCOMPARE(changes, (QList<int>{1, 15}));

        test_support::typeText(combo, QStringLiteral("v"));
        QCOMPARE(combo->ItemIndex(), 17);
        QCOMPARE(combo->Text(), QStringLiteral("igreja voz da Verdade"));
        QCOMPARE(highlighted(), QStringLiteral("oz da Verdade"));
        QCOMPARE(changes, (QList<int>{1, 15, 17}));
    }

    void theFirstCaptionFromTheTopWins_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("position");
        QTest::newRow("h") << "h" << 4;
        QTest::newRow("h a") << "ha" << 13;
        QTest::newRow("m") << "m" << 8;
        QTest::newRow("m e") << "me" << 14;
        QTest::newRow("capital I") << "I" << 1;
        QTest::newRow("accents count: fe") << "fé" << 2;
    }
    void theFirstCaptionFromTheTopWins()
    {
        QFETCH(QString, typed);
        QFETCH(int, position);
        test_support::typeText(combo, typed);
        QCOMPARE(combo->ItemIndex(), position);
        QCOMPARE(changes.last(), position);
    }

    void aCharacterThatCompletesNothingIsOrdinaryTyping()
    {
        test_support::typeText(combo, QStringLiteral("x"));
        QCOMPARE(combo->Text(), QStringLiteral("x"));
        QCOMPARE(changes, QList<int>{-1});
        test_support::typeText(combo, QStringLiteral("fe")); // "xfe" still nothing
        QCOMPARE(combo->Text(), QStringLiteral("xfe"));
        QCOMPARE(changes, (QList<int>{-1, -1, -1}));
    }

    void aLetterWithoutItsAccentCompletesNothing()
    {
        test_support::typeText(combo, QStringLiteral("fe"));
        QCOMPARE(combo->Text(), QStringLiteral("fe"));
        QCOMPARE(combo->ItemIndex(), -1);
    }

    void backspaceAlwaysLeavesNoItemChosen()
    {
        test_support::typeText(combo, QStringLiteral("bu"));
        QCOMPARE(combo->ItemIndex(), 3);
        changes.clear();
        QTest::keyClick(combo, Qt::Key_Backspace); // removes the highlighted rest
        QCOMPARE(combo->Text(), QStringLiteral("bu"));
        QCOMPARE(combo->ItemIndex(), -1);
        QCOMPARE(changes, QList<int>{-1});
        QTest::keyClick(combo, Qt::Key_Backspace); // the character before the caret
        QCOMPARE(combo->Text(), QStringLiteral("b"));
        field()->setCursorPosition(0);
        QTest::keyClick(combo, Qt::Key_Backspace); // at the start: nothing removed
        QCOMPARE(combo->Text(), QStringLiteral("b"));
        QCOMPARE(changes, (QList<int>{-1, -1, -1}));
    }

    void backspaceInAnEmptyFieldKeepsThePosition()
    {
        QTest::keyClick(combo, Qt::Key_Down); // Cristianismo
        field()->selectAll();
        QTest::keyClick(combo, Qt::Key_Delete);
        QCOMPARE(combo->Text(), QString());
        changes.clear();
        combo->setCurrentIndex(0);
        QTest::keyClick(combo, Qt::Key_Backspace);
        QCOMPARE(changes.size(), 1);
    }

    void arrowKeysWithTheListClosedChooseTheNextItem()
    {
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->ItemIndex(), 0);
        QCOMPARE(combo->Text(), QStringLiteral("Cristianismo"));
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->ItemIndex(), 1);
        QCOMPARE(combo->Text(), QStringLiteral("Islamismo"));
        QCOMPARE(changes, (QList<int>{0, 1, 2, 1}));
    }

    void arrowKeysInTheOpenListChooseEachItem()
    {
        QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QCOMPARE(combo->ItemIndex(), 1);
        QCOMPARE(combo->Text(), QStringLiteral("Islamismo"));
        QCOMPARE(changes, (QList<int>{0, 1}));
        QTest::keyClick(combo->view(), Qt::Key_End);
        QCOMPARE(combo->ItemIndex(), 19);
    }

    void clickingAnItemOfTheOpenListChoosesIt()
    {
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        QAbstractItemView *list = combo->view();
        const QModelIndex third = list->model()->index(2, 0);
        list->scrollTo(third);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(third).center());
        QCOMPARE(combo->ItemIndex(), 2);
        QCOMPARE(combo->Text(), QStringLiteral("Fé Mundia Bahaí"));
        QCOMPARE(changes, QList<int>{2});
    }

    void tabAndEscapeRaiseNothing()
    {
        QTest::keyClick(combo, Qt::Key_Escape);
        QTest::keyClick(combo, Qt::Key_Tab);
        QVERIFY(changes.isEmpty());
        QCOMPARE(combo->Text(), QStringLiteral("ESCOLHA A RELIGIÃO"));
    }

    void cutAndPasteAreEdits()
    {
        QTest::keyClick(combo, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(combo->Text(), QString());
        QTest::keyClick(combo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(combo->Text(), QStringLiteral("ESCOLHA A RELIGIÃO"));
        QCOMPARE(changes, (QList<int>{-1, -1}));
    }
};

TAVORENO_TEST_MAIN(TestComboBox)
#include "test_combobox.moc"
