#pragma once

#include "tform.h"

namespace vcl {
class TEdit;
class TGroupBox;
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
    vcl::TTabSheet *TabPesos;
    vcl::TTabSheet *TabSheet1;
    vcl::TTabSheet *TabSheet2;
    vcl::TTabSheet *TabSheet3;

    void FormActivate(QObject *Sender);
    void ListBox1Click(QObject *Sender);
    void Edit1Change(QObject *Sender);

private:
    void buildPageControl();
    void buildDictionaryPage();
};

extern TFrm_Principal *Frm_Principal;
