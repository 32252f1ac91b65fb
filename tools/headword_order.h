#pragma once

#include <QString>

// The dictionary's alphabetical order and the look-up's prefix search, as the
// content must satisfy them.
namespace content_tools {

// The headword as the order compares it: small letters, accents taken off,
// hyphens dropped.
QString foldHeadword(const QString &headword);

// Negative, zero or positive as a sorts before, equal to or after b: the folded
// texts compared by character code, and where they are equal the accents from
// the left (no accent first, then acute before circumflex before tilde).
int compareHeadwords(const QString &a, const QString &b);

// A character as the prefix search compares it: its small letter, and with
// ignoreAccents its base letter.
QChar searchLetter(QChar ch, bool ignoreAccents);

// Text begins with prefix, capital and small letters the same, accents
// significant (the list box's search) or, when ignoreAccents, ignored too.
bool beginsWith(const QString &text, const QString &prefix, bool ignoreAccents);

} // namespace content_tools
