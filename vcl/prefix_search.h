#pragma once

#include <QStringList>

namespace vcl {

// The list box's prefix search (LB_FINDSTRING): the first item, in search
// order, that begins with text, capital and small letters counting as the same
// letter and accented letters as different letters (sameLetterIgnoringCase).
// The search tries the items after start to the last, then from the first up
// to start; a start of -1 (or any index outside the list) tries every item
// from the first. Returns -1 when no item matches.
int findItemWithPrefix(const QStringList &items, const QString &text, int start);

// The same search over items already turned into caseFoldKey()s, for a text
// turned into one: what a list that searches at every keystroke keeps.
int findKeyWithPrefix(const QStringList &itemKeys, const QString &textKey, int start);

} // namespace vcl
