#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QToolButton;
class QWidget;

// Whether the key presses the button that has the focus: Enter or Space.
bool pressesButton(int key);

// The keyboard's way to the info panel's navigation buttons, for a learner
// who works without a pointer:
// - Tab and Shift+Tab go round the buttons that are available, except in a
//   text that takes Tab (the word processor's text, where Tab types a tab);
// - F6, the key that moves between the panes of a window, goes from the
//   simulated desktop to the buttons and back to where the keyboard was;
// - Enter or Space presses the button that has the focus (the title page's
//   Enter is Forward only while no button has it).
// Only the main window's keys are looked at: dialogs and menus keep their
// own, and every other key (F3, Alt and F10 in the word processor) goes on
// as before. A click never puts the focus on a button.
class TPanelKeys : public QObject {
    Q_OBJECT
public:
    // The buttons in their order on the panel. desktop gives the control the
    // keyboard goes back to when none was left (none: the window itself).
    TPanelKeys(QWidget *window, QList<QToolButton *> buttons, std::function<QWidget *()> desktop = {});
    ~TPanelKeys() override;

    bool isButton(const QWidget *w) const;
    // The button that has the keyboard, or none.
    QToolButton *focusedButton() const;
    // After a change of page: a learner who was on a button stays on it, or
    // goes on to the next one available when it no longer is.
    void keepFocus(QToolButton *was);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(QWidget *focus, int key, Qt::KeyboardModifiers modifiers);
    // The first available button from index from on, going by step.
    QToolButton *available(int from, int step) const;
    void focusButton(QToolButton *button);
    void toDesktop();
    bool usable(const QWidget *w) const;

    QWidget *m_window;
    QList<QToolButton *> m_buttons;
    std::function<QWidget *()> m_desktop;
    QPointer<QWidget> m_desktopFocus;  // where F6 goes back to
};
