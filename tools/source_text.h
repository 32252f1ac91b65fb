#pragma once

#include <QByteArray>
#include <QStringList>

// Reading a content source: UTF-8 text, one item per line, checked line by
// line and converted to Windows-1252.
namespace content_tools {

enum class TabRule {
    Entry, // "first<TAB>second": exactly one tab, both parts non-empty
    Text,  // tabs allowed anywhere (page texts)
    None,  // no tab at all
};
bool parseTabRule(const QString &name, TabRule &rule);

struct SourceLine
{
    int number = 0; // 1-based
    QString text;
};

struct SourceText
{
    QList<SourceLine> lines;  // the lines that passed
    QByteArray windows1252;   // every line, '\n'-terminated
    QStringList errors;       // "file:line:column: error: ..."
};

SourceText readSource(const QString &path, TabRule tabs);
// The same over text already in memory; path is used in messages only.
SourceText parseSource(const QString &path, const QByteArray &utf8, TabRule tabs);

} // namespace content_tools
