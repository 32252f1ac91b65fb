#include "scripture_references.h"

#include "bible_books.h"

#include <QRegularExpression>

#include <algorithm>

namespace content_tools {
namespace {

QString alternation(QStringList names)
{
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (QString &n : names)
        n = QRegularExpression::escape(n);
    return names.join(u'|');
}

// Abbreviations of numbered books may stand with a blank after the number.
QString abbreviationPattern()
{
    QStringList plain, numbered;
    for (const BibleBook &book : bibleBooks()) {
        if (book.abbreviation[0].isDigit())
            numbered << book.abbreviation.mid(1);
        else
            plain << book.abbreviation;
    }
    numbered.removeDuplicates();
    return QStringLiteral("(?:([123]) ?(%1)|(%2))").arg(alternation(numbered), alternation(plain));
}

QString bookOf(const QRegularExpressionMatch &m)
{
    return m.captured(1).isEmpty() ? m.captured(3) : m.captured(1) + m.captured(2);
}

const QRegularExpression &abbreviatedPattern()
{
    static const QRegularExpression re(QStringLiteral("(?<![\\w])%1 (\\d+)\\.(\\d+)((?:[-,]\\d+(?:\\.\\d+)?)*)")
                                           .arg(abbreviationPattern()),
                                       QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

const QRegularExpression &commaPattern()
{
    static const QRegularExpression re(QStringLiteral("(?<![\\w])%1 (\\d+),(\\d+)").arg(abbreviationPattern()),
                                       QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

const QRegularExpression &colonPattern()
{
    static const QRegularExpression re = [] {
        QStringList names;
        for (const BibleBook &book : bibleBooks())
            names << book.name << book.abbreviation << book.otherNames;
        return QRegularExpression(QStringLiteral("(?<![\\w])(%1) (\\d+):(\\d+)((?:[-,]\\d+)*)")
                                      .arg(alternation(names)),
                                  QRegularExpression::UseUnicodePropertiesOption);
    }();
    return re;
}

// Walks "-n", ",n", "-c.v" and ",c.v" after a first chapter and verse.
bool tailIsValid(const BibleBook &book, int chapter, int verse, const QString &tail)
{
    static const QRegularExpression step(QStringLiteral("([-,])(\\d+)(?:\\.(\\d+))?"));
    for (auto it = step.globalMatch(tail); it.hasNext();) {
        const auto m = it.next();
        int nextChapter = chapter, nextVerse = m.captured(2).toInt();
        if (m.hasCaptured(3)) {
            nextChapter = nextVerse;
            nextVerse = m.captured(3).toInt();
        }
        if (!book.hasVerse(nextChapter, nextVerse))
            return false;
        const bool forward = nextChapter > chapter || (nextChapter == chapter && nextVerse > verse);
        if (m.captured(1) == u"-" && !forward)
            return false;
        chapter = nextChapter;
        verse = nextVerse;
    }
    return true;
}

bool insideParentheses(const QString &text, qsizetype position)
{
    const qsizetype open = text.lastIndexOf(u'(', position);
    return open >= 0 && text.lastIndexOf(u')', position) < open;
}

} // namespace

QList<ScriptureReference> findReferences(const QString &text)
{
    QList<ScriptureReference> refs;
    const auto add = [&](ReferenceForm form, const QRegularExpressionMatch &m, bool valid) {
        refs.append({form, m.capturedStart(0), m.captured(0), valid,
                     insideParentheses(text, m.capturedStart(0))});
    };
    for (auto it = abbreviatedPattern().globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const BibleBook *book = findBookByAbbreviation(bookOf(m));
        const int chapter = m.captured(4).toInt(), verse = m.captured(5).toInt();
        add(ReferenceForm::Abbreviated, m,
            book && book->hasVerse(chapter, verse) && tailIsValid(*book, chapter, verse, m.captured(6)));
    }
    for (auto it = commaPattern().globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const BibleBook *book = findBookByAbbreviation(bookOf(m));
        add(ReferenceForm::ChapterCommaVerse, m,
            book && book->hasVerse(m.captured(4).toInt(), m.captured(5).toInt()));
    }
    for (auto it = colonPattern().globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const BibleBook *book = findBookByName(m.captured(1));
        const int chapter = m.captured(2).toInt(), verse = m.captured(3).toInt();
        add(ReferenceForm::ChapterColonVerse, m,
            book && book->hasVerse(chapter, verse) && tailIsValid(*book, chapter, verse, m.captured(4)));
    }
    std::sort(refs.begin(), refs.end(),
              [](const ScriptureReference &a, const ScriptureReference &b) { return a.position < b.position; });
    return refs;
}

} // namespace content_tools
