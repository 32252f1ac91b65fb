// The dictionary as the program carries it: whole, in the lists, every
// headword found by the look-up's own search, and every rule of the content.

#include "dictionary.h"
#include "dictionary_checks.h"
#include "source_text.h"
#include "test_support.h"
#include "tlistbox.h"

#include <QDir>
#include <QRandomGenerator>

using namespace vcl;

class TestDictionaryContent : public QObject
{
    Q_OBJECT
    content::Dictionary dictionary = content::loadDictionary();

private slots:
    void bothListsHaveAnEntryAtEveryIndex()
    {
        QVERIFY(!dictionary.headwords.isEmpty());
        QCOMPARE(dictionary.headwords.size(), dictionary.definitions.size());
        for (qsizetype i = 0; i < dictionary.headwords.size(); ++i) {
            QVERIFY2(!dictionary.headwords[i].isEmpty(), qPrintable(QString::number(i)));
            QVERIFY2(!dictionary.definitions[i].isEmpty(), qPrintable(QString::number(i)));
        }
        QCOMPARE(dictionary.headwords.value(0), QStringLiteral("Aará"));
        QCOMPARE(dictionary.headwords.value(1), QStringLiteral("Aarão"));
        QCOMPARE(dictionary.headwords.value(2), QStringLiteral("Aarel"));
    }

    void theProgramCarriesTheSourcesExactly()
    {
        // Blanks at either end, and the longest definitions, come back whole.
        QStringList heads, defs;
        for (const QString &file : QStringLiteral(TAVORENO_DICTIONARY_SOURCES).split(u';')) {
            const auto source = content_tools::readSource(file, content_tools::TabRule::Entry);
            QVERIFY2(source.errors.isEmpty(), qPrintable(source.errors.join(u'\n')));
            for (const auto &line : source.lines) {
                heads << line.text.section(u'\t', 0, 0);
                defs << line.text.section(u'\t', 1);
            }
        }
        QCOMPARE(dictionary.headwords, heads);
        QCOMPARE(dictionary.definitions, defs);
    }

    void parsingKeepsBlanksAtEitherEnd()
    {
        const auto d = content::parseDictionary(QStringLiteral("Aba\t Pai. \nAbel\tFilho de Adão.\n"));
        QCOMPARE(d.headwords, (QStringList{"Aba", "Abel"}));
        QCOMPARE(d.definitions, (QStringList{" Pai. ", "Filho de Adão."}));
    }

    void aDamagedTableLoadsWithoutACrash()
    {
        QString table;
        for (qsizetype i = 0; i < 300; ++i)
            table += dictionary.headwords[i] + u'\t' + dictionary.definitions[i] + u'\n';
        QRandomGenerator random(5);
        const QString noise = QStringLiteral("\t\n\r\0a\u00e1\U0001F600");
        for (int round = 0; round < 500; ++round) {
            QString copy = table;
            for (int e = random.bounded(1, 20); e > 0; --e)
                copy[random.bounded(int(copy.size()))] = noise[random.bounded(int(noise.size()))];
            const auto d = content::parseDictionary(copy.left(random.bounded(int(copy.size()) + 1)));
            QCOMPARE(d.headwords.size(), d.definitions.size());
        }
    }

    void everyHeadwordFindsItselfThroughTheList()
    {
        TListBox list;
        list.Items()->Assign(dictionary.headwords);
        for (int i = 0; i < list.count(); ++i) {
            const QString &h = dictionary.headwords[i];
            list.Perform(LB_SELECTSTRING, 0, h);
            QVERIFY2(list.ItemIndex() == i, qPrintable(h + " selects " + dictionary.headwords.value(list.ItemIndex())));
            QCOMPARE(list.Perform(LB_FINDSTRING, -1, h), i);
        }
    }

    void abidaAndAbidaWithTildeAreTwoEntries()
    {
        const int abida = int(dictionary.headwords.indexOf(QStringLiteral("Abida")));
        const int abidaTilde = int(dictionary.headwords.indexOf(QStringLiteral("Abidã")));
        QVERIFY(abida >= 0);
        QCOMPARE(abidaTilde, abida + 1);
        TListBox list;
        list.Items()->Assign(dictionary.headwords);
        list.Perform(LB_SELECTSTRING, 0, QStringLiteral("Abidã"));
        QCOMPARE(list.ItemIndex(), abidaTilde);
    }

    void everyMeasureIsOnItsTarget()
    {
        QList<content_tools::DictionaryEntry> entries;
        for (qsizetype i = 0; i < dictionary.headwords.size(); ++i)
            entries.append({dictionary.headwords[i], dictionary.definitions[i], QString()});
        QStringList off;
        for (const auto &m : content_tools::checkDictionary(entries).measures)
            if (!m.met())
                off << QStringLiteral("%1: target %2, actual %3").arg(m.name, m.target.toString(), m.actual.toString());
        QVERIFY2(off.isEmpty(), qPrintable(off.join(u'\n')));
    }

    void theContentKeepsEveryRule()
    {
        QList<content_tools::DictionaryEntry> entries;
        for (qsizetype i = 0; i < dictionary.headwords.size(); ++i)
            entries.append({dictionary.headwords[i], dictionary.definitions[i], QStringLiteral("entry %1").arg(i)});
        const auto report = content_tools::checkDictionary(entries);
        QStringList findings;
        for (const auto &finding : report.findings)
            findings << finding.where + ": " + finding.message;
        QVERIFY2(findings.isEmpty(), qPrintable(findings.join(u'\n')));
    }
};

TAVORENO_TEST_MAIN(TestDictionaryContent)
#include "test_dictionary_content.moc"
