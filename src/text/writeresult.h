#pragma once

#include <QString>

// Outcome of writing one of the program's files. A failed write carries the path and the
// system's reason so the caller can tell the user; nothing is dropped silently.
struct [[nodiscard]] WriteResult {
    bool ok = true;
    QString path;
    QString error;

    static WriteResult success(const QString &path) { return {true, path, {}}; }
    static WriteResult failure(const QString &path, const QString &error) {
        return {false, path, error};
    }
    explicit operator bool() const { return ok; }
};
