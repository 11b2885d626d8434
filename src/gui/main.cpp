#include "shell/tform1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Boatmeet"));
    TForm1 window;
    window.show();
    return QApplication::exec();
}
