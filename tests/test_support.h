#pragma once

// What every test program shares: a TApplication as the program has one,
// with its error box replaced by a recorder, and helpers to bring up the main
// window as a user would see it.

#include "tapplication.h"

#include <QStringList>
#include <QTest>

namespace test_support {

// The error boxes shown so far: caption and text of each.
struct ErrorBoxes
{
    QStringList captions;
    QStringList texts;
    void clear()
    {
        captions.clear();
        texts.clear();
    }
};
ErrorBoxes &errorBoxes();

// Installs the recorder in place of the real box.
void recordErrorBoxes(vcl::TApplication &app);

// Types text into a widget one key at a time, as a keyboard does; unlike
// QTest::keyClicks it also types letters outside ASCII (á, ã, emoji).
void typeText(QWidget *widget, const QString &text);

} // namespace test_support

// Like QTEST_MAIN, with the program's application object and title.
#define TAVORENO_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        vcl::TApplication app(argc, argv);                                                         \
        app.SetTitle(QStringLiteral("tavoreno"));                                                  \
        test_support::recordErrorBoxes(app);                                                       \
        QTEST_DISABLE_KEYPAD_NAVIGATION                                                            \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
