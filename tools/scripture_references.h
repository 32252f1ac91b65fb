#pragma once

#include <QList>
#include <QString>

namespace content_tools {

// The three ways the dictionary writes a scripture reference.
enum class ReferenceForm {
    Abbreviated,       // "Gn 14.2", "1Rs 11.26", "1 Rs 3.4", "Gn 5.3-5", "Gn 5.3,6"
    ChapterColonVerse, // "1 Crônicas 8:1", mostly with the book's full name
    ChapterCommaVerse, // "Gn 14,2"
};

struct ScriptureReference
{
    ReferenceForm form;
    qsizetype position = 0;
    QString text;
    bool valid = false;         // every chapter and verse it names exists
    bool inParentheses = false;
};

QList<ScriptureReference> findReferences(const QString &text);

} // namespace content_tools
