// The four reference pages: the shapes of their texts (line counts, headings,
// rules, tab-and-blank separators), the memos' read-only behaviour, focus and
// Tab, the about labels, and that nothing on them changes whatever the user
// does elsewhere.

#include "colors.h"
#include "main_window_fixture.h"
#include "page_texts.h"
#include "test_support.h"
#include "tgroupbox.h"
#include "ttabsheet.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextLayout>

using namespace vcl;
using content::PageText;

namespace {

// "name", then tabs, then blanks.
QString rowStart(const QString &name, int tabs, int blanks)
{
    return name + QString(tabs, u'\t') + QString(blanks, u' ');
}

// Where a column of a tab-separated line starts on screen: column k begins
// after the line's k-th run of tabs and the blanks that follow it.
qreal columnStart(const QString &line, int column, const QFont &font, qreal tabStop)
{
    qsizetype i = 0;
    for (int k = 0; k < column; ++k) {
        while (i < line.size() && line[i] != u'\t')
            ++i;
        while (i < line.size() && line[i] == u'\t')
            ++i;
    }
    while (i < line.size() && line[i] == u' ')
        ++i;
    QTextLayout layout(line, font);
    QTextOption option;
    option.setTabStopDistance(tabStop);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    textLine.setLineWidth(100000);
    layout.endLayout();
    return textLine.cursorToX(int(i));
}

bool matches(const QString &pattern, const QString &text)
{
    return QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$")).match(text).hasMatch();
}

} // namespace

class TestReferencePages : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowFixture> f;

private slots:
    void init()
    {
        test_support::errorBoxes().clear();
        f = std::make_unique<MainWindowFixture>();
    }
    void cleanup() { f.reset(); }

    void weightsAndMeasuresShape()
    {
        const QStringList t = content::loadPageText(PageText::WeightsAndMeasures);
        QCOMPARE(t.size(), 73);
        const auto line = [&](int n) { return t[n - 1]; }; // numbered from 1
        QCOMPARE(line(1), QStringLiteral("1 - PESOS"));
        QCOMPARE(line(3), QStringLiteral("NOME\t\t       CORRESPONDENTE BÍBLICO\tEQUIVALENTE ATUAL"));
        const QStringList weights = {"Gera", "Beca", "Siclo", "Mina* ou arrátel**", "Talento***"};
        const QList<int> nameTabs = {2, 2, 2, 1, 1}, valueTabs = {1, 2, 2, 3, 1};
        for (int i = 0; i < 5; ++i) {
            const QString row = line(4 + i);
            QVERIFY2(row.startsWith(rowStart(weights[i], nameTabs[i], 7)), qPrintable(row));
            QVERIFY2(row.mid(rowStart(weights[i], nameTabs[i], 7).size(), 1) != u" ", qPrintable(row));
            QVERIFY2(matches(QStringLiteral("[^\\t]+\\t{%1}       [^\\t]+\\t{%2}[0-9][0-9.]*,[0-9]+ ?k?g")
                                 .arg(nameTabs[i]).arg(valueTabs[i]), row), qPrintable(row));
        }
        for (const int empty : {2, 9, 14, 16, 21, 34, 43, 50, 57, 70})
            QVERIFY2(line(empty).isEmpty(), qPrintable(QString::number(empty)));
        QVERIFY(line(10).startsWith(QStringLiteral("* ")));
        QVERIFY(line(11).startsWith(QStringLiteral("** ")));
        QVERIFY(line(12).startsWith(QStringLiteral("*** ")));
        QCOMPARE(line(13), QString(85, u'_'));
        for (const int rule : {33, 42, 56, 69})
            QCOMPARE(line(rule), QString(84, u'_'));
        QCOMPARE(line(15), QStringLiteral("2 - DINHEIRO"));
        QCOMPARE(line(17), QStringLiteral("2.1 - Antigo Testamento"));
        QVERIFY(line(18).startsWith(QStringLiteral("a)")));
        QVERIFY(line(19).startsWith(QStringLiteral("b)")));
        QVERIFY(line(20).startsWith(QStringLiteral("c)")));
        QCOMPARE(line(22), QStringLiteral("2.2 - Novo Testamento"));
        const auto checkRows = [&](int first, const QStringList &names, const QStringList &shorter, int tabs) {
            for (int i = 0; i < names.size(); ++i) {
                const int n = shorter.contains(names[i]) ? tabs - 1 : tabs;
                const QString row = line(first + i);
                QVERIFY2(row.startsWith(rowStart(names[i], n, 5)) && row.size() > rowStart(names[i], n, 5).size()
                             && row[rowStart(names[i], n, 5).size()] != u' ',
                         qPrintable(row));
            }
        };
        checkRows(23, {"Lepto", "Quadrante", "Asse", "Denário", "Dracma", "Didracma", "Tetradracma", "Estáter", "Mina", "Talento"},
                  {"Quadrante", "Tetradracma"}, 2);
        QCOMPARE(line(35), QStringLiteral("3 - MEDIDAS DE DISTÂNCIA"));
        checkRows(36, {"Tiro de pedra", "Tiro de arco", "Jornada de um sábado", "Jornada de um dia", "Estádio (romano)", "Milha (romana)"},
                  {"Jornada de um sábado"}, 2);
        QCOMPARE(line(44), QStringLiteral("4 - MEDIDAS DE COMPRIMENTO"));
        checkRows(45, {"Dedo", "Quatro dedos*", "Palmo**", "Côvado***", "Braça"}, {"Quatro dedos*", "Côvado***"}, 3);
        QVERIFY(line(51).startsWith(QStringLiteral("* ")));
        QVERIFY(line(52).startsWith(QStringLiteral("** ")));
        QVERIFY(matches(QStringLiteral("\\*\\*\\*[^ *].*"), line(53)));
        QVERIFY(!line(54).isEmpty() && !line(54).startsWith(u' ') && !line(54).startsWith(u'*'));
        QVERIFY(matches(QStringLiteral("      [^ ].*"), line(55)));
        QCOMPARE(line(58), QStringLiteral("5 - MEDIDAS DE TEMPO"));
        const QList<QPair<int, QString>> terms = {{59, "Hora"}, {61, "Vigília"}, {63, "Noite"}, {64, "Dia"},
                                                  {65, "Semana"}, {66, "Mês"}, {67, "Ano"}};
        for (const auto &[n, term] : terms)
            QVERIFY2(line(n).startsWith(rowStart(term, 1, 5)) && line(n)[rowStart(term, 1, 5).size()] != u' ',
                     qPrintable(line(n)));
        QVERIFY(matches(QStringLiteral("\\t     [^ \\t].*"), line(60)));
        QVERIFY(matches(QStringLiteral("\\t     [^ \\t].*"), line(62)));
        QVERIFY(matches(QStringLiteral("[^ \\t].*"), line(68)));
        QCOMPARE(line(71), QStringLiteral("6 - MEDIDA DE ÁREA"));
        QVERIFY(line(72).startsWith(rowStart(QStringLiteral("Jeira"), 1, 5)));
        QVERIFY(matches(QStringLiteral("[^ \\t_].*"), line(73)));
        for (int n = 1; n <= 73; ++n)
            QVERIFY2(!line(n).contains(QStringLiteral(".")) || !matches(QStringLiteral(".*\\d\\.\\d{1,2} ?(g|kg|m|cm|km|l)\\b.*"), line(n)),
                     qPrintable(QStringLiteral("decimal comma, line %1: %2").arg(n).arg(line(n))));
    }

    void apostlesShape()
    {
        const QStringList t = content::loadPageText(PageText::Apostles);
        QCOMPARE(t.size(), 32);
        QCOMPARE(t[0], QStringLiteral("Morte do Apóstolos"));
        QVERIFY(t[1].isEmpty() && t[2].isEmpty());
        const QStringList heads = {"ANDRÉ", "BARTOLOMEU", "TIAGO, filho de Alfeu", "TIAGO, filho de Zebedeu", "JOÃO",
                                   "JUDAS, não o Iscariotes", "MATEUS", "PEDRO", "FILIPE", "SIMÃO, o zelote", "TOMÉ",
                                   "MATIAS", "JUDAS ISCARIOTES", "PAULO"};
        int n = 3;
        for (int e = 0; e < heads.size(); ++e) {
            QVERIFY2(t[n].startsWith(heads[e] + QStringLiteral(" - ")), qPrintable(t[n]));
            ++n;
            if (e == 0 || e == 7) { // two lines, the second at the left margin
                QVERIFY(!t[n].isEmpty() && !t[n].startsWith(u' '));
                ++n;
            }
            if (e + 1 < heads.size()) {
                QVERIFY2(t[n].isEmpty(), qPrintable(t[n]));
                ++n;
            }
        }
        QCOMPARE(n, 32);
        int longest = 0;
        for (const QString &l : t)
            longest = qMax(longest, int(l.size()));
        QCOMPARE(longest, 118);
    }

    void jewishCalendarShape()
    {
        const QStringList t = content::loadPageText(PageText::JewishCalendar);
        QCOMPARE(t.size(), 31);
        QCOMPARE(t[0], QStringLiteral("HISTÓRIA DO CALENDÁRIO JUDEU"));
        QVERIFY(t[1].isEmpty());
        for (int n = 2; n <= 8; ++n)
            QVERIFY2(!t[n].isEmpty() && t[n].size() <= 110, qPrintable(t[n]));
        QCOMPARE(t[9], QStringLiteral("Início da contagem"));
        QVERIFY(!t[10].isEmpty());
        QVERIFY(t[11].isEmpty());
        QCOMPARE(t[12], QStringLiteral("OS MESES DO CALENDÁRIO JUDAICO"));
        QVERIFY(!t[13].isEmpty() && !t[14].isEmpty());
        QVERIFY(t[15].isEmpty());
        QCOMPARE(t[16], QStringLiteral("MÊS\t\tDURAÇÃO\tEQUIVALENTE GREGORIANO"));
        QCOMPARE(t[17], QString(109, u'-'));
        const QStringList months = {"Nissan", "Iyar", "Sivan", "Tammuz", "Av", "Elul", "Tishrei",
                                    "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar II"};
        const QStringList blankAfter = {"Kislev", "Tevet", "Shevat", "Adar"};
        for (int m = 0; m < 13; ++m) {
            const QString name = months[m] + (blankAfter.contains(months[m]) ? QStringLiteral(" ") : QString());
            const QString row = t[18 + m];
            QVERIFY2(matches(QRegularExpression::escape(name)
                                 + QStringLiteral("\\t\\t((30|29) dias\\t\\t|(29/30|30/29) dias\\t)[A-Z][a-zç]+-[A-Z][a-zç]+"),
                             row),
                     qPrintable(row));
        }
    }

    void aboutShape()
    {
        const QStringList t = content::loadPageText(PageText::About);
        QCOMPARE(t.size(), 24);
        QCOMPARE(t[0], QStringLiteral(" "));
        QVERIFY(t[1].isEmpty());
        // Paragraphs of 3, 2, 2, 3, 3 and 2 lines and a closing line.
        const QList<int> paragraphs = {3, 2, 2, 3, 3, 2, 1};
        int n = 2;
        QList<int> starts;
        for (int p = 0; p < paragraphs.size(); ++p) {
            starts << n;
            for (int l = 0; l < paragraphs[p]; ++l, ++n) {
                QVERIFY2(!t[n].trimmed().isEmpty() && t[n].size() <= 73, qPrintable(t[n]));
                if (l + 1 < paragraphs[p])
                    QVERIFY2(t[n].endsWith(u' '), qPrintable(t[n]));
            }
            if (p + 1 < paragraphs.size()) {
                QVERIFY(t[n].isEmpty());
                ++n;
            }
        }
        QCOMPARE(n, 24);
        QVERIFY(t[starts[3] + 1].contains(f->form->Label3->Caption()));
        QVERIFY(t[starts[4]].contains(f->form->Label1->Caption()));
    }

    void theTableColumnsLineUp_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QList<int>>("lines"); // numbered from 1
        QTest::addColumn<int>("column");
        QTest::newRow("weights: biblical correspondence") << "MemoPesos" << QList<int>{3, 4, 5, 6, 7, 8} << 1;
        QTest::newRow("weights: present-day equivalent") << "MemoPesos" << QList<int>{3, 4, 5, 6, 7, 8} << 2;
        QTest::newRow("coins") << "MemoPesos" << QList<int>{23, 24, 25, 26, 27, 28, 29, 30, 31, 32} << 1;
        QTest::newRow("distances") << "MemoPesos" << QList<int>{36, 37, 38, 39, 40, 41} << 1;
        QTest::newRow("lengths") << "MemoPesos" << QList<int>{45, 46, 47, 48, 49} << 1;
        QTest::newRow("time") << "MemoPesos" << QList<int>{59, 60, 61, 62, 63, 64, 65, 66, 67} << 1;
        QTest::newRow("months: duration") << "CalendarioJ" << QList<int>{17, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31} << 1;
        QTest::newRow("months: Gregorian") << "CalendarioJ" << QList<int>{17, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31} << 2;
    }
    void theTableColumnsLineUp()
    {
        QFETCH(QString, memo);
        QFETCH(QList<int>, lines);
        QFETCH(int, column);
        auto *m = f->form->findChild<TMemo *>(memo);
        QList<qreal> starts;
        for (const int n : lines)
            starts << columnStart(m->Lines()->Strings(n - 1), column, m->font(), m->tabStopDistance());
        for (qsizetype i = 1; i < starts.size(); ++i)
            QVERIFY2(qAbs(starts[i] - starts[0]) < 0.5,
                     qPrintable(QStringLiteral("line %1 starts column %2 at %3, line %4 at %5")
                                    .arg(lines[i]).arg(column).arg(starts[i]).arg(lines[0]).arg(starts[0])));
    }

    void theMemosAsLaidOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("scrollBar");
        QTest::addColumn<QColor>("background");
        QTest::newRow("MemoPesos") << "MemoPesos" << "TabPesos" << QRect(16, 24, 689, 385) << 13 << true << clWindow;
        QTest::newRow("Memo2") << "Memo2" << "TabSheet1" << QRect(8, 16, 697, 401) << 12 << true << clWindow;
        QTest::newRow("CalendarioJ") << "CalendarioJ" << "TabSheet3" << QRect(16, 24, 689, 385) << 13 << true << clWindow;
        QTest::newRow("Memo1") << "Memo1" << "TabSheet2" << QRect(314, 7, 403, 423) << 12 << false << clWhite;
    }
    void theMemosAsLaidOut()
    {
        QFETCH(QString, name);
        QFETCH(QString, page);
        QFETCH(QRect, geometry);
        QFETCH(int, pixelSize);
        QFETCH(bool, scrollBar);
        QFETCH(QColor, background);
        auto *memo = f->form->findChild<TMemo *>(name);
        QVERIFY(memo);
        QCOMPARE(memo->parentWidget()->objectName(), page);
        QCOMPARE(memo->geometry(), geometry);
        QCOMPARE(memo->font().family(), QStringLiteral("Arial"));
        QCOMPARE(memo->font().pixelSize(), pixelSize);
        QCOMPARE(memo->verticalScrollBarPolicy(), scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->palette().color(QPalette::Base), background);
        QCOMPARE(memo->frameShape(), QFrame::NoFrame);
        QVERIFY(memo->isReadOnly());
        QVERIFY(memo->tabChangesFocus());
        QVERIFY(memo->Text().endsWith(QStringLiteral("\r\n")));
    }

    void eachPageShowsItsTextFromTheFirstLineAndKeepsIt_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("memo");
        QTest::newRow("Pesos e Medidas") << 2 << "MemoPesos";
        QTest::newRow("Apóstolos") << 3 << "Memo2";
        QTest::newRow("Calendário Judáico") << 4 << "CalendarioJ";
        QTest::newRow("Sobre") << 5 << "Memo1";
    }
    void eachPageShowsItsTextFromTheFirstLineAndKeepsIt()
    {
        QFETCH(int, page);
        QFETCH(QString, memo);
        QVERIFY(f->showAndActivate());
        auto *m = f->form->findChild<TMemo *>(memo);
        const QString before = m->Text();
        f->form->PageControl1->SetActivePageIndex(page);
        QCOMPARE(m->verticalScrollBar()->value(), 0);
        QCOMPARE(QApplication::focusWidget(), m); // the page's only focus target

        // The user works on the other pages meanwhile.
        f->form->PageControl1->SetActivePageIndex(0);
        MainWindowFixture::type(f->form->Edit1, QStringLiteral("abel"));
        f->form->PageControl1->SetActivePageIndex(1);
        QTest::keyClick(f->form->Combo, Qt::Key_Down);
        f->form->PageControl1->SetActivePageIndex(page);
        QCOMPARE(m->Text(), before);
    }

    void typingPastingCuttingDeletingChangeNothing_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::newRow("MemoPesos") << "MemoPesos";
        QTest::newRow("Memo2") << "Memo2";
        QTest::newRow("CalendarioJ") << "CalendarioJ";
        QTest::newRow("Memo1") << "Memo1";
    }
    void typingPastingCuttingDeletingChangeNothing()
    {
        QFETCH(QString, memo);
        QVERIFY(f->showAndActivate());
        auto *m = f->form->findChild<TMemo *>(memo);
        f->form->PageControl1->SetActivePage(qobject_cast<TTabSheet *>(m->parentWidget()));
        QCOMPARE(QApplication::focusWidget(), m);
        const QString before = m->Text();
        QGuiApplication::clipboard()->setText(QStringLiteral("colado"));
        QTest::keyClicks(m, QStringLiteral("abc"));
        QTest::keyClick(m, Qt::Key_Return);
        QTest::keyClick(m, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(m, Qt::Key_Delete);
        QTest::keyClick(m, Qt::Key_Backspace);
        QTest::keyClick(m, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(m->Text(), before);
        QTest::keyClick(m, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), m->toPlainText());
        QTest::keyClick(m, Qt::Key_Tab); // moves the focus on, inserts nothing
        QVERIFY(QApplication::focusWidget() != m);
        QCOMPARE(m->Text(), before);
    }

    void theAboutMemoShowsAllItsLines()
    {
        QVERIFY(f->showAndActivate());
        f->form->PageControl1->SetActivePage(f->form->TabSheet2);
        TMemo *memo = f->form->Memo1;
        QCOMPARE(memo->verticalScrollBar()->maximum(), 0);
        QVERIFY(!memo->verticalScrollBar()->isVisible());
        QTextCursor end(memo->document());
        end.movePosition(QTextCursor::End);
        QVERIFY(memo->cursorRect(end).bottom() <= memo->viewport()->height());
    }

    void theAboutLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Label2") << "Label2" << 24 << 16 << true << clBlue;
        QTest::newRow("Label13") << "Label13" << 75 << 15 << false << clBlack;
        QTest::newRow("Label12") << "Label12" << 94 << 15 << true << clRed;
        QTest::newRow("Label3") << "Label3" << 113 << 15 << false << clGreen;
        QTest::newRow("Label5") << "Label5" << 154 << 15 << false << clBlack;
        QTest::newRow("Label1") << "Label1" << 174 << 15 << false << clGreen;
        QTest::newRow("Label4") << "Label4" << 194 << 15 << false << clRed;
        QTest::newRow("Label10") << "Label10" << 216 << 15 << false << clRed;
        QTest::newRow("Label11") << "Label11" << 238 << 15 << false << clRed;
    }
    void theAboutLabels()
    {
        QFETCH(QString, name);
        QFETCH(int, top);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        auto *label = f->form->findChild<TLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->parentWidget(), f->form->GroupBox6);
        QCOMPARE(label->y(), top);
        QCOMPARE(label->font().pixelSize(), pixelSize);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        const QFontMetrics fm(label->font());
        QCOMPARE(label->size(), QSize(fm.horizontalAdvance(label->Caption()), fm.height()));
        const double centre = label->x() + label->width() / 2.0;
        QVERIFY2(centre >= 148 && centre <= 149.5, qPrintable(QString::number(centre)));
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }

    void versionOnCreamExactlyBehindItsText()
    {
        QVERIFY(f->showAndActivate());
        f->form->PageControl1->SetActivePage(f->form->TabSheet2);
        TLabel *version = f->form->Label2;
        QCOMPARE(version->Caption(), QStringLiteral("Versão 3.0"));
        const QImage shot = f->form->GroupBox6->grab().toImage();
        const QRect r = version->geometry();
        QCOMPARE(QColor(shot.pixel(r.left(), r.top())), clCream);
        QCOMPARE(QColor(shot.pixel(r.right(), r.bottom())), clCream);
        QCOMPARE(QColor(shot.pixel(r.left() - 1, r.top())), clSilver);
        QCOMPARE(QColor(shot.pixel(r.right() + 1, r.bottom())), clSilver);
        QCOMPARE(QColor(shot.pixel(r.left(), r.bottom() + 1)), clSilver);
    }

    void theAboutBoxHasAFlatUnbrokenFrame()
    {
        TGroupBox *box = f->form->GroupBox6;
        QCOMPARE(box->geometry(), QRect(1, 1, 312, 426));
        QCOMPARE(box->title(), QString());
        const QImage shot = box->grab().toImage();
        const int top = QFontMetrics(box->font()).height() / 2 - 1;
        for (int x = 0; x < box->width(); x += 7)
            QCOMPARE(QColor(shot.pixel(x, top)), clWindowFrame);
        for (int y = top; y < box->height(); y += 7) {
            QCOMPARE(QColor(shot.pixel(0, y)), clWindowFrame);
            QCOMPARE(QColor(shot.pixel(box->width() - 1, y)), clWindowFrame);
        }
        QCOMPARE(QColor(shot.pixel(5, box->height() - 1)), clWindowFrame);
        QCOMPARE(QColor(shot.pixel(5, top + 1)), clSilver);
    }
};

TAVORENO_TEST_MAIN(TestReferencePages)
#include "test_reference_pages.moc"
