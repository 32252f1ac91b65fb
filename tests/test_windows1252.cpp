// Windows-1252 conversion and the case rule the list and combo searches use.

#include "exceptions.h"
#include "windows1252.h"

#include <QTest>

using namespace vcl;

class TestWindows1252 : public QObject
{
    Q_OBJECT
private slots:
    void everyDefinedByteRoundTrips()
    {
        int undefined = 0;
        for (int byte = 0; byte < 256; ++byte) {
            const auto ch = windows1252ToUnicode(static_cast<unsigned char>(byte));
            if (!ch) {
                ++undefined;
                continue;
            }
            QCOMPARE(unicodeToWindows1252(*ch), std::optional<unsigned char>(byte));
        }
        QCOMPARE(undefined, 5);
    }

    void theEllipsisIsByte0x85()
    {
        QCOMPARE(unicodeToWindows1252(0x2026), std::optional<unsigned char>(0x85));
        QCOMPARE(fromWindows1252(QByteArray("aar\xE1\x85", 5)), QStringLiteral("aará…"));
    }

    void charactersOutsideHaveNoByte_data()
    {
        QTest::addColumn<uint>("ch");
        QTest::newRow("emoji") << 0x1F600u;
        QTest::newRow("right-to-left mark") << 0x200Fu;
        QTest::newRow("Turkish dotted I") << 0x130u;
        QTest::newRow("Greek alpha") << 0x3B1u;
    }
    void charactersOutsideHaveNoByte()
    {
        QFETCH(uint, ch);
        QVERIFY(!unicodeToWindows1252(ch));
    }

    void sameLetterIgnoringCase_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("a A") << "a" << "A" << true;
        QTest::newRow("á Á") << "á" << "Á" << true;
        QTest::newRow("ç Ç") << "ç" << "Ç" << true;
        QTest::newRow("Š š") << "Š" << "š" << true;
        QTest::newRow("a á: accents count") << "a" << "á" << false;
        QTest::newRow("á ã") << "á" << "ã" << false;
        QTest::newRow("İ i: outside Windows-1252") << QStringLiteral("\u0130") << "i" << false;
        QTest::newRow("Kelvin sign k") << QStringLiteral("\u212A") << "k" << false;
        QTest::newRow("× ÷ are no letters") << "×" << "÷" << false;
    }
    void sameLetterIgnoringCase()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(vcl::sameLetterIgnoringCase(a[0], b[0]), same);
        QCOMPARE(vcl::sameLetterIgnoringCase(b[0], a[0]), same);
    }

    void errorBoxAppendsAPeriodByTheLastCharacter_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ends with a digit") << "JPEG error #42" << "JPEG error #42.";
        QTest::newRow("ends with ')' (41)") << "List index out of bounds (-1)" << "List index out of bounds (-1)";
        QTest::newRow("ends with '.'") << "Done." << "Done.";
        QTest::newRow("ends with '-' (45)") << "a-" << "a-";
        QTest::newRow("ends with '/' (47)") << "a/" << "a/.";
        QTest::newRow("empty") << "" << "";
    }
    void errorBoxAppendsAPeriodByTheLastCharacter()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }

    void listErrorNamesTheIndex()
    {
        QCOMPARE(EListError(-1).Message(), QStringLiteral("List index out of bounds (-1)"));
        QCOMPARE(EListError(6016).Message(), QStringLiteral("List index out of bounds (6016)"));
    }
};

QTEST_GUILESS_MAIN(TestWindows1252)
#include "test_windows1252.moc"
