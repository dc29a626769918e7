#include "ui/details_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/services.h"
#include "session/report.h"
#include "ui/form.h"
#include "ui/widgets.h"

namespace cubetimer {

DetailsWindow::DetailsWindow(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("frmdetails"));
    setWindowTitle(tr("Session details"));
    setModal(true);
    const Form form(QSize(11100, 6300));
    form.fitFont(this);
    setFixedSize(form.size(11100, 6300));

    RichTextBox1 = TextBox(this, form.rect(120, 120, 10860, 5430), form);
    setReport(std::string(kReportHeader) + "\r\n");
    cmdcopy = Button(QStringLiteral("cmdcopy"), tr("Copy to clipboard"), this, form.rect(120, 5700, 2100, 450));
    Label1 = Label(QStringLiteral("Label1"), tr("Copied to clipboard"), this, form.rect(2340, 5700, 4290, 450));
    Label1->hide();
    cmdsave = Button(QStringLiteral("cmdsave"), tr("Save to file"), this, form.rect(6780, 5700, 2100, 450));
    Command1 = Button(QStringLiteral("Command1"), tr("Ok"), this, form.rect(9180, 5700, 1800, 450));
    Command1->setDefault(true);

    connect(cmdcopy, &QPushButton::clicked, this, &DetailsWindow::cmdcopy_Click);
    connect(cmdsave, &QPushButton::clicked, this, &DetailsWindow::cmdsave_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void DetailsWindow::setReport(const std::string& text) {
    // The box is read-only and shows lines; copy and save take the report with its CR LF line ends.
    report_ = text;
    ShowText(RichTextBox1, text);
}

void DetailsWindow::cmdcopy_Click() {
    services_.setClipboardText(report_);
    Label1->show();
}

void DetailsWindow::cmdsave_Click() {
    const std::string name = services_.saveFileName(tr("Save results on file").toStdString(), tr("Text files (*.txt)").toStdString());
    if (name.empty()) return;
    if (!services_.writeTextFile(name + ".txt", report_))
        services_.message(tr("The file could not be saved!").toStdString(), tr("ERROR").toStdString(), Services::Icon::Critical,
                          Services::Buttons::Ok);
}

}  // namespace cubetimer
