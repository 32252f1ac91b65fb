// The summary line list: 673 lines in twenty blocks, each a heading and eight
// sections in a fixed order, laid out so that the religion range table holds.

#include "religion_ranges.h"
#include "religions.h"
#include "windows1252.h"

#include <QTest>

#include <algorithm>
#include <map>

namespace {

const QStringList kLabels = {"FUNDADOR:", "ESCRITURAS:", "DEUS:", "JESUS:", "ESPÍRITO SANTO:",
                             "SALVAÇÃO:", "MORTE:", "OUTRAS CARACTERÍSTICAS:"};

QStringList labelsFor(int position)
{
    QStringList labels = kLabels;
    if (position == 1 || position == 2)
        labels[0] = QStringLiteral("PROFETA:");
    if (position == 9)
        labels[7] = QStringLiteral("OUTRAS CRENÇAS:");
    if (position == 11)
        labels[7] = QStringLiteral("OUTRAS PRÁTICAS:");
    return labels;
}

bool isCapitals(const QString &line)
{
    return line == line.toUpper() && std::any_of(line.begin(), line.end(), [](QChar c) { return c.isLetter(); });
}

// A shown range split at its empty lines.
QList<QStringList> sectionsOf(const QStringList &lines, int first, int last)
{
    QList<QStringList> sections(1);
    for (int i = first; i <= last; ++i) {
        if (lines[i].isEmpty())
            sections.append(QStringList());
        else
            sections.last() << lines[i];
    }
    return sections;
}

} // namespace

class TestReligionContent : public QObject
{
    Q_OBJECT
    const QStringList lines = content::loadSummaryLines();

private slots:
    void sixHundredSeventyThreeLinesOfPlainText()
    {
        QCOMPARE(lines.size(), 673);
        QCOMPARE(lines.first(), QStringLiteral("CRISTIANISMO"));
        const QString accented = QStringLiteral("ãéçáíêÍóõÇÃÉâúàôÚÁÓü");
        int longest = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QString &l = lines[i];
            QVERIFY2(l == l.trimmed(), qPrintable(QString::number(i)));
            for (const QChar c : l)
                QVERIFY2((c.unicode() >= 0x20 && c.unicode() < 0x7F) || accented.contains(c),
                         qPrintable(QStringLiteral("line %1: %2").arg(i).arg(c)));
            longest = std::max(longest, int(l.size()));
        }
        QCOMPARE(longest, 127);
    }

    void everyRowOfTheRangeTableHolds_data()
    {
        QTest::addColumn<int>("position");
        for (int p = 0; p < 20; ++p)
            QTest::newRow(kReligionRanges[p].caption) << p;
    }
    void everyRowOfTheRangeTableHolds()
    {
        QFETCH(int, position);
        const ReligionRange &r = kReligionRanges[position];
        QCOMPARE(lines[r.first - 1], QString::fromUtf8(r.heading));
        QCOMPARE(lines[r.first], labelsFor(position)[0]);
        QVERIFY(!lines[r.last].isEmpty() && !isCapitals(lines[r.last]));
        if (position < 19)
            QVERIFY(lines[r.last + 1].isEmpty());
        else
            QCOMPARE(r.last, int(lines.size()) - 1);
        const auto sections = sectionsOf(lines, r.first, r.last);
        QCOMPARE(sections.size(), 8);
        for (int s = 0; s < 8; ++s) {
            QCOMPARE(sections[s].value(0), labelsFor(position)[s]);
            QVERIFY(sections[s].size() >= 2 && sections[s].size() <= 9);
            for (qsizetype t = 1; t < sections[s].size(); ++t)
                QVERIFY2(!isCapitals(sections[s][t]), qPrintable(sections[s][t]));
        }
    }

    void onlyHeadingsAreCapitalsWithoutAColon()
    {
        QList<int> headings, expected;
        for (int i = 0; i < lines.size(); ++i)
            if (isCapitals(lines[i]) && !lines[i].endsWith(u':'))
                headings << i;
        for (const ReligionRange &r : kReligionRanges)
            expected << r.first - 1;
        QCOMPARE(headings, expected);
    }

    void sectionLengthsAndLineBreaks()
    {
        std::map<int, int> lengths;
        int endWithStop = 0, secondParagraphs = 0, shown = 0;
        for (const ReligionRange &r : kReligionRanges) {
            shown += r.last - r.first + 1;
            for (const QStringList &section : sectionsOf(lines, r.first, r.last)) {
                const QStringList text = section.mid(1);
                ++lengths[int(text.size())];
                endWithStop += text.last().endsWith(u'.');
                QVERIFY2(text.last().size() >= 5 && text.last().size() <= 123, qPrintable(text.last()));
                for (qsizetype t = 0; t + 1 < text.size(); ++t) {
                    const auto n = text[t].size();
                    if (n < 101)
                        ++secondParagraphs; // the last line of a first paragraph
                    QVERIFY2(n >= 5 && n <= 127, qPrintable(text[t]));
                }
            }
        }
        QCOMPARE(shown, 634);
        const std::map<int, int> expected = {{1, 42}, {2, 81}, {3, 23}, {4, 12}, {5, 1}, {8, 1}};
        QCOMPARE(lengths, expected);
        QCOMPARE(endWithStop, 156);
        QVERIFY(secondParagraphs <= 2);
    }

    void theLongestRangeHolds2709Characters()
    {
        int characters = 0;
        for (int i = 1; i <= 40; ++i)
            characters += int(lines[i].size());
        QCOMPARE(characters, 2709);
        QCOMPARE(characters + 40 * 2, 2789);
        for (const ReligionRange &r : kReligionRanges)
            QVERIFY(r.last - r.first + 1 <= 40 && r.last - r.first + 1 >= 26);
    }

    void captionsAreTheSelectorItems()
    {
        QStringList captions;
        for (const ReligionRange &r : kReligionRanges)
            captions << QString::fromUtf8(r.caption);
        QCOMPARE(content::loadReligionCaptions(), captions);
    }
};

QTEST_GUILESS_MAIN(TestReligionContent)
#include "test_religion_content.moc"
