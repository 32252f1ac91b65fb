#pragma once

#include <QStringList>

namespace content {

// The dictionary that the program carries: 6016 entries, each a headword and
// its definition at the same entry index, in stored (alphabetical) order.
struct Dictionary
{
    QStringList headwords;
    QStringList definitions;
};

// Converts the embedded Windows-1252 table; called once, while the main
// window is built.
Dictionary loadDictionary();

// The same conversion over any table of "headword<TAB>definition" lines.
Dictionary parseDictionary(const QString &table);

} // namespace content
