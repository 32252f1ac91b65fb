// The edit box: change semantics, and what it selects when it takes the focus.

#include "exceptions.h"
#include "test_support.h"
#include "tedit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace vcl;

class TestEdit : public QObject
{
    Q_OBJECT
    std::unique_ptr<QWidget> window;
    TEdit *edit = nullptr;
    QLineEdit *other = nullptr;
    QStringList changes; // the text seen by each OnChange

private slots:
    void init()
    {
        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        other = new QLineEdit(window.get());
        edit = new TEdit(window.get());
        layout->addWidget(other);
        layout->addWidget(edit);
        changes.clear();
        edit->OnChange = [this](QObject *sender) {
            QCOMPARE(sender, edit);
            changes << edit->Text();
        };
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void settingTheSameTextRaisesNothing()
    {
        edit->SetText(QStringLiteral("abel"));
        edit->SetText(QStringLiteral("abel"));
        QCOMPARE(changes, QStringList{"abel"});
    }

    void settingADifferentTextRaisesOnceBeforeReturning_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("case differs") << "abel" << "Abel";
        QTest::newRow("accent differs") << "abida" << "abidã";
        QTest::newRow("to empty") << "abel" << "";
    }
    void settingADifferentTextRaisesOnceBeforeReturning()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        edit->SetText(first);
        edit->SetText(second);
        QCOMPARE(changes, (QStringList{first, second}));
    }

    void theChangeRunsWhileTheBoxIsNotOnScreen()
    {
        TEdit hidden;
        int raised = 0;
        hidden.OnChange = [&](QObject *) { ++raised; };
        hidden.SetText(QStringLiteral("aará"));
        QCOMPARE(raised, 1);
    }

    void typingRaisesOncePerKey()
    {
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("ab"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(changes, (QStringList{"a", "ab", "a"}));
    }

    void pastingAMegabyteKeepsAllOfIt()
    {
        const QString big(1 << 20, u'x');
        QGuiApplication::clipboard()->setText(big);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(edit->Text().size(), big.size());
    }

    void focusSelectsAllExceptByMouse_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("selectsAll");
        QTest::newRow("by the program") << int(Qt::OtherFocusReason) << true;
        QTest::newRow("by Tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("by Shift+Tab") << int(Qt::BacktabFocusReason) << true;
        QTest::newRow("by the mouse") << int(Qt::MouseFocusReason) << false;
        QTest::newRow("window comes back") << int(Qt::ActiveWindowFocusReason) << false;
    }
    void focusSelectsAllExceptByMouse()
    {
        QFETCH(int, reason);
        QFETCH(bool, selectsAll);
        edit->SetText(QStringLiteral("aará"));
        edit->setCursorPosition(2);
        other->setFocus();
        edit->setFocus(Qt::FocusReason(reason));
        QCOMPARE(edit->selectedText() == QStringLiteral("aará"), selectsAll);
    }

    void tabIntoTheBoxSelectsAll()
    {
        edit->SetText(QStringLiteral("aará"));
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Tab);
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), QStringLiteral("aará"));
        QTest::keyClicks(edit, QStringLiteral("b"));
        QCOMPARE(edit->Text(), QStringLiteral("b"));
    }

    void setFocusOnAHiddenBoxRaisesTheFocusError()
    {
        edit->hide();
        QVERIFY_THROWS_EXCEPTION(vcl::EInvalidOperation, edit->SetFocus());
    }
};

TAVORENO_TEST_MAIN(TestEdit)
#include "test_edit.moc"
