#include <QGuiApplication>

#include "support/test_registry.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    return mw::test::runAllTests(argc, argv);
}
