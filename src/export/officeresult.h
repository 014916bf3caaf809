#pragma once

#include <QString>

// Whether one call to the office suite worked. A failure carries one sentence a user can
// be shown under a caption of the program's language: what failed, naming the file where
// one is involved ("Cannot save /home/me/page.docx: the folder is read-only.").
struct [[nodiscard]] OfficeResult {
    bool ok = true;
    QString error;

    static OfficeResult success() { return {}; }
    static OfficeResult failure(const QString &error) { return {false, error}; }
    explicit operator bool() const { return ok; }
};
