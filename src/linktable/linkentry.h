#pragma once

#include <QString>

// One link of a group, in the field order of its line in the group file.
struct LinkEntry {
    QString name;
    QString address;
    QString freeText;
    QString privateText; // kept in clear in the file, shown masked
    QString shownAddress;
    QString dateAdded; // YYYY-MM-DD

    bool isBlank() const {
        return name.isEmpty() && address.isEmpty() && freeText.isEmpty() && privateText.isEmpty() &&
               shownAddress.isEmpty() && dateAdded.isEmpty();
    }
};
