#include "ui/contest_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/services.h"
#include "ui/widgets.h"

namespace cubetimer {

ContestWindow::ContestWindow(Services& services, const std::string& sheet, QWidget* parent)
    : QDialog(parent), services_(services), sheet_(sheet) {
    setObjectName(QStringLiteral("frmscrambles"));
    setWindowTitle(QStringLiteral("Scrambles for contest"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(613, 300);

    RichTextBox1 = TextBox(this, QRect(8, 8, 597, 250), 10);
    ShowText(RichTextBox1, sheet_);
    Command1 = Button(QStringLiteral("Command1"), QStringLiteral("Copy to clipboard"), this, QRect(8, 266, 141, 26));
    Label1 = Label(QStringLiteral("Label1"), QStringLiteral("Copied to clipboard"), this, QRect(156, 266, 193, 26));
    Label1->hide();
    cmdclose = Button(QStringLiteral("cmdclose"), QStringLiteral("Close"), this, QRect(488, 266, 117, 26));

    connect(Command1, &QPushButton::clicked, this, &ContestWindow::Command1_Click);
    connect(cmdclose, &QPushButton::clicked, this, &QDialog::accept);
}

void ContestWindow::Command1_Click() {
    services_.setClipboardText(sheet_);
    Label1->show();
}

}  // namespace cubetimer
