// Varimonde: compares two Cookie, HTTP header or query texts item by item.
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    varimonde::MainWindow window(varimonde::SettingsFile::forUser());
    return application.exec();
}
