#pragma once

#include <QtGlobal>

// A handle to a document the office suite holds open. The suite owns the document; the
// handle is a plain number that is only meaningful to the suite that gave it, and is
// dead once the document is closed. 0 is no document.
struct OfficeDocument {
    quint64 id = 0;

    bool isValid() const { return id != 0; }
    friend bool operator==(OfficeDocument a, OfficeDocument b) { return a.id == b.id; }
    friend bool operator!=(OfficeDocument a, OfficeDocument b) { return a.id != b.id; }
};
