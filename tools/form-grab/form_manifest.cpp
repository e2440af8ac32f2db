#include "tools/form-grab/form_manifest.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <cmath>

#include "app/json_writer.h"
#include "app/web/records_json.h"

namespace tarvel::tools {
namespace {

// The box's edges on the device's pixel grid (the window lies at whole DIP).
void writeRect(JsonWriter& json, std::string_view name, const QRect& rect, qreal ratio) {
    json.key(name);
    if (rect.isEmpty()) {
        json.null();
        return;
    }
    json.beginArray();
    for (const int v : {rect.x(), rect.y(), rect.width(), rect.height()}) {
        json.integer(std::lround(v * ratio));
    }
    json.endArray();
}

// As QFontMetrics lays the text out in `area` with `flags`: advances and
// the line's height, not the ink, which may reach a pixel beyond.
QRect textIn(const QWidget* widget, const QRect& area, int flags, const QString& text) {
    if (text.isEmpty()) return {};
    const QRect inside = widget->fontMetrics().boundingRect(area, flags, text);
    return inside.translated(widget->mapTo(widget->window(), QPoint(0, 0)));
}

}  // namespace

QRect textRectOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const int flags =
            static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return textIn(label, label->contentsRect(), flags, label->text());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return textIn(button, contents, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        option.currentText = list->currentText();
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        return textIn(list, field, Qt::AlignLeft | Qt::AlignVCenter, list->currentText());
    }
    return {};
}

std::string controlBoxesJson(const view::Form1& window, qreal ratio) {
    JsonWriter json;
    json.beginArray();
    for (const ControlRef& control : allControls()) {
        const QWidget* widget = window.widgetFor(control);
        if (widget == nullptr) continue;
        json.beginObject();
        json.stringField("id", web::controlId(control));
        writeRect(json, "box", widget->geometry(), ratio);
        json.booleanField("visible", widget->isVisible());
        writeRect(json, "text", textRectOf(widget), ratio);
        json.endObject();
    }
    json.endArray();
    return json.text();
}

}  // namespace tarvel::tools
