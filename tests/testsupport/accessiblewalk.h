#pragma once

// What a screen reader finds in a window through the accessibility interface,
// and what the keyboard alone reaches there.

#include <QAccessible>
#include <QList>
#include <QString>

#include <vector>

class QWidget;

struct AccessibleElement {
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    bool focusable = false;
    QWidget* widget = nullptr; // null for a part that is no widget of its own
};

// Whether a user acts on an element of the role: buttons, links, boxes,
// fields, lists and grids, not text, pictures or panels.
bool isInteractive(QAccessible::Role role);

// Every element shown in root's accessibility tree, root included, in the
// order a screen reader walks them. A hidden or invisible element is passed
// by with all it holds; so is what an interactive element holds (a grid's
// cells, a list's lines, a field's own editor).
std::vector<AccessibleElement> shownElements(QWidget* root);

// The interactive ones among them.
std::vector<AccessibleElement> interactiveElements(QWidget* root);

// The widgets Tab reaches in window, one press at a time from the first
// control of its focus chain that takes Tab, until the focus comes round to a
// widget it already reached, or stays. The window must be active.
QList<QWidget*> tabOrderOf(QWidget* window);

// "" when every interactive element of window has a name no other one has
// (case aside), is focusable and is in chain; else one line per fault.
QString accessFaultsIn(QWidget* window, const QList<QWidget*>& chain);
