#include "platform/components.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextEdit>

TAction::TAction(const QString &name, QObject *parent) : QAction(parent)
{
    setObjectName(name);
    connect(this, &QAction::triggered, this, [this] { run(); });
}

void TAction::execute()
{
    if (isEnabled())
        run();
}

TEditAction::TEditAction(const QString &name, Kind kind, QTextEdit *target, QObject *parent)
    : TAction(name, parent), m_kind(kind), m_target(target)
{
    connect(target, &QTextEdit::selectionChanged, this, &TEditAction::updateEnabled);
    connect(target, &QTextEdit::textChanged, this, &TEditAction::updateEnabled);
    connect(target, &QTextEdit::undoAvailable, this, &TEditAction::updateEnabled);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TEditAction::updateEnabled);
    updateEnabled();
}

void TEditAction::updateEnabled()
{
    const bool selection = m_target->textCursor().hasSelection();
    switch (m_kind) {
    case Kind::Cut:
    case Kind::Copy:
    case Kind::Delete:
        setEnabled(selection);
        break;
    case Kind::Paste: {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        setEnabled(data && data->hasText());
        break;
    }
    case Kind::SelectAll:
        setEnabled(!m_target->document()->isEmpty());
        break;
    case Kind::Undo:
        setEnabled(m_target->document()->isUndoAvailable());
        break;
    }
}

void TEditAction::run()
{
    if (OnExecute.isBound()) {
        OnExecute();
        return;
    }
    // A read-only text only lets itself be copied and selected.
    const bool readOnly = m_target->isReadOnly();
    if (readOnly && m_kind != Kind::Copy && m_kind != Kind::SelectAll)
        return;
    switch (m_kind) {
    case Kind::Cut:
        m_target->cut();
        break;
    case Kind::Copy:
        m_target->copy();
        break;
    case Kind::Paste:
        m_target->paste();
        break;
    case Kind::Delete:
        m_target->textCursor().removeSelectedText();
        break;
    case Kind::SelectAll:
        m_target->selectAll();
        break;
    case Kind::Undo:
        m_target->undo();
        break;
    }
    updateEnabled();
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
