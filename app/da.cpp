#include "da.h"

#include "colors.h"
#include "fonts.h"
#include "pictures.h"
#include "tedit.h"
#include "timage.h"
#include "tjpegimage.h"
#include "tpagecontrol.h"
#include "ttabsheet.h"

using namespace vcl;

TFrm_Principal *Frm_Principal = nullptr;

TFrm_Principal::TFrm_Principal(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("Frm_Principal"));
    SetCaption(QStringLiteral("Vezazazaza Vidavod"));
    SetClientSize(722, 548);
    SetColor(clSilver);
    setFont(makeFont(QStringLiteral("MS Sans Serif"), 11));
    CenterOnDesktop = true;

    buildBanner();
    buildPageControl();
    buildDictionaryPage();
    buildReligionsPage();
    buildReferencePages();
    PageControl1->SetActivePage(TabSheet3);
    ScaleLayout();

    OnActivate = [this](QObject *sender) { FormActivate(sender); };
}

void TFrm_Principal::buildBanner()
{
    Image2 = new TImage(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(0, 0, 400, 81);
    Image2->Stretch = true;
    Image2->Proportional = true;
    Image2->Center = false;
    Image2->SetPicture(std::make_unique<TJPEGImage>(content::bannerPicture()));
}

void TFrm_Principal::buildPageControl()
{
    PageControl1 = new TPageControl(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(-3, 88, 725, 460);
    PageControl1->setFont(makeFont(QStringLiteral("Arial"), 12));

    TabDicionario = new TTabSheet(PageControl1, QStringLiteral("TabDicionario"), QStringLiteral("Dicionário"));
    TabResumo = new TTabSheet(PageControl1, QStringLiteral("TabResumo"), QStringLiteral("Resumo / Religiões"));
    TabPesos = new TTabSheet(PageControl1, QStringLiteral("TabPesos"), QStringLiteral("Pesos e Medidas"));
    TabSheet1 = new TTabSheet(PageControl1, QStringLiteral("TabSheet1"), QStringLiteral("Apóstolos"));
    TabSheet3 = new TTabSheet(PageControl1, QStringLiteral("TabSheet3"), QStringLiteral("Calendário Judáico"));
    TabSheet2 = new TTabSheet(PageControl1, QStringLiteral("TabSheet2"), QStringLiteral("Sobre"));
}

void TFrm_Principal::FormActivate(QObject *)
{
    Edit1->SetText(QStringLiteral("aará"));
    PageControl1->SetActivePageIndex(0);
    Edit1->SetFocus();
}
