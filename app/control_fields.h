#pragma once
// Every control's record fields, kind by kind, in one place: the page's
// records are written from here, and a view's watch compares them to see
// what changed. A visitor takes each field by name:
//   text(name, std::string_view)    captions, colours "#rrggbb", kinds
//   number(name, float)             twips and points, single precision
//   integer(name, std::int64_t)
//   flag(name, bool)
//   texts(name, const std::vector<std::string>&)
// The fields every control has (id, name, description) are the caller's.

#include <cstdint>
#include <string_view>

#include "app/accessible_text.h"
#include "app/colour.h"
#include "app/form.h"
#include "paths/path_state.h"

namespace tarvel {

inline const char* alignName(Align align) {
    switch (align) {
        case Align::Right:
            return "right";
        case Align::Centre:
            return "center";
        default:
            return "left";
    }
}

template <typename Fields>
void visitBox(Fields& f, const Box& box) {
    f.number("left", box.left);
    f.number("top", box.top);
    f.number("width", box.width);
    f.number("height", box.height);
}

template <typename Fields>
void visitShown(Fields& f, bool visible, bool enabled) {
    f.flag("visible", visible);
    f.flag("enabled", enabled);
}

// A statistic is a value field that the analysis fills.
template <typename Fields>
void visitLabel(Fields& f, const Label& l, bool statistic) {
    f.text("kind", "label");
    visitBox(f, l);
    f.text("caption", l.caption);
    f.text("align", alignName(l.align));
    f.number("fontPt", l.fontPt);
    f.flag("statistic", statistic);
    f.flag("visible", l.visible);
    f.flag("wraps", wraps(l));
}

template <typename Fields>
void visitButton(Fields& f, const CommandButton& b, std::string_view kind) {
    f.text("kind", kind);
    visitBox(f, b);
    f.text("caption", b.caption);
    f.number("fontPt", b.fontPt);
    f.text("backColour", toHex(b.backColour));
    f.text("tag", b.tag);
    visitShown(f, b.visible, b.enabled);
}

template <typename Fields>
void visitBar(Fields& f, const ScrollBar& s) {
    f.text("kind", s.vertical ? "vbar" : "hbar");
    visitBox(f, s);
    f.integer("min", s.min);
    f.integer("max", s.max);
    f.integer("value", s.value);
    f.integer("smallChange", s.smallChange);
    f.integer("largeChange", s.largeChange);
    f.flag("tracking", s.tracking);
    visitShown(f, s.visible, s.enabled);
}

template <typename Fields>
void visitToggle(Fields& f, const CheckBox& c) {
    f.text("kind", "toggle");
    visitBox(f, c);
    f.text("caption", c.caption);
    f.number("fontPt", c.fontPt);
    f.integer("value", c.value);
    f.text("captionColour", c.captionColour ? toHex(*c.captionColour) : "");
    visitShown(f, c.visible, c.enabled);
}

template <typename Fields>
void visitList(Fields& f, const ComboBox& list) {
    f.text("kind", "list");
    visitBox(f, list);
    f.texts("items", list.items);
    f.text("text", list.text);
    f.integer("listIndex", list.listIndex);
    f.number("fontPt", list.fontPt);
    visitShown(f, list.visible, list.enabled);
}

template <typename Fields>
void visitImage(Fields& f, const ImageBox& image) {
    f.text("kind", "image");
    visitBox(f, image);
    f.flag("visible", image.visible);
}

// `surface` is the picture's number in kPictureKinds; `words` the picture
// put into words, so that a watch sees the picture change with its words.
template <typename Fields>
void visitPicture(Fields& f, const PictureBox& p, int surface) {
    f.text("kind", "picture");
    visitBox(f, p);
    f.number("innerWidth", p.innerWidth());
    f.number("innerHeight", p.innerHeight());
    f.flag("visible", p.visible);
    f.integer("surface", surface);
    f.text("words", p.description);
}

// The fields of a control's kind.
template <typename Fields>
void visitKindFields(Fields& f, const Form& form, ControlRef control) {
    using K = ControlKind;
    const auto i = static_cast<std::size_t>(control.index);
    switch (control.kind) {
        case K::Label1:
            return visitLabel(f, form.label1, false);
        case K::Label2:
            return visitLabel(f, form.label2, false);
        case K::LblAt:
            return visitLabel(f, form.lblAt[i], statisticsRowOf(control.index) != nullptr);
        case K::CmdSource:
            visitButton(f, form.cmdSource[i], "marker");
            return f.flag("on", isPathOn(form, control.index));
        case K::CmdRand:
            return visitButton(f, form.cmdRand, "button");
        case K::CmdGo:
            return visitButton(f, form.cmdGo[i], "button");
        case K::HscFade:
            return visitBar(f, form.hscFade);
        case K::VscSpectrumRange:
            return visitBar(f, form.vscSpectrumRange);
        case K::ChkLinear:
            return visitToggle(f, form.chkLinear);
        case K::ChkMemory:
            return visitToggle(f, form.chkMemory);
        case K::CmbSymbol:
            return visitList(f, form.cmbSymbol);
        case K::ImgZelm:
            return visitImage(f, form.imgZelm);
        case K::PicIndividual:
        case K::PicCombo:
        case K::PicSumGraph:
        case K::PicSpectrum:
            return visitPicture(f, form.picture(control.kind), pictureNumber(control.kind));
    }
}

// A line of the window's own drawing: its ends in twips, its width in pixels.
template <typename Fields>
void visitLine(Fields& f, const LineShape& line) {
    f.number("x1", line.x1);
    f.number("y1", line.y1);
    f.number("x2", line.x2);
    f.number("y2", line.y2);
    f.integer("widthPx", line.widthPx);
    f.flag("visible", line.visible);
}

// A path's frame, drawn on the window's surface. Where it lies reaches a
// view as the drawing's pixels, not as fields.
template <typename Fields>
void visitFrame(Fields& f, const FilledShape& frame) {
    f.text("kind", "frame");
    f.text("fillColour", toHex(frame.fillColour));
    f.flag("visible", frame.visible);
}

}  // namespace tarvel
