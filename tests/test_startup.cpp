// Start-up and closing: the exit codes, and the fatal box when the main
// window can't be built.

#include "exceptions.h"
#include "startup.h"
#include "test_support.h"
#include "tform.h"

#include <QTimer>

using namespace vcl;
using test_support::errorBoxes;

namespace {

// A main window that closes itself once it has been activated.
class ClosingForm : public TForm
{
public:
    ClosingForm()
    {
        SetClientSize(100, 100);
        OnActivate = [this](QObject *) {
            ++activations;
            QTimer::singleShot(0, this, &QWidget::close);
        };
    }
    inline static int activations = 0;
};

class BrokenForm : public TForm
{
public:
    BrokenForm() { throw EListError(7); }
};

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void init() { errorBoxes().clear(); }

    void closingTheMainWindowEndsWithExitCodeZero()
    {
        ClosingForm *form = nullptr;
        QCOMPARE(StartUp(*Application(), form), 0);
        QCOMPARE(form, nullptr);
        QCOMPARE(ClosingForm::activations, 1);
        QCOMPARE(QApplication::applicationName(), QStringLiteral("tavoreno"));
        QCOMPARE(QApplication::windowIcon().availableSizes().value(0), QSize(32, 32));
        QVERIFY(errorBoxes().texts.isEmpty());
    }

    void anErrorWhileBuildingShowsTheFatalBoxAndEndsWithOne()
    {
        BrokenForm *form = nullptr;
        QCOMPARE(StartUp(*Application(), form), 1);
        QCOMPARE(form, nullptr);
        QCOMPARE(errorBoxes().captions, QStringList{"Application Error"});
        QVERIFY(errorBoxes().texts.first().startsWith("Exception EListError in module "));
        QVERIFY(errorBoxes().texts.first().endsWith(" at 00000000.\r\nList index out of bounds (7).\r\n"));
    }
};

TAVORENO_TEST_MAIN(TestStartUp)
#include "test_startup.moc"
