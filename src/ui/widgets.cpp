#include "ui/widgets.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/form.h"

namespace cubetimer {

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent, QRect geometry) {
    return Captioned<QPushButton>(name, caption, parent, geometry);
}

QLabel* Label(const QString& name, const QString& caption, QWidget* parent, QRect geometry) {
    return Captioned<QLabel>(name, caption, parent, geometry);
}

QPlainTextEdit* TextBox(QWidget* parent, QRect geometry, const Form& form) {
    auto* box = Make<QPlainTextEdit>(QStringLiteral("RichTextBox1"), parent);
    box->setReadOnly(true);
    // A caret, so the arrow keys read the text line by line.
    box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setFont(form.sized(FixedFont(), 9));
    box->setGeometry(geometry);
    return box;
}

void ShowText(QPlainTextEdit* box, const std::string& crlfText) {
    QString shown = QString::fromStdString(crlfText);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setPlainText(shown);
}

}  // namespace cubetimer
