// Mirroring the core's records into the widgets after every event and tick.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/qt/drag_outline.h"
#include "app/qt/form1.h"
#include "app/qt/image_surface.h"
#include "app/qt/marker_button.h"
#include "app/qt/qt_colour.h"
#include "app/qt/twips.h"

namespace tarvel::view {
namespace {

void mirrorShown(QWidget* widget, bool visible, bool enabled = true) {
    if (widget->isHidden() == visible) widget->setHidden(!visible);
    if (widget->isEnabled() != enabled) widget->setEnabled(enabled);
}

template <typename Widget>
void mirrorText(MirroredStrings& mirrored, Widget* widget, const std::string& caption) {
    if (!mirrored.changed(widget, MirroredStrings::Role::Caption, caption)) return;
    const QString text = QString::fromStdString(caption);
    if (widget->text() != text) widget->setText(text);
}

void mirrorValue(QScrollBar* bar, const ScrollBar& record) {
    mirrorShown(bar, record.visible, record.enabled);
    if (bar->value() == record.value) return;
    const QSignalBlocker quiet(bar);
    bar->setValue(record.value);
}

void mirrorToggle(MirroredStrings& mirrored, QPushButton* toggle, const CheckBox& record) {
    mirrorShown(toggle, record.visible, record.enabled);
    mirrorText(mirrored, toggle, record.caption);
    if (toggle->isChecked() != (record.value == 1)) {
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(record.value == 1);
    }
    // No caption colour yet: the palette's own text colour.
    const QColor wanted = record.captionColour
                              ? toQColor(*record.captionColour)
                              : toggle->parentWidget()->palette().color(QPalette::ButtonText);
    if (toggle->palette().color(QPalette::ButtonText) != wanted) {
        QPalette palette = toggle->palette();
        palette.setColor(QPalette::ButtonText, wanted);
        toggle->setPalette(palette);
    }
}

void mirrorList(MirroredStrings& mirrored, QComboBox* combo, const ComboBox& record) {
    mirrorShown(combo, record.visible, record.enabled);
    const QSignalBlocker quiet(combo);
    std::string joined;  // items apart by a character no caption holds
    for (const std::string& item : record.items) joined.append(item).push_back('\0');
    if (mirrored.changed(combo, MirroredStrings::Role::Items, joined)) {
        QStringList items;
        for (const std::string& item : record.items) items << QString::fromStdString(item);
        bool same = combo->count() == items.size();
        for (int i = 0; same && i < combo->count(); ++i) same = combo->itemText(i) == items[i];
        if (!same) {
            combo->clear();
            combo->addItems(items);
        }
    }
    if (combo->currentIndex() != record.listIndex) combo->setCurrentIndex(record.listIndex);
}

}  // namespace

void Form1::syncFromCore() {
    if (mirrored_.changed(this, MirroredStrings::Role::Caption, form_->caption)) {
        setWindowTitle(QString::fromStdString(form_->caption));
    }
    // The widgets a user moves are compared whole (a bar may stand where the
    // core refused to go); the rest follows only what changed.
    const FormChanges changes = watch_.take(*form_);
    syncMarkers();
    syncControls();
    syncAccessibleTexts(changes.controls);
    syncWindowDescription();
    syncTimer();
    if (!changes.drawing.empty()) syncWindowDrawing();
    for (ImageSurface* box : surfaces_) box->flush();
}

void Form1::syncMarkers() {
    for (std::size_t i = 0; i < markers_.size(); ++i) {
        const CommandButton& record = form_->cmdSource[i];
        MarkerButton* button = markers_[i];
        const QRect place = widgetRectOf(record);
        if (button->geometry() != place) button->setGeometry(place);
        button->setFaceColour(toQColor(record.backColour));
        mirrorShown(button, record.visible, record.enabled);
    }
    if (mirroredStack_ != form_->markerStack) {
        mirroredStack_ = form_->markerStack;
        for (int index : mirroredStack_) markers_[static_cast<std::size_t>(index)]->raise();
        if (dragOutline_->isVisible()) dragOutline_->raise();
    }
}

void Form1::syncControls() {
    mirrorText(mirrored_, label1_, form_->label1.caption);
    mirrorText(mirrored_, label2_, form_->label2.caption);
    for (std::size_t i = 0; i < lblAt_.size(); ++i) {
        mirrorText(mirrored_, lblAt_[i], form_->lblAt[i].caption);
        mirrorShown(lblAt_[i], form_->lblAt[i].visible);
    }

    mirrorText(mirrored_, cmdRand_, form_->cmdRand.caption);
    mirrorShown(cmdRand_, form_->cmdRand.visible, form_->cmdRand.enabled);
    for (std::size_t g = 0; g < cmdGo_.size(); ++g) {
        mirrorText(mirrored_, cmdGo_[g], form_->cmdGo[g].caption);
        mirrorShown(cmdGo_[g], form_->cmdGo[g].visible, form_->cmdGo[g].enabled);
    }

    mirrorValue(hscFade_, form_->hscFade);
    mirrorValue(vscSpectrumRange_, form_->vscSpectrumRange);
    mirrorList(mirrored_, cmbSymbol_, form_->cmbSymbol);
    mirrorToggle(mirrored_, chkLinear_, form_->chkLinear);
    mirrorToggle(mirrored_, chkMemory_, form_->chkMemory);
    mirrorShown(imgZelm_, form_->imgZelm.visible);
    for (ControlKind kind : kPictureKinds) mirrorShown(surface(kind), form_->picture(kind).visible);
}

void Form1::syncTimer() {
    const Timer& record = form_->timer1;
    if (record.enabled && (!timer_.isActive() || timer_.interval() != record.intervalMs)) {
        timer_.start(record.intervalMs);
    } else if (!record.enabled && timer_.isActive()) {
        timer_.stop();
    }
}

void Form1::syncWindowDrawing() {
    WindowDrawing now = windowDrawingOf(*form_);
    if (now == painted_) return;
    const QRegion changed = changedRegion(painted_, now);
    painted_ = now;
    update(changed);
}

}  // namespace tarvel::view
