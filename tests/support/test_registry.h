#pragma once

// Several Qt Test classes in one executable per module: each test file
// registers its class, and runAllTests() runs them in turn.

#include <QCoreApplication>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

namespace mw::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<TestFactory>& registeredTests() {
    static std::vector<TestFactory> tests;
    return tests;
}

template <typename T>
struct RegisterTest {
    RegisterTest() {
        registeredTests().push_back([] { return std::unique_ptr<QObject>(new T); });
    }
};

// MW_TEST_CLASS=TestName runs one class only.
inline int runAllTests(int argc, char** argv) {
    const QByteArray only = qgetenv("MW_TEST_CLASS");
    int failures = 0;
    for (const TestFactory& make : registeredTests()) {
        std::unique_ptr<QObject> test = make();
        if (!only.isEmpty() && only != test->metaObject()->className()) {
            continue;
        }
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace mw::test

#define MW_REGISTER_TEST(Class) static ::mw::test::RegisterTest<Class> s_register##Class;
