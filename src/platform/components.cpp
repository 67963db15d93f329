#include "platform/components.h"

TAction::TAction(const QString &name, QObject *parent) : QAction(parent)
{
    setObjectName(name);
    connect(this, &QAction::triggered, this, [this] { OnExecute(); });
}

void TAction::execute()
{
    if (isEnabled())
        OnExecute();
}

TTimer::TTimer(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
    connect(&m_timer, &QTimer::timeout, this, [this] { OnTimer(); });
}

void TTimer::setEnabled(bool on)
{
    if (on)
        m_timer.start();
    else
        m_timer.stop();
}

void TTimer::setInterval(int ms)
{
    m_timer.setInterval(ms);
}
