// Reading content sources: malformed lines and characters outside
// Windows-1252 are refused with file, line and column.

#include "source_text.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace content_tools;

class TestContentCompiler : public QObject
{
    Q_OBJECT
private slots:
    void goodLinesBecomeWindows1252()
    {
        const auto s = parseSource("a.txt", QByteArray("Aar\xC3\xA1\tFilho\xE2\x80\xA6\n"), TabRule::Entry);
        QCOMPARE(s.errors, QStringList());
        QCOMPARE(s.windows1252, QByteArray("Aar\xE1\tFilho\x85\n"));
    }

    void badLinesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("error");
        QTest::newRow("outside Windows-1252") << QByteArray("Ok\tok\nAba\tPai \xF0\x9F\x98\x80\n") << int(TabRule::Entry)
                                              << "a.txt:2:9: error: U+1F600 '\U0001F600' is outside Windows-1252";
        QTest::newRow("not UTF-8") << QByteArray("Aba\tPai \xE1\n") << int(TabRule::Entry)
                                   << "a.txt:1:1: error: the line is not valid UTF-8";
        QTest::newRow("no tab") << QByteArray("Aba Pai\n") << int(TabRule::Entry) << "a.txt:1:1: error: expected";
        QTest::newRow("two tabs") << QByteArray("Aba\tPai\tx\n") << int(TabRule::Entry) << "a.txt:1:1: error: expected";
        QTest::newRow("empty definition") << QByteArray("Aba\t\n") << int(TabRule::Entry) << "a.txt:1:1: error: expected";
        QTest::newRow("carriage return") << QByteArray("Aba\tPai\r\n") << int(TabRule::Entry)
                                         << "a.txt:1:8: error: control character U+000D";
        QTest::newRow("no final line break") << QByteArray("Aba\tPai") << int(TabRule::Entry)
                                             << "a.txt: error: the last line has no line break";
        QTest::newRow("tab where none may be") << QByteArray("LINHA\tX\n") << int(TabRule::None)
                                               << "a.txt:1:6: error: a tab inside an item";
    }
    void badLinesAreRefused()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, rule);
        QFETCH(QString, error);
        const auto s = parseSource("a.txt", text, TabRule(rule));
        QVERIFY2(!s.errors.filter(error).isEmpty(), qPrintable(s.errors.join(u'\n')));
    }

    void damagedSourcesAreRefusedNeverCrash()
    {
        // A real source, mutated thousands of times: each line either passes
        // or is refused with a message; the tool never crashes or hangs.
        QFile file(QStringLiteral(TAVORENO_DICTIONARY_SOURCE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray source = file.read(40000);
        QRandomGenerator random(11);
        for (int round = 0; round < 2000; ++round) {
            QByteArray copy = source;
            for (int e = random.bounded(1, 12); e > 0; --e)
                copy[random.bounded(int(copy.size()))] = char(random.bounded(256));
            const auto s = parseSource("x.txt", copy, TabRule(random.bounded(3)));
            QVERIFY(s.lines.size() + s.errors.size() > 0);
            for (const auto &line : s.lines)
                QVERIFY(!line.text.contains(u'\r'));
        }
    }

    void pageTextsMayHoldTabs()
    {
        const auto s = parseSource("p.txt", QByteArray("NOME\t\tVALOR\n\n"), TabRule::Text);
        QCOMPARE(s.errors, QStringList());
        QCOMPARE(s.lines.size(), 2);
        QCOMPARE(s.windows1252, QByteArray("NOME\t\tVALOR\n\n"));
    }
};

QTEST_GUILESS_MAIN(TestContentCompiler)
#include "test_content_compiler.moc"
