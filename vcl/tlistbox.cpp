#include "tlistbox.h"

#include "focus.h"
#include "prefix_search.h"
#include "windows1252.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace vcl {
namespace {

// Every row of the list has the list's item height.
class FixedHeightDelegate : public QStyledItemDelegate
{
public:
    FixedHeightDelegate(const TListBox *list) : QStyledItemDelegate(const_cast<TListBox *>(list)), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (m_list->ItemHeight() > 0)
            size.setHeight(m_list->ItemHeight());
        return size;
    }

private:
    const TListBox *m_list;
};

bool isTypeAheadKey(const QKeyEvent *event)
{
    if (event->text().isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    return !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
}

bool reachesListAfterTypeAhead(QChar typed)
{
    return typed == TypeAhead::kBackspace || typed == QChar(u'\r') || typed == QChar(0x1B);
}

} // namespace

class TListBox::ItemList : public TStrings
{
public:
    explicit ItemList(TListBox *list) : m_list(list) {}

    int Count() const override { return int(m_list->m_items.size()); }
    QString Strings(int index) const override
    {
        checkIndex(index);
        return m_list->m_items[index];
    }
    void Add(const QString &text) override
    {
        m_list->m_items.append(text);
        m_list->m_searchKeys.clear();
        m_list->addItem(text);
    }
    void Clear() override
    {
        m_list->m_items.clear();
        m_list->m_searchKeys.clear();
        m_list->clear();
    }
    void Assign(const QStringList &items) override
    {
        m_list->clear();
        m_list->m_items = items;
        m_list->m_searchKeys.clear();
        m_list->addItems(items);
    }

private:
    TListBox *m_list;
};

TListBox::TListBox(QWidget *parent)
    : QListWidget(parent), m_strings(std::make_unique<ItemList>(this))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabKeyNavigation(false);
    setItemDelegate(new FixedHeightDelegate(this));
}

TListBox::~TListBox() = default;

TStrings *TListBox::Items() const { return m_strings.get(); }

int TListBox::ItemIndex() const
{
    const QListWidgetItem *current = currentItem();
    return current && current->isSelected() ? row(current) : -1;
}

void TListBox::SetItemIndex(int index)
{
    if (index < 0 || index >= count()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(index));
}

int TListBox::Perform(ListBoxMessage message, int start, const QString &text)
{
    // No text, as from an empty search box, selects nothing new.
    if (text.isEmpty())
        return LB_ERR;
    // The keys are made at the first search, so a list that is never
    // searched (the hidden definition list) never holds them.
    if (m_searchKeys.size() != m_items.size()) {
        m_searchKeys.clear();
        m_searchKeys.reserve(m_items.size());
        for (const QString &item : std::as_const(m_items))
            m_searchKeys.append(caseFoldKey(item));
    }
    const int found = findKeyWithPrefix(m_searchKeys, caseFoldKey(text), start);
    if (message == LB_SELECTSTRING && found != LB_ERR)
        SetItemIndex(found);
    return found;
}

void TListBox::SetItemHeight(int height)
{
    m_itemHeight = height;
    doItemsLayout();
}

void TListBox::SetFocus() { focusControl(this); }

void TListBox::Click() { RaiseEvent(OnClick, this); }

bool TListBox::typeAhead(QChar typed)
{
    const QString &text = m_typeAhead.feed(typed);
    if (text.isEmpty()) {
        SetItemIndex(0);
        Click();
    } else if (const int found = Perform(LB_FINDSTRING, -1, text); found != LB_ERR) {
        SetItemIndex(found);
        Click();
    }
    return !reachesListAfterTypeAhead(typed);
}

void TListBox::keyPressEvent(QKeyEvent *event)
{
    if (AutoComplete && isTypeAheadKey(event)) {
        bool consumed = true;
        for (const QChar typed : event->text())
            consumed = typeAhead(typed) && consumed;
        if (consumed) {
            event->accept();
            return;
        }
    }
    // The navigation keys move the selection: that is the user's change.
    const int before = ItemIndex();
    QListWidget::keyPressEvent(event);
    if (ItemIndex() != before)
        Click();
}

void TListBox::mousePressEvent(QMouseEvent *event)
{
    const bool onItem = itemAt(event->position().toPoint()) != nullptr;
    if (!onItem && event->button() == Qt::LeftButton) {
        // A click below the last row takes the focus and selects nothing.
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QListWidget::mousePressEvent(event);
    // The list reports every click on an item, also on the one already selected.
    if (onItem && event->button() == Qt::LeftButton)
        Click();
}

void TListBox::mouseMoveEvent(QMouseEvent *event)
{
    const int before = ItemIndex();
    QListWidget::mouseMoveEvent(event);
    if ((event->buttons() & Qt::LeftButton) && ItemIndex() != before && ItemIndex() >= 0)
        Click();
}

QItemSelectionModel::SelectionFlags TListBox::selectionCommand(const QModelIndex &index,
                                                              const QEvent *event) const
{
    // A single-selection list box never loses its selection to a Ctrl+click.
    if (index.isValid())
        return QItemSelectionModel::ClearAndSelect;
    return QListWidget::selectionCommand(index, event);
}

} // namespace vcl
