// One entry of the tray item's menu as a plain value tree. The application builds the whole
// tree and hands it to TrayItem::setMenu; the adapters only translate it.
#pragma once

#include <QList>
#include <QString>
#include <algorithm>

struct TrayMenuEntry {
    enum class Toggle { None, Checkmark, Radio };

    // Reported by TrayItem::menuEntryTriggered. Must be positive and unique in the tree for the
    // entry to report clicks; separators may leave it 0.
    int id = 0;
    QString label;
    // A freedesktop icon name; empty for none.
    QString iconName;
    bool enabled = true;
    bool visible = true;
    Toggle toggle = Toggle::None;
    bool checked = false;
    bool isSeparator = false;
    // The action a double click would take; shown in bold where the tray supports it.
    bool isDefault = false;
    // Non-empty makes the entry a submenu.
    QList<TrayMenuEntry> children;

    static TrayMenuEntry separator()
    {
        TrayMenuEntry entry;
        entry.isSeparator = true;
        return entry;
    }
};

// Written out because a defaulted comparison cannot see through the recursive QList.
inline bool operator==(const TrayMenuEntry &a, const TrayMenuEntry &b)
{
    return a.id == b.id && a.label == b.label && a.iconName == b.iconName && a.enabled == b.enabled &&
           a.visible == b.visible && a.toggle == b.toggle && a.checked == b.checked &&
           a.isSeparator == b.isSeparator && a.isDefault == b.isDefault &&
           std::equal(a.children.cbegin(), a.children.cend(), b.children.cbegin(), b.children.cend());
}

inline bool operator!=(const TrayMenuEntry &a, const TrayMenuEntry &b)
{
    return !(a == b);
}
