#pragma once

#include <QStringList>

namespace content {

// The twenty religion summaries: 673 lines, each summary a heading line and
// its eight sections, one empty line between summaries.
QStringList loadSummaryLines();

// The religion selector's captions, in selector order.
QStringList loadReligionCaptions();

} // namespace content
