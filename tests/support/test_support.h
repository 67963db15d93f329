#pragma once

#include "support/core_test_support.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>

// Answers every modal window that is shown while it lives (a course dialog
// drawn inside the course window too): answer runs inside the dialog's own
// event loop, right after it appeared. Records what appeared.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(std::function<void(QWidget *)> answer);
    ~ModalAnswerer() override;

    int count() const { return m_titles.size(); }
    QStringList titles() const { return m_titles; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(QWidget *)> m_answer;
    QStringList m_titles;
};

// Runs the action and answers the modal window of the given class it opens
// with how; any other modal window is closed.
template <class Dialog>
void answer(const std::function<void(Dialog *)> &how, const std::function<void()> &action)
{
    ModalAnswerer answerer([&](QWidget *w) {
        if (auto *d = qobject_cast<Dialog *>(w))
            how(d);
        else
            w->close();
    });
    action();
}

// Moves the pointer, no button held, to (x, y) in the widget: the move event
// the widget gets as the pointer passes over it.
void moveOver(QWidget *widget, int x, int y);

// Clicks the close box in the title bar of a window in the classic frame.
class TClassicDialog;
void clickCloseBox(TClassicDialog *dialog);

// The push button of that name inside the window.
class QPushButton;
QPushButton *button(QWidget *w, const char *name);

// Drives the popup menus that open while it lives: the n-th popup shown
// (submenus count too) gets the n-th step, run inside its own event loop.
// A popup without a step is closed. Records the titles of the menus shown.
class QAction;
class QMenu;
class PopupDriver : public QObject {
public:
    explicit PopupDriver(QList<std::function<void(QMenu *)>> steps);
    ~PopupDriver() override;

    QList<QMenu *> shown() const { return m_shown; }

    // Clicks the item in the menu (opening a submenu, or choosing an item,
    // as a learner's click does): the item itself (a submenu's by its
    // menuAction()), or the one at that place from the top.
    static void clickItem(QMenu *menu, const QAction *item);
    static void clickItem(QMenu *menu, int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<std::function<void(QMenu *)>> m_steps;
    QList<QMenu *> m_shown;
};

// A temporary configuration folder for the progress file, set as
// XDG_CONFIG_HOME for as long as the object lives.
class TempConfigHome {
public:
    TempConfigHome();
    ~TempConfigHome();
    QString path() const { return m_dir.path(); }
    QString progressFile() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};
