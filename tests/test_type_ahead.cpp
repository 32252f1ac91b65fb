// The list's type-ahead text and its 500 ms rule, on a clock the test sets.

#include "type_ahead.h"

#include <QTest>

using vcl::TypeAhead;

class TestTypeAhead : public QObject
{
    Q_OBJECT
    qint64 now = 10'000;
    TypeAhead typeAhead{[this] { return now; }};

private slots:
    void init() { now += 10'000; typeAhead.feed(QChar(u'x')); now += 10'000; }

    void charactersTypedQuicklyAddUp()
    {
        QCOMPARE(typeAhead.feed(u'a'), QStringLiteral("a"));
        now += 499;
        QCOMPARE(typeAhead.feed(u'b'), QStringLiteral("ab"));
    }

    void aPauseOf500MsStartsAfresh()
    {
        typeAhead.feed(u'a');
        now += 500;
        QCOMPARE(typeAhead.feed(u'b'), QStringLiteral("b"));
    }

    void thePauseIsMeasuredFromTheLastCharacter()
    {
        typeAhead.feed(u'a');
        now += 400;
        typeAhead.feed(u'b');
        now += 400;
        QCOMPARE(typeAhead.feed(u'e'), QStringLiteral("abe"));
    }

    void backspaceTakesOffTheLastCharacter()
    {
        typeAhead.feed(u'a');
        typeAhead.feed(u'b');
        QCOMPARE(typeAhead.feed(TypeAhead::kBackspace), QStringLiteral("a"));
        QCOMPARE(typeAhead.feed(TypeAhead::kBackspace), QString());
        QCOMPARE(typeAhead.feed(TypeAhead::kBackspace), QString());
    }

    void enterAndEscapeAreAddedLikeAnyCharacter()
    {
        typeAhead.feed(u'a');
        QCOMPARE(typeAhead.feed(u'\r'), QStringLiteral("a\r"));
        QCOMPARE(typeAhead.feed(QChar(0x1B)), QStringLiteral("a\r\x1b"));
    }
};

QTEST_GUILESS_MAIN(TestTypeAhead)
#include "test_type_ahead.moc"
