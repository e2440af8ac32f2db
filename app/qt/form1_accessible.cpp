// Names and descriptions that assistive tools read for every control. The
// names are set once; the texts that follow the core's records (markers,
// value fields, button captions) are mirrored by syncAccessibleTexts.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "app/qt/accessible_text.h"
#include "app/qt/drag_outline.h"
#include "app/qt/form1.h"
#include "app/qt/image_surface.h"
#include "app/qt/marker_button.h"
#include "paths/path_state.h"

namespace tarvel::view {
namespace {

// Setting a text raises an accessibility event; only a change should.
void mirrorName(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

void mirrorDescription(QWidget* widget, const QString& description) {
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void Form1::nameControls() {
    const QString clearsOnClick = QStringLiteral("A click clears the diagram");
    picIndividual_->setAccessibleName(QStringLiteral("Single-path eye diagram"));
    picIndividual_->setAccessibleDescription(clearsOnClick);
    picCombo_->setAccessibleName(QStringLiteral("Eye diagrams of each path"));
    picCombo_->setAccessibleDescription(clearsOnClick);
    picSumGraph_->setAccessibleName(QStringLiteral("Eye diagram of the received sum"));
    picSumGraph_->setAccessibleDescription(clearsOnClick);
    picSpectrum_->setAccessibleName(QStringLiteral("Frequency response"));
    picSpectrum_->setAccessibleDescription(QStringLiteral("Power response of the channel"));

    hscFade_->setAccessibleName(QStringLiteral("Fading speed"));
    hscFade_->setAccessibleDescription(QStringLiteral("0 is no fading, 5 the fastest"));
    vscSpectrumRange_->setAccessibleName(QStringLiteral("Plot range"));
    vscSpectrumRange_->setAccessibleDescription(
        QStringLiteral("Range of the frequency response's vertical axis"));
    // Linux readers take a combo box's name from its item and its title
    // from the label that labels it.
    cmbSymbol_->setAccessibleName(text(form_->lblAt[kSymbolTimeTitle].caption));
    lblAt_[kSymbolTimeTitle]->setBuddy(cmbSymbol_);
    cmbSymbol_->setAccessibleDescription(QStringLiteral("in \u00b5s"));
    imgZelm_->setAccessibleName(text(form_->caption) + QStringLiteral(" logo"));

    for (std::size_t i = 0; i < markers_.size(); ++i) {
        markers_[i]->setAccessibleName(text(markerAccessibleName(static_cast<int>(i))));
    }
    dragOutline_->setAccessibleName(QStringLiteral("Drop place"));
    syncAccessibleTexts();
}

void Form1::syncAccessibleTexts() {
    for (std::size_t i = 0; i < markers_.size(); ++i) {
        const CommandButton& record = form_->cmdSource[i];
        mirrorDescription(markers_[i],
                          text(markerAccessibleDescription(isPathOn(*form_, static_cast<int>(i)),
                                                           record.left, record.top)));
    }

    mirrorName(label1_, text(form_->label1.caption));
    mirrorName(label2_, text(form_->label2.caption));
    for (std::size_t i = 0; i < lblAt_.size(); ++i) {
        const StatisticsRow* row = statisticsRowOf(static_cast<int>(i));
        if (row == nullptr) {
            mirrorName(lblAt_[i], text(form_->lblAt[i].caption));
            continue;
        }
        const auto title = static_cast<std::size_t>(row->title);
        mirrorName(lblAt_[i], text(form_->lblAt[title].caption));
        mirrorDescription(lblAt_[i],
                          text(valueAccessibleDescription(form_->lblAt[i].caption, row->unit)));
    }

    mirrorName(cmdRand_, text(form_->cmdRand.caption));
    for (std::size_t g = 0; g < cmdGo_.size(); ++g)
        mirrorName(cmdGo_[g], text(form_->cmdGo[g].caption));
    mirrorName(chkLinear_, text(form_->chkLinear.caption));
    mirrorName(chkMemory_, text(form_->chkMemory.caption));
}

}  // namespace tarvel::view
