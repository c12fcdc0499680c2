#include <QApplication>

#include "support/test_registry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return mw::test::runAllTests(argc, argv);
}
