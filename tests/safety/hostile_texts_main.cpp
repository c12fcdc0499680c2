#include <QCoreApplication>

#include "support/test_registry.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return mw::test::runAllTests(argc, argv);
}
