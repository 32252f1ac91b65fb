// The dictionary checker: proves the content's rules over the dictionary
// sources and prints every measure beside its target.
//
//   dictcheck [--require-targets] FILE...
//
// FILEs are read in the order given, as the program carries them. Exit status
// 1 when a rule is broken, or with --require-targets when a measure is off.

#include "dictionary_checks.h"
#include "source_text.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList files = app.arguments().mid(1);
    const bool requireTargets = files.removeAll(QStringLiteral("--require-targets")) > 0;
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: dictcheck [--require-targets] FILE...\n");
        return 2;
    }
    QList<content_tools::DictionaryEntry> entries;
    QStringList readErrors;
    for (const QString &file : std::as_const(files)) {
        const auto source = content_tools::readSource(file, content_tools::TabRule::Entry);
        readErrors += source.errors;
        const QString name = QFileInfo(file).fileName();
        for (const auto &line : source.lines) {
            const qsizetype tab = line.text.indexOf(u'\t');
            entries.append({line.text.left(tab), line.text.mid(tab + 1),
                            QStringLiteral("%1:%2").arg(name).arg(line.number)});
        }
    }
    const auto report = content_tools::checkDictionary(entries);
    for (const QString &e : std::as_const(readErrors))
        std::printf("%s\n", qPrintable(e));
    std::printf("%s", content_tools::formatReport(report).toLocal8Bit().constData());
    const bool ok = readErrors.isEmpty() && report.findings.isEmpty();
    const bool targets = report.targetsMet();
    std::printf("\n%s\n", !ok ? "FAILED: the content breaks a rule"
                          : targets ? "OK: every rule holds and every target is met"
                                    : "OK: every rule holds; some targets are not met yet");
    return !ok || (requireTargets && !targets) ? 1 : 0;
}
