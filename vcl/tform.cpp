#include "tform.h"

#include "layout_scaling.h"
#include "tapplication.h"
#include "window_placement.h"

#include <QScreen>

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

void TForm::ScaleLayout() { scaleLayout(this, measuredTextHeight(this)); }

void TForm::placeOnFirstShow()
{
    if (m_placed || !CenterOnDesktop)
        return;
    m_placed = true;
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The outer size: the frame that a window manager adds, where it has
    // told us already, around the client area.
    const QSize outer = frameGeometry().size().expandedTo(size());
    move(desktopCentre(screen->virtualSize(), outer));
}

bool TForm::event(QEvent *event)
{
    if (event->type() == QEvent::Show)
        placeOnFirstShow();
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
