#pragma once
// The main window. It owns the core's form record, shows one widget per
// control at the layout's place, forwards every user action to the core's
// user actions and then mirrors the records back (syncFromCore). It computes
// nothing that the core computes.

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "app/control_table.h"
#include "app/form.h"
#include "app/form_changes.h"
#include "app/qt/mirrored_strings.h"
#include "app/qt/qt_message_box.h"
#include "app/qt/window_drawing.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tarvel::view {

class DragOutline;
class ImageSurface;
class MarkerButton;

class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    Form& form() { return *form_; }
    const Form& form() const { return *form_; }

    // The widget that stands for a control of the layout (nullptr for none).
    QWidget* widgetFor(ControlRef control) const;
    MarkerButton* marker(int index) const;
    ImageSurface* surface(ControlKind picture) const;
    const QTimer& timer() const { return timer_; }

    // One firing of the animation timer.
    void tick();

    // Brings every widget into step with the core's records and repaints
    // what changed. Runs after every event and every tick.
    void syncFromCore();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildLabels();
    void buildButtons();
    void buildBars();
    void buildSurfaces();
    void buildMarkers();
    // Records the widget that stands for `control`.
    template <typename Widget>
    Widget* remember(ControlRef control, Widget* widget);
    void stackAsTheTable();
    void connectControls();
    // Runs the control's action for the event, then mirrors the records.
    void forward(ControlRef control, ControlEvent event, int value = 0);
    void applyTabOrder();
    // Names for assistive tools, set once; then the texts that follow the records.
    void nameControls();
    // The accessible texts of these controls (those the watch saw change).
    void syncAccessibleTexts(const std::vector<ControlRef>& controls);
    // The window's own description: the impulse diagram in words.
    void syncWindowDescription();
    void connectMarker(MarkerButton* button);

    void syncMarkers();
    void syncControls();
    void syncTimer();
    void syncWindowDrawing();

    std::unique_ptr<Form> form_;
    QtMessageBox messageBox_{this};

    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    std::array<QLabel*, kLabelCount> lblAt_{};
    std::array<MarkerButton*, kPathCount> markers_{};
    QPushButton* cmdRand_ = nullptr;
    std::array<QPushButton*, kGoCount> cmdGo_{};
    QScrollBar* hscFade_ = nullptr;
    QScrollBar* vscSpectrumRange_ = nullptr;
    QComboBox* cmbSymbol_ = nullptr;
    QLabel* imgZelm_ = nullptr;
    QPushButton* chkLinear_ = nullptr;
    QPushButton* chkMemory_ = nullptr;
    // The picture boxes, as kPictureKinds orders them.
    std::array<ImageSurface*, kPictureKinds.size()> surfaces_{};
    DragOutline* dragOutline_ = nullptr;
    // Every control's widget, in the control table's order.
    std::vector<QWidget*> widgets_;

    QTimer timer_;
    WindowDrawing painted_;
    MirroredStrings mirrored_;
    FormWatch watch_;  // what changed since the last sync
    std::array<int, kPathCount> mirroredStack_{};
    bool shownOnce_ = false;
    bool iconRequested_ = false;
};

}  // namespace tarvel::view
