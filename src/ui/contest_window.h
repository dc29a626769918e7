#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace cubetimer {

class Services;

// "Scrambles for contest": one sheet of 13 scrambles, to read and copy.
// Each sheet lives in its own window, discarded when it closes.
class ContestWindow : public QDialog {
    Q_OBJECT
public:
    ContestWindow(Services& services, const std::string& sheet, QWidget* parent);

    const std::string& sheet() const { return sheet_; }
    void Command1_Click();

private:
    Services& services_;
    std::string sheet_;
    QPlainTextEdit* RichTextBox1;
    QPushButton* Command1;
    QLabel* Label1;
    QPushButton* cmdclose;
};

}  // namespace cubetimer
