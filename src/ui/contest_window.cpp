#include "ui/contest_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/services.h"
#include "ui/form.h"
#include "ui/widgets.h"

namespace cubetimer {

ContestWindow::ContestWindow(Services& services, const std::string& sheet, QWidget* parent)
    : QDialog(parent), services_(services), sheet_(sheet) {
    setObjectName(QStringLiteral("frmscrambles"));
    setWindowTitle(tr("Scrambles for contest"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    const Form form(QSize(9195, 4110));
    form.fitFont(this);
    setFixedSize(form.size(9195, 4110));

    RichTextBox1 = TextBox(this, form.rect(120, 120, 8955, 3375), form);
    ShowText(RichTextBox1, sheet_);
    Command1 = Button(QStringLiteral("Command1"), tr("Copy to clipboard"), this, form.rect(120, 3600, 2115, 375));
    Label1 = Label(QStringLiteral("Label1"), tr("Copied to clipboard"), this, form.rect(2340, 3720, 4860, 195));
    // 13 px high at the default font, as the form gives it: a smaller font keeps the text whole.
    Label1->setFont(form.sized(Label1->font(), 8.25));
    Label1->hide();
    cmdclose = Button(QStringLiteral("cmdclose"), tr("Close"), this, form.rect(7320, 3600, 1755, 375));

    connect(Command1, &QPushButton::clicked, this, &ContestWindow::Command1_Click);
    connect(cmdclose, &QPushButton::clicked, this, &QDialog::accept);
}

void ContestWindow::Command1_Click() {
    services_.setClipboardText(sheet_);
    Label1->show();
}

}  // namespace cubetimer
