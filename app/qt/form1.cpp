#include "app/qt/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "animation/timer_tick.h"
#include "app/form_load.h"
#include "app/qt/application_identity.h"
#include "app/qt/control_font.h"
#include "app/qt/drag_outline.h"
#include "app/qt/image_surface.h"
#include "app/qt/marker_button.h"
#include "app/qt/qt_colour.h"
#include "app/qt/scroll_bar_with_focus_ring.h"
#include "app/qt/twips.h"
#include "app/user_actions.h"

// The logo lives in the view library's resources; a static library must
// register them itself, from outside any namespace.
static void registerViewResources() {
    Q_INIT_RESOURCE(view_resources);
}

namespace tarvel::view {
namespace {

Qt::Alignment alignmentOf(Align align) {
    switch (align) {
        case Align::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case Align::Centre:
            return Qt::AlignHCenter | Qt::AlignTop;
        default:
            return Qt::AlignLeft | Qt::AlignTop;
    }
}

QLabel* makeLabel(const Label& record, QWidget* parent) {
    auto* label = new QLabel(QString::fromStdString(record.caption), parent);
    label->setGeometry(widgetRectOf(record));
    label->setFont(controlFont(record.fontPt));
    label->setAlignment(alignmentOf(record.align));
    label->setWordWrap(wraps(record));
    // Captions are plain words and a label never moves. With a fixed size a
    // new caption (the statistics get one on every tick) posts the window no
    // layout request, and as plain text it is not scanned for markup.
    label->setTextFormat(Qt::PlainText);
    label->setFixedSize(label->size());
    return label;
}

QPushButton* makeButton(const Box& place, const std::string& caption, float fontPt,
                        QWidget* parent) {
    auto* button = new QPushButton(QString::fromStdString(caption), parent);
    button->setGeometry(widgetRectOf(place));
    button->setFont(controlFont(fontPt));
    button->setAutoDefault(false);
    return button;
}

QScrollBar* makeBar(const ScrollBar& record, QWidget* parent) {
    auto* bar = new ScrollBarWithFocusRing(record.vertical ? Qt::Vertical : Qt::Horizontal, parent);
    bar->setGeometry(widgetRectOf(record));
    bar->setRange(record.min, record.max);
    bar->setSingleStep(record.smallChange);
    bar->setPageStep(record.largeChange);
    bar->setValue(record.value);
    bar->setTracking(record.tracking);
    bar->setFocusPolicy(Qt::StrongFocus);
    // Qt's scroll bars invert their keys; on a horizontal bar that would
    // make the right arrow lower the value.
    if (!record.vertical) bar->setInvertedControls(false);
    return bar;
}

// A check box in toggle-button style.
QPushButton* makeToggle(const CheckBox& record, QWidget* parent) {
    QPushButton* toggle = makeButton(record, record.caption, record.fontPt, parent);
    toggle->setCheckable(true);
    toggle->setChecked(record.value == 1);
    return toggle;
}

ImageSurface* makeSurface(PictureBox& record, QWidget* parent) {
    const QSize inner(pixels::wholeDips(record.innerWidth()),
                      pixels::wholeDips(record.innerHeight()));
    auto* surface = new ImageSurface(inner, parent);
    surface->move(widgetRectOf(record).topLeft());
    surface->setBackground(record.backColour);
    surface->clear();
    record.attach(surface);
    return surface;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    registerViewResources();

    // Switched-off markers must equal the window's face, so the core's form
    // is built with the platform's own control-face colour.
    const QColor face = QApplication::palette().color(QPalette::Button);
    form_ = std::make_unique<Form>(fromQColor(face));

    setWindowTitle(QString::fromStdString(form_->caption));
    setFixedSize(qRound(toDip(form_->clientWidth)), qRound(toDip(form_->clientHeight)));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, toQColor(form_->backColour));
    setPalette(windowPalette);
    setAutoFillBackground(true);

    widgets_.assign(controlTable().size(), nullptr);
    buildLabels();
    buildButtons();
    buildBars();
    buildSurfaces();
    dragOutline_ = new DragOutline(this);  // raised above all when it shows
    dragOutline_->resize(widgetRectOf(form_->cmdSource[0]).size());
    buildMarkers();
    stackAsTheTable();
    connectControls();

    form_->messageBox = &messageBox_;
    Form_Load(*form_);

    connect(&timer_, &QTimer::timeout, this, &Form1::tick);
    nameControls();
    syncFromCore();
    applyTabOrder();
    cmdGo_[kGoStart]->setFocus();
}

Form1::~Form1() {
    // Closing mid-drag hides the markers once the records are gone; their
    // end of the drag must not reach them.
    for (MarkerButton* marker : markers_) marker->disconnect(this);
    // The surfaces go with the widgets; the records must not point at them.
    for (ControlKind kind : kPictureKinds) form_->picture(kind).attach(nullptr);
    form_->messageBox = nullptr;
}

template <typename Widget>
Widget* Form1::remember(ControlRef control, Widget* widget) {
    widgets_.at(static_cast<std::size_t>(stackingRank(control))) = widget;
    return widget;
}

void Form1::buildLabels() {
    label2_ = remember({ControlKind::Label2}, makeLabel(form_->label2, this));
    label1_ = remember({ControlKind::Label1}, makeLabel(form_->label1, this));
    for (int i = 0; i < kLabelCount; ++i) {
        lblAt_[static_cast<std::size_t>(i)] = remember(
            {ControlKind::LblAt, i}, makeLabel(form_->lblAt[static_cast<std::size_t>(i)], this));
    }
    // The statistics change on every tick. Filled with the window's own
    // background (nothing is drawn beneath them), their labels repaint
    // without the window repainting under them first. Numbers and "Inf"
    // need no text shaping: the same pixels, a little sooner.
    for (const StatisticsRow& row : kStatisticsRows) {
        QLabel* value = lblAt_[static_cast<std::size_t>(row.value)];
        value->setAutoFillBackground(true);
        QFont font = value->font();
        font.setStyleStrategy(QFont::PreferNoShaping);
        value->setFont(font);
    }
    imgZelm_ = remember({ControlKind::ImgZelm}, new QLabel(this));
    imgZelm_->setGeometry(widgetRectOf(form_->imgZelm));
    imgZelm_->setPixmap(QPixmap(QStringLiteral(":/tarvel/logo.png")));
    imgZelm_->setScaledContents(true);
}

void Form1::buildButtons() {
    cmdRand_ = remember({ControlKind::CmdRand}, makeButton(form_->cmdRand, form_->cmdRand.caption,
                                                           form_->cmdRand.fontPt, this));
    for (int g = 0; g < kGoCount; ++g) {
        const CommandButton& record = form_->cmdGo[static_cast<std::size_t>(g)];
        cmdGo_[static_cast<std::size_t>(g)] = remember(
            {ControlKind::CmdGo, g}, makeButton(record, record.caption, record.fontPt, this));
    }
    chkLinear_ = remember({ControlKind::ChkLinear}, makeToggle(form_->chkLinear, this));
    chkMemory_ = remember({ControlKind::ChkMemory}, makeToggle(form_->chkMemory, this));

    cmbSymbol_ = remember({ControlKind::CmbSymbol}, new QComboBox(this));
    cmbSymbol_->setGeometry(widgetRectOf(form_->cmbSymbol));
    cmbSymbol_->setFont(controlFont(form_->cmbSymbol.fontPt));
    cmbSymbol_->setEditable(false);
}

void Form1::buildBars() {
    hscFade_ = remember({ControlKind::HscFade}, makeBar(form_->hscFade, this));
    vscSpectrumRange_ =
        remember({ControlKind::VscSpectrumRange}, makeBar(form_->vscSpectrumRange, this));
}

void Form1::buildSurfaces() {
    for (ControlKind kind : kPictureKinds) {
        surfaces_[static_cast<std::size_t>(pictureNumber(kind))] =
            remember({kind}, makeSurface(form_->picture(kind), this));
    }
}

void Form1::buildMarkers() {
    for (int i = 0; i < kPathCount; ++i) {
        auto* button = remember({ControlKind::CmdSource, i}, new MarkerButton(i, this));
        button->setGeometry(widgetRectOf(form_->cmdSource[static_cast<std::size_t>(i)]));
        markers_[static_cast<std::size_t>(i)] = button;
    }
    // Stacking is mirrored from the record; force the first mirror.
    mirroredStack_.fill(-1);
}

// The widgets stack as the control table has them, bottom first; the drag's
// outline lies just beneath the markers until a drag raises it. The markers
// then follow form.markerStack (syncMarkers).
void Form1::stackAsTheTable() {
    for (QWidget* widget : widgets_) widget->raise();
    dragOutline_->stackUnder(markers_[0]);
}

void Form1::forward(ControlRef control, ControlEvent event, int value) {
    runControlEvent(*form_, control, event, value);
    syncFromCore();
}

// Each widget's signal runs the action that the control table gives its
// control for that event; the kind of widget says which signal is which event.
void Form1::connectControls() {
    for (const ControlEntry& entry : controlTable()) {
        const ControlRef control = entry.control;
        QWidget* widget = widgetFor(control);
        if (auto* marker = qobject_cast<MarkerButton*>(widget)) {
            connectMarker(marker);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            connect(button, &QPushButton::clicked, this,
                    [this, control] { forward(control, ControlEvent::Click); });
        } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
            connect(bar, &QScrollBar::valueChanged, this,
                    [this, control](int value) { forward(control, ControlEvent::Change, value); });
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            connect(list, &QComboBox::activated, this,
                    [this, control](int index) { forward(control, ControlEvent::Change, index); });
        } else if (auto* picture = qobject_cast<ImageSurface*>(widget)) {
            connect(picture, &ImageSurface::clicked, this,
                    [this, control] { forward(control, ControlEvent::Click); });
        }
    }
}

void Form1::connectMarker(MarkerButton* button) {
    const auto marker = [](int index) { return ControlRef{ControlKind::CmdSource, index}; };
    connect(button, &QPushButton::clicked, this,
            [this, button, marker] { forward(marker(button->index()), ControlEvent::Click); });
    connect(button, &MarkerButton::characterTyped, this, [this, marker](int index, int code) {
        forward(marker(index), ControlEvent::Key, code);
    });
    connect(button, &MarkerButton::mousePressedOn, this,
            [this, button, marker](int index, int code, QPointF parentPos) {
                runControlEvent(*form_, marker(index), ControlEvent::Press, code);
                if (form_->dragSource == index && !button->isDragging()) {
                    button->beginDrag();
                    dragOutline_->centreOn(parentPos);
                    dragOutline_->show();
                    dragOutline_->raise();
                }
                syncFromCore();
            });
    connect(button, &MarkerButton::dragMovedTo, dragOutline_, &DragOutline::centreOn);
    connect(button, &MarkerButton::dragReleasedAt, this, [this](QPointF parentPos) {
        dragOutline_->hide();
        releaseDrag(*form_, toTwips(parentPos.x()), toTwips(parentPos.y()));
        syncFromCore();
    });
    connect(button, &MarkerButton::dragLost, this, [this] {
        // The marker vanished under the pointer: the drag ends with no drop.
        dragOutline_->hide();
        cancelDrag(*form_);
    });
}

void Form1::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const ControlRef& control : form_->tabOrder) {
        QWidget* next = widgetFor(control);
        if (next == nullptr) continue;
        if (previous != nullptr) setTabOrder(previous, next);
        previous = next;
    }
}

QWidget* Form1::widgetFor(ControlRef control) const {
    const int rank = stackingRank(control);
    return rank < 0 ? nullptr : widgets_[static_cast<std::size_t>(rank)];
}

MarkerButton* Form1::marker(int index) const {
    return index >= 0 && index < kPathCount ? markers_[static_cast<std::size_t>(index)] : nullptr;
}

ImageSurface* Form1::surface(ControlKind picture) const {
    const int number = pictureNumber(picture);
    return number < 0 ? nullptr : surfaces_[static_cast<std::size_t>(number)];
}

void Form1::tick() {
    Timer1_Timer(*form_);
    syncFromCore();
}

void Form1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintWindowDrawing(painter, painted_, event->region());
    // Reading the icon's seven sizes and handing them to the window system
    // takes half as long as building the window: it waits until the first
    // frame is on the screen.
    if (!iconRequested_) {
        iconRequested_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(applicationIcon()); });
    }
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        cmdGo_[kGoStart]->setFocus();
    }
}

}  // namespace tarvel::view
