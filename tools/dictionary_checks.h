#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// The checks that the dictionary's content must pass, and the measures of
// it that are compared with their targets.
namespace content_tools {

struct DictionaryEntry
{
    QString headword;
    QString definition;
    QString where; // "a.txt:12", for messages
};

// A rule the content breaks: the program would misbehave, or the text is wrong.
struct Finding
{
    QString where;
    QString message;
};

enum class Tolerance {
    Exact,          // must equal the target
    WithinPercent3, // within 3 % of the target (at least 1)
    Info,           // shown, not required
};

struct Measure
{
    QString group;
    QString name;
    QVariant target; // a number, or a text for character sets
    QVariant actual;
    Tolerance tolerance = Tolerance::Exact;

    bool met() const;
};

struct DictionaryReport
{
    QList<Finding> findings;
    QList<Measure> measures;

    bool targetsMet() const;
};

DictionaryReport checkDictionary(const QList<DictionaryEntry> &entries);

// The report as the checker prints it: the findings, then a table of
// measure, target and actual value.
QString formatReport(const DictionaryReport &report);

} // namespace content_tools
