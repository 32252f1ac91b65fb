// A seeded random user: thousands of keyboard and mouse events on the real
// window, and after every one the dictionary page's rules hold. A failure
// prints the seed and the shortest event sequence found that reproduces it.
//
// TAVORENO_RANDOM_SEED and TAVORENO_RANDOM_EVENTS choose another run.

#include "main_window_fixture.h"
#include "religion_ranges.h"
#include "test_support.h"
#include "ttabsheet.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScrollBar>

using namespace vcl;
using test_support::errorBoxes;

namespace {

enum class Kind {
    TypeText, Backspace, Delete, Paste, ClickHeadword, Wheel, ListKey, ListTypeAhead, NextPage, PreviousPage,
    ClickTab, ComboType, ComboOpenAndMove, SelectAll,
};

struct Event
{
    Kind kind;
    QString text;
    int number = 0;
};

QString describe(const Event &e)
{
    static const char *names[] = {"type", "backspace", "delete", "paste", "click headword", "wheel", "list key",
                                  "list type-ahead", "ctrl+tab", "ctrl+shift+tab", "click tab", "combo type",
                                  "combo open and move", "select all"};
    QString text = e.text.size() > 12 ? e.text.left(12) + QStringLiteral("...(%1)").arg(e.text.size()) : e.text;
    QString escaped;
    for (const QChar c : text)
        escaped += c.isPrint() ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    return QStringLiteral("%1 \"%2\" %3").arg(QString::fromLatin1(names[int(e.kind)]), escaped).arg(e.number);
}

// What a user might type: Portuguese letters, and things no headword holds.
QString randomText(QRandomGenerator &r)
{
    static const QStringList pieces = {
        "a", "b", "e", "j", "m", "s", "z", "á", "ã", "é", "ç", "ô", "A", "Á", " ", "-", ",", "(", "k", "w",
        "aa", "ab", "abel", "jo", "sa", "el", "\U0001F600", "\u200F", "\u0130", "α", "中", "\u0001", "\t", "x",
    };
    QString text;
    const int n = 1 + r.bounded(3);
    for (int i = 0; i < n; ++i)
        text += pieces[r.bounded(int(pieces.size()))];
    return text;
}

QList<Event> randomEvents(quint32 seed, int count)
{
    QRandomGenerator r(seed);
    QList<Event> events;
    for (int i = 0; i < count; ++i) {
        Event e{Kind(r.bounded(14)), {}, r.bounded(1 << 20)};
        if (e.kind == Kind::TypeText || e.kind == Kind::ListTypeAhead || e.kind == Kind::ComboType)
            e.text = randomText(r);
        if (e.kind == Kind::Paste) {
            // Mostly short, sometimes up to a megabyte.
            const int length = r.bounded(10) == 0 ? r.bounded(1 << 20) : r.bounded(40);
            e.text = randomText(r).repeated(1 + length / 3).left(qMax(1, length));
        }
        events << e;
    }
    return events;
}

} // namespace

class TestRandomUser : public QObject
{
    Q_OBJECT

    // Plays the events on a fresh window; returns the index of the first
    // event after which a rule broke (and why), or -1.
    static int play(const QList<Event> &events, QString *why)
    {
        errorBoxes().clear();
        MainWindowFixture f;
        qint64 now = 0;
        f.form->ListBox1->SetTypeAheadClock([&now] { return now; });
        if (!f.showAndActivate()) {
            *why = QStringLiteral("the window did not activate");
            return 0;
        }
        for (int i = 0; i < events.size(); ++i) {
            perform(f, events[i], now);
            if (!rulesHold(f, why))
                return i;
        }
        return -1;
    }

    static void perform(MainWindowFixture &f, const Event &e, qint64 &now)
    {
        TFrm_Principal *form = f.form.get();
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : form;
        now += (e.number % 3) * 300;
        switch (e.kind) {
        case Kind::TypeText:
            form->PageControl1->SetActivePageIndex(0);
            form->Edit1->setFocus(Qt::MouseFocusReason);
            test_support::typeText(form->Edit1, e.text);
            break;
        case Kind::Backspace:
            QTest::keyClick(focus, Qt::Key_Backspace);
            break;
        case Kind::Delete:
            QTest::keyClick(focus, Qt::Key_Delete);
            break;
        case Kind::Paste:
            QGuiApplication::clipboard()->setText(e.text);
            QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
            break;
        case Kind::SelectAll:
            QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
            break;
        case Kind::ClickHeadword:
            if (form->PageControl1->ActivePageIndex() == 0)
                f.clickHeadword(e.number % form->ListBox1->count());
            break;
        case Kind::Wheel: {
            TListBox *list = form->ListBox1;
            list->verticalScrollBar()->setValue(e.number % (list->verticalScrollBar()->maximum() + 1));
            break;
        }
        case Kind::ListKey: {
            static const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                                           Qt::Key_Home, Qt::Key_End, Qt::Key_Return, Qt::Key_Escape};
            if (form->PageControl1->ActivePageIndex() == 0) {
                form->ListBox1->setFocus(Qt::MouseFocusReason);
                QTest::keyClick(form->ListBox1, keys[e.number % 8]);
            }
            break;
        }
        case Kind::ListTypeAhead:
            if (form->PageControl1->ActivePageIndex() == 0) {
                form->ListBox1->setFocus(Qt::MouseFocusReason);
                test_support::typeText(form->ListBox1, e.text);
            }
            break;
        case Kind::NextPage:
            QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
            break;
        case Kind::PreviousPage:
            QTest::keyClick(focus, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        case Kind::ClickTab: {
            auto *tabs = form->PageControl1->findChild<QTabBar *>();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(e.number % 6).center());
            break;
        }
        case Kind::ComboType:
            form->PageControl1->SetActivePageIndex(1);
            form->Combo->setFocus(Qt::TabFocusReason);
            test_support::typeText(form->Combo, e.text);
            break;
        case Kind::ComboOpenAndMove:
            form->PageControl1->SetActivePageIndex(1);
            form->Combo->setFocus(Qt::TabFocusReason);
            form->Combo->showPopup();
            for (int k = 0; k < e.number % 5; ++k)
                QTest::keyClick(form->Combo->view(), Qt::Key_Down);
            QTest::keyClick(form->Combo->view(), e.number % 2 ? Qt::Key_Return : Qt::Key_Escape);
            form->Combo->hidePopup();
            break;
        }
    }

    static bool rulesHold(MainWindowFixture &f, QString *why)
    {
        TFrm_Principal *form = f.form.get();
        const int i = form->ListBox1->ItemIndex();
        if (!errorBoxes().texts.isEmpty())
            *why = QStringLiteral("an error box: ") + errorBoxes().texts.join(u'|');
        else if (i < 0 || form->ListBox1->selectedItems().size() != 1)
            *why = QStringLiteral("not exactly one headword selected");
        else if (form->Label7->Caption() != form->ListBox1->Items()->Strings(i))
            *why = QStringLiteral("the label shows \"%1\", the list \"%2\"")
                       .arg(form->Label7->Caption(), form->ListBox1->Items()->Strings(i));
        else if (form->kustuta->Text() != form->ListBox2->Items()->Strings(i) + QStringLiteral("\r\n"))
            *why = QStringLiteral("the pane does not hold the definition of entry %1").arg(i);
        else if (!summaryPaneIsSound(form))
            *why = QStringLiteral("the summary pane holds no whole summary");
        else
            return true;
        return false;
    }

    static bool summaryPaneIsSound(TFrm_Principal *form)
    {
        const QString text = form->M2->Text();
        if (text.isEmpty())
            return true;
        for (const ReligionRange &r : kReligionRanges) {
            QString summary;
            for (int l = r.first; l <= r.last; ++l)
                summary += form->M1->Items()->Strings(l) + QStringLiteral("\r\n");
            if (summary == text)
                return true;
        }
        return false;
    }

    // Removes events while the failure stays (a simple delta debugging).
    static QList<Event> shrink(QList<Event> events)
    {
        QString why;
        for (qsizetype chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
            for (qsizetype start = 0; start + chunk <= events.size();) {
                QList<Event> fewer = events;
                fewer.remove(start, chunk);
                const int failed = play(fewer, &why);
                if (failed >= 0)
                    events = fewer.mid(0, failed + 1);
                else
                    start += chunk;
            }
        }
        return events;
    }

private slots:
    void rulesHoldAfterEveryEvent_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("count");
        const quint32 seed = qEnvironmentVariableIntValue("TAVORENO_RANDOM_SEED");
        const int count = qEnvironmentVariableIntValue("TAVORENO_RANDOM_EVENTS");
        if (seed != 0) {
            QTest::newRow("chosen seed") << seed << (count > 0 ? count : 3000);
            return;
        }
        for (const quint32 s : {1u, 2u, 3u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(s))) << s << 1500;
    }
    void rulesHoldAfterEveryEvent()
    {
        QFETCH(quint32, seed);
        QFETCH(int, count);
        const QList<Event> events = randomEvents(seed, count);
        QString why;
        const int failed = play(events, &why);
        if (failed < 0)
            return;
        const QList<Event> shortest = shrink(events.mid(0, failed + 1));
        QString report = QStringLiteral("seed %1: after event %2, %3\nshortest sequence that reproduces it (%4 events):\n")
                             .arg(seed).arg(failed).arg(why).arg(shortest.size());
        for (const Event &e : shortest)
            report += QStringLiteral("  ") + describe(e) + u'\n';
        QFAIL(qPrintable(report));
    }
};

TAVORENO_TEST_MAIN(TestRandomUser)
#include "test_random_user.moc"
