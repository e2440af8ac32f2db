#include "tools/form-grab/view_actions.h"

#include <QApplication>
#include <QTest>

#include "app/web/records_json.h"

namespace tarvel::tools {

QWidget* widgetWithId(const view::Form1& window, const std::string& id) {
    for (const ControlRef& control : allControls()) {
        if (web::controlId(control) == id) return window.widgetFor(control);
    }
    return nullptr;
}

bool applyViewAction(view::Form1& window, const std::string& action, const std::string& id) {
    if (action == "unfocus") {
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        return true;
    }
    QWidget* widget = widgetWithId(window, id);
    if (widget == nullptr) return false;
    if (action == "focus") {
        widget->setFocus(Qt::TabFocusReason);
    } else if (action == "hold") {
        QTest::mousePress(widget, Qt::LeftButton, {}, widget->rect().center());
    } else {
        return false;
    }
    QApplication::processEvents();
    return true;
}

}  // namespace tarvel::tools
