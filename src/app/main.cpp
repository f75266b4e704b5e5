#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::puts("Rundenzeitverwalter: the main window comes with a later version; use rzv for now.");
    return 0;
}
