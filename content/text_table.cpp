#include "text_table.h"

#include "windows1252.h"

namespace content {

QStringList linesOf(const unsigned char *data, std::size_t size)
{
    QStringList lines = vcl::fromWindows1252(reinterpret_cast<const char *>(data), qsizetype(size))
                            .split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace content
