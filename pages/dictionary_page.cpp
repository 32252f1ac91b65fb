// The dictionary page: the headword list, the search box, the headword label
// and the definition pane, and the page's two handlers.

#include "da.h"

#include "colors.h"
#include "dictionary.h"
#include "fonts.h"
#include "tedit.h"
#include "tgroupbox.h"
#include "tlabel.h"
#include "tlistbox.h"
#include "tmemo.h"
#include "ttabsheet.h"

using namespace vcl;

void TFrm_Principal::buildDictionaryPage()
{
    const QString arial = QStringLiteral("Arial");
    TabDicionario->setFont(makeFont(arial, 12));

    GroupBox1 = new TGroupBox(TabDicionario);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(2, 9, 193, 359);
    GroupBox1->SetColor(clSilver);

    ListBox1 = new TListBox(GroupBox1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(6, 11, 180, 343);
    ListBox1->setFrameShape(QFrame::NoFrame);
    ListBox1->setFont(makeFont(arial, 15));
    ListBox1->SetItemHeight(17);

    ListBox2 = new TListBox(GroupBox1);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(107, 10, 277, 165);
    ListBox2->setFrameShape(QFrame::NoFrame);
    ListBox2->hide();

    const content::Dictionary dictionary = content::loadDictionary();
    ListBox1->Items()->Assign(dictionary.headwords);
    ListBox2->Items()->Assign(dictionary.definitions);

    GroupBox2 = new TGroupBox(TabDicionario);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(2, 377, 193, 47);
    GroupBox2->SetCaption(QStringLiteral("  Digite a palavra  "));

    Edit1 = new TEdit(GroupBox2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(5, 17, 180, 24);
    Edit1->setFrame(false);
    Edit1->setFont(makeFont(arial, 16, true));
    QPalette editColours = Edit1->palette();
    editColours.setColor(QPalette::Base, clWhite);
    editColours.setColor(QPalette::Text, clNavy);
    Edit1->setPalette(editColours);

    GroupBox3 = new TGroupBox(TabDicionario);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(219, 9, 489, 360);
    GroupBox3->SetCaption(QStringLiteral("  Significado  "));

    Label7 = new TLabel(GroupBox3);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->move(9, 17);
    Label7->setFont(makeFont(arial, 17, true, true));
    Label7->SetFontColor(clRed);

    kustuta = new TMemo(GroupBox3);
    kustuta->setObjectName(QStringLiteral("kustuta"));
    kustuta->setGeometry(7, 44, 475, 309);
    kustuta->SetReadOnly(true);
    kustuta->SetColor(clWhite);
    kustuta->SetFontColor(clNavy);
    kustuta->setFont(makeFont(arial, 15));
    kustuta->SetWordWrap(true);
    kustuta->SetScrollBars(TScrollStyle::ssNone);

    ListBox1->OnClick = [this](QObject *sender) { ListBox1Click(sender); };
    Edit1->OnChange = [this](QObject *sender) { Edit1Change(sender); };
}

void TFrm_Principal::Edit1Change(QObject *)
{
    ListBox1->Perform(LB_SELECTSTRING, 0, Edit1->Text());
    kustuta->Clear();
    kustuta->Lines()->Add(ListBox2->Items()->Strings(ListBox1->ItemIndex()));
    Label7->SetCaption(ListBox1->Items()->Strings(ListBox1->ItemIndex()));
}

void TFrm_Principal::ListBox1Click(QObject *)
{
    if (ListBox1->Items()->Strings(ListBox1->ItemIndex()).isEmpty())
        return;
    Label7->SetCaption(ListBox1->Items()->Strings(ListBox1->ItemIndex()));
    kustuta->Clear();
    kustuta->Lines()->Add(ListBox2->Items()->Strings(ListBox1->ItemIndex()));
    Edit1->SetText(ListBox1->Items()->Strings(ListBox1->ItemIndex()));
    ListBox1->SetFocus();
}
