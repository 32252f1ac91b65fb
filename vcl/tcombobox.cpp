#include "tcombobox.h"

#include "prefix_search.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

namespace vcl {
namespace {

constexpr int kDropDownRows = 8;

bool isTypedCharacter(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return text[0].unicode() >= 0x20 && text[0].unicode() != 0x7F;
}

} // namespace

TComboBox::TComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    // The class library's auto-completion replaces Qt's completer.
    setCompleter(nullptr);
    setMaxVisibleItems(kDropDownRows);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    lineEdit()->installEventFilter(this);
    view()->installEventFilter(this);

    connect(this, &QComboBox::activated, this, [this](int index) { choose(index); });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        setItemIndex(-1);
        Change();
    });
}

QString TComboBox::Text() const { return lineEdit()->text(); }

void TComboBox::SetText(const QString &text) { lineEdit()->setText(text); }

void TComboBox::AddItems(const QStringList &captions)
{
    const QString text = Text();
    addItems(captions);
    setItemIndex(m_itemIndex);
    SetText(text);
}

void TComboBox::showPopup()
{
    QComboBox::showPopup();
    // With no item chosen, no row of the open list is marked either.
    if (m_itemIndex < 0)
        view()->setCurrentIndex(QModelIndex());
}

void TComboBox::keyPressEvent(QKeyEvent *event)
{
    if (fieldKeyPress(event))
        event->accept();
    else
        QComboBox::keyPressEvent(event);
}

bool TComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == lineEdit())
            return fieldKeyPress(key);
        if (watched == view())
            return listKeyPress(key);
    }
    return QComboBox::eventFilter(watched, event);
}

bool TComboBox::fieldKeyPress(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    switch (event->key()) {
    case Qt::Key_Backspace:
        backspace();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        if (!plain)
            return false; // Alt+Down opens the list
        const int step = (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) ? 1 : kDropDownRows - 1;
        const bool up = event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp;
        const int next = m_itemIndex < 0 ? 0 : qBound(0, m_itemIndex + (up ? -step : step), count() - 1);
        if (count() > 0 && next != m_itemIndex)
            choose(next);
        return true;
    }
    default:
        break;
    }
    if (!isTypedCharacter(event))
        return false;
    bool consumed = true;
    for (const QChar typed : event->text())
        consumed = autoComplete(typed) && consumed;
    return consumed;
}

bool TComboBox::listKeyPress(QKeyEvent *event)
{
    // Moving through the open list chooses each item in turn.
    const int last = count() - 1;
    int row = view()->currentIndex().row();
    switch (event->key()) {
    case Qt::Key_Up: row = qMax(0, row - 1); break;
    case Qt::Key_Down: row = qMin(last, row + 1); break;
    case Qt::Key_PageUp: row = qMax(0, row - (kDropDownRows - 1)); break;
    case Qt::Key_PageDown: row = qMin(last, row + (kDropDownRows - 1)); break;
    case Qt::Key_Home: row = 0; break;
    case Qt::Key_End: row = last; break;
    default: return false;
    }
    if (row < 0)
        return true;
    view()->setCurrentIndex(model()->index(row, modelColumn()));
    if (row != m_itemIndex)
        choose(row);
    return true;
}

bool TComboBox::autoComplete(QChar typed)
{
    QLineEdit *field = lineEdit();
    const QString typedSoFar =
        (field->hasSelectedText() ? field->text().left(field->selectionStart()) : field->text()) + typed;
    QStringList captions;
    for (int i = 0; i < count(); ++i)
        captions << itemText(i);
    const int found = findItemWithPrefix(captions, typedSoFar, -1);
    if (found < 0)
        return false;
    const bool changed = found != m_itemIndex;
    setItemIndex(found);
    const QString caption = captions[found];
    // The completed rest is highlighted, so the next character replaces it.
    field->setText(typedSoFar + caption.mid(typedSoFar.size()));
    field->setSelection(int(typedSoFar.size()), int(field->text().size() - typedSoFar.size()));
    if (changed)
        Change();
    return true;
}

void TComboBox::backspace()
{
    QLineEdit *field = lineEdit();
    QString text = field->text();
    if (field->hasSelectedText()) {
        const int start = field->selectionStart();
        text.remove(start, field->selectedText().size());
        field->setText(text);
        field->setCursorPosition(start);
        setItemIndex(-1);
    } else if (!text.isEmpty()) {
        const int caret = field->cursorPosition();
        if (caret > 0) {
            text.remove(caret - 1, 1);
            field->setText(text);
            field->setCursorPosition(caret - 1);
        }
        setItemIndex(-1);
    }
    Change();
}

void TComboBox::SetItemIndex(int index)
{
    if (index >= 0 && index < count())
        SetText(itemText(index));
    setItemIndex(index >= 0 && index < count() ? index : -1);
}

void TComboBox::choose(int index)
{
    if (index < 0 || index >= count())
        return;
    if (Text() != itemText(index))
        SetText(itemText(index));
    setItemIndex(index);
    Change();
}

void TComboBox::setItemIndex(int index)
{
    m_itemIndex = index;
    // Keep Qt's own current item in step (the open list starts from it)
    // without letting it touch the field's text, caret or highlight.
    QLineEdit *field = lineEdit();
    const QString text = field->text();
    const int caret = field->cursorPosition();
    const int start = field->selectionStart();
    const int length = int(field->selectedText().size());
    {
        const QSignalBlocker block(this);
        setCurrentIndex(index);
    }
    if (field->text() == text)
        return;
    field->setText(text);
    if (start < 0)
        field->setCursorPosition(caret);
    else if (caret == start)
        field->setSelection(start + length, -length);
    else
        field->setSelection(start, length);
}

void TComboBox::Change() { RaiseEvent(OnChange, this); }

} // namespace vcl
