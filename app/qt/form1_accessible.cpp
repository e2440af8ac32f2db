// Names and descriptions that assistive tools read for every control, as the
// core words them; mirrored after every event, so a change raises one event.

#include <QComboBox>
#include <QLabel>

#include "app/accessible_text.h"
#include "app/qt/drag_outline.h"
#include "app/qt/form1.h"

namespace tarvel::view {

void Form1::nameControls() {
    lblAt_[kSymbolTimeTitle]->setBuddy(cmbSymbol_);
    dragOutline_->setAccessibleName(QString::fromUtf8(kDropPlaceName));
    syncAccessibleTexts();
}

void Form1::syncAccessibleTexts() {
    for (const ControlRef& control : allControls()) {
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

}  // namespace tarvel::view
