// Window placement and layout scaling: the pure rules with their cases, and
// the main window centred once on a real X display of known size.

#include "da.h"
#include "layout_scaling.h"
#include "test_support.h"
#include "timage.h"
#include "tpagecontrol.h"
#include "window_placement.h"

#include <QScreen>

using namespace vcl;

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private slots:
    void centring_data()
    {
        QTest::addColumn<QSize>("desktop");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("1024x768") << QSize(1024, 768) << QSize(728, 573) << QPoint(148, 97);
        QTest::newRow("640x480: negatives become 0") << QSize(640, 480) << QSize(728, 573) << QPoint(0, 0);
        QTest::newRow("two monitors side by side") << QSize(3840, 1080) << QSize(728, 573) << QPoint(1556, 253);
        QTest::newRow("no frame") << QSize(1024, 768) << QSize(722, 548) << QPoint(151, 110);
    }
    void centring()
    {
        QFETCH(QSize, desktop);
        QFETCH(QSize, window);
        QFETCH(QPoint, position);
        QCOMPARE(desktopCentre(desktop, window), position);
    }

    void mulDivRoundsToNearest_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("result");
        QTest::newRow("400 -> 457.14") << 400 << 457;
        QTest::newRow("81 -> 92.57") << 81 << 93;
        QTest::newRow("-3 -> -3.43") << -3 << -3;
        QTest::newRow("722 -> 825.14") << 722 << 825;
        QTest::newRow("7 -> 8") << 7 << 8;
        QTest::newRow("-7 -> -8") << -7 << -8;
    }
    void mulDivRoundsToNearest()
    {
        QFETCH(int, value);
        QFETCH(int, result);
        QCOMPARE(mulDiv(value, 16, 14), result);
    }

    void scalingTheGeometry_data()
    {
        QTest::addColumn<QRect>("design");
        QTest::addColumn<QRect>("scaled");
        QTest::newRow("banner") << QRect(0, 0, 400, 81) << QRect(0, 0, 457, 93);
        QTest::newRow("page control") << QRect(-3, 88, 725, 460) << QRect(-3, 101, 828, 525);
    }
    void scalingTheGeometry()
    {
        QFETCH(QRect, design);
        QFETCH(QRect, scaled);
        QCOMPARE(scaleGeometry(design, 16, 14), scaled);
    }

    void atTheDesignHeightNothingIsScaled()
    {
        TFrm_Principal form;
        QCOMPARE(measuredTextHeight(&form), kDesignTextHeight);
        QCOMPARE(form.size(), QSize(722, 548));
        QCOMPARE(form.Image2->geometry(), QRect(0, 0, 400, 81));
        QCOMPARE(form.PageControl1->geometry(), QRect(-3, 88, 725, 460));
    }

    void aTextHeightOf16ScalesTheWholeWindow()
    {
        TFrm_Principal form;
        const int ownFont = form.PageControl1->font().pixelSize();
        scaleLayout(&form, 16);
        QCOMPARE(form.Image2->geometry(), QRect(0, 0, 457, 93));
        QCOMPARE(form.PageControl1->geometry().left(), -3);
        QCOMPARE(form.PageControl1->geometry().width(), 828);
        QCOMPARE(form.size(), QSize(825, 626));
        QCOMPARE(form.PageControl1->font().pixelSize(), mulDiv(ownFont, 16, 14));
        QCOMPARE(form.Image2->DestRect(), QRect(0, 0, 457, 92));
    }

    void theMainWindowIsCentredOnceOnTheDesktop()
    {
        if (QGuiApplication::platformName() == u"offscreen")
            QSKIP("needs a real X display (run under Xvfb)");
        const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
        TFrm_Principal form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint expected = desktopCentre(desktop, form.frameGeometry().size());
        QTRY_COMPARE(form.frameGeometry().topLeft(), expected);
        form.move(10, 20);
        QTRY_COMPARE(form.pos(), QPoint(10, 20));
        form.hide();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_COMPARE(form.pos(), QPoint(10, 20));
    }
};

TAVORENO_TEST_MAIN(TestWindowPlacement)
#include "test_window_placement.moc"
