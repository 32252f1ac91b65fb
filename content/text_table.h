#pragma once

#include <QStringList>

#include <cstddef>

namespace content {

// The lines of an embedded Windows-1252 table ('\n' after every line).
QStringList linesOf(const unsigned char *data, std::size_t size);

} // namespace content
