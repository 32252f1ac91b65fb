#pragma once

#include "tstrings.h"

#include <QPlainTextEdit>

#include <memory>

namespace vcl {

// Messages sent straight to a memo with Perform.
enum MemoMessage : unsigned {
    EM_SETSEL = 0x00B1,      // select from start to end (0, 0: caret at the start)
    EM_SCROLLCARET = 0x00B7, // scroll the caret into view
};

enum class TScrollStyle { ssNone, ssVertical };

// A multi-line text box. Its text is its lines, each followed by a carriage
// return and a line feed. Read-only memos let the user select and copy but
// not change the text; Tab moves the focus on and is never inserted. A
// selection is hidden while the memo doesn't have the focus.
class TMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TMemo(QWidget *parent = nullptr);
    ~TMemo() override;

    TStrings *Lines() const;
    void Clear() { clear(); }
    // The whole text, with carriage return and line feed between lines.
    QString Text() const;

    void SetReadOnly(bool readOnly);
    void SetWordWrap(bool wrap);
    void SetScrollBars(TScrollStyle style);
    void SetColor(const QColor &color);
    void SetFontColor(const QColor &color);

    void Perform(MemoMessage message, int wParam = 0, int lParam = 0);

    // A standard text box's tab stops: every 32 dialog units of its font,
    // that is every eight average character widths.
    void SetTabStops(qreal averageCharWidth);

private:
    void hideSelectionWithoutFocus();

    class LineList;
    std::unique_ptr<LineList> m_lines;
};

} // namespace vcl
