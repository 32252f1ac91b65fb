#pragma once

#include "events.h"

#include <QWidget>

namespace vcl {

// A top-level window of the program: a fixed single frame with the window
// menu, minimise and close buttons (no maximise), and the activation event.
class TForm : public QWidget
{
    Q_OBJECT
public:
    explicit TForm(QWidget *parent = nullptr);
    ~TForm() override;

    void SetCaption(const QString &caption) { setWindowTitle(caption); }
    // bsSingle: the client area has this size and the user can't resize it.
    void SetClientSize(int width, int height);
    void SetColor(const QColor &color);

    // poDesktopCenter: centred on the whole desktop the first time it is
    // shown; later showings leave it where it is.
    bool CenterOnDesktop = false;

    // Adapts the layout to the screen's text height (layout_scaling.h).
    void ScaleLayout();

    // Raised when a control of this form receives the focus while the form that
    // last held the focus among the program's forms is another one, or none.
    // Message boxes are not forms: closing one does not raise it again.
    TNotifyEvent OnActivate;

protected:
    bool event(QEvent *event) override;

private:
    void placeOnFirstShow();

    bool m_placed = false;
};

} // namespace vcl
