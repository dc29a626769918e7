#pragma once

#include <QRect>
#include <QString>

#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace cubetimer {

class Form;

// Small builders for the layouts of the windows: every control gets its
// object name, caption and place (from Form) in one call.
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

// A read-only box of fixed-pitch text that shows CR LF text as lines, in 9
// points at the default font, grown with the form.
QPlainTextEdit* TextBox(QWidget* parent, QRect geometry, const Form& form);
void ShowText(QPlainTextEdit* box, const std::string& crlfText);

}  // namespace cubetimer
