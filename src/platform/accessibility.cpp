#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

namespace {

// A part a widget draws, as an accessible object of its own. It lives in
// the accessibility cache; the widget's accessible object deletes it.
class PartInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PartInterface(QWidget *widget, TAccessibleDescription *description, int index)
        : m_widget(widget), m_description(description), m_index(index)
    {
    }

    bool isValid() const override { return m_widget && m_description && part(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        QAccessibleInterface *p = parent();
        return p ? p->window() : nullptr;
    }

    QAccessibleInterface *parent() const override
    {
        return m_widget ? QAccessible::queryAccessibleInterface(m_widget) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        const AccessiblePart *p = part();
        if (t != QAccessible::Name || !p || !p->name)
            return {};
        return p->name();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        const QRect r = localRect();
        if (r.isEmpty() || !m_widget->isVisible())
            return {};
        return QRect(m_widget->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        const AccessiblePart *p = part();
        return p ? p->role : QAccessible::NoRole;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_widget || !m_widget->isVisible() || localRect().isEmpty())
            s.invisible = true;
        if (m_widget && !m_widget->isEnabled())
            s.disabled = true;
        if (const AccessiblePart *p = part(); p && p->focused) {
            s.focusable = true;
            s.focused = p->focused();
        }
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        const AccessiblePart *p = part();
        if (type == QAccessible::ActionInterface && p && p->press)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    QStringList actionNames() const override
    {
        const AccessiblePart *p = part();
        return p && p->press ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString &actionName) override
    {
        const AccessiblePart *p = part();
        // Only what a pointer could do: a part shown on an enabled widget. The
        // press runs once the request is answered (it may open a menu that
        // runs its own loop), as a button's press action does.
        if (actionName == pressAction() && p && p->press && !state().invisible && !state().disabled)
            QMetaObject::invokeMethod(m_widget, p->press, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    const AccessiblePart *part() const
    {
        if (!m_description || m_index >= int(m_description->parts.size()))
            return nullptr;
        return &m_description->parts[size_t(m_index)];
    }
    QRect localRect() const
    {
        const AccessiblePart *p = part();
        return m_widget && p && p->rect ? p->rect() : QRect();
    }

    QPointer<QWidget> m_widget;
    QPointer<TAccessibleDescription> m_description;
    int m_index;
};

// A described widget: its role and name from the description, its child
// widgets first and then its parts.
class DescribedWidget : public QAccessibleWidget {
public:
    DescribedWidget(QWidget *widget, TAccessibleDescription *description)
        : QAccessibleWidget(widget, description->role), m_description(description)
    {
    }
    ~DescribedWidget() override
    {
        for (QAccessible::Id id : m_partIds) {
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    QAccessible::Role role() const override
    {
        return m_description ? m_description->role : QAccessibleWidget::role();
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && m_description && m_description->name)
            return m_description->name();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (m_description && m_description->active)
            s.active = m_description->active();
        if (m_description && m_description->checked) {
            s.checkable = true;
            s.checked = m_description->checked();
            s.pressed = s.checked;
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (m_description && m_description->press)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && m_description && m_description->press) {
            if (widget()->isEnabled() && widget()->isVisible())
                QMetaObject::invokeMethod(widget(), m_description->press, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

    int childCount() const override { return QAccessibleWidget::childCount() + partCount(); }
    QAccessibleInterface *child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        return part(index - widgets);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (size_t i = 0; i < m_partIds.size(); ++i) {
            if (m_partIds[i] && QAccessible::accessibleInterface(m_partIds[i]) == child)
                return QAccessibleWidget::childCount() + int(i);
        }
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < partCount(); ++i) {
            QAccessibleInterface *p = part(i);
            if (p && p->rect().contains(x, y))
                return p;
        }
        return QAccessibleWidget::childAt(x, y);
    }

private:
    int partCount() const { return m_description ? int(m_description->parts.size()) : 0; }
    QAccessibleInterface *part(int i) const
    {
        if (i < 0 || i >= partCount())
            return nullptr;
        if (m_partIds.size() < size_t(partCount()))
            m_partIds.resize(size_t(partCount()), 0);
        QAccessible::Id &id = m_partIds[size_t(i)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new PartInterface(widget(), m_description, i));
        return QAccessible::accessibleInterface(id);
    }

    QPointer<TAccessibleDescription> m_description;
    mutable std::vector<QAccessible::Id> m_partIds;
};

TAccessibleDescription *descriptionOf(QObject *object)
{
    return object->findChild<TAccessibleDescription *>(QString(), Qt::FindDirectChildrenOnly);
}

QAccessibleInterface *describedWidgetFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    TAccessibleDescription *description = descriptionOf(widget);
    return description ? new DescribedWidget(widget, description) : nullptr;
}

}  // namespace

TAccessibleDescription::TAccessibleDescription(QWidget *widget) : QObject(widget)
{
    setObjectName(QStringLiteral("accessibleDescription"));
}

void TAccessibleDescription::nameChanged()
{
    QAccessibleEvent event(parent(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TAccessibleDescription::partFocused(int index)
{
    if (index < 0 || index >= int(parts.size()))
        return;
    // The parts come after the widget's child widgets.
    QAccessibleInterface *widget = QAccessible::queryAccessibleInterface(parent());
    if (!widget)
        return;
    QAccessibleEvent event(parent(), QAccessible::Focus);
    event.setChild(widget->childCount() - int(parts.size()) + index);
    QAccessible::updateAccessibility(&event);
}

TAccessibleDescription &describeAccessible(QWidget *widget)
{
    if (TAccessibleDescription *d = descriptionOf(widget))
        return *d;
    auto *d = new TAccessibleDescription(widget);
    // Asked for before (a change the widget announced while it was made):
    // the plain object made then gives way to the described one.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (iface && !dynamic_cast<DescribedWidget *>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    return *d;
}

void installAccessibleFactory()
{
    QAccessible::installFactory(describedWidgetFactory);
}
