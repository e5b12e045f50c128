#include "testsupport/accessiblewalk.h"

#include <QApplication>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace {

void walk(QAccessibleInterface* node, std::vector<AccessibleElement>& found) {
    if (!node || !node->isValid() || node->state().invisible)
        return;
    QWidget* widget = node->object() && node->object()->isWidgetType()
                          ? static_cast<QWidget*>(node->object())
                          : nullptr;
    if (widget && !widget->isVisible())
        return;
    found.push_back({node->role(), node->text(QAccessible::Name),
                     node->state().focusable != 0, widget});
    if (isInteractive(node->role()))
        return;
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), found);
}

QString describe(const AccessibleElement& element) {
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QString::fromLatin1(qAccessibleRoleString(element.role)), element.name,
             element.widget ? element.widget->objectName() : QStringLiteral("-"));
}

bool takesTab(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
           !widget->focusProxy();
}

} // namespace

bool isInteractive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::Link:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTabList:
        return true;
    default:
        return false;
    }
}

std::vector<AccessibleElement> shownElements(QWidget* root) {
    std::vector<AccessibleElement> found;
    walk(QAccessible::queryAccessibleInterface(root), found);
    return found;
}

std::vector<AccessibleElement> interactiveElements(QWidget* root) {
    std::vector<AccessibleElement> found;
    for (const AccessibleElement& element : shownElements(root))
        if (isInteractive(element.role))
            found.push_back(element);
    return found;
}

QList<QWidget*> tabOrderOf(QWidget* window) {
    QList<QWidget*> chain;
    QWidget* first = window->nextInFocusChain();
    while (first != window && !takesTab(first))
        first = first->nextInFocusChain();
    if (first == window)
        return chain;
    first->setFocus(Qt::TabFocusReason);
    for (QWidget* at = QApplication::focusWidget(); at && !chain.contains(at);
         at = QApplication::focusWidget()) {
        chain.append(at);
        QTest::keyClick(at, Qt::Key_Tab);
    }
    return chain;
}

QString accessFaultsIn(QWidget* window, const QList<QWidget*>& chain) {
    QStringList problems;
    QSet<QString> names;
    for (const AccessibleElement& element : interactiveElements(window)) {
        if (element.name.trimmed().isEmpty())
            problems += describe(element) + QStringLiteral(": no name");
        else if (names.contains(element.name.toCaseFolded()))
            problems += describe(element) + QStringLiteral(": a name another control has");
        names.insert(element.name.toCaseFolded());
        if (!element.focusable)
            problems += describe(element) + QStringLiteral(": not focusable");
        if (!element.widget || !chain.contains(element.widget))
            problems += describe(element) + QStringLiteral(": Tab does not reach it");
    }
    return problems.join(QLatin1Char('\n'));
}
