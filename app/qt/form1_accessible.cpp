// Names and descriptions that assistive tools read for every control, as the
// core words them; mirrored after every event, so a change raises one event.

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

#include "app/accessible_text.h"
#include "app/picture_description.h"
#include "app/qt/drag_outline.h"
#include "app/qt/form1.h"
#include "app/reading_order.h"

namespace tarvel::view {
namespace {

// The window as a frame, so readers announce it as one. Its children are
// the controls in the reading order, not in the stacking order (Qt's
// children list) that Qt would give: the tick numbers and unit labels the
// layout shows only for the eye are left out. The drop place is among them
// only while a drag shows it: hidden, it is no place.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> all = children();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index])
                                                : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(children().indexOf(child->object())) : -1;
    }

  private:
    QList<QWidget*> children() const {
        const auto* window = static_cast<const Form1*>(widget());
        QList<QWidget*> found;
        for (const ControlRef control : readingOrder()) found << window->widgetFor(control);
        for (QObject* object : window->children()) {
            auto* outline = qobject_cast<DragOutline*>(object);
            if (outline != nullptr && !outline->isHidden()) found << outline;
        }
        return found;
    }
};

// Qt names a combo box by its current item on Linux, so a reader announces
// "1.0" and never the title. Here the name is the title its label gives, and
// the item is its value, also offered as read-only text, which is where
// AT-SPI readers look for a combo box's value.
class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Value) return combo()->currentText();
        return QAccessibleWidget::text(which);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The list it opens, whose parent Qt already reports as the combo box.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == combo()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList(showMenuAction()) << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == showMenuAction()) {
            combo()->showPopup();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

    // Read-only text: the current item, no caret, no selection.
    QString text(int start, int end) const override {
        return combo()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(combo()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

  private:
    QComboBox* combo() const { return static_cast<QComboBox*>(object()); }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tarvel::view::Form1")) {
        return new WindowAccessible(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String("QComboBox")) {
        return new ComboAccessible(static_cast<QComboBox*>(object));
    }
    return nullptr;
}

}  // namespace

void Form1::nameControls() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)installed;
    lblAt_[kSymbolTimeTitle]->setBuddy(cmbSymbol_);
    // The list the combo box opens reads under the same title.
    cmbSymbol_->view()->setAccessibleName(
        QString::fromStdString(accessibleTextOf(*form_, {ControlKind::CmbSymbol, 0}).name));
    dragOutline_->setAccessibleName(QString::fromUtf8(kDropPlaceName));
    syncAccessibleTexts(allControls());
}

void Form1::syncAccessibleTexts(const std::vector<ControlRef>& controls) {
    for (const ControlRef& control : controls) {
        QWidget* widget = widgetFor(control);
        if (widget == nullptr) continue;
        const AccessibleText text = accessibleTextOf(*form_, control);
        if (mirrored_.changed(widget, MirroredStrings::Role::AccessibleName, text.name)) {
            const QString name = QString::fromStdString(text.name);
            if (widget->accessibleName() != name) widget->setAccessibleName(name);
        }
        if (mirrored_.changed(widget, MirroredStrings::Role::AccessibleDescription,
                              text.description)) {
            const QString description = QString::fromStdString(text.description);
            if (widget->accessibleDescription() != description) {
                widget->setAccessibleDescription(description);
            }
        }
    }
}

// The window reads as the impulse diagram it shows: which paths are on,
// where. Set only when the words change, so a change raises one event.
void Form1::syncWindowDescription() {
    const std::string words = impulseDiagramDescription(*form_);
    if (!mirrored_.changed(this, MirroredStrings::Role::AccessibleDescription, words)) return;
    setAccessibleDescription(QString::fromStdString(words));
}

}  // namespace tarvel::view
