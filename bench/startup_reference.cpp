// The reference for the start-up benchmark: a plain Qt program that opens a
// 722 x 548 window holding a list of 6016 rows and a text pane, ended at the
// text pane's first paint.

#include "startup_probe.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(722, 548);
    auto *list = new QListWidget(&window);
    list->setGeometry(8, 100, 180, 343);
    QStringList rows;
    for (int i = 0; i < 6016; ++i)
        rows << QStringLiteral("Verbete %1").arg(i);
    list->addItems(rows);
    list->setCurrentRow(0);
    auto *pane = new QPlainTextEdit(&window);
    pane->setObjectName(QStringLiteral("pane"));
    pane->setGeometry(220, 100, 475, 309);
    pane->setPlainText(QStringLiteral("Definição do verbete 0."));
    StartupProbe probe(QStringLiteral("pane"), [&] { return window.isActiveWindow(); });
    window.show();
    return app.exec();
}
