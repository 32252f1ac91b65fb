#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace content_tools {

struct BibleBook
{
    QString abbreviation; // "Gn", "1Rs"
    QString name;         // "Gênesis", "1 Reis"
    QStringList otherNames;
    std::vector<int> versesPerChapter;

    bool hasVerse(int chapter, int verse) const;
};

const QList<BibleBook> &bibleBooks();
const BibleBook *findBookByAbbreviation(const QString &abbreviation);
// By full name, other name or abbreviation.
const BibleBook *findBookByName(const QString &name);

} // namespace content_tools
