#include "ui/clickablelabel.h"

#include "ui/errorguard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

// The blue of the design's links.
const QColor kFocusMark(0, 0, 255);

// A picture without text or a name of its own that holds no controls: the
// design's artwork (banners, separators, bullets, logos, boxes). Telling a
// screen reader of it would only be noise.
bool onlyDecorates(const QLabel& label) {
    if (const auto* clickable = qobject_cast<const ClickableLabel*>(&label);
        clickable && clickable->role() != ClickableLabel::Role::Picture)
        return false;
    return !label.pixmap().isNull() && label.text().isEmpty() &&
           label.accessibleName().isEmpty() &&
           label.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
}

// Left out of what screen readers walk: invisible, as hidden controls are,
// which every reader passes by.
class DecorationAccessible final : public QAccessibleWidget {
public:
    explicit DecorationAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (onlyDecorates(*static_cast<const QLabel*>(widget())))
            state.invisible = true;
        return state;
    }
};

// A clickable label as what it does: a button, a link, a bar that holds
// buttons, a piece of text, or a decoration.
class ClickableLabelAccessible final : public QAccessibleWidget {
public:
    explicit ClickableLabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QAccessible::Role role() const override {
        switch (label()->role()) {
        case ClickableLabel::Role::Button: return QAccessible::Button;
        case ClickableLabel::Role::Link: return QAccessible::Link;
        case ClickableLabel::Role::Picture: break;
        }
        if (!label()->pixmap().isNull())
            return QAccessible::Graphic;
        if (!label()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
            return QAccessible::Grouping;
        return QAccessible::StaticText;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (onlyDecorates(*label()))
            state.invisible = true;
        if (label()->role() == ClickableLabel::Role::Link)
            state.linked = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            if (!label()->accessibleName().isEmpty())
                return label()->accessibleName();
            if (!label()->text().isEmpty())
                return label()->text();
            return label()->role() == ClickableLabel::Role::Picture ? QString()
                                                                      : label()->toolTip();
        }
        // A tool tip that already names the control is not read twice.
        if (kind == QAccessible::Description && label()->accessibleName().isEmpty() &&
            label()->text().isEmpty())
            return label()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->role() != ClickableLabel::Role::Picture && label()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label()->role() != ClickableLabel::Role::Picture &&
            label()->isEnabled())
            label()->activate();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* labelInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("ClickableLabel"))
        return new ClickableLabelAccessible(static_cast<ClickableLabel*>(object));
    if (className == QLatin1String("QLabel")) {
        auto* label = static_cast<QLabel*>(object);
        if (onlyDecorates(*label))
            return new DecorationAccessible(label);
    }
    return nullptr;
}

// Installed once the application has installed its own factories: the last
// installed is asked first, so this one decides for labels.
void installLabelInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(labelInterface);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    installLabelInterfaces();
}

void ClickableLabel::setRole(Role role) {
    m_role = role;
    // Tab reaches it, a click does not move the focus to it.
    setFocusPolicy(role == Role::Picture ? Qt::NoFocus : Qt::TabFocus);
}

void ClickableLabel::activate() {
    const QPointer<ClickableLabel> alive(this);
    if (onPress)
        guarded(window(), onPress);
    if (alive && onClick)
        guarded(window(), onClick);
}

bool ClickableLabel::activatedBy(const QKeyEvent& key) const {
    if (m_role == Role::Picture || key.isAutoRepeat() ||
        (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space;
}

bool ClickableLabel::event(QEvent* event) {
    // The key that acts on the focused control is not also a window's shortcut.
    if (event->type() == QEvent::ShortcutOverride &&
        activatedBy(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLabel::event(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (activatedBy(*event)) {
        event->accept();
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    // Only Tab gives it the focus, so the mark shows only to keyboard users.
    if (!hasFocus() || m_role == Role::Picture)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kFocusMark, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 3, 3);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_pressedPrimary = event->button() == Qt::LeftButton;
    if (onPress)
        guarded(window(), onPress);
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressedPrimary && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressedPrimary = false;
    if (click && onClick)
        guarded(window(), onClick);
    event->accept();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    if (onMove)
        guarded(window(), onMove);
    // Taken here: a move over a picture is not also a move over what lies behind it.
    event->accept();
}

void ClickableLabel::leaveEvent(QEvent* event) {
    if (onLeave)
        guarded(window(), onLeave);
    QLabel::leaveEvent(event);
}
