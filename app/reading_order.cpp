#include "app/reading_order.h"

namespace tarvel {
namespace {

ReadingItem control(ControlKind kind, int index = 0) {
    return {ReadingItem::Kind::Control, {kind, index}};
}

// A statistics row: its title, then its figure (which the views read with
// its unit).
void addRow(std::vector<ReadingItem>& items, const StatisticsRow& row) {
    items.push_back(control(ControlKind::LblAt, row.title));
    items.push_back(control(ControlKind::LblAt, row.value));
}

std::vector<ReadingArea> makeAreas() {
    using K = ControlKind;
    std::vector<ReadingArea> areas;
    areas.push_back({"impulseArea",
                     "Impulse response",
                     -1,
                     {{ReadingItem::Kind::ImpulseDiagram, {}},
                      {ReadingItem::Kind::Markers, {}},
                      control(K::CmdRand)}});
    ReadingArea statistics{"statisticsArea", "Delay statistics", -1, {}};
    for (const StatisticsRow& row : kStatisticsRows) addRow(statistics.items, row);
    areas.push_back(statistics);
    areas.push_back({"eyeArea",
                     "Eye diagrams",
                     -1,
                     {control(K::PicIndividual), control(K::PicCombo), control(K::PicSumGraph),
                      control(K::CmbSymbol)}});
    areas.push_back({"spectrumArea",
                     "",
                     kFrequencyResponseTitle,
                     {control(K::PicSpectrum), control(K::ChkLinear), control(K::ChkMemory),
                      control(K::VscSpectrumRange)}});
    areas.push_back({"animationArea",
                     "Animation",
                     -1,
                     {control(K::HscFade), control(K::CmdGo, kGoStart), control(K::CmdGo, kGoReset),
                      control(K::ImgZelm)}});
    return areas;
}

}  // namespace

const std::vector<ReadingArea>& readingAreas() {
    static const std::vector<ReadingArea> areas = makeAreas();
    return areas;
}

namespace {

std::vector<ControlRef> flattenAreas() {
    std::vector<ControlRef> order;
    for (const ReadingArea& area : readingAreas()) {
        for (const ReadingItem& item : area.items) {
            if (item.kind == ReadingItem::Kind::Control) {
                order.push_back(item.control);
            } else if (item.kind == ReadingItem::Kind::Markers) {
                for (int i = 0; i < kPathCount; ++i) order.push_back({ControlKind::CmdSource, i});
            }
        }
    }
    return order;
}

}  // namespace

const std::vector<ControlRef>& readingOrder() {
    static const std::vector<ControlRef> order = flattenAreas();
    return order;
}

}  // namespace tarvel
