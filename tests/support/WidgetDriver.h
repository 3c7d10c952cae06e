#pragma once

// Drives windows by the objectNames of their controls, for the tests below
// tests/ui (header only: the support library itself has no widgets).
#include "ui/common/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace varnox::test {

template <typename T = QWidget>
T* control(QWidget* root, const char* name)
{
    T* found = root->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline bool shown(QWidget* root, const char* name) { return control(root, name)->isVisibleTo(root); }
inline bool enabled(QWidget* root, const char* name) { return control(root, name)->isEnabled(); }

// Clicks a control; option buttons and check boxes on their box, since only
// the box and the caption take a click.
inline void click(QWidget* root, const char* name)
{
    QWidget* target = control(root, name);
    const auto* button = qobject_cast<QAbstractButton*>(target);
    const bool box = button && button->isCheckable() && !qobject_cast<const QPushButton*>(button);
    QTest::mouseClick(target, Qt::LeftButton, {}, box ? QPoint(6, target->height() / 2) : QPoint());
}

// A click that must bring up exactly one message box, answered with Ok.
inline void clickExpectingMessage(QWidget* root, const char* name)
{
    MessageBox::queueAnswer(Answer::Ok);
    click(root, name);
    if (MessageBox::queuedAnswers() != 0)
        QTest::qFail("no message box came up", __FILE__, __LINE__);
}

// Clicks the first item of that text in the named list.
inline void clickItem(QWidget* root, const char* listName, const QString& text)
{
    auto* list = control<QListWidget>(root, listName);
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("no item %s in %s", qPrintable(text), listName);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
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

inline QString lastMessageTitle() { return MessageBox::shown().isEmpty() ? QString() : MessageBox::shown().last().title; }

}  // namespace varnox::test
