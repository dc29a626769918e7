#pragma once

#include <QRect>
#include <QString>

#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace cubetimer {

// Small builders for the fixed layouts of the windows: every control gets its
// object name, caption and place in one call.
template <typename W>
W* Make(const QString& name, QWidget* parent) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

// Any control with a caption: buttons, labels, option buttons, check boxes.
template <typename W>
W* Captioned(const QString& name, const QString& caption, QWidget* parent, QRect geometry) {
    auto* widget = Make<W>(name, parent);
    widget->setText(caption);
    widget->setGeometry(geometry);
    return widget;
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent, QRect geometry);
QLabel* Label(const QString& name, const QString& caption, QWidget* parent, QRect geometry);

// A read-only box of fixed-pitch text that shows CR LF text as lines.
QPlainTextEdit* TextBox(QWidget* parent, QRect geometry, int pointSize);
void ShowText(QPlainTextEdit* box, const std::string& crlfText);

}  // namespace cubetimer
