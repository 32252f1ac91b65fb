#include "bible_books.h"

namespace content_tools {

bool BibleBook::hasVerse(int chapter, int verse) const
{
    return chapter >= 1 && chapter <= int(versesPerChapter.size()) && verse >= 1
           && verse <= versesPerChapter[std::size_t(chapter - 1)];
}

const QList<BibleBook> &bibleBooks()
{
    struct Row
    {
        const char16_t *abbreviation;
        const char16_t *name;
        std::vector<const char16_t *> otherNames;
        std::vector<int> verses;
    };
    static const QList<BibleBook> books = [] {
        const Row rows[] = {
#include "bible_books_data.inc"
        };
        QList<BibleBook> list;
        for (const Row &row : rows) {
            BibleBook book{QString::fromUtf16(row.abbreviation), QString::fromUtf16(row.name), {},
                           row.verses};
            for (const char16_t *other : row.otherNames)
                book.otherNames << QString::fromUtf16(other);
            list << book;
        }
        return list;
    }();
    return books;
}

const BibleBook *findBookByAbbreviation(const QString &abbreviation)
{
    for (const BibleBook &book : bibleBooks()) {
        if (book.abbreviation == abbreviation)
            return &book;
    }
    return nullptr;
}

const BibleBook *findBookByName(const QString &name)
{
    for (const BibleBook &book : bibleBooks()) {
        if (book.name == name || book.abbreviation == name || book.otherNames.contains(name))
            return &book;
    }
    return nullptr;
}

} // namespace content_tools
