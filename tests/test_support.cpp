#include "test_support.h"

namespace test_support {

ErrorBoxes &errorBoxes()
{
    static ErrorBoxes boxes;
    return boxes;
}

void recordErrorBoxes(vcl::TApplication &app)
{
    app.SetErrorBox([](const QString &caption, const QString &text) {
        errorBoxes().captions << caption;
        errorBoxes().texts << text;
    });
}

void typeText(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, n);
        i += n - 1;
        if (ch.size() == 1 && ch[0].unicode() >= 0x20 && ch[0].unicode() < 0x7F) {
            QTest::keyClick(widget, ch[0].toLatin1());
            continue;
        }
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, ch, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, ch, Qt::NoModifier);
    }
}

} // namespace test_support
