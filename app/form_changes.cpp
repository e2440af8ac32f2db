#include "app/form_changes.h"

#include <cstring>
#include <string_view>

#include "app/accessible_text.h"
#include "app/control_fields.h"

namespace tarvel {
namespace {

// A record's fields packed as bytes: equal bytes, equal fields. Cheaper
// than writing them as text, and exact for every float.
struct FieldBytes {
    std::string& bytes;

    template <typename Value>
    void raw(const Value& value) {
        const auto at = bytes.size();
        bytes.resize(at + sizeof value);
        std::memcpy(bytes.data() + at, &value, sizeof value);
    }
    void text(const char*, std::string_view value) {
        raw(value.size());
        bytes.append(value);
    }
    void number(const char*, float value) { raw(value); }
    void integer(const char*, std::int64_t value) { raw(value); }
    void flag(const char*, bool value) { raw(value); }
    void texts(const char* name, const std::vector<std::string>& items) {
        raw(items.size());
        for (const std::string& item : items) text(name, item);
    }
};

void controlBytes(const Form& form, ControlRef control, std::string& bytes) {
    FieldBytes fields{bytes};
    const AccessibleText words = accessibleTextOf(form, control);
    fields.text("name", words.name);
    fields.text("description", words.description);
    visitKindFields(fields, form, control);
}

void drawingBytes(const Form& form, DrawingRef item, std::string& bytes) {
    FieldBytes fields{bytes};
    const auto i = static_cast<std::size_t>(item.index);
    switch (item.kind) {
        case DrawingKind::Axis:
            visitLine(fields, form.axis(item.index));
            break;
        case DrawingKind::Impulse:
            visitLine(fields, form.lneImpulse[i]);
            break;
        case DrawingKind::Frame:
            visitFrame(fields, form.cmdShape[i]);
            visitBox(fields, form.cmdShape[i]);
            break;
    }
}

// Compares each item's bytes with what was seen, keeps the new ones and
// collects the items that differ (all of them the first time). The bytes
// are written into a buffer that lives on in the watch, so that a look
// allocates little.
template <typename Ref, typename Items, typename BytesOf>
void collect(const Items& items, std::vector<std::string>& seen, std::string& now, BytesOf bytesOf,
             std::vector<Ref>& changed) {
    const bool first = seen.size() != std::size(items);
    if (first) seen.assign(std::size(items), {});
    std::size_t k = 0;
    for (const Ref& item : items) {
        now.clear();
        bytesOf(item, now);
        if (first || now != seen[k]) {
            changed.push_back(item);
            seen[k].swap(now);
        }
        ++k;
    }
}

}  // namespace

FormChanges FormWatch::take(const Form& form) {
    FormChanges changes;
    collect(
        allControls(), controls_, scratch_,
        [&](ControlRef control, std::string& bytes) { controlBytes(form, control, bytes); },
        changes.controls);
    collect(
        kDrawingOrder, drawing_, scratch_,
        [&](DrawingRef item, std::string& bytes) { drawingBytes(form, item, bytes); },
        changes.drawing);
    changes.stacking = !looked_ || form.markerStack != stack_;
    stack_ = form.markerStack;
    changes.timer = !looked_ || form.timer1.enabled != timer_.enabled ||
                    form.timer1.intervalMs != timer_.intervalMs;
    timer_ = form.timer1;
    for (; messagesSeen_ < form.messages.size(); ++messagesSeen_)
        changes.messages.push_back(form.messages[messagesSeen_]);
    looked_ = true;
    return changes;
}

}  // namespace tarvel
