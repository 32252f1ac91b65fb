#pragma once

#include <QLabel>

namespace vcl {

// A single-line label that sizes itself to its text (an empty label measures
// as one blank) and keeps its left and top edges. Plain text only.
class TLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TLabel(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption);
    void SetFontColor(const QColor &color);
    // A colour of its own behind the text; without one the label is transparent.
    void SetColor(const QColor &color);

protected:
    void changeEvent(QEvent *event) override;

private:
    void adjustBounds();
};

} // namespace vcl
