#pragma once

// Drives windows by the objectNames of their controls, for the tests below
// tests/ui (header only: the support library itself has no widgets), and
// brings the controls those tests look at.
#include "ui/common/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace varnox::test {

template <typename T = QWidget>
T* control(const QWidget* root, const char* name)
{
    T* found = root->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline bool shown(const QWidget* root, const char* name) { return control(root, name)->isVisibleTo(root); }
inline bool enabled(const QWidget* root, const char* name) { return control(root, name)->isEnabled(); }
inline QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// Clicks a control; option buttons and check boxes on their box, since only
// the box and the caption take a click.
inline void click(const QWidget* root, const char* name)
{
    QWidget* target = control(root, name);
    const auto* button = qobject_cast<QAbstractButton*>(target);
    const bool box = button && button->isCheckable() && !qobject_cast<const QPushButton*>(button);
    QTest::mouseClick(target, Qt::LeftButton, {}, box ? QPoint(6, target->height() / 2) : QPoint());
}

// Presses a button as a program would: the window need not be shown.
inline void press(const QWidget* root, const char* name) { control<QAbstractButton>(root, name)->click(); }

// A click that must bring up exactly one message box, answered with Ok.
inline void clickExpectingMessage(const QWidget* root, const char* name)
{
    MessageBox::queueAnswer(Answer::Ok);
    click(root, name);
    if (MessageBox::queuedAnswers() != 0)
        QTest::qFail("no message box came up", __FILE__, __LINE__);
}

// Clicks the first item of that text in the named list.
inline void clickItem(const QWidget* root, const char* listName, const QString& text)
{
    auto* list = control<QListWidget>(root, listName);
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("no item %s in %s", qPrintable(text), listName);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

// Chooses the entry of that text as the operator would.
inline void choose(const QWidget* root, const char* comboName, const QString& text)
{
    auto* combo = control<QComboBox>(root, comboName);
    combo->setCurrentIndex(combo->findText(text));
    emit combo->activated(combo->currentIndex());
}

// What each named control shows: the text of a box, label or button, the
// entry of a combo box, "[x]" or "[ ]" for a check box or option.
inline QStringList values(const QWidget* root, std::initializer_list<const char*> names)
{
    QStringList out;
    for (const char* name : names) {
        QWidget* target = control(root, name);
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            out << (!button->isCheckable() ? button->text() : button->isChecked() ? "[x]" : "[ ]");
        else if (auto* box = qobject_cast<QLineEdit*>(target))
            out << box->text();
        else if (auto* combo = qobject_cast<QComboBox*>(target))
            out << combo->currentText();
        else
            out << control<QLabel>(root, name)->text();
    }
    return out;
}

inline QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Shows a page as the active window at the size of the main window's tab
// page, so that focus moves as it does on the screen; clears the record of
// message boxes.
inline bool showActive(QWidget* page)
{
    page->resize(1000, 620);
    page->show();
    QApplication::setActiveWindow(page);
    MessageBox::clearShown();
    return QTest::qWaitForWindowActive(page);
}

// Runs `act` on the modal dialog of type T as soon as it is up. A dialog
// that never comes up modally, or that `act` leaves open, is dismissed and
// the test fails, so that a test never hangs on a window nobody answers.
template <typename T = QDialog>
void whenModal(std::function<void(T*)> act, int triesLeft = 500)
{
    QTimer::singleShot(10, [act, triesLeft] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (triesLeft > 0) {
                whenModal<T>(act, triesLeft - 1);
                return;
            }
            QTest::qFail("the expected dialog never came up modally", __FILE__, __LINE__);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* shown = qobject_cast<T*>(w); shown && shown->isVisible())
                    shown->done(0);
            return;
        }
        act(dialog);
        if (dialog->isVisible() && QApplication::activeModalWidget() == dialog) {
            QTest::qFail("the dialog was left open", __FILE__, __LINE__);
            dialog->done(0);
        }
    });
}

// Message boxes take their answers from the queue instead of an operator;
// the record of shown ones and the queue start empty.
inline void unattendedMessages()
{
    MessageBox::setUnattended(true);
    MessageBox::clearShown();
    MessageBox::clearQueue();
}

inline QString lastMessageTitle() { return MessageBox::shown().isEmpty() ? QString() : MessageBox::shown().last().title; }

}  // namespace varnox::test
