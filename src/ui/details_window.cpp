#include "ui/details_window.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/services.h"
#include "session/report.h"

namespace cubetimer {

DetailsWindow::DetailsWindow(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("frmdetails"));
    setWindowTitle(QStringLiteral("Session details"));
    setModal(true);
    setFixedSize(660, 420);

    RichTextBox1 = new QPlainTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(9);
    RichTextBox1->setFont(fixed);
    RichTextBox1->setGeometry(8, 8, 644, 362);
    setReport(std::string(kReportHeader) + "\r\n");

    cmdcopy = new QPushButton(QStringLiteral("Copy to clipboard"), this);
    cmdcopy->setObjectName(QStringLiteral("cmdcopy"));
    cmdcopy->setGeometry(8, 380, 140, 30);
    Label1 = new QLabel(QStringLiteral("Copied to clipboard"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(156, 380, 150, 30);
    Label1->hide();
    cmdsave = new QPushButton(QStringLiteral("Save to file"), this);
    cmdsave->setObjectName(QStringLiteral("cmdsave"));
    cmdsave->setGeometry(392, 380, 120, 30);
    Command1 = new QPushButton(QStringLiteral("Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(532, 380, 120, 30);
    Command1->setDefault(true);

    connect(cmdcopy, &QPushButton::clicked, this, &DetailsWindow::cmdcopy_Click);
    connect(cmdsave, &QPushButton::clicked, this, &DetailsWindow::cmdsave_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void DetailsWindow::setReport(const std::string& text) {
    // The box is read-only and shows lines; copy and save take the report with its CR LF line ends.
    report_ = text;
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    RichTextBox1->setPlainText(shown);
}

void DetailsWindow::cmdcopy_Click() {
    services_.setClipboardText(report_);
    Label1->show();
}

void DetailsWindow::cmdsave_Click() {
    const std::string name = services_.saveFileName("Save results on file", "Text files (*.txt)");
    if (name.empty()) return;
    if (!services_.writeTextFile(name + ".txt", report_))
        services_.message("The file could not be saved!", "ERROR", Services::Icon::Critical, Services::Buttons::Ok);
}

}  // namespace cubetimer
