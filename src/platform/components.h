#pragma once

#include "platform/event.h"

#include <QAction>
#include <QTimer>

// An action (a command with a caption and shortcut) whose handler is a
// binding point: triggering it runs whatever handler is bound, nothing when
// none is. Its enabled state is independent of the binding.
class TAction : public QAction {
    Q_OBJECT
public:
    explicit TAction(const QString &name, QObject *parent = nullptr);

    Event<> OnExecute;

    // Runs the action if it is enabled, as a shortcut or menu would.
    void execute();

protected:
    // What running the action does: the bound handler.
    virtual void run() { OnExecute(); }
};

class QTextEdit;

// A standard editing command on a text area: with a handler bound, running it
// runs only that handler; with none, it does its standard editing work.
// Its enabled state always follows the text area (selection, clipboard,
// text, undo), whatever is bound.
class TEditAction : public TAction {
    Q_OBJECT
public:
    enum class Kind { Cut, Copy, Paste, Delete, SelectAll, Undo };

    TEditAction(const QString &name, Kind kind, QTextEdit *target, QObject *parent = nullptr);

    Kind kind() const { return m_kind; }
    void updateEnabled();

protected:
    void run() override;

private:
    Kind m_kind;
    QTextEdit *m_target;
};

// A timer with an interval, an enabled state and a handler binding point,
// like the form timers of the classic toolkits. The handler runs on the GUI
// thread; tests call the handler methods directly instead of waiting.
class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(const QString &name, QObject *parent = nullptr);

    Event<> OnTimer;

    bool enabled() const { return m_timer.isActive(); }
    void setEnabled(bool on);
    int interval() const { return m_timer.interval(); }
    // Changing the interval of a running timer restarts its period.
    void setInterval(int ms);

private:
    QTimer m_timer;
};
