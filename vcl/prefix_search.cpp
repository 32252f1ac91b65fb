#include "prefix_search.h"

#include "windows1252.h"

namespace vcl {

int findItemWithPrefix(const QStringList &items, const QString &text, int start)
{
    const int count = int(items.size());
    if (start < 0 || start >= count)
        start = -1;
    for (int step = 1; step <= count; ++step) {
        const int i = (start + step) % count;
        if (startsWithIgnoringCase(items[i], text))
            return i;
    }
    return -1;
}

} // namespace vcl
