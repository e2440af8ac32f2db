#include "app/web/records_json.h"

#include "app/accessible_text.h"
#include "app/web/json_text.h"

namespace tarvel::web {
namespace {

using K = ControlKind;

const char* alignName(Align align) {
    switch (align) {
        case Align::Right:
            return "right";
        case Align::Centre:
            return "center";
        default:
            return "left";
    }
}

void writeBox(JsonText& json, const Box& box) {
    json.key("left").value(static_cast<double>(box.left));
    json.key("top").value(static_cast<double>(box.top));
    json.key("width").value(static_cast<double>(box.width));
    json.key("height").value(static_cast<double>(box.height));
}

void writeLine(JsonText& json, const std::string& id, const LineShape& line) {
    json.beginObject().key("id").value(id);
    json.key("x1")
        .value(static_cast<double>(line.x1))
        .key("y1")
        .value(static_cast<double>(line.y1));
    json.key("x2")
        .value(static_cast<double>(line.x2))
        .key("y2")
        .value(static_cast<double>(line.y2));
    json.key("widthPx").value(line.widthPx).key("visible").value(line.visible);
    json.endObject();
}

// The fields every control has, then those of its kind.
void writeControl(JsonText& json, const Form& form, ControlRef control) {
    const auto i = static_cast<std::size_t>(control.index);
    const AccessibleText text = accessibleTextOf(form, control);
    json.beginObject().key("id").value(controlId(control));
    json.key("name").value(text.name).key("description").value(text.description);
    const auto label = [&](const Label& l) {
        json.key("kind").value("label");
        writeBox(json, l);
        json.key("caption").value(l.caption).key("align").value(alignName(l.align));
        json.key("fontPt").value(static_cast<double>(l.fontPt)).key("visible").value(l.visible);
    };
    const auto button = [&](const CommandButton& b, const char* kind) {
        json.key("kind").value(kind);
        writeBox(json, b);
        json.key("caption").value(b.caption).key("fontPt").value(static_cast<double>(b.fontPt));
        json.key("backColour").value(toHex(b.backColour)).key("tag").value(b.tag);
        json.key("visible").value(b.visible).key("enabled").value(b.enabled);
    };
    const auto bar = [&](const ScrollBar& s) {
        json.key("kind").value(s.vertical ? "vbar" : "hbar");
        writeBox(json, s);
        json.key("min").value(s.min).key("max").value(s.max).key("value").value(s.value);
        json.key("smallChange").value(s.smallChange).key("largeChange").value(s.largeChange);
        json.key("visible").value(s.visible).key("enabled").value(s.enabled);
    };
    const auto toggle = [&](const CheckBox& c) {
        json.key("kind").value("toggle");
        writeBox(json, c);
        json.key("caption").value(c.caption).key("fontPt").value(static_cast<double>(c.fontPt));
        json.key("value").value(c.value);
        json.key("captionColour").value(c.captionColour ? toHex(*c.captionColour) : "");
        json.key("visible").value(c.visible).key("enabled").value(c.enabled);
    };
    const auto picture = [&](const PictureBox& p) {
        json.key("kind").value("picture");
        writeBox(json, p);
        json.key("innerWidth").value(static_cast<double>(p.innerWidth()));
        json.key("innerHeight").value(static_cast<double>(p.innerHeight()));
        json.key("visible").value(p.visible);
    };
    switch (control.kind) {
        case K::Label1:
            label(form.label1);
            break;
        case K::Label2:
            label(form.label2);
            break;
        case K::LblAt:
            label(form.lblAt[i]);
            break;
        case K::CmdSource:
            button(form.cmdSource[i], "marker");
            break;
        case K::CmdRand:
            button(form.cmdRand, "button");
            break;
        case K::CmdGo:
            button(form.cmdGo[i], "button");
            break;
        case K::HscFade:
            bar(form.hscFade);
            break;
        case K::VscSpectrumRange:
            bar(form.vscSpectrumRange);
            break;
        case K::ChkLinear:
            toggle(form.chkLinear);
            break;
        case K::ChkMemory:
            toggle(form.chkMemory);
            break;
        case K::CmbSymbol: {
            const ComboBox& list = form.cmbSymbol;
            json.key("kind").value("list");
            writeBox(json, list);
            json.key("items").beginArray();
            for (const std::string& item : list.items) json.value(item);
            json.endArray();
            json.key("text").value(list.text).key("listIndex").value(list.listIndex);
            json.key("fontPt").value(static_cast<double>(list.fontPt));
            json.key("visible").value(list.visible).key("enabled").value(list.enabled);
            break;
        }
        case K::ImgZelm:
            json.key("kind").value("image");
            writeBox(json, form.imgZelm);
            json.key("visible").value(form.imgZelm.visible);
            break;
        default:
            picture(form.picture(control.kind));
            break;
    }
    json.endObject();
}

void writeFrame(JsonText& json, const Form& form, int i) {
    const FilledShape& frame = form.cmdShape[static_cast<std::size_t>(i)];
    json.beginObject().key("id").value("cmdShape-" + std::to_string(i));
    json.key("kind").value("frame");
    writeBox(json, frame);
    json.key("fillColour").value(toHex(frame.fillColour)).key("visible").value(frame.visible);
    json.endObject();
}

}  // namespace

std::string controlId(ControlRef control) {
    const std::string n = std::to_string(control.index);
    switch (control.kind) {
        case K::Label1:
            return "Label1";
        case K::Label2:
            return "Label2";
        case K::LblAt:
            return "lblAt-" + n;
        case K::CmdSource:
            return "cmdSource-" + n;
        case K::CmdRand:
            return "cmdRand";
        case K::CmdGo:
            return "cmdGo-" + n;
        case K::HscFade:
            return "hscFade";
        case K::VscSpectrumRange:
            return "vscSpectrumRange";
        case K::CmbSymbol:
            return "cmbSymbol";
        case K::ImgZelm:
            return "imgZelm";
        case K::PicIndividual:
            return "picIndividual";
        case K::PicCombo:
            return "picCombo";
        case K::PicSumGraph:
            return "picSumGraph";
        case K::PicSpectrum:
            return "picSpectrum";
        case K::ChkLinear:
            return "chkLinear";
        case K::ChkMemory:
            return "chkMemory";
    }
    return {};
}

std::string recordsJson(const Form& form) {
    JsonText json;
    json.beginObject();
    json.key("caption").value(form.caption);
    json.key("clientWidth").value(static_cast<double>(form.clientWidth));
    json.key("clientHeight").value(static_cast<double>(form.clientHeight));
    json.key("backColour").value(toHex(form.backColour));
    json.key("timer").beginObject();
    json.key("enabled").value(form.timer1.enabled).key("intervalMs").value(form.timer1.intervalMs);
    json.endObject();
    json.key("dragSource").value(form.dragSource.value_or(-1));
    json.key("dropPlaceName").value(kDropPlaceName);

    json.key("tabOrder").beginArray();
    for (const ControlRef& control : form.tabOrder) json.value(controlId(control));
    json.endArray();
    json.key("markerStack").beginArray();
    for (const int index : form.markerStack) json.value(index);
    json.endArray();

    json.key("lines").beginArray();
    const std::array<const LineShape*, 6> axes{&form.line1, &form.line2, &form.line3,
                                               &form.line4, &form.line5, &form.line6};
    for (std::size_t a = 0; a < axes.size(); ++a)
        writeLine(json, "Line" + std::to_string(a + 1), *axes[a]);
    for (int i = 0; i < kPathCount; ++i)
        writeLine(json, "lneImpulse-" + std::to_string(i),
                  form.lneImpulse[static_cast<std::size_t>(i)]);
    json.endArray();

    json.key("controls").beginArray();
    for (const ControlRef& control : allControls()) writeControl(json, form, control);
    for (int i = 0; i < kPathCount; ++i) writeFrame(json, form, i);
    json.endArray();
    json.endObject();
    return json.text();
}

}  // namespace tarvel::web
