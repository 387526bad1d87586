#include "base/dialog_buttons_widget.h"

QDialogButtonBox* DialogButtons(QWidget* parent, Qt::Orientation orientation) {
    auto* box = new QDialogButtonBox(parent);
    box->setStyleSheet(QStringLiteral("QDialogButtonBox { button-layout: %1 }")
                           .arg(int(QDialogButtonBox::WinLayout)));
    // The box reads the layout from its style when it lays itself out anew, which a change of
    // orientation does.
    box->setOrientation(orientation);
    return box;
}
