#include "source_text.h"

#include "windows1252.h"

#include <QFile>
#include <QStringDecoder>

namespace content_tools {
namespace {

QString describe(char32_t ch)
{
    QString name = QStringLiteral("U+%1").arg(uint(ch), 4, 16, QChar(u'0')).toUpper();
    if (ch >= 0x20 && ch != 0x7F)
        name += QStringLiteral(" '") + QString::fromUcs4(&ch, 1) + u'\'';
    return name;
}

} // namespace

bool parseTabRule(const QString &name, TabRule &rule)
{
    if (name == u"entry")
        rule = TabRule::Entry;
    else if (name == u"text")
        rule = TabRule::Text;
    else if (name == u"none")
        rule = TabRule::None;
    else
        return false;
    return true;
}

SourceText readSource(const QString &path, TabRule tabs)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SourceText failed;
        failed.errors << QStringLiteral("%1: error: cannot read: %2").arg(path, file.errorString());
        return failed;
    }
    return parseSource(path, file.readAll(), tabs);
}

SourceText parseSource(const QString &path, const QByteArray &utf8, TabRule tabs)
{
    SourceText result;
    QList<QByteArray> rawLines = utf8.split('\n');
    if (!rawLines.isEmpty() && rawLines.back().isEmpty())
        rawLines.removeLast();
    else if (!utf8.isEmpty())
        result.errors << QStringLiteral("%1: error: the last line has no line break").arg(path);

    for (int n = 0; n < rawLines.size(); ++n) {
        const int lineNumber = n + 1;
        const auto fail = [&](int column, const QString &what) {
            result.errors << QStringLiteral("%1:%2:%3: error: %4").arg(path).arg(lineNumber).arg(column).arg(what);
        };
        QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString line = decoder.decode(rawLines[n]);
        if (decoder.hasError()) {
            fail(1, QStringLiteral("the line is not valid UTF-8"));
            continue;
        }
        QByteArray encoded;
        bool good = true;
        int tabCount = 0;
        int column = 0;
        for (const char32_t ch : line.toUcs4()) {
            ++column;
            const auto byte = vcl::unicodeToWindows1252(ch);
            if (!byte) {
                fail(column, describe(ch) + QStringLiteral(" is outside Windows-1252"));
                good = false;
                break;
            }
            if (ch == u'\t') {
                ++tabCount;
            } else if (ch < 0x20 || ch == 0x7F) {
                fail(column, QStringLiteral("control character %1").arg(describe(ch)));
                good = false;
                break;
            }
            encoded += char(*byte);
        }
        if (!good)
            continue;
        if (tabs == TabRule::None && tabCount > 0) {
            fail(int(line.indexOf(u'\t')) + 1, QStringLiteral("a tab inside an item"));
            continue;
        }
        if (tabs == TabRule::Entry) {
            const qsizetype tab = line.indexOf(u'\t');
            if (tabCount != 1 || tab == 0 || tab == line.size() - 1) {
                fail(1, QStringLiteral("expected \"headword<TAB>definition\" (one tab, both parts non-empty)"));
                continue;
            }
        }
        result.lines.append({lineNumber, line});
        result.windows1252 += encoded;
        result.windows1252 += '\n';
    }
    return result;
}

} // namespace content_tools
