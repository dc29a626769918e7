#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace cubetimer {

class Services;

// "Session details": the one holder of the session report, with copy and
// save. Created on first use and then only hidden, so the report and the
// "Copied to clipboard" note stay from one opening to the next.
class DetailsWindow : public QDialog {
    Q_OBJECT
public:
    DetailsWindow(Services& services, QWidget* parent);

    void setReport(const std::string& text);
    const std::string& report() const { return report_; }

    void cmdcopy_Click();
    void cmdsave_Click();

private:
    Services& services_;
    std::string report_;
    QPlainTextEdit* RichTextBox1;
    QPushButton* cmdcopy;
    QPushButton* cmdsave;
    QPushButton* Command1;
    QLabel* Label1;
};

}  // namespace cubetimer
