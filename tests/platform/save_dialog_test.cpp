#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/qt_services.h"

namespace cubetimer {
namespace {

// Types `name` into the next file dialog once it shows, and notes the folder it showed first.
void Answer(const QString& name, QString& startedIn) {
    QTimer::singleShot(10, [name, &startedIn] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return Answer(name, startedIn);
        startedIn = dialog->directory().absolutePath();
        dialog->selectFile(name);
        static_cast<QDialog*>(dialog)->accept();
    });
}

// The first save starts in Documents, not the program's folder, a later one
// where the last went; the dialog leaves nothing in the user's settings.
TEST(SaveDialogTest, StartsInDocumentsThenWhereTheLastWentAndKeepsNothing) {
    QTemporaryDir home;
    const QString config = home.path() + "/config", documents = home.path() + "/Documents", other = home.path() + "/other";
    for (const QString& folder : {config, documents, other}) QDir().mkpath(folder);
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    QtServices services;
    const std::string filter = "Text files (*.txt)";

    QString started;
    Answer("first", started);
    EXPECT_EQ(services.saveFileName("Save", filter), (documents + "/first").toStdString());
    EXPECT_EQ(started, documents);
    Answer(other + "/second", started);
    EXPECT_EQ(services.saveFileName("Save", filter), (other + "/second").toStdString());
    Answer("third", started);
    services.saveFileName("Save", filter);
    EXPECT_EQ(started, other);
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/QtProject.conf";
    EXPECT_TRUE(settings.startsWith(home.path()));
    EXPECT_FALSE(QFileInfo::exists(settings));

    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

}  // namespace
}  // namespace cubetimer
