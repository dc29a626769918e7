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
    setFixedSize(613, 274);

    RichTextBox1 = TextBox(this, QRect(8, 8, 597, 225), 9);
    ShowText(RichTextBox1, sheet_);
    Command1 = Button(QStringLiteral("Command1"), QStringLiteral("Copy to clipboard"), this, QRect(8, 240, 141, 25));
    Label1 = Label(QStringLiteral("Label1"), QStringLiteral("Copied to clipboard"), this, QRect(156, 248, 193, 13));
    // 13 px high, as the form gives it: a smaller font keeps the text whole.
    QFont small = Label1->font();
    small.setPixelSize(11);
    Label1->setFont(small);
    Label1->hide();
    cmdclose = Button(QStringLiteral("cmdclose"), QStringLiteral("Close"), this, QRect(488, 240, 117, 25));

    connect(Command1, &QPushButton::clicked, this, &ContestWindow::Command1_Click);
    connect(cmdclose, &QPushButton::clicked, this, &QDialog::accept);
}

void ContestWindow::Command1_Click() {
    services_.setClipboardText(sheet_);
    Label1->show();
}

}  // namespace cubetimer
