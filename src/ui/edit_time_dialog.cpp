#include "ui/edit_time_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "platform/services.h"
#include "session/time_text.h"
#include "ui/widgets.h"

namespace cubetimer {

namespace {

QComboBox* TwoDigitList(const QString& name, int count, QWidget* parent) {
    auto* list = Make<QComboBox>(name, parent);
    list->setEditable(false);
    for (int i = 0; i < count; ++i) list->addItem(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    list->setCurrentIndex(0);
    return list;
}

}  // namespace

EditTimeDialog::EditTimeDialog(Services& services, char decimalMark, QWidget* parent)
    : QDialog(parent), services_(services), decimalMark_(decimalMark) {
    setObjectName(QStringLiteral("frmedit"));
    setWindowTitle(QStringLiteral("Edit Time"));
    setModal(true);
    setFixedSize(300, 120);

    cmbminutes = TwoDigitList(QStringLiteral("cmbminutes"), 60, this);
    cmbseconds = TwoDigitList(QStringLiteral("cmbseconds"), 60, this);
    cmbcent = TwoDigitList(QStringLiteral("cmbcent"), 100, this);
    cmbminutes->setGeometry(12, 30, 84, 26);
    cmbseconds->setGeometry(108, 30, 84, 26);
    cmbcent->setGeometry(204, 30, 84, 26);
    // A list is read by its label (its own name is the value shown), so each
    // caption labels its list, and "s/100" is read as a word.
    const char* captions[] = {"Minutes", "Seconds", "s/100"};
    QComboBox* lists[] = {cmbminutes, cmbseconds, cmbcent};
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = Label(QStringLiteral("Label%1").arg(i + 1), QString::fromLatin1(captions[i]), this,
                                QRect(12 + 96 * i, 8, 88, 20));
        caption->setBuddy(lists[i]);
    }
    findChild<QLabel*>(QStringLiteral("Label3"))->setAccessibleName(QStringLiteral("Hundredths"));

    cmdsave = Button(QStringLiteral("cmdsave"), QStringLiteral("Change!"), this, QRect(12, 76, 132, 30));
    cmdsave->setDefault(true);
    cmdcancel = Button(QStringLiteral("cmdcancel"), QStringLiteral("Cancel"), this, QRect(156, 76, 132, 30));

    setTabOrder(cmbminutes, cmbseconds);
    setTabOrder(cmbseconds, cmbcent);
    setTabOrder(cmbcent, cmdsave);
    setTabOrder(cmdsave, cmdcancel);
    cmbminutes->setFocus();

    connect(cmdsave, &QPushButton::clicked, this, &EditTimeDialog::cmdsave_Click);
    connect(cmdcancel, &QPushButton::clicked, this, &QDialog::reject);
}

void EditTimeDialog::cmdsave_Click() {
    const std::string text = cmbminutes->currentText().toStdString() + ":" + cmbseconds->currentText().toStdString() +
                             decimalMark_ + cmbcent->currentText().toStdString();
    const std::optional<double> parsed = ParseTime(text, decimalMark_);
    if (!parsed || *parsed <= 0.0) {
        services_.message("Can't add a null time!", "ERROR", Services::Icon::Critical, Services::Buttons::Ok);
        reject();
        return;
    }
    value_ = parsed;
    accept();
}

}  // namespace cubetimer
