#include "app/qt/qt_message_box.h"

#include <QMessageBox>

#include "app/form.h"

namespace tarvel::view {

void QtMessageBox::show(std::string_view text) {
    auto* box = new QMessageBox(QMessageBox::Information, QString::fromUtf8(kApplicationTitle),
                                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                                QMessageBox::Ok, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace tarvel::view
