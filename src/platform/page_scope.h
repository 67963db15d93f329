#pragma once

#include "platform/event.h"

#include <QPixmap>
#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

class QAction;
class QWidget;
class TImage;
class TTimer;

// What one page of the course changes on the controls and windows that all
// pages share, each change registered together with its undo. Leaving the
// page runs the undos, the last first, so every page starts from the same
// shared controls and a page's set-up is the only place that says what it
// changes.
//
// A page may also register an undo while it is shown (a lesson handler that
// binds a key); it runs when the page is left, like the others.
class TPageScope {
public:
    TPageScope() = default;
    TPageScope(const TPageScope &) = delete;
    TPageScope &operator=(const TPageScope &) = delete;

    // Binds a handler; leaving gives back the one bound before (the form's
    // own handler, or none).
    template <class... A>
    void bind(Event<A...> &event, typename Event<A...>::Handler handler)
    {
        auto previous = event.exchange(std::move(handler));
        onLeave([&event, previous = std::move(previous)]() mutable { event.exchange(std::move(previous)); });
    }

    // Enables or disables the widgets, a command or a timer; leaving gives
    // each its state back.
    void setEnabled(std::initializer_list<QWidget *> widgets, bool enabled);
    void setEnabled(QAction *action, bool enabled);
    void setEnabled(TTimer *timer, bool enabled);
    // The widgets' states as they are now come back on leaving, whatever the
    // page's handlers do to them meanwhile.
    void keepEnabled(std::initializer_list<QWidget *> widgets);

    // Copies a picture into an image; leaving releases it.
    void setPicture(TImage *image, const QPixmap &picture);

    // A value that the page sets, or whose later changes on the page are to
    // be undone: get reads it now, set puts it back on leaving.
    template <class T>
    void keep(std::function<T()> get, std::function<void(const T &)> set)
    {
        onLeave([set = std::move(set), value = get()] { set(value); });
    }

    // Runs when the page is left.
    void onLeave(std::function<void()> undo) { m_undos.push_back(std::move(undo)); }

    // Leaving the page: the undos, the last first; the scope is empty then.
    void leave();
    bool isEmpty() const { return m_undos.empty(); }

private:
    std::vector<std::function<void()>> m_undos;
};
