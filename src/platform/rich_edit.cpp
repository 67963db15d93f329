#include "platform/rich_edit.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextLayout>

TRichEdit::TRichEdit(QWidget *parent) : QTextEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QTextEdit::textChanged, this, [this] { OnChange(); });
}

void TRichEdit::clear()
{
    QTextEdit::clear();
    setCurrentCharFormat(QTextCharFormat());
    textCursor().setBlockFormat(QTextBlockFormat());
}

void TRichEdit::setPlainText(const QString &text)
{
    clear();
    QTextEdit::setPlainText(text);
}

bool TRichEdit::isCommandKey(const QKeyEvent *event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (const QKeySequence &k : m_commandKeys) {
        if (k.matches(pressed) == QKeySequence::ExactMatch)
            return true;
    }
    return false;
}

bool TRichEdit::event(QEvent *event)
{
    // Leave the commands' keys to the commands (the edit would otherwise
    // claim Ctrl+C, Ctrl+V, ... for itself).
    if (event->type() == QEvent::ShortcutOverride && isCommandKey(static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return QTextEdit::event(event);
}

void TRichEdit::keyPressEvent(QKeyEvent *event)
{
    // A command's key that comes here found its command disabled (nothing
    // selected to copy, nothing to paste) or taken by the lesson: it does
    // nothing, as on the desktop the word processor simulates. The edit's
    // own handling would paste, cut or undo past the lesson.
    if (isCommandKey(event)) {
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool typing = !isReadOnly() && !text.isEmpty() && text.at(0).isPrint()
                        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typing && m_newUndoStep) {
        // A character typed in an edit block of its own is an undo step of
        // its own.
        m_newUndoStep = false;
        QTextCursor c = textCursor();
        c.beginEditBlock();
        c.insertText(text);
        c.endEditBlock();
        setTextCursor(c);
        ensureCursorVisible();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TRichEdit::keyReleaseEvent(QKeyEvent *event)
{
    QTextEdit::keyReleaseEvent(event);
    OnKeyUp(event);
}

int TRichEdit::LineCount() const
{
    QTextDocument *doc = document();
    doc->documentLayout()->documentSize();  // lays out the whole document
    int lines = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        lines += b.layout() ? std::max(1, b.layout()->lineCount()) : 1;
    if (doc->blockCount() > 1 && doc->lastBlock().length() <= 1)
        --lines;
    return lines;
}
