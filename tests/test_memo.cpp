// The memo: its lines and text, and read-only behaviour.

#include "test_support.h"
#include "tmemo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace vcl;

class TestMemo : public QObject
{
    Q_OBJECT
    std::unique_ptr<TMemo> memo;

private slots:
    void init()
    {
        memo = std::make_unique<TMemo>();
        memo->resize(200, 80);
    }

    void eachAddedLineEndsWithALineBreak()
    {
        QCOMPARE(memo->Text(), QString());
        memo->Lines()->Add(QStringLiteral(" leading and trailing "));
        QCOMPARE(memo->Text(), QStringLiteral(" leading and trailing \r\n"));
        memo->Lines()->Add(QString());
        memo->Lines()->Add(QStringLiteral("third"));
        QCOMPARE(memo->Text(), QStringLiteral(" leading and trailing \r\n\r\nthird\r\n"));
        QCOMPARE(memo->Lines()->Count(), 3);
        QCOMPARE(memo->Lines()->Strings(2), QStringLiteral("third"));
        memo->Clear();
        QCOMPARE(memo->Text(), QString());
        QCOMPARE(memo->Lines()->Count(), 0);
    }

    void aLongLineWrapsWithoutAHorizontalScrollBar()
    {
        memo->SetWordWrap(true);
        memo->Lines()->Add(QString(60, u'x').replace(u'x', QStringLiteral("palavra ")));
        memo->show();
        QVERIFY(QTest::qWaitForWindowExposed(memo.get()));
        QCOMPARE(memo->Lines()->Count(), 1);
        QVERIFY(memo->document()->firstBlock().layout()->lineCount() > 1);
        QVERIFY(!memo->horizontalScrollBar()->isVisible());
    }

    void readOnlyIgnoresEveryChangeButLetsTheUserCopy()
    {
        memo->SetReadOnly(true);
        memo->Lines()->Add(QStringLiteral("texto fixo"));
        memo->show();
        memo->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(memo.get()));
        QGuiApplication::clipboard()->setText(QStringLiteral("colado"));
        QTest::keyClicks(memo.get(), QStringLiteral("abc"));
        QTest::keyClick(memo.get(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(memo.get(), Qt::Key_Delete);
        QTest::keyClick(memo.get(), Qt::Key_Backspace);
        QTest::keyClick(memo.get(), Qt::Key_Return);
        QTest::keyClick(memo.get(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(memo.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(memo->Text(), QStringLiteral("texto fixo\r\n"));
        QTest::keyClick(memo.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("texto fixo\n"));
    }

    void theSelectionIsHiddenWithoutTheFocus()
    {
        QWidget window;
        auto *other = new QLineEdit(&window);
        auto *shown = new TMemo(&window);
        shown->setGeometry(0, 30, 200, 60);
        shown->SetColor(Qt::white);
        shown->Lines()->Add(QStringLiteral("texto selecionado"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        shown->setFocus();
        shown->selectAll();
        const QColor highlight = shown->palette().color(QPalette::Active, QPalette::Highlight);
        const auto highlighted = [&] {
            const QImage image = shown->viewport()->grab().toImage();
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    n += image.pixelColor(x, y) == highlight;
            return n;
        };
        QVERIFY(highlighted() > 50);
        other->setFocus();
        QCOMPARE(highlighted(), 0);
        QVERIFY(shown->textCursor().hasSelection()); // hidden, not lost
    }

    void setSelZeroPutsTheCaretAtTheStart()
    {
        for (int i = 0; i < 40; ++i)
            memo->Lines()->Add(QStringLiteral("linha %1").arg(i));
        memo->show();
        memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
        memo->Perform(EM_SETSEL, 0, 0);
        memo->Perform(EM_SCROLLCARET);
        QCOMPARE(memo->textCursor().position(), 0);
        QVERIFY(!memo->textCursor().hasSelection());
        QCOMPARE(memo->verticalScrollBar()->value(), 0);
    }
};

TAVORENO_TEST_MAIN(TestMemo)
#include "test_memo.moc"
