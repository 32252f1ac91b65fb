#pragma once

#include <QGroupBox>

namespace vcl {

// A group box whose children are placed from its top-left corner. Its caption,
// if any, is drawn as given (leading and trailing blanks included).
class TGroupBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit TGroupBox(QWidget *parent = nullptr);

    void SetCaption(const QString &caption) { setTitle(caption); }
    void SetColor(const QColor &color);
    // Ctl3D off: a flat frame one pixel wide in the window-frame colour, its
    // top edge half a text line of the box's font (less one pixel) below the
    // top. It has no caption, so the top line runs unbroken.
    void SetCtl3D(bool ctl3D);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_ctl3D = true;
};

} // namespace vcl
