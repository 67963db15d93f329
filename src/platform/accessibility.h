#pragma once

#include <QAccessible>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// What assistive technology (a screen reader, over AT-SPI on Linux) is told
// about a widget that draws its content itself: its role, its name, and the
// parts it draws that act like controls of their own (the rows of the Start
// menu picture, the caption buttons of the classic frame).
//
// A widget that is a standard control (a button with a text, a list, an edit
// box) needs none of this: its name is its text or setAccessibleName. A
// description is attached with describeAccessible before the widget is first
// asked for (in the code that makes it); the factory installed by
// installAccessibleFactory then gives it an accessible object that says so.
struct AccessiblePart {
    QAccessible::Role role = QAccessible::PushButton;
    std::function<QString()> name;
    // In the widget's coordinates; an empty rectangle is a part not shown.
    std::function<QRect()> rect;
    // What the part's press action does (the part is a control); none for
    // a part that only shows something.
    std::function<void()> press;
    // For a part the keyboard can be on (a menu's row): whether it is now.
    std::function<bool()> focused;
};

class TAccessibleDescription : public QObject {
    Q_OBJECT
public:
    explicit TAccessibleDescription(QWidget *widget);

    QAccessible::Role role = QAccessible::Client;
    // The name; the widget's accessibleName when not set.
    std::function<QString()> name;
    std::vector<AccessiblePart> parts;
    // A widget that acts as a button: what pressing it does, and, for one
    // that stays down (a taskbar button), whether it is down now.
    std::function<void()> press;
    std::function<bool()> checked;
    // A widget that acts as a window of its own inside its window (a dialog
    // drawn in the course window): whether it is the active one now. A
    // screen reader ignores the focus in a dialog that is not active.
    std::function<bool()> active;

    // Tells assistive technology that the name or a part's name changed.
    void nameChanged();
    // Tells it that the keyboard is now on the part (its index in parts).
    void partFocused(int index);
};

// The description of the widget, made on first use. Attaching it to a widget
// whose accessible object already exists replaces that object.
TAccessibleDescription &describeAccessible(QWidget *widget);

// Installs the factory that builds accessible objects for described widgets.
// The application object does this once.
void installAccessibleFactory();
