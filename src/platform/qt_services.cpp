#include "platform/qt_services.h"

#include "platform/file_save.h"
#include "platform/sound_input.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
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
    return chooseFile(false, title, filter);
}

std::string QtServices::saveFileName(const std::string& title, const std::string& filter) {
    return chooseFile(true, title, filter);
}

std::string QtServices::chooseFile(bool save, const std::string& title, const std::string& filter) {
    // The first file of a run is looked for in Documents, never in the
    // program's own folder (the Start menu entry starts it in Program Files,
    // where a user cannot write); a later one where the last was.
    if (folder_.isEmpty()) folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = fileDialog(save, Q(title), Q(filter), QDir::toNativeSeparators(folder_));
    if (!path.isEmpty()) folder_ = QFileInfo(path).absolutePath();
    return path.toStdString();
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
