// The religions page: the religion selector, the hidden summary line list and
// the summary pane, and the selector's change handler.

#include "da.h"

#include "colors.h"
#include "fonts.h"
#include "religions.h"
#include "tcombobox.h"
#include "tlistbox.h"
#include "tmemo.h"
#include "ttabsheet.h"

using namespace vcl;

namespace {

// The first and last line, in M1, of the summary shown for each selector
// position (the line before each range is its heading, never shown).
constexpr int kSummaryRange[20][2] = {
    {1, 40},    {43, 75},   {78, 109},  {112, 139}, {142, 172}, {175, 207}, {210, 235},
    {238, 264}, {267, 302}, {305, 339}, {342, 369}, {372, 403}, {406, 435}, {438, 471},
    {474, 505}, {508, 540}, {543, 575}, {578, 605}, {608, 635}, {638, 672},
};

} // namespace

void TFrm_Principal::buildReligionsPage()
{
    const QString arial = QStringLiteral("Arial");

    M2 = new TMemo(TabResumo);
    M2->setObjectName(QStringLiteral("M2"));
    M2->setGeometry(10, 53, 698, 373);
    M2->SetReadOnly(true);
    M2->SetWordWrap(true);
    M2->SetScrollBars(TScrollStyle::ssVertical);
    M2->SetColor(clWindow);
    M2->setFont(makeFont(arial, 12));

    M1 = new TListBox(TabResumo);
    M1->setObjectName(QStringLiteral("M1"));
    M1->setGeometry(8, 42, 561, 97);
    M1->hide();
    M1->Items()->Assign(content::loadSummaryLines());

    Combo = new TComboBox(TabResumo);
    Combo->setObjectName(QStringLiteral("Combo"));
    Combo->setGeometry(8, 8, 248, 26);
    Combo->setFont(makeFont(arial, 15, true));
    Combo->AddItems(content::loadReligionCaptions());
    Combo->SetText(QStringLiteral("ESCOLHA A RELIGIÃO"));

    Combo->OnChange = [this](QObject *sender) { ComboChange(sender); };
}

void TFrm_Principal::ComboChange(QObject *)
{
    const int p = Combo->ItemIndex();
    if (p < 0 || p > 19)
        return;
    M2->Clear();
    for (int i = kSummaryRange[p][0]; i <= kSummaryRange[p][1]; ++i)
        M2->Lines()->Add(M1->Items()->Strings(i));
    M2->Perform(EM_SETSEL, 0, 0);
    M2->Perform(EM_SCROLLCARET);
}
