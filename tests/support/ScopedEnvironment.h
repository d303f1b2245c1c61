#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QtGlobal>
#include <optional>

namespace brevmark::test {

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const char* name, const QByteArray& value) {
        remember(name);
        qputenv(name, value);
    }
    void unset(const char* name) {
        remember(name);
        qunsetenv(name);
    }
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_)
            if (value)
                qputenv(name.constData(), *value);
            else
                qunsetenv(name.constData());
    }

private:
    void remember(const char* name) {
        for (const auto& s : saved_)
            if (s.first == name)
                return;
        saved_.append({QByteArray(name), qEnvironmentVariableIsSet(name)
                                             ? std::optional<QByteArray>(qgetenv(name))
                                             : std::nullopt});
    }
    QList<QPair<QByteArray, std::optional<QByteArray>>> saved_;
};

} // namespace brevmark::test
