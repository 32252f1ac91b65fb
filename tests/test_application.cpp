// The application's error report: what escapes a handler is shown with the
// title as caption and the program goes on; the fatal box of start-up.

#include "exceptions.h"
#include "tedit.h"
#include "test_support.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace vcl;
using test_support::errorBoxes;

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void init() { errorBoxes().clear(); }

    void anErrorInAHandlerIsReportedAndTheProgramGoesOn_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("list error, no period") << 0 << QStringList{"List index out of bounds (-1)"};
        QTest::newRow("message gets a period") << 1 << QStringList{"JPEG error #53."};
        QTest::newRow("abort is silent") << 2 << QStringList{};
        QTest::newRow("out of memory") << 3 << QStringList{"Out of memory."};
    }
    void anErrorInAHandlerIsReportedAndTheProgramGoesOn()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, shown);
        TEdit edit;
        bool after = false;
        edit.OnChange = [kind](QObject *) {
            switch (kind) {
            case 0: throw EListError(-1);
            case 1: throw Exception(QStringLiteral("JPEG error #53"));
            case 2: throw EAbort();
            default: throw std::bad_alloc();
            }
        };
        edit.SetText(QStringLiteral("x"));
        after = true;
        QVERIFY(after);
        QCOMPARE(errorBoxes().texts, shown);
        for (const QString &caption : std::as_const(errorBoxes().captions))
            QCOMPARE(caption, QStringLiteral("tavoreno"));
        QCOMPARE(edit.Text(), QStringLiteral("x")); // nothing rolled back
    }

    void aNestedErrorIsReportedWhereItWasRaised()
    {
        // A handler that sets another control's text goes on after the
        // other control's handler failed, as a message handled inside it.
        TEdit outer, inner;
        QStringList steps;
        inner.OnChange = [&](QObject *) {
            steps << "inner";
            throw EListError(-1);
        };
        outer.OnChange = [&](QObject *) {
            inner.SetText(QStringLiteral("y"));
            steps << "outer goes on";
        };
        outer.SetText(QStringLiteral("x"));
        QCOMPARE(steps, (QStringList{"inner", "outer goes on"}));
        QCOMPARE(errorBoxes().texts.size(), 1);
    }

    void theRealBoxHasTheStopIconAndOneOkButton()
    {
        auto *app = Application();
        app->SetErrorBox(nullptr);
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            modal = box->windowModality() == Qt::ApplicationModal;
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        app->ShowException(QStringLiteral("JPEG error #1"));
        test_support::recordErrorBoxes(*app);
        QCOMPARE(caption, QStringLiteral("tavoreno"));
        QCOMPARE(text, QStringLiteral("JPEG error #1."));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
        QVERIFY(modal);
    }

    void theFatalBoxNamesTheErrorAndTheModule()
    {
        QCOMPARE(fatalErrorText("EListError", QStringLiteral("tavoreno"), QStringLiteral("List index out of bounds (3)")),
                 QStringLiteral("Exception EListError in module tavoreno at 00000000.\r\nList index out of bounds (3).\r\n"));
        QCOMPARE(fatalErrorText("Exception", QStringLiteral("tavoreno"), QStringLiteral("Done.")),
                 QStringLiteral("Exception Exception in module tavoreno at 00000000.\r\nDone.\r\n"));
        Application()->ShowFatalError(std::make_exception_ptr(EInvalidOperation::cannotFocus()));
        QCOMPARE(errorBoxes().captions, QStringList{"Application Error"});
        QVERIFY(errorBoxes().texts.first().startsWith("Exception EInvalidOperation in module "));
    }
};

TAVORENO_TEST_MAIN(TestApplication)
#include "test_application.moc"
