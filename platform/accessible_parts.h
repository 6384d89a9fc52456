#pragma once
// Parts of a self-drawn widget (the tabs of a strip, the buttons of a clip
// player) as assistive technology sees them: each part an interface of its
// own, with no object and no children, pressed through its one action. The
// widget's interface makes them when first asked and deletes them with itself.

#include <QAccessible>
#include <QAccessibleInterface>

#include <vector>

class AccessiblePart : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        const QAccessibleInterface* whole = parent();
        return whole ? whole->window() : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// The part interfaces a widget's interface has made, by the part's index.
class accessible_parts {
public:
    accessible_parts() = default;
    accessible_parts(const accessible_parts&) = delete;
    accessible_parts& operator=(const accessible_parts&) = delete;
    ~accessible_parts()
    {
        for (QAccessible::Id id : ids_)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    // The interface of part `index`, made by `make` when first asked for.
    template <class Make>
    QAccessibleInterface* part(int index, Make make)
    {
        const auto at = static_cast<std::size_t>(index);
        if (ids_.size() <= at)
            ids_.resize(at + 1, 0);
        if (ids_[at] == 0)
            ids_[at] = QAccessible::registerAccessibleInterface(make());
        return QAccessible::accessibleInterface(ids_[at]);
    }

    // The index of a part made here, or -1.
    int index_of(const QAccessibleInterface* part) const
    {
        for (std::size_t i = 0; i < ids_.size(); ++i)
            if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == part)
                return static_cast<int>(i);
        return -1;
    }

private:
    std::vector<QAccessible::Id> ids_;
};
