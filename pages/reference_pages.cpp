// The four reference pages: weights and measures, the apostles, the Jewish
// calendar, and the about page. They are filled once and have no handlers.

#include "da.h"

#include "colors.h"
#include "fonts.h"
#include "page_texts.h"
#include "tgroupbox.h"
#include "tlabel.h"
#include "tmemo.h"
#include "ttabsheet.h"

#include <cmath>

using namespace vcl;

namespace {

// The weights and calendar tables line their columns up with tabs. Their
// text boxes keep the standard stops, eight average character widths, with
// the average of Arial at 13 pixels taken as 7.1 pixels: at that spacing every
// row's tabs reach its table's column. (Qt reports 7.67 for Liberation Sans,
// the metric-compatible stand-in for Arial, which would push "Talento***" and
// "Quadrante" a stop too far.)
constexpr qreal kTableAverageCharWidth = 7.1;

// The about labels stand in one column whose centre lies 148 to 149.5 pixels
// from the box's left edge.
constexpr double kAboutColumnCentre = 148.0;

TMemo *makeReferenceMemo(QWidget *page, const char *name, QRect geometry, content::PageText text)
{
    auto *memo = new TMemo(page);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setGeometry(geometry);
    memo->SetReadOnly(true);
    memo->SetWordWrap(true);
    memo->SetColor(clWindow);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    memo->Lines()->Assign(content::loadPageText(text));
    return memo;
}

TLabel *makeAboutLabel(QWidget *box, const char *name, int top, const QString &caption, const QFont &font,
                       const QColor &colour)
{
    auto *label = new TLabel(box);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->SetFontColor(colour);
    label->SetCaption(caption);
    label->move(int(std::ceil(kAboutColumnCentre - label->width() / 2.0)), top);
    return label;
}

} // namespace

void TFrm_Principal::buildReferencePages()
{
    const QString arial = QStringLiteral("Arial");

    MemoPesos = makeReferenceMemo(TabPesos, "MemoPesos", {16, 24, 689, 385}, content::PageText::WeightsAndMeasures);
    MemoPesos->setFont(makeFont(arial, 13));
    MemoPesos->SetTabStops(kTableAverageCharWidth);

    Memo2 = makeReferenceMemo(TabSheet1, "Memo2", {8, 16, 697, 401}, content::PageText::Apostles);

    CalendarioJ = makeReferenceMemo(TabSheet3, "CalendarioJ", {16, 24, 689, 385}, content::PageText::JewishCalendar);
    CalendarioJ->setFont(makeFont(arial, 13));
    CalendarioJ->SetTabStops(kTableAverageCharWidth);

    GroupBox6 = new TGroupBox(TabSheet2);
    GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
    GroupBox6->setGeometry(1, 1, 312, 426);
    GroupBox6->SetColor(clSilver);
    GroupBox6->SetCtl3D(false);
    QFont boxFont = makeFont(arial, 11);
    GroupBox6->setFont(boxFont);

    const QFont regular = makeFont(arial, 15), bold = makeFont(arial, 15, true);
    Label2 = makeAboutLabel(GroupBox6, "Label2", 24, QStringLiteral("Versão 3.0"), makeFont(arial, 16, true), clBlue);
    Label2->SetColor(clCream);
    Label13 = makeAboutLabel(GroupBox6, "Label13", 75, QStringLiteral("Desenvolvimento:"), regular, clBlack);
    Label12 = makeAboutLabel(GroupBox6, "Label12", 94, QStringLiteral("Projeto tavoreno"), bold, clRed);
    Label3 = makeAboutLabel(GroupBox6, "Label3", 113, QStringLiteral("contato@tavoreno.example.org"), regular, clGreen);
    Label5 = makeAboutLabel(GroupBox6, "Label5", 154, QStringLiteral("Distribuição:"), regular, clBlack);
    Label1 = makeAboutLabel(GroupBox6, "Label1", 174, QStringLiteral("www.tavoreno.example.org"), regular, clGreen);
    Label4 = makeAboutLabel(GroupBox6, "Label4", 194, QStringLiteral("www.example.com/tavoreno"), regular, clRed);
    Label10 = makeAboutLabel(GroupBox6, "Label10", 216, QStringLiteral("www.example.net/biblia"), regular, clRed);
    Label11 = makeAboutLabel(GroupBox6, "Label11", 238, QStringLiteral("www.example.org"), regular, clRed);

    Memo1 = makeReferenceMemo(TabSheet2, "Memo1", {314, 7, 403, 423}, content::PageText::About);
    Memo1->setFont(makeFont(arial, 12));
    Memo1->SetColor(clWhite);
    Memo1->SetScrollBars(TScrollStyle::ssNone);
}
