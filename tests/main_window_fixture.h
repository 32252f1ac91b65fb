#pragma once

#include "da.h"
#include "test_support.h"
#include "tedit.h"
#include "tlabel.h"
#include "tcombobox.h"
#include "tgroupbox.h"
#include "tlabel.h"
#include "tlistbox.h"
#include "tmemo.h"
#include "tpagecontrol.h"

#include <QTest>

#include <memory>

// The main window, built and shown as at start-up: after show() it is
// activated (offscreen activates at once), so FormActivate has run.
struct MainWindowFixture
{
    std::unique_ptr<TFrm_Principal> form = std::make_unique<TFrm_Principal>();

    bool showAndActivate()
    {
        form->show();
        return QTest::qWaitForWindowActive(form.get());
    }

    // Types text into a control as a user does, one key at a time.
    static void type(QWidget *w, const QString &text) { test_support::typeText(w, text); }

    // Clicks the headword at an entry index in the list.
    void clickHeadword(int index)
    {
        vcl::TListBox *list = form->ListBox1;
        list->scrollToItem(list->item(index));
        const QRect row = list->visualItemRect(list->item(index));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    }

    int selected() const { return form->ListBox1->ItemIndex(); }
    QString selectedHeadword() const { return form->ListBox1->Items()->Strings(selected()); }
    QString definition(int index) const { return form->ListBox2->Items()->Strings(index); }
    int indexOf(const QString &headword) const
    {
        const vcl::TListBox *list = form->ListBox1;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == headword)
                return i;
        return -1;
    }
};
