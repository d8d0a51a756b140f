#include "shell/KelvaneProgram.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kelvane::KelvaneProgram program;
    return program.Run();
}
