#pragma once

#include "platform/error_report.h"

#include <functional>
#include <utility>

// A binding point: one handler or none. A lesson binds a main-window handler
// to a shared component when its page is entered and unbinds it on leaving;
// binding again replaces the previous handler.
//
// What a handler throws ends at its binding point: it is reported
// (reportError) and the caller goes on, so no exception of a bound handler
// (an action, a timer, a hook, a click) unwinds through the toolkit's event
// code.
template <class... A>
class Event {
public:
    using Handler = std::function<void(A...)>;

    void bind(Handler f) { m_handler = std::move(f); }
    void unbind() { m_handler = nullptr; }
    // Binds f (or nothing) and hands back the handler bound before, so that
    // whoever bound it for a while can give the old one back.
    Handler exchange(Handler f) { return std::exchange(m_handler, std::move(f)); }
    bool isBound() const { return static_cast<bool>(m_handler); }

    // Calls the handler; does nothing when none is bound. The handler is
    // copied first, so it may rebind or unbind this event while it runs.
    void operator()(A... a) const
    {
        Handler h = m_handler;
        if (!h)
            return;
        try {
            h(std::forward<A>(a)...);
        } catch (...) {
            reportCurrentException();
        }
    }

private:
    Handler m_handler;
};
