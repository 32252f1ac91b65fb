// The dictionary checker: each rule caught on a small fixture that breaks it,
// and the report that puts each measure beside its target.

#include "dictionary_checks.h"
#include "headword_order.h"
#include "scripture_references.h"

#include <QTest>

using namespace content_tools;

namespace {

// A small list that keeps every rule.
QList<DictionaryEntry> goodEntries()
{
    return {
        {"Aará", "Filho de Benjamim (1Cr 8.1).", "1"},
        {"Aarão", "[Iluminado] Irmão de Moisés (Êx 4.14; Nm 20.28).", "2"},
        {"Aarel", "Ver AARÃO. Nome de um levita; V. ABEL E ABIDA, ABIDÃ (1Cr 4.8).", "3"},
        {"Abel", "Segundo filho de Adão (Gênesis 4:2).", "4"},
        {"Abel-Bete-Maaca", "Cidade de Naftali (2Sm 20,15).", "5"},
        {"Abelha", "Inseto; 1) no leão (Jz 14.8). 2) no deserto (Mt 3.4).", "6"},
        {"Abida", "Filho de Midiã (Gn 25.4).", "7"},
        {"Abidã", "Príncipe de Benjamim (Nm 1.11).", "8"},
    };
}

QStringList findingsFor(const QList<DictionaryEntry> &entries)
{
    QStringList out;
    for (const Finding &f : checkDictionary(entries).findings)
        out << f.where + ": " + f.message;
    return out;
}

} // namespace

class TestDictionaryChecker : public QObject
{
    Q_OBJECT
private slots:
    void aGoodListHasNoFindings() { QCOMPARE(findingsFor(goodEntries()), QStringList()); }

    void eachBrokenRuleIsFound_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no such verse") << 0 << "Aará" << "Filho (1Cr 8.99)." << "no such verse: \"1Cr 8.99\"";
        QTest::newRow("no such chapter") << 0 << "Aará" << "Filho (Ml 5.1)." << "no such verse";
        QTest::newRow("range backwards") << 0 << "Aará" << "Filho (Gn 5.9-3)." << "no such verse";
        QTest::newRow("colon form checked") << 0 << "Aará" << "Filho (1 Crônicas 8:41)." << "no such verse";
        QTest::newRow("comma form checked") << 0 << "Aará" << "Filho (Gn 51,2)." << "no such verse";
        QTest::newRow("out of order") << 2 << "Abz" << "Fruto." << "must come before";
        QTest::newRow("duplicate ignoring case") << 1 << "AARÁ" << "Outro." << "repeats";
        QTest::newRow("small initial") << 2 << "aarel" << "Filho." << "every word begins with a capital";
        QTest::newRow("capital inside") << 2 << "AaRel" << "Filho." << "every word begins with a capital";
        QTest::newRow("digit") << 2 << "Aarel2" << "Filho." << "which headwords don't use";
        QTest::newRow("quote mark") << 2 << "Aarel\"" << "Filho." << "which headwords don't use";
        QTest::newRow("blank at the end") << 2 << "Aarel " << "Filho." << "a blank at an end";
        QTest::newRow("too short") << 2 << "A" << "Filho." << "2 to 37";
        QTest::newRow("too long definition") << 2 << "Aarel" << QString(1025, u'x') << "4 to 1024";
        QTest::newRow("tab inside") << 2 << "Aarel" << "Fi\tlho." << "line break or tab";
        QTest::newRow("typographic quote") << 2 << "Aarel" << QStringLiteral("Filho \u201Cde\u201D.") << "definitions don't use";
        QTest::newRow("prefix found earlier") << 1 << "Aará Segundo" << "Ver AARÁ." << "stops at";
        QTest::newRow("cross reference to nothing") << 2 << "Aarel" << "Ver ARAO." << "cross reference to ARAO names no headword";
        QTest::newRow("cross reference inside") << 2 << "Aarel" << "Filho; V. ABELHA E ABIDÃ, ABZ (Gn 4.2)." << "cross reference to ABZ";
    }
    void eachBrokenRuleIsFound()
    {
        QFETCH(int, index);
        QFETCH(QString, headword);
        QFETCH(QString, definition);
        QFETCH(QString, expected);
        auto entries = goodEntries();
        entries[index] = {headword, definition, QStringLiteral("here")};
        const QStringList findings = findingsFor(entries);
        QVERIFY2(findings.filter(expected).size() > 0, qPrintable(findings.join(u'\n')));
    }

    void theFourNamedPairsMayStandAgainstTheOrder()
    {
        const QList<DictionaryEntry> entries = {
            {"Caná", "Aldeia da Galileia (Jo 2.1).", "1"}, {"Cana", "Junco (Ez 40.3).", "2"},
            {"Cilícia", "Província (At 6.9).", "3"}, {"Cilicia", "Ver CILÍCIA.", "4"},
        };
        QCOMPARE(findingsFor(entries), QStringList());
        QCOMPARE(findingsFor({entries[1], entries[0]}), QStringList());
        const auto swapped = findingsFor({{"Cana", "Junco (Ez 40.3).", "1"}, {"Abel", "Filho (Gn 4.2).", "2"}});
        QCOMPARE(swapped.size(), 1);
    }

    void headwordOrder_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("shorter first") << "Abel" << "Abel-Bete-Maaca";
        QTest::newRow("hyphens dropped") << "Abelha" << "Abel-Maim";
        QTest::newRow("accents folded") << "Aará" << "Aarão";
        QTest::newRow("ã folded before e") << "Aarão" << "Aarel";
        QTest::newRow("blank before comma") << "Espírito Santo" << "Espírito, Maligno";
        QTest::newRow("marks before letters") << "Ano 0" << "Anoque";
        QTest::newRow("no accent first") << "Abida" << "Abidã";
        QTest::newRow("acute before tilde") << "Abidá" << "Abidã";
        QTest::newRow("accented capital among the a's") << "Agabe" << "Ágabo";
    }
    void headwordOrder()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QVERIFY(compareHeadwords(first, second) < 0);
        QVERIFY(compareHeadwords(second, first) > 0);
    }

    void referenceForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("valid");
        QTest::newRow("abbreviated") << "(Gn 14.2)" << int(ReferenceForm::Abbreviated) << true;
        QTest::newRow("numbered, no blank") << "(1Rs 11.26)" << int(ReferenceForm::Abbreviated) << true;
        QTest::newRow("numbered, blank") << "(1 Rs 11.26)" << int(ReferenceForm::Abbreviated) << true;
        QTest::newRow("range across chapters") << "(Gn 5.3-6.2)" << int(ReferenceForm::Abbreviated) << true;
        QTest::newRow("list") << "(Gn 5.3,6,8)" << int(ReferenceForm::Abbreviated) << true;
        QTest::newRow("one-chapter book") << "(Jd 1.14)" << int(ReferenceForm::Abbreviated) << true;
        QTest::newRow("3 John has 14 verses") << "(3Jo 1.15)" << int(ReferenceForm::Abbreviated) << false;
        QTest::newRow("full name colon") << "(1 Crônicas 8:1)" << int(ReferenceForm::ChapterColonVerse) << true;
        QTest::newRow("other name colon") << "(Cantares de Salomão 2:1)" << int(ReferenceForm::ChapterColonVerse) << true;
        QTest::newRow("comma") << "(Gn 14,2)" << int(ReferenceForm::ChapterCommaVerse) << true;
    }
    void referenceForms()
    {
        QFETCH(QString, text);
        QFETCH(int, form);
        QFETCH(bool, valid);
        const auto refs = findReferences(QStringLiteral("Algo ") + text + u'.');
        QCOMPARE(refs.size(), 1);
        QCOMPARE(int(refs[0].form), form);
        QCOMPARE(refs[0].valid, valid);
        QVERIFY(refs[0].inParentheses);
    }

    void wordsThatLookLikeBooksAreNoReferences()
    {
        QVERIFY(findReferences(QStringLiteral("Os 12 filhos; At 3 horas; João 3 vezes.")).isEmpty());
    }

    void theReportPutsTargetBesideActual()
    {
        const auto report = checkDictionary(goodEntries());
        QVERIFY(!report.targetsMet());
        const QString text = formatReport(report);
        QVERIFY(text.contains(QStringLiteral("target")));
        QVERIFY(text.contains(QStringLiteral("actual")));
        const auto entries = std::find_if(report.measures.begin(), report.measures.end(),
                                          [](const Measure &m) { return m.name == u"entries"; });
        QVERIFY(entries != report.measures.end());
        QCOMPARE(entries->target.toInt(), 6016);
        QCOMPARE(entries->actual.toInt(), 8);
        QVERIFY(!entries->met());
        QVERIFY(text.contains(QStringLiteral("<- off")));
    }

    void measuresWithinThreePercent()
    {
        Measure m{"", "", 1000, 1030, Tolerance::WithinPercent3};
        QVERIFY(m.met());
        m.actual = 1031;
        QVERIFY(!m.met());
        m = {"", "", 34, 35, Tolerance::WithinPercent3};
        QVERIFY(m.met());
    }
};

QTEST_GUILESS_MAIN(TestDictionaryChecker)
#include "test_dictionary_checker.moc"
