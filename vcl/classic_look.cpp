#include "classic_look.h"

#include "colors.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace vcl {

QPalette classicPalette()
{
    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, clSilver);
        p.setColor(group, QPalette::Button, clSilver);
        p.setColor(group, QPalette::Base, clWindow);
        p.setColor(group, QPalette::AlternateBase, clWindow);
        p.setColor(group, QPalette::WindowText, clWindowText);
        p.setColor(group, QPalette::Text, clWindowText);
        p.setColor(group, QPalette::ButtonText, clWindowText);
        p.setColor(group, QPalette::Light, clWhite);
        p.setColor(group, QPalette::Midlight, QColor(223, 223, 223));
        p.setColor(group, QPalette::Mid, clGray);
        p.setColor(group, QPalette::Dark, clGray);
        p.setColor(group, QPalette::Shadow, clBlack);
        p.setColor(group, QPalette::Highlight, clNavy);
        p.setColor(group, QPalette::HighlightedText, clWhite);
        p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        p.setColor(group, QPalette::ToolTipText, clBlack);
    }
    p.setColor(QPalette::Disabled, QPalette::WindowText, clGray);
    p.setColor(QPalette::Disabled, QPalette::Text, clGray);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, clGray);
    p.setColor(QPalette::Disabled, QPalette::Window, clSilver);
    p.setColor(QPalette::Disabled, QPalette::Button, clSilver);
    p.setColor(QPalette::Disabled, QPalette::Base, clSilver);
    return p;
}

void applyClassicLook(QApplication &app)
{
    if (QStyle *windows = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(windows);
    app.setPalette(classicPalette());
}

} // namespace vcl
