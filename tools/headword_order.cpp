#include "headword_order.h"

#include "windows1252.h"

namespace content_tools {
namespace {

QChar baseLetter(QChar ch)
{
    switch (ch.unicode()) {
    case u'á': case u'à': case u'â': case u'ã': case u'ä': return u'a';
    case u'é': case u'è': case u'ê': case u'ë': return u'e';
    case u'í': case u'ì': case u'î': case u'ï': return u'i';
    case u'ó': case u'ò': case u'ô': case u'õ': case u'ö': return u'o';
    case u'ú': case u'ù': case u'û': case u'ü': return u'u';
    case u'ç': return u'c';
    default: return ch;
    }
}

QChar smallLetter(QChar ch)
{
    // Windows-1252 capitals only, so that nothing outside it is folded in.
    return vcl::sameLetterIgnoringCase(ch, ch.toLower()) ? ch.toLower() : ch;
}

} // namespace

QString foldHeadword(const QString &headword)
{
    QString folded;
    folded.reserve(headword.size());
    for (const QChar ch : headword) {
        if (ch != u'-')
            folded += baseLetter(smallLetter(ch));
    }
    return folded;
}

int compareHeadwords(const QString &a, const QString &b)
{
    const QString fa = foldHeadword(a), fb = foldHeadword(b);
    if (const int c = fa.compare(fb); c != 0)
        return c;
    QString la, lb;
    for (const QChar ch : a)
        if (ch != u'-')
            la += smallLetter(ch);
    for (const QChar ch : b)
        if (ch != u'-')
            lb += smallLetter(ch);
    for (qsizetype i = 0; i < la.size() && i < lb.size(); ++i) {
        if (la[i] == lb[i])
            continue;
        const bool plainA = baseLetter(la[i]) == la[i], plainB = baseLetter(lb[i]) == lb[i];
        if (plainA != plainB)
            return plainA ? -1 : 1;
        return la[i].unicode() < lb[i].unicode() ? -1 : 1;
    }
    return 0;
}

QChar searchLetter(QChar ch, bool ignoreAccents)
{
    const QChar small = smallLetter(ch);
    return ignoreAccents ? baseLetter(small) : small;
}

bool beginsWith(const QString &text, const QString &prefix, bool ignoreAccents)
{
    if (prefix.size() > text.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        QChar t = text[i], p = prefix[i];
        if (ignoreAccents) {
            t = baseLetter(smallLetter(t));
            p = baseLetter(smallLetter(p));
        }
        if (!vcl::sameLetterIgnoringCase(t, p))
            return false;
    }
    return true;
}

} // namespace content_tools
