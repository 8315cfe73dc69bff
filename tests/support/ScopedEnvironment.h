#pragma once
// An environment variable set for as long as the object lives, then restored
// (unset again when it was not set).

#include <QByteArray>

class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : Name(name), Saved(qgetenv(name)), WasSet(qEnvironmentVariableIsSet(name)) {
        qputenv(Name, value);
    }
    ~ScopedEnvironment() {
        if (WasSet)
            qputenv(Name, Saved);
        else
            qunsetenv(Name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* Name;
    QByteArray Saved;
    bool WasSet;
};
