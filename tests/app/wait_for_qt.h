// Waiting in the Qt tests: the event loop runs until a condition holds.
#pragma once

#include <QElapsedTimer>
#include <QTest>

#include <functional>

namespace vornia::test {

// True once done() holds, with events processed meanwhile; false after timeoutMs.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QTest::qWait(10);
    return done();
}

} // namespace vornia::test
