#include "app/qt/control_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace tarvel::view {
namespace {

// DejaVu Sans where it is installed, so every machine draws the same text;
// otherwise whatever the platform offers as sans-serif.
QString preferredFamily() {
    static const QString family = [] {
        const QString dejaVu = QStringLiteral("DejaVu Sans");
        return QFontDatabase::families().contains(dejaVu) ? dejaVu : QString();
    }();
    return family;
}

}  // namespace

QFont controlFont(float pointSize) {
    QFont font;
    const QString family = preferredFamily();
    if (!family.isEmpty()) font.setFamily(family);
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    // DejaVu runs about a fifth wider than the classic face the layout was
    // made for; a semi-condensed cut keeps the captions inside their boxes.
    font.setStretch(QFont::SemiCondensed);
    font.setPointSizeF(static_cast<double>(pointSize));
    return font;
}

}  // namespace tarvel::view
