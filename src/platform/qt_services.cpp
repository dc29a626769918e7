#include "platform/qt_services.h"

#include "platform/file_save.h"
#include "platform/sound_input.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>

namespace cubetimer {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Services::Answer QtServices::message(const std::string& text, const std::string& title, Icon icon,
                                     Buttons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(Q(title));
    box.setText(Q(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setIcon(icon == Icon::Critical  ? QMessageBox::Critical
                : icon == Icon::Warning ? QMessageBox::Warning
                                        : QMessageBox::NoIcon);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::string QtServices::openFileName(const std::string& title, const std::string& filter) {
    QFileDialog dialog(QApplication::activeWindow(), Q(title), QString(), Q(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name that does not exist comes back, so that it is refused in
    // the program's own words ("File not accessible!"), not the dialog's.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
}

bool QtServices::writeTextFile(const std::string& path, const std::string& text) {
    // Not QSaveFile: on a full disk it can commit an empty file and report success.
    return SaveFileWhole(path, text);
}

void QtServices::setClipboardText(const std::string& text) {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(Q(text));
}

void QtServices::beep() { beeper_.beep(); }

void QtServices::openUrl(const std::string& url) { QDesktopServices::openUrl(QUrl(Q(url))); }

std::chrono::steady_clock::time_point QtServices::now() { return std::chrono::steady_clock::now(); }

char QtServices::decimalMark() {
    const QString mark = QLocale::system().decimalPoint();
    return mark.size() == 1 && mark.at(0).unicode() < 128 ? mark.at(0).toLatin1() : '.';
}

std::string QtServices::timeOfDayText() {
    // Hours, minutes and seconds in the locale's form, without the time zone.
    const QLocale locale = QLocale::system();
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(QTime::currentTime(), format.trimmed()).toStdString();
}

std::string QtServices::dateText() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::unique_ptr<Services::SoundInput> QtServices::openStackmatInput(SoundInputEvents events) {
    return OpenSoundInput(std::move(events));
}

}  // namespace cubetimer
