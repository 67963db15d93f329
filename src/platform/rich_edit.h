#pragma once

#include "platform/event.h"

#include <QKeySequence>
#include <QList>
#include <QTextEdit>

// The rich-text editing area of the simulated word processor. Its key-up and
// change events are binding points; each keystroke can be made its own undo
// step; the keys of the window's commands (cut, copy, paste, undo, ...) are
// left to those commands instead of being handled here, so that a lesson's
// handler bound to a command also sees its shortcut.
class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget *parent = nullptr);

    Event<QKeyEvent *> OnKeyUp;
    Event<> OnChange;

    // Empty the text, or replace it with plain text, in the area's own font
    // and paragraph format. (The text edit itself keeps the character format
    // of the text it removed: after a letter with a big bold heading, what the
    // learner types next would be big and bold too.)
    void clear();
    void setPlainText(const QString &text);

    // The next keystroke starts a new undo step.
    void StopGroupTyping() { m_newUndoStep = true; }

    // Lines as laid out (wrapped lines count one each); an empty last
    // paragraph is not a line of its own.
    int LineCount() const;

    // The keys of the commands that own them (Ctrl+C, Ctrl+V, ...): the edit
    // leaves them to the shortcuts and never acts on them itself.
    void setCommandShortcuts(const QList<QKeySequence> &keys) { m_commandKeys = keys; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    bool isCommandKey(const QKeyEvent *event) const;

    QList<QKeySequence> m_commandKeys;
    bool m_newUndoStep = false;
};
