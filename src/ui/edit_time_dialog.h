#pragma once

#include <QDialog>

#include <optional>

class QComboBox;
class QPushButton;

namespace cubetimer {

class Services;

// "Edit Time": minutes, seconds and hundredths chosen from lists, always
// opening at 00 00 00. Accepted only with a time above zero.
class EditTimeDialog : public QDialog {
    Q_OBJECT
public:
    EditTimeDialog(Services& services, char decimalMark, QWidget* parent);

    // The chosen time once the dialog was accepted.
    std::optional<double> value() const { return value_; }

    void cmdsave_Click();

private:
    Services& services_;
    char decimalMark_;
    std::optional<double> value_;
    QComboBox* cmbminutes;
    QComboBox* cmbseconds;
    QComboBox* cmbcent;
    QPushButton* cmdsave;
    QPushButton* cmdcancel;
};

}  // namespace cubetimer
