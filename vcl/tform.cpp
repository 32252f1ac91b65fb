#include "tform.h"

#include "tapplication.h"

#include <QEvent>

namespace vcl {

TForm::TForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
}

TForm::~TForm()
{
    if (TApplication *app = Application(); app && app->LastActiveForm() == this)
        app->SetLastActiveForm(nullptr);
}

void TForm::SetClientSize(int width, int height) { setFixedSize(width, height); }

void TForm::SetColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

bool TForm::event(QEvent *event)
{
    const bool result = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        TApplication *app = Application();
        if (app && app->LastActiveForm() != this) {
            app->SetLastActiveForm(this);
            RaiseEvent(OnActivate, this);
        }
    }
    return result;
}

} // namespace vcl
