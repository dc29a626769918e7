#include "ui/contest_window.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/services.h"

namespace cubetimer {

ContestWindow::ContestWindow(Services& services, const std::string& sheet, QWidget* parent)
    : QDialog(parent), services_(services), sheet_(sheet) {
    setObjectName(QStringLiteral("frmscrambles"));
    setWindowTitle(QStringLiteral("Scrambles for contest"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(613, 274);

    RichTextBox1 = new QPlainTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichTextBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    RichTextBox1->setGeometry(8, 8, 597, 225);
    QString shown = QString::fromStdString(sheet_);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    RichTextBox1->setPlainText(shown);

    Command1 = new QPushButton(QStringLiteral("Copy to clipboard"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(8, 240, 141, 26);
    Label1 = new QLabel(QStringLiteral("Copied to clipboard"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(156, 240, 193, 26);
    Label1->hide();
    cmdclose = new QPushButton(QStringLiteral("Close"), this);
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    cmdclose->setGeometry(488, 240, 117, 26);

    connect(Command1, &QPushButton::clicked, this, &ContestWindow::Command1_Click);
    connect(cmdclose, &QPushButton::clicked, this, &QDialog::accept);
}

void ContestWindow::Command1_Click() {
    services_.setClipboardText(sheet_);
    Label1->show();
}

}  // namespace cubetimer
