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
};

} // namespace vcl
