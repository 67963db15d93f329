#pragma once

#include <functional>
#include <utility>

// A binding point: one handler or none. A lesson binds a main-window handler
// to a shared component when its page is entered and unbinds it on leaving;
// binding again replaces the previous handler.
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
        if (Handler h = m_handler)
            h(std::forward<A>(a)...);
    }

private:
    Handler m_handler;
};
