#include "ui/edit_time_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <utility>

#include "platform/services.h"
#include "session/time_text.h"
#include "ui/form.h"
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
    setWindowTitle(tr("Edit Time"));
    setModal(true);
    const Form form(QSize(4500, 1800));
    form.fitFont(this);
    setFixedSize(form.size(4500, 1800));

    const char* captions[] = {QT_TR_NOOP("Minutes"), QT_TR_NOOP("Seconds"), QT_TR_NOOP("s/100")};
    for (int i = 0; i < 3; ++i) {
        Label(QStringLiteral("Label%1").arg(i + 1), tr(captions[i]), this, form.rect(180 + 1440 * i, 120, 1320, 300));
    }
    cmbminutes = TwoDigitList(QStringLiteral("cmbminutes"), 60, this);
    cmbseconds = TwoDigitList(QStringLiteral("cmbseconds"), 60, this);
    cmbcent = TwoDigitList(QStringLiteral("cmbcent"), 100, this);
    cmbminutes->setGeometry(form.rect(180, 450, 1260, 390));
    cmbseconds->setGeometry(form.rect(1620, 450, 1260, 390));
    cmbcent->setGeometry(form.rect(3060, 450, 1260, 390));

    cmdsave = Button(QStringLiteral("cmdsave"), tr("Change!"), this, form.rect(180, 1140, 1980, 450));
    cmdsave->setDefault(true);
    cmdcancel = Button(QStringLiteral("cmdcancel"), tr("Cancel"), this, form.rect(2340, 1140, 1980, 450));

    setTabOrder(cmbminutes, cmbseconds);
    setTabOrder(cmbseconds, cmbcent);
    setTabOrder(cmbcent, cmdsave);
    setTabOrder(cmdsave, cmdcancel);
    cmbminutes->setFocus();
    // A list is read by its label (its own name is the value shown), so each
    // caption labels its list, and "s/100" is read as a word.
    const std::pair<const char*, QComboBox*> labelled[] = {
        {"Label1", cmbminutes}, {"Label2", cmbseconds}, {"Label3", cmbcent}};
    for (const auto& [label, list] : labelled) findChild<QLabel*>(QString::fromLatin1(label))->setBuddy(list);
    findChild<QLabel*>(QStringLiteral("Label3"))->setAccessibleName(tr("Hundredths"));

    connect(cmdsave, &QPushButton::clicked, this, &EditTimeDialog::cmdsave_Click);
    connect(cmdcancel, &QPushButton::clicked, this, &QDialog::reject);
}

void EditTimeDialog::cmdsave_Click() {
    const std::string text = cmbminutes->currentText().toStdString() + ":" + cmbseconds->currentText().toStdString() +
                             decimalMark_ + cmbcent->currentText().toStdString();
    const std::optional<double> parsed = ParseTime(text, decimalMark_);
    if (!parsed || *parsed <= 0.0) {
        services_.message(tr("Can't add a null time!").toStdString(), tr("ERROR").toStdString(), Services::Icon::Critical,
                          Services::Buttons::Ok);
        reject();
        return;
    }
    value_ = parsed;
    accept();
}

}  // namespace cubetimer
