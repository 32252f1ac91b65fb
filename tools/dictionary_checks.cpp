#include "dictionary_checks.h"

#include "headword_order.h"
#include "scripture_references.h"
#include "windows1252.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace content_tools {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kHeadwordAccents = QStringLiteral("ÀÁÂÉÊÍÓÔÚáâãçéêíóôõúü");
const QString kDefinitionOnlyAccents = QStringLiteral("ÃÇÕÜà");
const QString kHeadwordMarks = QStringLiteral(" ,-()[]:/.0");
const QString kAccentedCapitals = QStringLiteral("ÁÂÉÊÍÓÔÚ");
const QString kOrdinal = QStringLiteral("º");
const QChar kEllipsis = QChar(0x2026);

// The only adjacent pairs that may stand against the order.
const QList<QPair<QString, QString>> kOrderExceptions = {
    {QStringLiteral("Espírito, Maligno"), QStringLiteral("Espírito Santo")},
    {QStringLiteral("João, Apóstolo"), QStringLiteral("João Batista")},
    {QStringLiteral("Caná"), QStringLiteral("Cana")},
    {QStringLiteral("Cilícia"), QStringLiteral("Cilicia")},
};
// The only headwords whose letters are not a capital followed by small ones.
const QStringList kCapitalisationExceptions = {QStringLiteral("Jeroboão II"),
                                                QStringLiteral("I.N.R.I.")};
// Headwords the program's own behaviour names, with their exact text.
const QStringList kNamedHeadwords = {
    u"Aará"_s, u"Aarão"_s, u"Aarel"_s, u"Aba"_s, u"Abadom"_s, u"Abdom, Abdon"_s, u"Abel"_s,
    u"Abel-Bete-Maaca"_s, u"Abibe (Nisã)"_s, u"Abida"_s, u"Abidã"_s, u"Ágabo"_s, u"Alfa E Ômega"_s,
    u"Apocalipse, Livro De"_s, u"Baal"_s, u"Boi,Vaca"_s, u"Coro,"_s, u"Cefas [Pedra]"_s, u"Caná"_s,
    u"Cana"_s, u"Cilícia"_s, u"Cilicia"_s, u"Espírito, Maligno"_s, u"Espírito Santo"_s, u"I.N.R.I."_s,
    u"Jeroboão II"_s, u"João, Apóstolo"_s, u"João Batista"_s, u"Medidas, De Peso:"_s, u"Zuzins"_s};

// Words that end the second part of "Apocalipse, Livro De".
const QStringList kPrepositionsAndArticles = {
    u"a"_s,  u"o"_s,  u"as"_s, u"os"_s, u"à"_s,  u"às"_s,  u"ao"_s,  u"aos"_s,
    u"de"_s, u"da"_s, u"do"_s, u"das"_s, u"dos"_s, u"em"_s, u"no"_s, u"na"_s,
    u"nos"_s, u"nas"_s, u"para"_s, u"por"_s, u"pelo"_s, u"pela"_s, u"com"_s};

bool isHeadwordLetter(QChar ch)
{
    return (ch.unicode() < 0x80 && ch.isLetter()) || kHeadwordAccents.contains(ch);
}

bool isDefinitionCharacter(QChar ch)
{
    const ushort c = ch.unicode();
    if (c >= 0x20 && c < 0x7F)
        return true;
    return kHeadwordAccents.contains(ch) || kDefinitionOnlyAccents.contains(ch)
           || kOrdinal.contains(ch) || ch == kEllipsis;
}

bool hasLineBreakOrTab(const QString &s)
{
    return s.contains(u'\r') || s.contains(u'\n') || s.contains(u'\t');
}

bool capitalisedWords(const QString &headword)
{
    if (kCapitalisationExceptions.contains(headword))
        return true;
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    for (auto it = word.globalMatch(headword); it.hasNext();) {
        const QString w = it.next().captured(0);
        if (!w[0].isUpper() || w.mid(1) != w.mid(1).toLower())
            return false;
    }
    return true;
}

// The headword shapes counted by the content's table.
struct HeadwordShapes
{
    int oneWord = 0, blank = 0, hyphen = 0, commaBlank = 0, commaPreposition = 0, endsComma = 0,
        commaNoBlank = 0, parentheses = 0, brackets = 0, endsColon = 0, slash = 0,
        abbreviation = 0, digit = 0, accentedCapital = 0, startsKW = 0;

    void count(const QString &h)
    {
        static const QRegularExpression letters(QStringLiteral("^\\p{L}+$"));
        static const QRegularExpression parens(QStringLiteral(" \\([^()]+\\)$"));
        static const QRegularExpression commaNoSpace(QStringLiteral(",[^ ]"));
        static const QRegularExpression dotted(QStringLiteral("^(\\p{Lu}\\.)+$"));
        oneWord += letters.match(h).hasMatch();
        blank += h.contains(u' ');
        hyphen += h.contains(u'-');
        if (const qsizetype comma = h.indexOf(QStringLiteral(", ")); comma >= 0) {
            ++commaBlank;
            const QStringList words = h.mid(comma + 2).split(u' ', Qt::SkipEmptyParts);
            commaPreposition += !words.isEmpty() && kPrepositionsAndArticles.contains(words.last().toLower());
        }
        endsComma += h.endsWith(u',');
        commaNoBlank += commaNoSpace.match(h).hasMatch();
        parentheses += parens.match(h).hasMatch();
        brackets += h.contains(u'[');
        endsColon += h.endsWith(u':');
        slash += h.contains(u'/');
        abbreviation += dotted.match(h).hasMatch();
        digit += h.contains(u'0');
        accentedCapital += kAccentedCapitals.contains(h[0]);
        startsKW += QStringLiteral("KkWw").contains(h[0]);
    }
};

struct DefinitionShapes
{
    int reference = 0, referenceInParentheses = 0, abbreviated = 0, colon = 0, comma = 0,
        ver = 0, verDot = 0, crossReferenceOnly = 0, capitals = 0, meaning = 0, senses = 0,
        semicolon = 0, period = 0, parenPeriod = 0, longer255 = 0, atLeast1000 = 0,
        exactly1024 = 0, leadingBlank = 0, trailingBlank = 0, doubleBlank = 0, ellipsis = 0,
        ordinal = 0;

    void count(const QString &d, QList<Finding> &findings, const QString &where)
    {
        static const QRegularExpression onlyCrossReference(QStringLiteral("^Ver\\.? [^.;()]+\\.?$"));
        static const QRegularExpression capitalWord(QStringLiteral("(?<!\\p{L})\\p{Lu}{3,}(?!\\p{L})"));
        static const QRegularExpression sense1(QStringLiteral("(?<!\\d)1\\)"));
        static const QRegularExpression sense2(QStringLiteral("(?<!\\d)2\\)"));
        bool any = false, inParens = false, abbr = false, col = false, com = false;
        for (const ScriptureReference &ref : findReferences(d)) {
            any = true;
            inParens = inParens || ref.inParentheses;
            abbr = abbr || ref.form == ReferenceForm::Abbreviated;
            col = col || ref.form == ReferenceForm::ChapterColonVerse;
            com = com || ref.form == ReferenceForm::ChapterCommaVerse;
            if (!ref.valid)
                findings.append({where, QStringLiteral("no such verse: \"%1\"").arg(ref.text)});
        }
        reference += any;
        referenceInParentheses += inParens;
        abbreviated += abbr;
        colon += col;
        comma += com;
        ver += d.startsWith(QStringLiteral("Ver "));
        verDot += d.startsWith(QStringLiteral("Ver. "));
        crossReferenceOnly += onlyCrossReference.match(d).hasMatch();
        capitals += capitalWord.match(d).hasMatch();
        meaning += d.startsWith(u'[');
        senses += sense1.match(d).hasMatch() && sense2.match(d).hasMatch();
        semicolon += d.contains(u';');
        period += d.endsWith(u'.');
        parenPeriod += d.endsWith(QStringLiteral(")."));
        longer255 += d.size() > 255;
        atLeast1000 += d.size() >= 1000;
        exactly1024 += d.size() == 1024;
        leadingBlank += d.startsWith(u' ');
        trailingBlank += d.endsWith(u' ');
        doubleBlank += d.contains(QStringLiteral("  "));
        ellipsis += d.contains(kEllipsis);
        ordinal += d.contains(kOrdinal);
    }
};

QString sortedCharacters(QSet<QChar> set)
{
    QList<QChar> list(set.begin(), set.end());
    std::sort(list.begin(), list.end(), [](QChar a, QChar b) {
        return *vcl::unicodeToWindows1252(a.unicode()) < *vcl::unicodeToWindows1252(b.unicode());
    });
    return QString(list.constData(), list.size());
}

QString sortedCharacters(const QString &s)
{
    return sortedCharacters(QSet<QChar>(s.begin(), s.end()));
}

// Where the look-up's search for each headword stops: searching from entry 1
// to the last and then entry 0 (the search box's), or from entry 0 on.
QList<int> selfFindStops(const QStringList &heads, bool fromEntryOne, bool ignoreAccents)
{
    // Index every prefix of every headword by where a search for it stops.
    QHash<QString, int> firstWithPrefix;
    const int n = int(heads.size());
    const auto key = [ignoreAccents](const QString &s) {
        QString k;
        for (const QChar ch : s)
            k += searchLetter(ch, ignoreAccents);
        return k;
    };
    for (int step = 0; step < n; ++step) {
        const int i = fromEntryOne ? (step + 1) % n : step;
        const QString k = key(heads[i]);
        for (qsizetype len = 1; len <= k.size(); ++len)
            firstWithPrefix.insert(k.left(len), firstWithPrefix.value(k.left(len), i));
    }
    QList<int> stops;
    for (const QString &h : heads)
        stops << firstWithPrefix.value(key(h), -1);
    return stops;
}

// Cross references ("Ver ABIÃO.", "... V. ARCA DE NOÉ") name headwords in
// capitals; a reader types them into the search box. Returns the targets that
// name no headword. A target may list several ("ALFA E ÔMEGA, ÔMEGA"): the
// longest headword at its start is taken, then the rest after ", " or " E ".
QStringList unresolvedCrossReferences(const QString &definition, const QSet<QString> &headwords)
{
    static const QRegularExpression pattern(
        QStringLiteral("(?:^Ver\\.? |(?<!\\p{L})V\\. )(\\p{Lu}[\\p{Lu}0-9\\-, /.()\\[\\]]*)"));
    QStringList missing;
    for (auto it = pattern.globalMatch(definition); it.hasNext();) {
        QString rest = it.next().captured(1).toLower();
        while (!rest.isEmpty()) {
            while (rest.endsWith(u' ') || rest.endsWith(u','))
                rest.chop(1);
            qsizetype take = 0;
            for (qsizetype k = rest.size(); k > 0; --k) {
                const QString candidate = rest.left(k);
                const bool boundary = k == rest.size() || QStringLiteral(" ,.;(").contains(rest[k]);
                if (boundary && (headwords.contains(candidate) || headwords.contains(candidate + u',')
                                 || headwords.contains(candidate + u':'))) {
                    take = k;
                    break;
                }
            }
            if (take == 0) {
                static const QRegularExpression part(QStringLiteral("^.*?(?=, | e |$)"));
                const QString word = part.match(rest).captured(0);
                if (!word.isEmpty())
                    missing << word.toUpper().remove(QRegularExpression(QStringLiteral("[.]+$")));
                take = std::max<qsizetype>(word.size(), 1);
            }
            rest = rest.mid(take);
            static const QRegularExpression separator(QStringLiteral("^(, | e )"));
            const auto sep = separator.match(rest);
            if (!sep.hasMatch())
                break;
            rest = rest.mid(sep.capturedLength());
        }
    }
    return missing;
}

int medianLength(QList<int> lengths)
{
    if (lengths.isEmpty())
        return 0;
    std::sort(lengths.begin(), lengths.end());
    const qsizetype mid = lengths.size() / 2;
    return lengths.size() % 2 ? lengths[mid] : (lengths[mid - 1] + lengths[mid]) / 2;
}

} // namespace

bool Measure::met() const
{
    switch (tolerance) {
    case Tolerance::Info:
        return true;
    case Tolerance::Exact:
        return target == actual;
    case Tolerance::WithinPercent3: {
        const double t = target.toDouble();
        return std::abs(actual.toDouble() - t) <= std::max(1.0, std::floor(t * 0.03));
    }
    }
    return false;
}

bool DictionaryReport::targetsMet() const
{
    return std::all_of(measures.begin(), measures.end(), [](const Measure &m) { return m.met(); });
}

DictionaryReport checkDictionary(const QList<DictionaryEntry> &entries)
{
    DictionaryReport report;
    QList<Finding> &findings = report.findings;
    HeadwordShapes hs;
    DefinitionShapes ds;
    QStringList heads;
    QSet<QChar> headAccents, defLetters;
    QHash<QString, QString> seenHeadword;
    QHash<QString, int> definitionCount;
    QList<int> headLengths, defLengths;
    qint64 headChars = 0, defChars = 0;

    for (const DictionaryEntry &e : entries) {
        const QString &h = e.headword, &d = e.definition;
        const auto fail = [&](const QString &message) { findings.append({e.where, message}); };
        heads << h;
        headLengths << int(h.size());
        defLengths << int(d.size());
        headChars += h.size();
        defChars += d.size();
        ++definitionCount[d];

        if (h.size() < 2 || h.size() > 37)
            fail(QStringLiteral("headword \"%1\" has %2 characters (2 to 37)").arg(h).arg(h.size()));
        if (d.size() < 4 || d.size() > 1024)
            fail(QStringLiteral("definition has %1 characters (4 to 1024)").arg(d.size()));
        if (hasLineBreakOrTab(h) || hasLineBreakOrTab(d))
            fail(QStringLiteral("a line break or tab inside an item"));
        if (h != h.trimmed() || h.contains(QStringLiteral("  ")))
            fail(QStringLiteral("headword \"%1\" has a blank at an end or two in a row").arg(h));
        for (const QChar ch : h) {
            if (!isHeadwordLetter(ch) && !kHeadwordMarks.contains(ch))
                fail(QStringLiteral("headword \"%1\" holds '%2', which headwords don't use").arg(h, ch));
            if (ch.unicode() >= 0x80)
                headAccents.insert(ch);
        }
        for (const QChar ch : d) {
            if (!isDefinitionCharacter(ch))
                fail(QStringLiteral("definition holds U+%1, which definitions don't use")
                         .arg(ch.unicode(), 4, 16, QChar(u'0')));
            else if (ch.unicode() >= 0x80)
                defLetters.insert(ch);
        }
        if (!capitalisedWords(h))
            fail(QStringLiteral("headword \"%1\": every word begins with a capital, the rest small").arg(h));
        const QString lower = h.toLower();
        if (seenHeadword.contains(lower))
            fail(QStringLiteral("headword \"%1\" repeats %2 (case ignored)").arg(h, seenHeadword[lower]));
        seenHeadword.insert(lower, e.where);
        if (!h.isEmpty())
            hs.count(h);
        ds.count(d, findings, e.where);
    }

    // Order, and the pairs that fold to the same text.
    int foldedEqualPairs = 0, exceptionsPresent = 0, plainInversions = 0;
    for (qsizetype i = 1; i < entries.size(); ++i) {
        const QString &a = heads[i - 1], &b = heads[i];
        foldedEqualPairs += foldHeadword(a) == foldHeadword(b);
        const QByteArray pa = a.toLatin1(), pb = b.toLatin1();
        plainInversions += pa > pb;
        if (compareHeadwords(a, b) < 0)
            continue;
        if (kOrderExceptions.contains({a, b}))
            ++exceptionsPresent;
        else
            findings.append({entries[i].where,
                             QStringLiteral("\"%1\" must come before \"%2\"").arg(b, a)});
    }

    // The self-finding invariant, in both forms.
    const QList<int> fromOne = selfFindStops(heads, true, false);
    const QList<int> fromZero = selfFindStops(heads, false, false);
    const QList<int> ignoringAccents = selfFindStops(heads, true, true);
    int accentFailures = 0;
    for (qsizetype j = 0; j < heads.size(); ++j) {
        if (fromOne[j] != j)
            findings.append({entries[j].where, QStringLiteral("the search for \"%1\" stops at \"%2\"")
                                                   .arg(heads[j], heads[fromOne[j]])});
        else if (fromZero[j] != j)
            findings.append({entries[j].where,
                             QStringLiteral("the search for \"%1\" from the first entry stops at \"%2\"")
                                 .arg(heads[j], heads[fromZero[j]])});
        accentFailures += ignoringAccents[j] != j;
    }

    QSet<QString> lowerHeads;
    for (const QString &h : std::as_const(heads))
        lowerHeads.insert(h.toLower());
    for (const DictionaryEntry &e : entries) {
        for (const QString &target : unresolvedCrossReferences(e.definition, lowerHeads))
            findings.append({e.where, QStringLiteral("the cross reference to %1 names no headword").arg(target)});
    }

    // Typing "á" in the search box selects "Ágabo": no headword that begins
    // with á sorts before it.
    if (heads.contains(u"Ágabo"_s)) {
        for (qsizetype i = 1; i < heads.size(); ++i) {
            if (beginsWith(heads[i], u"á"_s, false)) {
                if (heads[i] != u"Ágabo"_s)
                    findings.append({entries[i].where,
                                     u"\"%1\" begins with \"á\" and stands before \"Ágabo\""_s.arg(heads[i])});
                break;
            }
        }
    }
    int named = 0;
    for (const QString &h : kNamedHeadwords)
        named += heads.contains(h);
    const QString ends = heads.size() < 3 ? QString()
                                          : QStringList{heads[0], heads[1], heads[2], heads.last()}.join(u" | ");

    int repeatedTexts = 0, mostRepeats = 0;
    for (const int c : std::as_const(definitionCount)) {
        repeatedTexts += c > 1;
        mostRepeats = std::max(mostRepeats, c);
    }

    const auto add = [&](const QString &group, const QString &name, const QVariant &target,
                         const QVariant &actual, Tolerance tolerance = Tolerance::Exact) {
        report.measures.append({group, name, target, actual, tolerance});
    };
    const QString H = QStringLiteral("Headwords"), D = QStringLiteral("Definitions"),
                  S = QStringLiteral("Headword shapes"), O = QStringLiteral("Order and search"),
                  F = QStringLiteral("Definition shapes (within 3 %)");
    const auto shortest = [](const QList<int> &l) { return l.isEmpty() ? 0 : *std::min_element(l.begin(), l.end()); };
    const auto longest = [](const QList<int> &l) { return l.isEmpty() ? 0 : *std::max_element(l.begin(), l.end()); };
    add(H, u"entries"_s, 6016, int(entries.size()));
    add(H, u"headwords named by the program present"_s, int(kNamedHeadwords.size()), named);
    add(H, u"entries 0, 1, 2 and the last"_s, u"Aará | Aarão | Aarel | Zuzins"_s, ends);
    add(H, u"shortest headword"_s, 2, shortest(headLengths));
    add(H, u"longest headword"_s, 37, longest(headLengths));
    add(H, u"characters in all headwords"_s, 48448, int(headChars));
    add(H, u"accented letters used"_s, sortedCharacters(kHeadwordAccents), sortedCharacters(headAccents));
    add(H, u"headwords with the digit 0"_s, 1, hs.digit);
    add(H, u"beginning with an accented capital"_s, 57, hs.accentedCapital);
    add(H, u"beginning with K or W"_s, 0, hs.startsKW);
    add(D, u"shortest definition"_s, 4, shortest(defLengths));
    add(D, u"longest definition"_s, 1024, longest(defLengths));
    add(D, u"characters in all definitions"_s, 508628, int(defChars));
    add(D, u"median length"_s, 48, medianLength(defLengths));
    add(D, u"1000 characters or more"_s, 6, ds.atLeast1000);
    add(D, u"exactly 1024 characters"_s, 2, ds.exactly1024);
    add(D, u"longer than 255 characters"_s, 358, ds.longer255);
    add(D, u"beginning with a blank"_s, 31, ds.leadingBlank);
    add(D, u"ending with a blank"_s, 46, ds.trailingBlank);
    add(D, u"with two blanks in a row"_s, 311, ds.doubleBlank);
    add(D, u"texts that occur more than once"_s, 21, repeatedTexts);
    add(D, u"most occurrences of one text"_s, 3, mostRepeats);
    add(D, u"with an ellipsis"_s, 5, ds.ellipsis);
    add(D, u"characters beyond ASCII used"_s,
        sortedCharacters(kHeadwordAccents + kDefinitionOnlyAccents + kOrdinal + kEllipsis),
        sortedCharacters(defLetters));
    add(D, u"with the ordinal sign"_s, QString(), ds.ordinal, Tolerance::Info);
    add(S, u"one word of letters only"_s, 5485, hs.oneWord);
    add(S, u"containing a blank"_s, 419, hs.blank);
    add(S, u"containing a hyphen"_s, 111, hs.hyphen);
    add(S, u"two parts joined by \", \""_s, 210, hs.commaBlank);
    add(S, u"  second part ending with a preposition or article"_s, 104, hs.commaPreposition);
    add(S, u"ending with a comma"_s, 3, hs.endsComma);
    add(S, u"comma without a blank after it"_s, 1, hs.commaNoBlank);
    add(S, u"qualifier in parentheses at the end"_s, 10, hs.parentheses);
    add(S, u"gloss in square brackets"_s, 1, hs.brackets);
    add(S, u"ending with a colon"_s, 6, hs.endsColon);
    add(S, u"containing a slash"_s, 4, hs.slash);
    add(S, u"abbreviation with periods"_s, 1, hs.abbreviation);
    add(O, u"adjacent pairs equal after folding"_s, 22, foldedEqualPairs);
    add(O, u"adjacent pairs against the order (the four named)"_s, 4, exceptionsPresent);
    add(O, u"headwords the search would miss if accents were ignored"_s, 23, accentFailures);
    add(O, u"adjacent pairs out of order by plain character codes"_s, 794, plainInversions, Tolerance::Info);
    add(F, u"with a scripture reference"_s, 5177, ds.reference, Tolerance::WithinPercent3);
    add(F, u"  with one in parentheses"_s, 5153, ds.referenceInParentheses, Tolerance::WithinPercent3);
    add(F, u"  abbreviated book, chapter.verse"_s, 5000, ds.abbreviated, Tolerance::WithinPercent3);
    add(F, u"  chapter:verse"_s, 147, ds.colon, Tolerance::WithinPercent3);
    add(F, u"  chapter,verse"_s, 34, ds.comma, Tolerance::WithinPercent3);
    add(F, u"beginning \"Ver \""_s, 146, ds.ver, Tolerance::WithinPercent3);
    add(F, u"beginning \"Ver. \""_s, 112, ds.verDot, Tolerance::WithinPercent3);
    add(F, u"nothing but a cross reference"_s, 131, ds.crossReferenceOnly, Tolerance::WithinPercent3);
    add(F, u"with a word of three or more capitals"_s, 1735, ds.capitals, Tolerance::WithinPercent3);
    add(F, u"beginning with the meaning in [ ]"_s, 372, ds.meaning, Tolerance::WithinPercent3);
    add(F, u"numbering senses 1) 2)"_s, 704, ds.senses, Tolerance::WithinPercent3);
    add(F, u"with a semicolon"_s, 1770, ds.semicolon, Tolerance::WithinPercent3);
    add(F, u"ending with a period"_s, 5893, ds.period, Tolerance::WithinPercent3);
    add(F, u"ending with \").\""_s, 4971, ds.parenPeriod, Tolerance::WithinPercent3);
    return report;
}

QString formatReport(const DictionaryReport &report)
{
    using namespace Qt::Literals::StringLiterals;
    QString out;
    for (const Finding &f : report.findings)
        out += QStringLiteral("%1: %2\n").arg(f.where, f.message);
    out += QStringLiteral("%1 finding(s)\n\n").arg(report.findings.size());
    QString group;
    for (const Measure &m : report.measures) {
        if (m.group != group) {
            group = m.group;
            out += QStringLiteral("\n%1\n").arg(group);
            out += QStringLiteral("  %1 %2 %3\n").arg(u"measure"_s, -58).arg(u"target"_s, 24).arg(u"actual"_s, 24);
        }
        const QString mark = m.tolerance == Tolerance::Info ? QStringLiteral("  (shown only)")
                             : m.met()                      ? QString()
                                                            : QStringLiteral("  <- off");
        out += QStringLiteral("  %1 %2 %3%4\n")
                   .arg(m.name, -58)
                   .arg(m.target.toString(), 24)
                   .arg(m.actual.toString(), 24)
                   .arg(mark);
    }
    return out;
}

} // namespace content_tools
