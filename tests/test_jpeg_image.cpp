// The image control with its JPEG picture: the fitting of the picture into
// the box, decoding once, the palette path, and damaged pictures, which are
// reported and never crash or hang the program.

#include "exceptions.h"
#include "picture_fit.h"
#include "pictures.h"
#include "test_support.h"
#include "timage.h"
#include "tjpegimage.h"

#include <QFile>
#include <QRegularExpression>
#include <QRandomGenerator>
#include <QSet>

using namespace vcl;
using test_support::errorBoxes;

namespace {

QByteArray fixture(const char *name)
{
    QFile f(QStringLiteral(TAVORENO_FIXTURES "/") + QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::unique_ptr<TImage> showImage(QByteArray data, QSize box)
{
    auto image = std::make_unique<TImage>();
    image->resize(box);
    image->Stretch = true;
    image->Proportional = true;
    image->SetPicture(std::make_unique<TJPEGImage>(std::move(data)));
    image->show();
    return image;
}

} // namespace

class TestJpegImage : public QObject
{
    Q_OBJECT
    const QByteArray banner = content::bannerPicture();

private slots:
    void init() { errorBoxes().clear(); }

    void fitting_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<bool>("center");
        QTest::addColumn<QRect>("rect");
        const QSize size(577, 117);
        QTest::newRow("banner fills its box") << size << QSize(400, 81) << true << true << false << QRect(0, 0, 400, 81);
        QTest::newRow("scaled box 457x93") << size << QSize(457, 93) << true << true << false << QRect(0, 0, 457, 92);
        QTest::newRow("taller box: silver below") << size << QSize(400, 100) << true << true << false << QRect(0, 0, 400, 81);
        QTest::newRow("wider box: height decides") << size << QSize(600, 81) << true << true << false << QRect(0, 0, 399, 81);
        QTest::newRow("centred") << size << QSize(400, 100) << true << true << true << QRect(0, 9, 400, 81);
        QTest::newRow("tall picture") << QSize(50, 100) << QSize(80, 80) << true << true << false << QRect(0, 0, 40, 80);
        QTest::newRow("not proportional") << size << QSize(400, 100) << true << false << false << QRect(0, 0, 400, 100);
        QTest::newRow("no stretch: own size") << QSize(40, 20) << QSize(400, 100) << false << true << false << QRect(0, 0, 40, 20);
        QTest::newRow("no stretch, too big: shrinks") << size << QSize(400, 81) << false << true << false << QRect(0, 0, 400, 81);
    }
    void fitting()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, box);
        QFETCH(bool, stretch);
        QFETCH(bool, proportional);
        QFETCH(bool, center);
        QFETCH(QRect, rect);
        QCOMPARE(fitPicture(picture, box, stretch, proportional, center), rect);
    }

    void theBannerIsABaselineJfifOf577By117()
    {
        QVERIFY(banner.startsWith("\xFF\xD8\xFF\xE0"));
        QCOMPARE(banner.mid(6, 5), QByteArray("JFIF\0", 5));
        QCOMPARE(banner.at(11), char(1)); // version 1.01
        QCOMPARE(banner.at(12), char(1));
        TJPEGImage picture(banner);
        QCOMPARE(picture.Width(), 577);
        QCOMPARE(picture.Height(), 117);
        QVERIFY(!picture.Grayscale());
        QVERIFY(!picture.ProgressiveEncoding());
        QCOMPARE(picture.DecodeCount(), 0); // only the header is read
    }

    void theBannerIsDecodedOnceHoweverOftenItIsPainted()
    {
        auto image = showImage(banner, QSize(400, 81));
        QVERIFY(QTest::qWaitForWindowExposed(image.get()));
        for (int i = 0; i < 10; ++i) {
            image->repaint();
            image->hide();
            image->show();
            QCoreApplication::processEvents();
        }
        QCOMPARE(image->Picture()->DecodeCount(), 1);
        QCOMPARE(image->Picture()->Bitmap(24).format(), QImage::Format_RGB888);
    }

    void theScaledBoxLeavesItsBottomRowUncovered()
    {
        QWidget window;
        window.setAutoFillBackground(true);
        QPalette p = window.palette();
        p.setColor(QPalette::Window, QColor(192, 192, 192));
        window.setPalette(p);
        window.resize(500, 120);
        auto *image = new TImage(&window);
        image->setGeometry(0, 0, 457, 93);
        image->Stretch = image->Proportional = true;
        image->SetPicture(std::make_unique<TJPEGImage>(banner));
        const QImage shot = window.grab().toImage();
        QCOMPARE(QColor(shot.pixel(200, 92)), QColor(192, 192, 192));
        QVERIFY(QColor(shot.pixel(200, 91)) != QColor(192, 192, 192) || QColor(shot.pixel(100, 91)) != QColor(192, 192, 192));
        QCOMPARE(image->DestRect(), QRect(0, 0, 457, 92));
    }

    void onAPaletteDisplayAtMost236Colours()
    {
        TJPEGImage picture(banner);
        const QImage &bitmap = picture.Bitmap(8);
        QCOMPARE(bitmap.format(), QImage::Format_Indexed8);
        QVERIFY(bitmap.colorCount() > 16);
        QVERIFY(bitmap.colorCount() <= 236);
        QSet<int> used;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                used.insert(bitmap.pixelIndex(x, y));
        QVERIFY(used.size() <= 236);
    }

    void otherKindsOfPicturesDecode_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("grayscale");
        QTest::addColumn<bool>("progressive");
        QTest::newRow("progressive") << fixture("progressive.jpg") << false << true;
        QTest::newRow("greyscale") << fixture("grayscale.jpg") << true << false;
    }
    void otherKindsOfPicturesDecode()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, grayscale);
        QFETCH(bool, progressive);
        TJPEGImage picture(data);
        QCOMPARE(picture.Grayscale(), grayscale);
        QCOMPARE(picture.ProgressiveEncoding(), progressive);
        QCOMPARE(picture.Bitmap(24).size(), QSize(24, 16));
        QCOMPARE(picture.Bitmap(8).size(), QSize(24, 16)); // the first result is kept
        QCOMPARE(picture.DecodeCount(), 1);
    }

    void aDamagedPictureIsReportedOnceAndTheProgramGoesOn_data()
    {
        QTest::addColumn<QByteArray>("data");
        QByteArray corrupted = banner;
        for (int i = 0; i < 40; ++i) // the frame header's sampling factors and tables
            corrupted[i + 150] = char(0xFF);
        QTest::newRow("cut inside the header") << banner.left(300);
        QTest::newRow("corrupted tables") << corrupted;
        QTest::newRow("not a JPEG") << QByteArrayLiteral("\x89PNG\r\n\x1a\n not a jpeg at all");
        QTest::newRow("empty") << QByteArray();
    }
    void aDamagedPictureIsReportedOnceAndTheProgramGoesOn()
    {
        QFETCH(QByteArray, data);
        auto image = showImage(data, QSize(400, 81));
        QVERIFY(QTest::qWaitForWindowExposed(image.get()));
        for (int i = 0; i < 5; ++i) {
            image->repaint();
            QCoreApplication::processEvents();
        }
        QTRY_COMPARE(errorBoxes().texts.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^JPEG error #\\d+\\.$")).match(errorBoxes().texts[0]).hasMatch(),
                 qPrintable(errorBoxes().texts[0]));
        QCOMPARE(errorBoxes().captions[0], QStringLiteral("tavoreno"));
    }

    void aTruncatedScanDecodesWhatThereIs()
    {
        // The decoder's warning about the early end is ignored.
        TJPEGImage picture(banner.left(banner.size() / 2));
        QCOMPARE(picture.Bitmap(24).size(), QSize(577, 117));
    }

    void thousandsOfMutatedBannersNeverCrashOrHang()
    {
        QRandomGenerator random(20261211);
        int failures = 0;
        for (int round = 0; round < 3000; ++round) {
            QByteArray copy = banner;
            const int edits = 1 + random.bounded(8);
            for (int e = 0; e < edits; ++e)
                copy[random.bounded(int(copy.size()))] = char(random.bounded(256));
            if (round % 7 == 0)
                copy.truncate(random.bounded(int(copy.size())));
            try {
                TJPEGImage picture(copy);
                picture.Bitmap(round % 5 == 0 ? 8 : 24);
            } catch (const EJPEG &) {
                ++failures;
            } catch (const EOutOfMemory &) {
                ++failures;
            }
        }
        QVERIFY(failures > 0);
    }
};

TAVORENO_TEST_MAIN(TestJpegImage)
#include "test_jpeg_image.moc"
