#include "tmemo.h"

#include <QScrollBar>
#include <QTextBlock>

namespace vcl {

class TMemo::LineList : public TStrings
{
public:
    explicit LineList(TMemo *memo) : m_memo(memo) {}

    // The text ends with a line break after each line added, so its last
    // block is empty and is no line.
    int Count() const override
    {
        const QTextDocument *doc = m_memo->document();
        const int blocks = doc->blockCount();
        return doc->lastBlock().length() <= 1 ? blocks - 1 : blocks;
    }
    QString Strings(int index) const override
    {
        checkIndex(index);
        return m_memo->document()->findBlockByNumber(index).text();
    }
    void Add(const QString &text) override
    {
        QTextCursor end(m_memo->document());
        end.movePosition(QTextCursor::End);
        const bool breakFirst = m_memo->document()->lastBlock().length() > 1;
        // One edit, so the document is laid out once for the line.
        end.beginEditBlock();
        end.insertText((breakFirst ? QStringLiteral("\n") : QString()) + text + u'\n');
        end.endEditBlock();
    }
    void Clear() override { m_memo->clear(); }

private:
    TMemo *m_memo;
};

TMemo::TMemo(QWidget *parent) : QPlainTextEdit(parent), m_lines(std::make_unique<LineList>(this))
{
    setTabChangesFocus(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    document()->setDocumentMargin(2);
    hideSelectionWithoutFocus();
}

void TMemo::hideSelectionWithoutFocus()
{
    // The text control paints the selection with the inactive colours while
    // the memo has no focus: make them the memo's own text colours.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Base));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::Text));
    setPalette(p);
}

TMemo::~TMemo() = default;

TStrings *TMemo::Lines() const { return m_lines.get(); }

QString TMemo::Text() const
{
    QString text = toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

void TMemo::SetReadOnly(bool readOnly)
{
    setReadOnly(readOnly);
    // Read-only, the text can still be selected and copied with the keyboard
    // as well as the mouse, and the memo stays a tab stop.
    if (readOnly)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
}

void TMemo::SetWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle style)
{
    setVerticalScrollBarPolicy(style == TScrollStyle::ssVertical ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
    hideSelectionWithoutFocus();
}

void TMemo::SetFontColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
    hideSelectionWithoutFocus();
}

void TMemo::SetTabStops(qreal averageCharWidth)
{
    setTabStopDistance(8 * averageCharWidth);
}

void TMemo::Perform(MemoMessage message, int wParam, int lParam)
{
    switch (message) {
    case EM_SETSEL: {
        QTextCursor cursor(document());
        cursor.setPosition(qBound(0, wParam, document()->characterCount() - 1));
        cursor.setPosition(qBound(0, lParam, document()->characterCount() - 1),
                           QTextCursor::KeepAnchor);
        setTextCursor(cursor);
        break;
    }
    case EM_SCROLLCARET:
        ensureCursorVisible();
        break;
    }
}

} // namespace vcl
