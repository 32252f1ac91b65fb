#pragma once

#include "tform.h"

namespace vcl {
class TEdit;
class TGroupBox;
class TImage;
class TComboBox;
class TLabel;
class TListBox;
class TMemo;
class TPageControl;
class TTabSheet;
} // namespace vcl

// The main window: the title banner, the page control and its six pages. Each
// page's controls are built, and its handlers implemented, in that page's file.
class TFrm_Principal : public vcl::TForm
{
    Q_OBJECT
public:
    explicit TFrm_Principal(QWidget *parent = nullptr);

    // The dictionary page.
    vcl::TGroupBox *GroupBox1;
    vcl::TListBox *ListBox1;
    vcl::TGroupBox *GroupBox2;
    vcl::TEdit *Edit1;
    vcl::TListBox *ListBox2;
    vcl::TMemo *kustuta;
    vcl::TLabel *Label7;
    vcl::TGroupBox *GroupBox3;
    // The frame.
    vcl::TPageControl *PageControl1;
    vcl::TTabSheet *TabDicionario;
    vcl::TTabSheet *TabResumo;
    // The religions page.
    vcl::TMemo *M2;
    vcl::TListBox *M1;
    vcl::TComboBox *Combo;
    vcl::TTabSheet *TabPesos;
    vcl::TTabSheet *TabSheet1;
    vcl::TTabSheet *TabSheet2;
    // The reference pages.
    vcl::TGroupBox *GroupBox6;
    vcl::TLabel *Label1;
    vcl::TLabel *Label5;
    vcl::TLabel *Label10;
    vcl::TLabel *Label11;
    vcl::TLabel *Label12;
    vcl::TLabel *Label13;
    vcl::TLabel *Label2;
    vcl::TLabel *Label3;
    vcl::TMemo *Memo1;
    vcl::TMemo *MemoPesos;
    vcl::TLabel *Label4;
    vcl::TMemo *Memo2;
    vcl::TTabSheet *TabSheet3;
    vcl::TMemo *CalendarioJ;
    // The title banner.
    vcl::TImage *Image2;

    void FormActivate(QObject *Sender);
    void ListBox1Click(QObject *Sender);
    void Edit1Change(QObject *Sender);
    void ComboChange(QObject *Sender);

private:
    void buildBanner();
    void buildPageControl();
    void buildDictionaryPage();
    void buildReligionsPage();
    void buildReferencePages();
};

extern TFrm_Principal *Frm_Principal;
